// Each action of the form end to end on the built-in profile: clear the surface, run
// the pipeline, draw (labels rendered with Qt, as on screen).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "analysis/fftw_wisdom.h"
#include "analysis/profile_spectra_memo.h"
#include "app/surface_text_painter.h"
#include "bench_profiles.h"
#include "bench_statistics.h"
#include "fakes/fake_form_controls.h"
#include "fakes/preset_save_file_chooser.h"
#include "fakes/recording_analysis_controls.h"
#include "plot/click_regions.h"
#include "profile/profile_loader.h"
#include "session/correlation_run.h"
#include "session/form_session.h"

namespace karvelo {
namespace {

struct Bench {
    Bench() : painter(surface), session(document, surface, controls, analysis, progress, chooser) {
        SetUpPickRegion();
        LoadFftwWisdom();
        session.OnFileOpen([this] { document.Load(LoadBuiltInProfile, {}); });
    }
    Document document;
    Surface surface;
    SurfaceTextPainter painter;
    testing::FakeFormControls controls;
    testing::RecordingAnalysisControls analysis;
    testing::FakeProgressBox progress;
    testing::PresetSaveFileChooser chooser{std::nullopt};
    FormSession session;
};

Bench& Form() {
    static Bench bench;
    return bench;
}

void ProductSpectrum(benchmark::State& state, int viewMode) {
    Bench& b = Form();
    b.controls.widgets.SpectrumMode = kSpectrumProduct;
    b.controls.widgets.ViewMode = viewMode;
    b.controls.widgets.PointNumber = 3;
    b.session.OnSpectrumSettings();
    for (auto _ : state) {
        b.session.OnSpectrumSettings();
    }
}

void BM_SpectrumSettingsProductWiggle(benchmark::State& state) {
    ProductSpectrum(state, 0);
}
void BM_SpectrumSettingsProductDensity(benchmark::State& state) {
    ProductSpectrum(state, 1);
}

// A click on "Спектр профиля" after new data: every trace is transformed again, so the
// point spectra kept from the last run are forgotten first.
void BM_ProfileSpectrum(benchmark::State& state) {
    Bench& b = Form();
    b.controls.widgets.SpectrumMode = kProfileSpectrum;
    b.controls.widgets.ViewMode = 0;
    b.controls.widgets.PointNumber = 3;  // the point the peer's pictures show
    for (auto _ : state) {
        ForgetProfileSpectra(b.document.Buffers());
        b.session.OnProfileSpectrum();
    }
}

// A contrast step right after the map was drawn: the point spectra are those kept.
void BM_ContrastStep(benchmark::State& state) {
    Bench& b = Form();
    b.controls.widgets.SpectrumMode = kProfileSpectrum;
    b.controls.widgets.ViewMode = 0;
    b.controls.widgets.PointNumber = 3;
    b.session.OnProfileSpectrum();
    for (auto _ : state) {
        b.controls.contrastBar = 50;
        b.session.OnHScroll(ScrollCode::LineRight, 0);
    }
}

// "Спектр профиля" over a longer line: 100 points of 2 traces, or 50 points of 20.
void ProfileSpectrumOfLine(benchmark::State& state, std::size_t records, std::uint32_t hits) {
    Bench& b = Form();
    b.document.Load([&](Profile& profile) { return LoadRepeatedProfile(profile, records, hits); },
                    {});
    b.controls.widgets.SpectrumMode = kProfileSpectrum;
    b.controls.widgets.ViewMode = 0;
    b.controls.widgets.PointNumber = 1;
    for (auto _ : state) {
        ForgetProfileSpectra(b.document.Buffers());
        b.session.OnProfileSpectrum();
    }
    b.document.Load(LoadBuiltInProfile, {});
}

void BM_ProfileSpectrum200Records(benchmark::State& state) {
    ProfileSpectrumOfLine(state, 200, 1);
}
void BM_ProfileSpectrum1000Records(benchmark::State& state) {
    ProfileSpectrumOfLine(state, 1000, 10);
}

void BM_CorrelationFullRange(benchmark::State& state) {
    Bench& b = Form();
    Surface dialogSurface;
    SurfaceTextPainter painter(dialogSurface);
    CorrelationFields fields;
    fields.Signal2Trace = 1;
    fields.FullRange = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            RunCorrelation(b.document.CurrentProfile(), fields, dialogSurface));
    }
}

// Repeated in one run with the floor (bench_floor) and the peer, which set the ratios.
constexpr int kRepetitions = 15;
BENCHMARK(BM_SpectrumSettingsProductWiggle)->Apply([](auto* b) { Repeated(b, kRepetitions); });
BENCHMARK(BM_SpectrumSettingsProductDensity)->Apply([](auto* b) { Repeated(b, kRepetitions); });
BENCHMARK(BM_ProfileSpectrum)->Apply([](auto* b) { Repeated(b, kRepetitions); });
BENCHMARK(BM_ContrastStep)->Apply([](auto* b) { Repeated(b, kRepetitions); });
BENCHMARK(BM_ProfileSpectrum200Records)->Apply([](auto* b) { Repeated(b, kRepetitions); });
BENCHMARK(BM_ProfileSpectrum1000Records)->Apply([](auto* b) { Repeated(b, kRepetitions); });
BENCHMARK(BM_CorrelationFullRange)->Apply([](auto* b) { Repeated(b, kRepetitions); });

}  // namespace
}  // namespace karvelo

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
