#include "report/spectral_text.h"

#include "common/number_format.h"

namespace karvelo {

std::string DescribeWindow(const SpectralOptions& options, Language language) {
    switch (options.Window) {
        case SpectralWindow::Hann:
            return InLanguage(language, "Ханна", "Hann");
        case SpectralWindow::Exponential:
            return InLanguage(language, "экспоненциальное, 1/e на ", "exponential, 1/e at ") +
                   FormatDefault(options.DecayShare * 100.0) +
                   InLanguage(language, " % записи", " % of the record");
        default:
            return InLanguage(language, "нет", "none");
    }
}

std::string DescribeZeroPad(const SpectralOptions& options, Language language) {
    if (options.ZeroPad <= 1) {
        return InLanguage(language, "нет", "none");
    }
    const std::string factor = std::to_string(options.ZeroPad);
    return "×" + factor + InLanguage(language, " (преобразование в ", " (a transform ") + factor +
           InLanguage(language, " раза длиннее записи)", " times the record's length)");
}

}  // namespace karvelo
