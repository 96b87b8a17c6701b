// The open command as karvelo-cli performs it from --profile, --channels and --hits.
#pragma once

#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "common/error_messages.h"
#include "profile/profile_source.h"

#include "session/document.h"

namespace karvelo::cli {

// Prints the program's messages (refusals, notes) as they are, each ending in a newline.
class StreamMessageSink : public MessageSink {
  public:
    explicit StreamMessageSink(std::ostream& out) : out_(out) {}
    void Show(const std::string& text) override { out_ << text << '\n'; }

  private:
    std::ostream& out_;
};

// Options every command that needs a profile accepts.
void AddOpenOptionSpecs(std::vector<OptionSpec>& specs);
bool IsOpenOption(const std::string& name);

// The channel mode of --channels (default both); throws UsageError for another value.
int ChannelModeOption(const CliOptions& options);

// The reading options of --first-samples, --whole-us, --interval-us X (a positive number
// of microseconds, else UsageError) and --variable NAME.
SourceOptions SourceOptionsOf(const CliOptions& options);

// Loads into document the profile the options ask for (defaults: profile 1, both channels,
// 1 hit), or the files of --files with the reading options of SourceOptionsOf. A refused load (hits value
// outside 1..20 or not a divisor of the hits per channel, files that cannot be opened or
// read) prints its message on err and returns false; a load's note is printed on err too.
// Throws UsageError for --files together with --profile.
bool PerformOpen(Document& document, const CliOptions& options, std::ostream& err);

}  // namespace karvelo::cli
