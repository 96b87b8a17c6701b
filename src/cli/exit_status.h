// The exit status of karvelo-cli: 0 when every output was written and nothing was refused.
#pragma once

namespace karvelo::cli {

// The program raised a message (a refused value, a failed write) or an output is missing.
constexpr int kExitMessages = 1;
// The command line was not understood, or the profile could not be opened.
constexpr int kExitUsage = 2;
constexpr int kExitNotOpened = 2;

}  // namespace karvelo::cli
