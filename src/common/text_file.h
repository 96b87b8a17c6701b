// Writing a whole text file, with every way it can go wrong detected.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace karvelo {

// Creates or truncates path and lets writeLines fill it. True only when the file was
// opened, every line reached it and it was closed cleanly (a full disk is a failure).
bool WriteTextFile(const std::string& path, const std::function<void(std::ostream&)>& writeLines);

}  // namespace karvelo
