#include "profile/builtin_source.h"

#include "profile/builtin_profiles.h"

namespace karvelo {

bool BuiltInSource::WriteSourceImage(const SourceOptions& /*options*/, SourceSummary& summary,
                                     SourceRefusal& /*refusal*/) {
    if (choice_ == 0) {
        LoadBuiltInProfile1();
    } else {
        LoadBuiltInProfile2();
    }
    summary.Records = TraceCount(SourceImage);
    summary.Channels = 2;
    summary.Samples = SamplesPerTrace(SourceImage);
    summary.Interval = SampleInterval(SourceImage);
    summary.Unit = TimeUnit::kByImageRule;
    summary.Names = {choice_ == 0 ? "Файл 1" : "Файл 2"};
    return true;
}

}  // namespace karvelo
