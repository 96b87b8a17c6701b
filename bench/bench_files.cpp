// Opening measurements from disk: 1000 text recordings of 2048 lines each, and one SEG-Y
// file of 1000 traces of 2048 samples. The files are written once, before the timing,
// into $KARVELO_BENCH_FILES (kept for the peer script) or a temporary folder (removed).
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
    std::string segy;
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

}  // namespace
}  // namespace karvelo

BENCHMARK_MAIN();
