// The files a report or map was computed from, in one line.
#pragma once

#include <string>
#include <vector>

namespace karvelo {

// Names (without folders) listed in full when there are at most kNamesListed, else
// counted with the first and the last: "28 файлов: P-1.txt … P-28.txt"; "встроенный
// профиль" for none.
inline constexpr std::size_t kNamesListed = 3;
std::string DescribeSourceFiles(const std::vector<std::string>& paths);

}  // namespace karvelo
