// The open command as karvelo-cli performs it from --profile, --channels and --hits.
#pragma once

#include <iosfwd>

#include "cli/cli_options.h"

namespace karvelo::cli {

// Options every command that needs a profile accepts.
void AddOpenOptionSpecs(std::vector<OptionSpec>& specs);

// Loads the profile the options ask for (defaults: profile 1, both channels, 1 hit).
// A hits value outside 1..20 or not a divisor of the hits per channel prints the
// refusal on err and returns false; nothing else is printed.
bool PerformOpen(const CliOptions& options, std::ostream& err);

}  // namespace karvelo::cli
