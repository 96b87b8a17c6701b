// Test helpers: a file name in the test temporary folder that no other test process
// uses at the same time (ctest runs test processes side by side), and a file's bytes.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace karvelo::testing {

inline std::string TempFile(const std::string& name) {
    return ::testing::TempDir() + "karvelo-" + std::to_string(getpid()) + "-" + name;
}

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace karvelo::testing
