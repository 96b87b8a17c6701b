#include "report/report_numbers.h"

#include <cmath>

#include "common/number_format.h"

namespace karvelo {

std::string FormatFixed(double value, int decimals) {
    std::string text = FormatText("%.*f", decimals, value);
    // "-0.0" says nothing a reader should see.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

int DecimalsOf(ReportQuantity quantity) {
    return quantity == ReportQuantity::Thickness ? 1 : 0;
}

const char* UnitWord(ReportQuantity quantity, Language language) {
    switch (quantity) {
        case ReportQuantity::Thickness:
            return InLanguage(language, "мм", "mm");
        case ReportQuantity::Velocity:
            return InLanguage(language, "м/с", "m/s");
        default:
            return InLanguage(language, "Гц", "Hz");
    }
}

const char* UnitName(ReportQuantity quantity) {
    switch (quantity) {
        case ReportQuantity::Thickness:
            return "mm";
        case ReportQuantity::Velocity:
            return "m_s";
        default:
            return "hz";
    }
}

const char* QuantityName(ReportQuantity quantity) {
    switch (quantity) {
        case ReportQuantity::Thickness:
            return "thickness";
        case ReportQuantity::Velocity:
            return "velocity";
        default:
            return "frequency";
    }
}

const char* QuantityWord(ReportQuantity quantity, Language language) {
    switch (quantity) {
        case ReportQuantity::Thickness:
            return InLanguage(language, "Толщина", "Thickness");
        case ReportQuantity::Velocity:
            return InLanguage(language, "Скорость", "Velocity");
        default:
            return InLanguage(language, "Частота", "Frequency");
    }
}

}  // namespace karvelo
