// Spectrum benchmarks: one point in mode 2, the profile matrix, and the first spectrum of a
// fresh process with and without FFTW's wisdom cache.
//
// The fresh-process figures start this program again as a child ("--first-spectrum"),
// which loads the wisdom (if any), computes one spectrum and prints the time taken.

#include <benchmark/benchmark.h>

#include <memory>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "analysis/analysis_buffers.h"
#include "analysis/analysis_request.h"
#include "analysis/band.h"
#include "analysis/fftw_wisdom.h"
#include "analysis/frequency_axis.h"
#include "analysis/profile_matrix.h"
#include "analysis/spectrum_modes.h"
#include "profile/profile_loader.h"

namespace karvelo {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFirstSpectrumFlag = "--first-spectrum";

// A profile and the buffers of its runs, made once.
struct Work {
    std::unique_ptr<Profile> profile = std::make_unique<Profile>();
    std::unique_ptr<AnalysisBuffers> buffers = std::make_unique<AnalysisBuffers>();
};

Work& Kept() {
    static Work work;
    return work;
}

// The 2-record built-in profile with both channels and one hit: one point, two traces.
AnalysisRequest LoadTwoTracePoint() {
    LoadProfile(*Kept().profile, 1, kBothChannels, 1);
    AnalysisRequest request;
    request.SpectrumMode = kSpectrumProduct;
    request.PointNumber = 1;
    return request;
}

void BM_Mode2SpectrumOfOnePoint(benchmark::State& state) {
    LoadFftwWisdom();
    const AnalysisRequest request = LoadTwoTracePoint();
    Work& work = Kept();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeSelectionSpectrum(*work.profile, *work.buffers, request));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Mode2SpectrumOfOnePoint)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_ProfileMatrix10Points192Bins(benchmark::State& state) {
    constexpr std::uint32_t kPoints = 10;
    constexpr std::uint32_t kBins = 192;
    const FrequencyAxis axis = MakeFrequencyAxis(2048, 31);
    AnalysisRequest request;
    request.Contrast = 0.3f;
    AnalysisBuffers& buffers = *Kept().buffers;
    ReservePointRows(buffers, kPoints);
    RequestFlags flags;
    for (auto _ : state) {
        // The matrix overwrites the point spectra and the band frequencies: restore them.
        FillBinFrequencies(buffers, axis);
        for (std::uint32_t j = 0; j < kPoints; ++j) {
            for (std::uint32_t i = 0; i < kBins; ++i) {
                buffers.ProfileSpectrumGrid[j * kMatrixRowStride + i] =
                    1.0 + ((i * 7 + j * 13) % 29);
            }
        }
        flags.ContrastClipRequest = true;
        benchmark::DoNotOptimize(BuildProfileMatrix(buffers, flags, request, kPoints, kBins));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ProfileMatrix10Points192Bins)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Runs this program as a child with the given cache folder and returns the seconds its
// first spectrum took, or a negative value when the child failed.
double FirstSpectrumInChild(const fs::path& cacheHome) {
    const fs::path self = fs::read_symlink("/proc/self/exe");
    const std::string command =
        "XDG_CACHE_HOME='" + cacheHome.string() + "' '" + self.string() + "' " + kFirstSpectrumFlag;
    FILE* child = popen(command.c_str(), "r");
    if (child == nullptr) {
        return -1.0;
    }
    double seconds = -1.0;
    if (std::fscanf(child, "%lf", &seconds) != 1) {
        seconds = -1.0;
    }
    return pclose(child) == 0 ? seconds : -1.0;
}

fs::path FreshCacheFolder(const char* name) {
    const fs::path folder = fs::temp_directory_path() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

void MeasureFirstSpectrum(benchmark::State& state, bool withWisdom) {
    const fs::path warm = FreshCacheFolder("karvelo-bench-wisdom");
    if (withWisdom && FirstSpectrumInChild(warm) < 0.0) {  // leaves the wisdom behind
        state.SkipWithError("child run failed");
        return;
    }
    for (auto _ : state) {
        const fs::path cache = withWisdom ? warm : FreshCacheFolder("karvelo-bench-no-wisdom");
        const double seconds = FirstSpectrumInChild(cache);
        if (seconds < 0.0) {
            state.SkipWithError("child run failed");
            break;
        }
        state.SetIterationTime(seconds);
    }
    fs::remove_all(warm);
    fs::remove_all(fs::temp_directory_path() / "karvelo-bench-no-wisdom");
}

void BM_FirstSpectrumFreshProcessWithoutWisdom(benchmark::State& state) {
    MeasureFirstSpectrum(state, false);
}
void BM_FirstSpectrumFreshProcessWithWisdom(benchmark::State& state) {
    MeasureFirstSpectrum(state, true);
}
BENCHMARK(BM_FirstSpectrumFreshProcessWithoutWisdom)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstSpectrumFreshProcessWithWisdom)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// The child's work: wisdom import plus one mode-2 spectrum, timed, seconds on stdout.
int RunFirstSpectrum() {
    const AnalysisRequest request = LoadTwoTracePoint();
    const auto start = std::chrono::steady_clock::now();
    LoadFftwWisdom();
    const bool computed = ComputeSelectionSpectrum(*Kept().profile, *Kept().buffers, request);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%.6f\n", elapsed.count());
    return computed ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace
}  // namespace karvelo

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], karvelo::kFirstSpectrumFlag) == 0) {
        return karvelo::RunFirstSpectrum();
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return EXIT_FAILURE;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
