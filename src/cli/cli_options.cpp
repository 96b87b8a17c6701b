#include "cli/cli_options.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace karvelo::cli {

std::optional<std::string> CliOptions::Value(const std::string& name) const {
    const auto it = options.find(name);
    if (it == options.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::vector<std::string> CliOptions::Values(const std::string& name) const {
    std::vector<std::string> values;
    const auto [first, last] = options.equal_range(name);
    for (auto it = first; it != last; ++it) {
        values.push_back(it->second);
    }
    return values;
}

CliOptions ParseCommandLine(int argc, char** argv, const std::vector<OptionSpec>& specs,
                            const std::vector<std::string>& commands) {
    CliOptions parsed;
    auto endsList = [&](const std::string& arg) {
        return (arg.rfind("--", 0) == 0 && arg.size() > 2) ||
               (parsed.command.empty() &&
                std::find(commands.begin(), commands.end(), arg) != commands.end());
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--", 0) == 0 && arg.size() > 2) {
            std::string name = arg.substr(2);
            std::optional<std::string> inlineValue;
            if (const auto eq = name.find('='); eq != std::string::npos) {
                inlineValue = name.substr(eq + 1);
                name = name.substr(0, eq);
            }
            const auto known = std::find_if(specs.begin(), specs.end(),
                                            [&](const OptionSpec& s) { return s.name == name; });
            if (known == specs.end()) {
                throw UsageError{"unknown option --" + name};
            }
            if (!known->repeatable && !known->takesList && parsed.Has(name)) {
                throw UsageError{"option --" + name + " is given more than once"};
            }
            if (known->takesList) {
                if (inlineValue) {
                    parsed.options.emplace(name, *inlineValue);
                    parsed.ordered.emplace_back(name, *inlineValue);
                }
                while (i + 1 < argc && !endsList(argv[i + 1])) {
                    parsed.options.emplace(name, argv[++i]);
                    parsed.ordered.emplace_back(name, argv[i]);
                }
                if (parsed.options.count(name) == 0) {
                    throw UsageError{"option --" + name + " needs at least one value"};
                }
                continue;
            }
            if (!known->takesValue) {
                if (inlineValue) {
                    throw UsageError{"option --" + name + " takes no value"};
                }
                parsed.options.emplace(name, "");
                parsed.ordered.emplace_back(name, "");
                continue;
            }
            if (!inlineValue && i + 1 >= argc) {
                throw UsageError{"option --" + name + " needs a value"};
            }
            const std::string value = inlineValue ? *inlineValue : std::string(argv[++i]);
            parsed.options.emplace(name, value);
            parsed.ordered.emplace_back(name, value);
        } else if (parsed.command.empty()) {
            parsed.command = arg;
        } else {
            parsed.positionals.push_back(arg);
        }
    }
    return parsed;
}

namespace {

// strtol and strtod skip leading blanks but stop at trailing ones; neither is a number.
bool EmptyOrBlankEdged(const std::string& text) {
    return text.empty() || std::isspace(static_cast<unsigned char>(text.front())) != 0 ||
           std::isspace(static_cast<unsigned char>(text.back())) != 0;
}

}  // namespace

std::optional<long> ParseInteger(const std::string& text, long min, long max) {
    if (EmptyOrBlankEdged(text)) {
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || end == text.c_str() || *end != '\0' || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseShare(std::string text, bool whole) {
    double scale = 1.0;
    if (!text.empty() && text.back() == '%') {
        text.pop_back();
        scale = 0.01;
    }
    const std::optional<double> value = ParseReal(text);
    if (!value) {
        return std::nullopt;
    }
    const double share = *value * scale;
    const bool inside = share > 0.0 && (whole ? share <= 1.0 : share < 1.0);
    return inside ? std::optional(share) : std::nullopt;
}

std::optional<double> ParseReal(const std::string& text) {
    if (EmptyOrBlankEdged(text)) {
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (errno != 0 || end == text.c_str() || *end != '\0' || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace karvelo::cli
