// Test helper: a file name in the test temporary folder that no other test process
// uses at the same time (ctest runs test processes side by side).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

namespace karvelo::testing {

inline std::string TempFile(const std::string& name) {
    return ::testing::TempDir() + "karvelo-" + std::to_string(getpid()) + "-" + name;
}

}  // namespace karvelo::testing
