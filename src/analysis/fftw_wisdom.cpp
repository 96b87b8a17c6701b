#include "analysis/fftw_wisdom.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include "common/atomic_file.h"

namespace karvelo {

namespace {

std::filesystem::path FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::filesystem::path{} : std::filesystem::path{value};
}

}  // namespace

std::filesystem::path FftwWisdomPath() {
    std::filesystem::path base = FromEnvironment("XDG_CACHE_HOME");
    if (!base.is_absolute()) {
        const std::filesystem::path home = FromEnvironment("HOME");
        if (!home.is_absolute()) {
            return {};
        }
        base = home / ".cache";
    }
    return base / "karvelo" / "fftw-wisdom";
}

void LoadFftwWisdom() {
    const std::filesystem::path path = FftwWisdomPath();
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) {
        return;
    }
    if (fftw_import_wisdom_from_filename(path.c_str()) == 0) {
        // A half-read file may have left part of its content behind.
        fftw_forget_wisdom();
    }
}

void SaveFftwWisdom() {
    const std::filesystem::path path = FftwWisdomPath();
    if (path.empty()) {
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        return;
    }
    // Replaced atomically, so that a reader (another instance of the program) never
    // sees a half-written file. A cache that cannot be written is simply not kept.
    static_cast<void>(ReplaceFileAtomically(path.string(), [](const std::string& tempPath) {
        return fftw_export_wisdom_to_filename(tempPath.c_str()) != 0;
    }));
}

namespace {

// One plan per transform length, kept for the whole program. FFTW shares its twiddle
// tables between live plans, so every later plan of that length (each transform makes
// and destroys its own) reuses them instead of computing thousands of sines again.
class TwiddleKeeper {
  public:
    ~TwiddleKeeper() {
        for (const Kept& kept : kept_) {
            fftw_destroy_plan(kept.plan);
            fftw_free(kept.in);
            fftw_free(kept.out);
        }
    }
    void Keep(int n) {
        for (const Kept& kept : kept_) {
            if (kept.n == n) {
                return;
            }
        }
        const auto count = static_cast<std::size_t>(n);
        auto* in = static_cast<double*>(fftw_malloc(sizeof(double) * count));
        auto* out = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * count));
        fftw_plan plan = in != nullptr && out != nullptr
                             ? fftw_plan_dft_r2c_1d(n, in, out, FFTW_MEASURE | FFTW_WISDOM_ONLY)
                             : nullptr;
        if (plan == nullptr) {
            fftw_free(in);
            fftw_free(out);
            return;
        }
        kept_.push_back({n, in, out, plan});
    }

  private:
    struct Kept {
        int n;
        double* in;
        fftw_complex* out;
        fftw_plan plan;
    };
    std::vector<Kept> kept_;
};

TwiddleKeeper g_twiddles;

}  // namespace

fftw_plan PlanRealTransform(int n, double* in, fftw_complex* out) {
    fftw_plan plan = fftw_plan_dft_r2c_1d(n, in, out, FFTW_MEASURE | FFTW_WISDOM_ONLY);
    if (plan == nullptr) {
        plan = fftw_plan_dft_r2c_1d(n, in, out, FFTW_MEASURE);
        if (plan != nullptr) {
            SaveFftwWisdom();
        }
    }
    if (plan != nullptr) {
        g_twiddles.Keep(n);
    }
    return plan;
}

}  // namespace karvelo
