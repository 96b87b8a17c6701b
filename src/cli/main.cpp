// karvelo-cli: the headless front end of Karvelo.
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <string>

#include "cli/cli_options.h"
#include "cli/open_options.h"
#include "profile/profile_image.h"

namespace karvelo::cli {
namespace {

constexpr int kExitUsage = 2;

const char* const kHelp =
    "usage: karvelo-cli [open options] COMMAND [arguments]\n"
    "\n"
    "Open options (the open dialog's fields):\n"
    "  --profile 1|2          built-in profile: 1 the 20-record line (default), 2 the\n"
    "                         2-record one\n"
    "  --channels 1|2|both    channels to keep (default both)\n"
    "  --hits N               hits per measuring point, 1..20, a divisor of the hits per\n"
    "                         channel (default 1)\n"
    "\n"
    "Commands:\n"
    "  info                   print the loaded profile's header values and grouping\n"
    "  dump-image FILE        write the loaded profile image (8,435,600 bytes) to FILE\n"
    "  --help                 show this text\n";

int RunInfo() {
    std::cout << "TraceCount " << TraceCount() << '\n'
              << "SampleInterval " << SampleInterval() << '\n'
              << "SamplesPerTrace " << SamplesPerTrace() << '\n'
              << "SampleFormat " << SampleFormat() << '\n'
              << std::setprecision(10)  // whole sample values print in full
              << "SampleMax " << DecodeSample(SampleFormat(), SampleMax) << '\n'
              << "SampleMin " << DecodeSample(SampleFormat(), SampleMin) << '\n'
              << "TracesPerPoint " << TracesPerPoint << '\n'
              << "PointCount " << PointCount << '\n';
    return 0;
}

int RunDumpImage(const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(ProfileImage.bytes.data()),
              static_cast<std::streamsize>(ProfileImage.bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "Cannot open or create file.\n";
        return 1;
    }
    return 0;
}

int Run(int argc, char** argv) {
    std::vector<OptionSpec> specs{{"help", false}};
    AddOpenOptionSpecs(specs);
    const CliOptions options = ParseCommandLine(argc, argv, specs);
    if (options.Has("help") || options.command == "help") {
        std::cout << kHelp;
        return 0;
    }
    if (options.command.empty()) {
        throw UsageError{"no command given (try --help)"};
    }
    if (options.command != "info" && options.command != "dump-image") {
        throw UsageError{"unknown command " + options.command};
    }
    const std::size_t wanted = options.command == "dump-image" ? 1 : 0;
    if (options.positionals.size() != wanted) {
        throw UsageError{options.command + (wanted ? " needs one FILE" : " takes no arguments")};
    }
    if (!PerformOpen(options, std::cerr)) {
        return kExitUsage;
    }
    if (options.command == "info") {
        return RunInfo();
    }
    return RunDumpImage(options.positionals.front());
}

}  // namespace
}  // namespace karvelo::cli

int main(int argc, char** argv) {
    try {
        return karvelo::cli::Run(argc, argv);
    } catch (const karvelo::cli::UsageError& error) {
        std::cerr << "karvelo-cli: " << error.message << '\n';
        return karvelo::cli::kExitUsage;
    }
}
