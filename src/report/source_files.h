// The files a report or map was computed from, in one line.
#pragma once

#include <string>
#include <vector>

#include "common/language.h"

namespace karvelo {

// Names (without folders) listed in full when there are at most kNamesListed, else
// counted with the first and the last: "28 файлов: P-1.txt … P-28.txt"; "встроенный
// профиль" for none (in English "28 files: …", "built-in profile").
inline constexpr std::size_t kNamesListed = 3;
std::string DescribeSourceFiles(const std::vector<std::string>& paths,
                                Language language = Language::Russian);

}  // namespace karvelo
