// Shared set-up for the analysis tests: clean stores and synthetic profiles.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <numbers>
#include <string>

#include "analysis/analysis_buffers.h"
#include "analysis/analysis_request.h"
#include "analysis/pipeline.h"
#include "analysis/quality.h"
#include "fakes/recording_analysis_controls.h"
#include "fakes/recording_message_sink.h"
#include "fakes/struck_hit.h"
#include "fakes/temp_file.h"
#include "profile/profile.h"

namespace karvelo::testing {

// Every test starts with a profile, buffers, request flags and a quality table of its
// own, all empty, and records the messages shown meanwhile.
class AnalysisTest : public ::testing::Test {
  protected:
    // Writes a profile header into the profile's image (records of `samples` IEEE single
    // samples, `interval` apart) and groups the records by hitsPerPoint (channel 1).
    void WriteProfile(std::uint16_t records, std::uint16_t interval, std::uint16_t samples,
                      std::uint32_t hitsPerPoint) {
        Image& image = profile_.image;
        WriteU16(image, kTraceCountOffset, records);
        WriteU16(image, kSampleIntervalOffset, interval);
        WriteU16(image, kSamplesPerTraceOffset, samples);
        WriteU16(image, kSampleFormatOffset, kFormatIeeeFloat);
        SetUpProfile(profile_, hitsPerPoint, 0);
    }

    // Sample s of record r = value(s), for every sample of the header.
    void WriteTrace(std::size_t record, const std::function<double(std::size_t)>& value) {
        for (std::size_t s = 0; s < SamplesPerTrace(profile_.image); ++s) {
            WriteU32(profile_.image, SampleOffset(record, s),
                     EncodeSample(kFormatIeeeFloat, value(s)));
        }
    }

    // Record r = a (decaying, clipped) sine of hz plus uniform noise of RMS noise * amplitude.
    void WriteSine(std::size_t record, double hz, double amplitude = 1.0, double tau = 0.0,
                   double noise = 0.0, double clip = 0.0) {
        const double dt = SampleInterval(profile_.image) * 1e-6;
        Noise random(12345 + record);
        WriteTrace(record, [&](std::size_t s) {
            const double t = static_cast<double>(s) * dt;
            const double v = amplitude * std::sin(2.0 * std::numbers::pi * hz * t) *
                                 (tau > 0.0 ? std::exp(-t / tau) : 1.0) +
                             random(noise * amplitude * std::sqrt(12.0) / 2.0);
            return clip > 0.0 ? std::clamp(v, -clip, clip) : v;
        });
    }

    // Everything back to its start state, for a test that starts over part-way.
    void ResetAll() {
        std::destroy_at(&profile_);
        std::construct_at(&profile_);
        std::destroy_at(&buffers_);
        std::construct_at(&buffers_);
        flags_ = {};
        quality_ = {};
    }

    // A run of the pipeline on the test's own state.
    AnalysisOutcome Run(AnalysisRequest& request, Surface* surface = nullptr) {
        return RunAnalysis(profile_, buffers_, flags_, request, surface, &quality_);
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

    std::unique_ptr<Profile> profileStore_ = std::make_unique<Profile>();
    std::unique_ptr<AnalysisBuffers> bufferStore_ = std::make_unique<AnalysisBuffers>();
    Profile& profile_ = *profileStore_;
    AnalysisBuffers& buffers_ = *bufferStore_;
    RequestFlags flags_;
    QualityTable quality_;
    RecordingMessageSink sink_;
    RecordingAnalysisControls controls_;
};

}  // namespace karvelo::testing
