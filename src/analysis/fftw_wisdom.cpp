#include "analysis/fftw_wisdom.h"

#include <cstdlib>
#include <string>
#include <system_error>

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

fftw_plan PlanRealTransform(int n, double* in, fftw_complex* out) {
    fftw_plan plan = fftw_plan_dft_r2c_1d(n, in, out, FFTW_MEASURE | FFTW_WISDOM_ONLY);
    if (plan == nullptr) {
        plan = fftw_plan_dft_r2c_1d(n, in, out, FFTW_MEASURE);
        if (plan != nullptr) {
            SaveFftwWisdom();
        }
    }
    return plan;
}

}  // namespace karvelo
