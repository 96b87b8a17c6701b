// Shared set-up for the analysis tests: clean stores and synthetic profiles.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <numbers>
#include <string>

#include "analysis/analysis_buffers.h"
#include "analysis/analysis_request.h"
#include "analysis/quality.h"
#include "fakes/recording_analysis_controls.h"
#include "fakes/recording_message_sink.h"
#include "fakes/temp_file.h"
#include "profile/profile_image.h"

namespace karvelo::testing {

// Starts and ends every test with zero buffers, an empty profile and an empty quality
// table, and records the messages shown meanwhile.
class AnalysisTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetAll(); }
    void TearDown() override { ResetAll(); }
    static void ResetAll() {
        ResetProfileStore();
        ResetAnalysisBuffers();
        QualityCount = 0;
        QualityDisplayOn = false;
    }

    // Writes a profile header into ProfileImage (records of `samples` IEEE single
    // samples, `interval` apart) and groups the records by hitsPerPoint (channel 1).
    static void WriteProfile(std::uint16_t records, std::uint16_t interval, std::uint16_t samples,
                             std::uint32_t hitsPerPoint) {
        WriteU16(ProfileImage, kTraceCountOffset, records);
        WriteU16(ProfileImage, kSampleIntervalOffset, interval);
        WriteU16(ProfileImage, kSamplesPerTraceOffset, samples);
        WriteU16(ProfileImage, kSampleFormatOffset, kFormatIeeeFloat);
        SetUpProfile(hitsPerPoint, 0);
    }

    // Sample s of record r = value(s), for every sample of the header.
    static void WriteTrace(std::size_t record, const std::function<double(std::size_t)>& value) {
        for (std::size_t s = 0; s < SamplesPerTrace(); ++s) {
            WriteU32(ProfileImage, SampleOffset(record, s),
                     EncodeSample(kFormatIeeeFloat, value(s)));
        }
    }

    // A sine of `cycles` periods over the n samples of a trace.
    static std::function<double(std::size_t)> Sine(double cycles, double amplitude, std::size_t n) {
        return [=](std::size_t s) {
            return amplitude * std::sin(2.0 * std::numbers::pi * cycles * static_cast<double>(s) /
                                        static_cast<double>(n));
        };
    }

    // A request on the recording controls.
    AnalysisRequest NewRequest(std::int32_t mode = kSingleTrace, std::uint32_t point = 1,
                               std::uint32_t trace = 0) {
        AnalysisRequest request;
        request.Controls = &controls_;
        request.SpectrumMode = mode;
        request.PointNumber = point;
        request.TraceNumber = trace;
        return request;
    }

    // A whole file's text.
    static std::string ReadFile(const std::string& path) {
        std::ifstream file(path);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    RecordingMessageSink sink_;
    RecordingAnalysisControls controls_;
};

}  // namespace karvelo::testing
