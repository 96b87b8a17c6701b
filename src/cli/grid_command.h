// karvelo-cli grid: the survey map of a grid of measuring points from their files.
#pragma once

#include "cli/cli_options.h"

namespace karvelo::cli {

void AddGridOptionSpecs(std::vector<OptionSpec>& specs);

// Exit status 0; 1 when a point raised a message or a file was not written; 2 when a
// file could not be opened or its name gives no position. Usage errors throw.
int RunGrid(const CliOptions& options);

}  // namespace karvelo::cli
