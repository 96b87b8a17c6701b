// The commands of karvelo-cli that drive the form: analyse, report and correlate.
#pragma once

#include <array>

#include "cli/cli_options.h"

namespace karvelo::cli {

// The options of the velocity from the arrivals at two sensors (analyse and report).
inline constexpr std::array<const char*, 2> kArrivalOptions = {"sensor-spacing-mm",
                                                               "cp-from-arrivals"};

void AddAnalyseOptionSpecs(std::vector<OptionSpec>& specs);

// Each returns the exit status: 0, 1 when the program raised a message, 2 when the
// profile could not be opened. Usage errors throw UsageError.
int RunAnalyse(const CliOptions& options);
int RunReport(const CliOptions& options);
int RunCorrelate(const CliOptions& options);

}  // namespace karvelo::cli
