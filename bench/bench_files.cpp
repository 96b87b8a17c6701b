// Opening measurements from disk: 1000 text recordings of 2048 lines each, one SEG-Y
// file of 1000 traces of 2048 samples, 1000 oscilloscope exports of 3127 lines at 1.6 us
// (five header lines; fitted onto 3 us) and a NumPy file of 121 traces of 2000 samples. The files
// are written once, before the timing, into $KARVELO_BENCH_FILES (kept for the peer script) or a
// temporary folder (removed).
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <memory>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "profile/profile_loader.h"
#include "profile/segy_save.h"

namespace karvelo {
namespace {

constexpr int kFiles = 1000;
constexpr int kLines = 2048;
constexpr int kScopeLines = 3127;
constexpr double kScopeStep = 1.6e-6;
constexpr int kNumpyRows = 121;
constexpr int kNumpyColumns = 2000;

// An oscilloscope export: five header lines, then "time amplitude" from -0.8 ms.
void WriteScopeExport(const std::string& path, int k) {
    FILE* out = std::fopen(path.c_str(), "w");
    std::fprintf(out,
                 "LECROYWS4024HD 19320 Waveform\nSegments 1 SegmentSize %d\n"
                 "Segment TrigTime TimeSinceSegment1\n#1 04-Jun-2024 16:20:05 0          \n"
                 "Time Ampl\n",
                 kScopeLines);
    for (int s = 0; s < kScopeLines; ++s) {
        const double t = s * kScopeStep;
        std::fprintf(out, "%.10g %.10g\n", t - 0.8e-3,
                     0.03 * std::exp(-t / 2e-3) * std::sin(2 * M_PI * (2400 + k) * t));
    }
    std::fclose(out);
}

// A NumPy file of float64 rows (format version 1, C order).
void WriteNumpyRows(const std::string& path) {
    std::string header = "{'descr': '<f8', 'fortran_order': False, 'shape': (" +
                         std::to_string(kNumpyRows) + ", " + std::to_string(kNumpyColumns) + "), }";
    header.append(63 - (10 + header.size()) % 64, ' ').push_back('\n');
    FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite("\x93NUMPY\x01\x00", 1, 8, out);
    const unsigned char length[2] = {static_cast<unsigned char>(header.size() & 0xFF),
                                     static_cast<unsigned char>(header.size() >> 8)};
    std::fwrite(length, 1, 2, out);
    std::fwrite(header.data(), 1, header.size(), out);
    for (int r = 0; r < kNumpyRows; ++r) {
        for (int s = 0; s < kNumpyColumns; ++s) {
            const double t = s * 2e-6;
            const double v = std::exp(-t / 1e-3) * std::sin(2 * M_PI * (8000 + 50 * r) * t);
            std::fwrite(&v, sizeof v, 1, out);
        }
    }
    std::fclose(out);
}

struct BenchFiles {
    BenchFiles() {
        const char* kept = std::getenv("KARVELO_BENCH_FILES");
        keep = kept != nullptr && *kept != '\0';
        folder = keep ? std::filesystem::path(kept)
                      : std::filesystem::temp_directory_path() /
                            ("karvelo-bench-files-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        for (int k = 1; k <= kFiles; ++k) {
            const std::string path = (folder / ("P-" + std::to_string(k) + ".txt")).string();
            texts.push_back(path);
            if (std::filesystem::exists(path)) {
                continue;
            }
            FILE* out = std::fopen(path.c_str(), "w");
            for (int s = 0; s < kLines; ++s) {
                const double t = (s + 1) * 5e-6;
                std::fprintf(out, "%.6E\t%.6E\n", t,
                             0.03 * std::exp(-t / 2e-3) * std::sin(2 * M_PI * (8000 + k) * t));
            }
            std::fclose(out);
        }
        std::filesystem::create_directories(folder / "scope");
        for (int k = 1; k <= kFiles; ++k) {
            const std::string path =
                (folder / "scope" / ("x" + std::to_string(k) + "--00001.txt")).string();
            scopes.push_back(path);
            if (!std::filesystem::exists(path)) {
                WriteScopeExport(path, k);
            }
        }
        numpy = (folder / "grid.npy").string();
        if (!std::filesystem::exists(numpy)) {
            WriteNumpyRows(numpy);
        }
        segy = (folder / "line.sgy").string();
        LoadProfileFiles(*profile, texts, kChannel1, 1, {});
        SaveProfileSegy(profile->image, segy);
    }
    ~BenchFiles() {
        if (!keep) {
            std::filesystem::remove_all(folder);
        }
    }
    bool keep = false;
    std::unique_ptr<Profile> profile = std::make_unique<Profile>();
    std::filesystem::path folder;
    std::vector<std::string> texts;
    std::vector<std::string> scopes;
    std::string segy;
    std::string numpy;
};

BenchFiles& Files() {
    static BenchFiles files;
    return files;
}

void BM_Open1000TextFiles(benchmark::State& state) {
    const std::vector<std::string>& texts = Files().texts;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadProfileFiles(*Files().profile, texts, kChannel1, 1, {}));
    }
}
BENCHMARK(BM_Open1000TextFiles)->Unit(benchmark::kMillisecond);

void BM_Open1000TraceSegy(benchmark::State& state) {
    const std::vector<std::string> paths{Files().segy};
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadProfileFiles(*Files().profile, paths, kChannel1, 1, {}));
    }
}
BENCHMARK(BM_Open1000TraceSegy)->Unit(benchmark::kMillisecond);

void BM_Open1000ScopeExports(benchmark::State& state) {
    const std::vector<std::string>& scopes = Files().scopes;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadProfileFiles(*Files().profile, scopes, kChannel1, 1, {}));
    }
}
BENCHMARK(BM_Open1000ScopeExports)->Unit(benchmark::kMillisecond);

void BM_OpenNumpy121x2000(benchmark::State& state) {
    const std::vector<std::string> paths{Files().numpy};
    SourceOptions options;
    options.IntervalUs = 2.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadProfileFiles(*Files().profile, paths, kChannel1, 1, options));
    }
}
BENCHMARK(BM_OpenNumpy121x2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace karvelo

BENCHMARK_MAIN();
