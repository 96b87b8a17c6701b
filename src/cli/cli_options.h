// Command line of karvelo-cli: a command, its positional arguments and options.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace karvelo::cli {

struct CliOptions {
    std::string command;                   // "info", "dump-image", ...
    std::vector<std::string> positionals;  // arguments after the command
    // Option name (without "--") to its values in the order given; flags map to "".
    std::multimap<std::string, std::string> options;
    // The same options in command-line order (for options whose order matters).
    std::vector<std::pair<std::string, std::string>> ordered;

    bool Has(const std::string& name) const { return options.count(name) > 0; }
    std::optional<std::string> Value(const std::string& name) const;
    std::vector<std::string> Values(const std::string& name) const;
};

// What an option looks like on the command line.
struct OptionSpec {
    std::string name;
    bool takesValue = false;
    // Takes every following argument up to the next option (or, before the command, up
    // to a command name) as one value each; needs at least one. May be given again.
    bool takesList = false;
    // May be given more than once (each occurrence counts, in order); any other option
    // given twice is a usage error.
    bool repeatable = false;
};

// Thrown for a command line that cannot be understood; the message is one line.
struct UsageError {
    std::string message;
};

// Parses argv[1..]; options may stand before or after the command. commands names the
// commands, where a list option stops while no command has been seen. Throws UsageError.
CliOptions ParseCommandLine(int argc, char** argv, const std::vector<OptionSpec>& specs,
                            const std::vector<std::string>& commands = {});

// Parses a decimal integer in [min, max]; nullopt when text is not one. Blanks before or
// after the number are refused alike.
std::optional<long> ParseInteger(const std::string& text, long min, long max);
// Parses a finite real number, with the same rule for blanks.
std::optional<double> ParseReal(const std::string& text);
// A share written "0.1" or "10%", as a fraction: above 0 and at most 1 when whole is
// set, otherwise below 1.
std::optional<double> ParseShare(std::string text, bool whole = false);

}  // namespace karvelo::cli
