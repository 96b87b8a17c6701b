#include "cli/open_options.h"

#include <ostream>

#include "common/error_messages.h"
#include "profile/profile_loader.h"
#include "profile/source_traces.h"

namespace karvelo::cli {

void AddOpenOptionSpecs(std::vector<OptionSpec>& specs) {
    specs.push_back({"profile", true});
    specs.push_back({"channels", true});
    specs.push_back({"hits", true});
    specs.push_back({"files", false, true});
    specs.push_back({"first-samples", false});
    specs.push_back({"whole-us", false});
    specs.push_back({"interval-us", true});
    specs.push_back({"variable", true});
}

bool IsOpenOption(const std::string& name) {
    return name == "profile" || name == "channels" || name == "hits" || name == "files" ||
           name == "first-samples" || name == "whole-us" || name == "interval-us" ||
           name == "variable";
}

int ChannelModeOption(const CliOptions& options) {
    const std::string channels = options.Value("channels").value_or("both");
    if (channels == "1") {
        return kChannel1;
    }
    if (channels == "2") {
        return kChannel2;
    }
    if (channels != "both") {
        throw UsageError{"--channels must be 1, 2 or both"};
    }
    return kBothChannels;
}

SourceOptions SourceOptionsOf(const CliOptions& options) {
    SourceOptions source;
    source.FirstSamples = options.Has("first-samples");
    source.WholeMicroseconds = options.Has("whole-us");
    if (const auto text = options.Value("interval-us")) {
        const auto us = ParseReal(*text);
        if (!us || !(*us > 0.0) || *us > kMaxSampleIntervalUs) {
            throw UsageError{"--interval-us needs a sample interval in microseconds, above 0"};
        }
        source.IntervalUs = *us;
    }
    source.Variable = options.Value("variable").value_or("");
    return source;
}

bool PerformOpen(Document& document, const CliOptions& options, std::ostream& err) {
    const std::vector<std::string> files = options.Values("files");
    if (!files.empty() && options.Has("profile")) {
        throw UsageError{"--files and --profile cannot be given together"};
    }
    for (const char* name : {"first-samples", "whole-us", "interval-us", "variable"}) {
        if (files.empty() && options.Has(name)) {
            throw UsageError{"--" + std::string(name) + " applies to --files only"};
        }
    }
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
    const int channelMode = ChannelModeOption(options);
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
    ProfileSourceChoice source{files, SourceOptionsOf(options), choice};
    return document.Load(
        [&](Profile& profile) { return LoadChosenProfile(profile, source, channelMode, hits); },
        source);
}

}  // namespace karvelo::cli
