#include "analysis/fftw_wisdom.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "analysis/amplitude_spectrum.h"
#include "fakes/temp_file.h"

namespace karvelo {
namespace {

namespace fs = std::filesystem;

// Sets (or with nullptr unsets) an environment variable for one scope.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        Set(value);
    }
    ~ScopedEnvironment() { Set(old_ ? old_->c_str() : nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    void Set(const char* value) { value ? setenv(name_, value, 1) : unsetenv(name_); }
    const char* name_;
    std::optional<std::string> old_;
};

class FftwWisdomTest : public ::testing::Test {
  protected:
    void SetUp() override {
        cache_ = fs::path(testing::TempFile("wisdom-test"));
        fs::remove_all(cache_);
    }
    void TearDown() override { fs::remove_all(cache_); }

    // The spectrum of a short constant signal of length n, checked for its known value.
    static void TransformConstant(std::size_t n) {
        std::vector<double> magnitudes(n / 2 + 1);
        ASSERT_TRUE(ComputeMagnitudes(std::vector<double>(n, 1.0), magnitudes));
        EXPECT_NEAR(magnitudes[0], static_cast<double>(n), 1e-9);
    }

    fs::path cache_;
};

TEST_F(FftwWisdomTest, CacheFileFollowsTheXdgRules) {
    ScopedEnvironment home("HOME", "/home/someone");
    for (const auto& [xdg, file] :
         {std::pair{"/var/cache/someone", "/var/cache/someone/karvelo/fftw-wisdom"},
          std::pair{"", "/home/someone/.cache/karvelo/fftw-wisdom"},
          std::pair{"relative/cache", "/home/someone/.cache/karvelo/fftw-wisdom"}}) {
        ScopedEnvironment cache("XDG_CACHE_HOME", xdg);
        EXPECT_EQ(FftwWisdomPath(), fs::path(file)) << xdg;
    }
    ScopedEnvironment noXdg("XDG_CACHE_HOME", nullptr);
    ScopedEnvironment noHome("HOME", nullptr);
    EXPECT_TRUE(FftwWisdomPath().empty());
}

TEST_F(FftwWisdomTest, NewPlanIsSavedAKnownOneIsNotAndABadCacheIsIgnored) {
    ScopedEnvironment xdg("XDG_CACHE_HOME", cache_.c_str());
    const fs::path file = cache_ / "karvelo" / "fftw-wisdom";
    TransformConstant(1237);  // a length no other test plans
    ASSERT_TRUE(fs::exists(file));
    fs::remove(file);
    TransformConstant(1237);  // planned again from the wisdom: nothing written
    EXPECT_FALSE(fs::exists(file));

    std::ofstream(file) << "(fftw-3.3.10 fftw_wisdom #x12\n  (garbage";
    LoadFftwWisdom();
    TransformConstant(96);
    fs::remove(file);
    fs::create_directories(file);  // a folder where the file should be: no complaint
    LoadFftwWisdom();
    SaveFftwWisdom();
    TransformConstant(97);
}

}  // namespace
}  // namespace karvelo
