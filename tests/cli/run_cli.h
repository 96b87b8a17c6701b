// Runs the built karvelo-cli with arguments and captures what it printed.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "fakes/temp_file.h"

namespace karvelo::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// What a shell command prints on standard output; status gets its exit status.
inline std::string Output(const std::string& command, int* status = nullptr) {
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; pipe != nullptr && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, n);
    }
    const int raw = pipe != nullptr ? pclose(pipe) : -1;
    if (status != nullptr) {
        *status = raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    return text;
}

// args is appended to the program path as it stands (shell syntax); prefix runs in the
// same shell before the program (for example a ulimit).
inline CliResult RunCli(const std::string& args, const std::string& prefix = "") {
    // One file per call: ctest runs test processes side by side.
    static int calls = 0;
    const std::string errPath = ::testing::TempDir() + "cli_stderr_" + std::to_string(getpid()) +
                                "_" + std::to_string(++calls) + ".txt";
    const std::string command =
        prefix + " QT_QPA_PLATFORM=offscreen " + KARVELO_CLI + " " + args + " 2>" + errPath;
    CliResult result;
    result.out = Output(command, &result.status);
    result.err = ReadWholeFile(errPath);
    return result;
}

}  // namespace karvelo::testing
