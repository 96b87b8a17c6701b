// The spectral options in words, as the report's method block states them.
#pragma once

#include <string>

#include "analysis/spectral_options.h"
#include "common/language.h"

namespace karvelo {

// "Ханна", "экспоненциальное, 1/e на 25 % записи" or "нет" (in English when asked).
std::string DescribeWindow(const SpectralOptions& options, Language language);

// "×4 (преобразование в 4 раза длиннее записи)" or "нет".
std::string DescribeZeroPad(const SpectralOptions& options, Language language);

}  // namespace karvelo
