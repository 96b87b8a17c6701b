#include "profile/builtin_source.h"

#include "profile/builtin_profiles.h"

namespace karvelo {

bool BuiltInSource::WriteSourceImage(Image& image, const SourceOptions& /*options*/,
                                     SourceSummary& summary, SourceRefusal& /*refusal*/) {
    if (choice_ == 0) {
        LoadBuiltInProfile1(image);
    } else {
        LoadBuiltInProfile2(image);
    }
    summary.Records = TraceCount(image);
    summary.Channels = 2;
    summary.Samples = SamplesPerTrace(image);
    summary.Interval = SampleInterval(image);
    summary.Unit = TimeUnit::kByImageRule;
    summary.Names = {choice_ == 0 ? "Файл 1" : "Файл 2"};
    return true;
}

}  // namespace karvelo
