#include "common/number_format.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace karvelo {

std::string WidenExponents(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 4);
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        const bool mantissaBefore = i > 0 && std::isdigit(static_cast<unsigned char>(text[i - 1]));
        if ((text[i] == 'e' || text[i] == 'E') && mantissaBefore && i + 1 < text.size() &&
            (text[i + 1] == '+' || text[i + 1] == '-')) {
            std::size_t end = i + 2;
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) {
                ++end;
            }
            const std::size_t digits = end - (i + 2);
            if (digits > 0 && digits < 3) {
                out += text[i + 1];
                out.append(3 - digits, '0');
                out.append(text, i + 2, digits);
                i = end - 1;
            }
        }
    }
    return out;
}

std::string FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string result;
    if (length > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        result.assign(buffer.data(), static_cast<std::size_t>(length));
    }
    va_end(args);
    return WidenExponents(result);
}

std::string FormatExponent(double value, int decimals) {
    return FormatText("%.*e", decimals, value);
}

std::string FormatDefault(double value) {
    return FormatText("%g", value);
}

std::string FormatFieldDouble(double value) {
    return FormatText("%.15g", value);
}

std::string FormatFieldFloat(float value) {
    return FormatText("%.6g", static_cast<double>(value));
}

}  // namespace karvelo
