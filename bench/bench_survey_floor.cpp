// The floor of the survey: the recordings of $KARVELO_SURVEY_FILES (a folder of text
// recordings, one per position, as bench/gen_survey_grid.py writes them) read, parsed,
// resampled fivefold along straight lines, transformed and their strongest bin between
// 2000 and 20000 Hz found, on two threads, plainly: no profile, no report, no drawing.
// `karvelo-cli grid` over the same folder does all of this and more; the ratio of the
// two is what the survey's own machinery costs.
#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "analysis/fftw_wisdom.h"

namespace {

constexpr double kLowHz = 2000.0;
constexpr double kHighHz = 20000.0;
constexpr std::size_t kFactor = 5;

std::vector<std::string> SurveyFiles() {
    std::vector<std::string> files;
    const char* folder = std::getenv("KARVELO_SURVEY_FILES");
    if (folder == nullptr || !std::filesystem::is_directory(folder)) {
        return files;
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadAll(const std::string& path) {
    std::string text;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[1 << 16];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
            text.append(buffer, n);
        }
        std::fclose(file);
    }
    return text;
}

// Time and amplitude columns of a text recording.
void Parse(const std::string& text, std::vector<double>& times, std::vector<double>& values) {
    times.clear();
    values.clear();
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        double t = 0.0;
        double x = 0.0;
        auto [next, error] = std::from_chars(p, end, t);
        if (error != std::errc()) {
            break;
        }
        while (next < end && (*next == '\t' || *next == ' ')) {
            ++next;
        }
        auto [after, error2] = std::from_chars(next, end, x);
        if (error2 != std::errc()) {
            break;
        }
        times.push_back(t);
        values.push_back(x);
        p = after;
        while (p < end && (*p == '\n' || *p == '\r')) {
            ++p;
        }
    }
}

struct Worker {
    std::vector<double> times;
    std::vector<double> values;
    double* in = nullptr;
    fftw_complex* out = nullptr;
    std::size_t capacity = 0;

    ~Worker() {
        fftw_free(in);
        fftw_free(out);
    }

    // The strongest bin's frequency of one recording (0 when none lies in the band).
    double Peak(const std::string& path, std::mutex& planLock, std::vector<fftw_plan>& plans,
                std::vector<std::size_t>& lengths) {
        Parse(ReadAll(path), times, values);
        const std::size_t samples = values.size();
        if (samples < 2) {
            return 0.0;
        }
        const std::size_t n = kFactor * samples;
        if (capacity < n) {
            fftw_free(in);
            fftw_free(out);
            in = static_cast<double*>(fftw_malloc(sizeof(double) * n));
            out = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * (n / 2 + 1)));
            capacity = n;
        }
        const double dt = times[1] - times[0];
        const double step = (static_cast<double>(samples - 1) * dt) / static_cast<double>(n - 1);
        for (std::size_t m = 0; m < n; ++m) {
            const double t = static_cast<double>(m) * step;
            const auto l = std::min<std::size_t>(static_cast<std::size_t>(t / dt), samples - 2);
            const double offset = t - static_cast<double>(l) * dt;
            in[m] = values[l] + offset * ((values[l + 1] - values[l]) / dt);
        }
        fftw_plan plan = nullptr;
        {
            const std::lock_guard<std::mutex> guard(planLock);
            for (std::size_t k = 0; k < lengths.size(); ++k) {
                if (lengths[k] == n) {
                    plan = plans[k];
                }
            }
            if (plan == nullptr) {
                plan = karvelo::PlanRealTransform(static_cast<int>(n), in, out);
                plans.push_back(plan);
                lengths.push_back(n);
            }
        }
        fftw_execute_dft_r2c(plan, in, out);
        const double df = 1.0 / (static_cast<double>(samples) * dt);
        double best = -1.0;
        double frequency = 0.0;
        for (std::size_t k = 0; k <= n / 2; ++k) {
            const double hz = static_cast<double>(k) * df;
            if (hz < kLowHz || hz > kHighHz) {
                continue;
            }
            const double magnitude = std::hypot(out[k][0], out[k][1]);
            if (magnitude > best) {
                best = magnitude;
                frequency = hz;
            }
        }
        return frequency;
    }
};

void BM_SurveyFloorTwoThreads(benchmark::State& state) {
    const std::vector<std::string> files = SurveyFiles();
    if (files.empty()) {
        state.SkipWithError("KARVELO_SURVEY_FILES names no folder of recordings");
        return;
    }
    karvelo::LoadFftwWisdom();
    std::mutex planLock;
    std::vector<fftw_plan> plans;
    std::vector<std::size_t> lengths;
    std::vector<double> peaks(files.size());
    for (auto _ : state) {
        std::atomic<std::size_t> next{0};
        const auto work = [&] {
            Worker worker;
            for (std::size_t i = next++; i < files.size(); i = next++) {
                peaks[i] = worker.Peak(files[i], planLock, plans, lengths);
            }
        };
        std::thread second(work);
        work();
        second.join();
        benchmark::DoNotOptimize(peaks.data());
    }
    for (fftw_plan plan : plans) {
        fftw_destroy_plan(plan);
    }
    state.counters["positions"] = static_cast<double>(files.size());
}

BENCHMARK(BM_SurveyFloorTwoThreads)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
