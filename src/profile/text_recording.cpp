#include "profile/text_recording.h"

#include <cmath>

#include "common/error_messages.h"
#include "common/number_format.h"
#include "common/single_precision.h"

namespace karvelo {

bool RefuseTextSample(const std::string& file, std::size_t line, const double* values, bool hasTime,
                      std::size_t channels, SourceRefusal& refusal) {
    const std::size_t count = channels + (hasTime ? 1 : 0);
    for (std::size_t c = 0; c < count; ++c) {
        if (!std::isfinite(values[c])) {
            return RefuseText(refusal, file, line, "a value is not a finite number");
        }
    }
    for (std::size_t c = 0; c < channels; ++c) {
        const double value = values[c + (hasTime ? 1 : 0)];
        if (!ToSingle(value)) {
            return RefuseText(
                refusal, file, line,
                "amplitude " + FormatDefault(value) + " is beyond the single-precision range");
        }
    }
    return false;
}

bool RefuseText(SourceRefusal& refusal, const std::string& file, std::size_t line,
                std::string reason) {
    refusal = {kErrCannotReadFile, file, line, std::move(reason)};
    return false;
}

}  // namespace karvelo
