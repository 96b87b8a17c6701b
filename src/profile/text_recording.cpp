#include "profile/text_recording.h"

#include <cmath>

#include "common/error_messages.h"
#include "common/number_format.h"
#include "common/single_precision.h"

namespace karvelo {

bool AppendTextSample(const std::string& file, std::size_t line, const double* values, bool hasTime,
                      TextRecording& out, SourceRefusal& refusal) {
    const std::size_t count = out.Channels + (hasTime ? 1 : 0);
    for (std::size_t c = 0; c < count; ++c) {
        if (!std::isfinite(values[c])) {
            return RefuseText(refusal, file, line, "a value is not a finite number");
        }
    }
    float amplitude[2] = {};
    for (std::size_t c = 0; c < out.Channels; ++c) {
        const double value = values[c + (hasTime ? 1 : 0)];
        const std::optional<float> single = ToSingle(value);
        if (!single) {
            return RefuseText(
                refusal, file, line,
                "amplitude " + FormatDefault(value) + " is beyond the single-precision range");
        }
        amplitude[c] = *single;
    }
    if (hasTime) {
        out.Time.push_back(values[0]);
    }
    for (std::size_t c = 0; c < out.Channels; ++c) {
        out.Amplitude[c].push_back(amplitude[c]);
    }
    return true;
}

bool RefuseText(SourceRefusal& refusal, const std::string& file, std::size_t line,
                std::string reason) {
    refusal = {kErrCannotReadFile, file, line, std::move(reason)};
    return false;
}

}  // namespace karvelo
