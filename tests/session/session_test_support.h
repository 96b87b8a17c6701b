// A form session over fakes and a document of its own, with the pick store reset before
// and after each test.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis/quality.h"
#include "fakes/fake_form_controls.h"
#include "fakes/preset_save_file_chooser.h"
#include "fakes/recording_analysis_controls.h"
#include "fakes/recording_message_sink.h"
#include "fakes/surface_ink.h"
#include "fakes/temp_file.h"
#include "plot/click_regions.h"
#include "plot/pick_store.h"
#include "profile/profile_image.h"
#include "profile/profile_loader.h"
#include "session/form_session.h"

namespace karvelo::testing {

class SessionTest : public ::testing::Test {
  protected:
    SessionTest() : session_(document_, surface_, controls_, analysis_, progress_, chooser_) {}

    void SetUp() override {
        ResetAll();
        session_.InitialUpdate();
    }
    void TearDown() override { ResetAll(); }

    static void ResetAll() { SetUpPickRegion(); }

    // File > Open of the first built-in profile, both channels, one hit a point.
    void Open() { OpenBuiltIn(0, kBothChannels, 1); }
    bool OpenBuiltIn(std::uint32_t choice, int channelMode, std::uint32_t hits) {
        return OpenWith(
            [&](Profile& profile) { return LoadProfile(profile, choice, channelMode, hits); },
            ProfileSourceChoice{{}, {}, choice});
    }
    bool OpenFiles(const std::vector<std::string>& files, int channelMode, std::uint32_t hits) {
        return OpenWith(
            [&](Profile& profile) {
                return LoadProfileFiles(profile, files, channelMode, hits, {});
            },
            ProfileSourceChoice{files, {}, 0});
    }
    // File > Open answered with what load loads.
    bool OpenWith(const std::function<bool(Profile&)>& load, const ProfileSourceChoice& source) {
        bool loaded = false;
        session_.OnFileOpen([&] { loaded = document_.Load(load, source); });
        return loaded;
    }
    const Profile& profile() const { return document_.CurrentProfile(); }
    AnalysisBuffers& buffers() { return document_.Buffers(); }

    // The number of non-white pixels inside a rectangle of the form's surface.
    int InkIn(int left, int top, int right, int bottom) const {
        return testing::InkIn(surface_, left, top, right, bottom);
    }

    static std::vector<std::string> ReadLines(const std::string& path) {
        std::ifstream file(path);
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    Document document_;
    Surface surface_;
    FakeFormControls controls_;
    RecordingAnalysisControls analysis_;
    FakeProgressBox progress_;
    PresetSaveFileChooser chooser_{std::nullopt};
    RecordingMessageSink messages_;
    FormSession session_;
};

}  // namespace karvelo::testing
