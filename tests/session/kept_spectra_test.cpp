// A profile-spectrum run that finds the point spectra of the last run kept must leave the
// picture, the pick file and the buffers exactly as recomputing them would.
#include <gtest/gtest.h>

#include <functional>

#include "analysis/profile_spectra_memo.h"
#include "session/session_test_support.h"

namespace karvelo::testing {
namespace {

struct Outcome {
    std::vector<std::uint32_t> pixels;
    std::vector<std::string> pickFile;
    std::vector<double> pointSpectra;  // the matrix rows, after the run
    std::vector<double> amplitudes;
    std::vector<double> samples;  // of the last trace transformed
    std::vector<double> resampled;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

class KeptSpectraTest : public SessionTest {
  protected:
    // Opens, draws the map, saves two pick lines and picks two more; then `step` runs,
    // with the point spectra of the map run kept or forgotten.
    Outcome Run(const std::function<void()>& step, bool forget) {
        ResetAll();
        controls_ = FakeFormControls{};
        session_.InitialUpdate();
        Open();
        controls_.widgets.SpectrumMode = kProfileSpectrum;
        session_.OnProfileSpectrum();
        for (int round = 0; round < 2; ++round) {
            for (int x : {400, 600, 800}) {
                session_.OnLButtonDown(x, 420 + 40 * round);
            }
            session_.OnPickOk();
        }
        chooser_.SetPath(path_);
        session_.OnSavePicks();
        for (int x : {500, 700}) {
            session_.OnLButtonDown(x, 450);
        }
        session_.OnPickOk();
        if (forget) {
            ForgetProfileSpectra(buffers());
        }
        step();
        Outcome out;
        out.pixels.assign(surface_.Data(), surface_.Data() + surface_.Width() * surface_.Height());
        out.pickFile = ReadLines(path_);
        out.pointSpectra.assign(buffers().ProfileSpectrumGrid.begin(),
                                buffers().ProfileSpectrumGrid.begin() + 10 * kMatrixRowStride);
        out.amplitudes.assign(buffers().AmplitudeSpectrum.begin(),
                              buffers().AmplitudeSpectrum.end());
        out.samples.assign(buffers().TraceSamples.begin(), buffers().TraceSamples.end());
        out.resampled.assign(buffers().ResampledTrace.begin(), buffers().ResampledTrace.end());
        return out;
    }
    std::string path_ = TempFile("kept_picks.txt");
};

TEST_F(KeptSpectraTest, StepsAfterAMapRunGiveWhatAFullRunGives) {
    struct Case {
        const char* name;
        std::function<void()> step;
    };
    const Case cases[] = {
        {"contrast step", [this] { session_.OnHScroll(ScrollCode::LineRight, 0); }},
        {"narrower band",
         [this] {
             controls_.widgets.FMin = 500;
             controls_.widgets.FMax = 2000;
             session_.OnProfileSpectrum();
         }},
        {"detrend",
         [this] {
             controls_.widgets.Detrend = 1;
             session_.OnProfileSpectrum();
         }},
        {"a sample changed in the image",
         [this] {
             // A document never changes its image in place; the kept spectra must notice
             // a changed image all the same.
             Image& image = const_cast<Image&>(profile().image);
             const std::size_t offset = SampleOffset(7, 300);
             WriteU32(image, offset, ReadU32(image, offset) + 4096);
             session_.OnProfileSpectrum();
         }},
        {"a point's spectrum, then the map again",
         [this] {
             controls_.widgets.SpectrumMode = kSpectrumProduct;
             session_.OnSpectrumSettings();
             controls_.widgets.SpectrumMode = kProfileSpectrum;
             session_.OnProfileSpectrum();
         }},
        {"one channel",
         [this] {
             OpenBuiltIn(0, kChannel1, 1);
             session_.OnProfileSpectrum();
         }},
    };
    for (const Case& c : cases) {
        const Outcome kept = Run(c.step, false);
        const Outcome full = Run(c.step, true);
        ASSERT_FALSE(kept.pickFile.empty()) << c.name;
        EXPECT_TRUE(kept == full) << c.name;
    }
}

}  // namespace
}  // namespace karvelo::testing
