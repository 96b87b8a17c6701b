#include "cli/open_options.h"

#include <ostream>

#include "common/error_messages.h"
#include "profile/profile_loader.h"

namespace karvelo::cli {

namespace {

// Prints the load's own messages (the refused hits count) as plain lines.
class StreamMessageSink : public MessageSink {
  public:
    explicit StreamMessageSink(std::ostream& out) : out_(out) {}
    void Show(const std::string& text) override { out_ << text << '\n'; }

  private:
    std::ostream& out_;
};

}  // namespace

void AddOpenOptionSpecs(std::vector<OptionSpec>& specs) {
    specs.push_back({"profile", true});
    specs.push_back({"channels", true});
    specs.push_back({"hits", true});
}

bool PerformOpen(const CliOptions& options, std::ostream& err) {
    std::uint32_t choice = 0;
    if (const auto profile = options.Value("profile")) {
        if (*profile == "1") {
            choice = 0;
        } else if (*profile == "2") {
            choice = 1;
        } else {
            throw UsageError{"--profile must be 1 or 2"};
        }
    }
    int channelMode = kBothChannels;
    if (const auto channels = options.Value("channels")) {
        if (*channels == "1") {
            channelMode = kChannel1;
        } else if (*channels == "2") {
            channelMode = kChannel2;
        } else if (*channels == "both") {
            channelMode = kBothChannels;
        } else {
            throw UsageError{"--channels must be 1, 2 or both"};
        }
    }
    std::uint32_t hits = kMinHitsPerPoint;
    if (const auto text = options.Value("hits")) {
        // The open dialog's own range validation of the hits edit.
        const auto value = ParseInteger(*text, kMinHitsPerPoint, kMaxHitsPerPoint);
        if (!value) {
            err << "Please enter an integer between 1 and 20.\n";
            return false;
        }
        hits = static_cast<std::uint32_t>(*value);
    }
    StreamMessageSink sink(err);
    ScopedMessageSink scope(&sink);
    return LoadProfile(choice, channelMode, hits);
}

}  // namespace karvelo::cli
