// Reading a whole file into memory in one go.
#pragma once

#include <string>

namespace karvelo {

// Reads every byte of path into content. On failure returns false with reason in plain
// words (the system's description of the error) and content empty.
bool ReadWholeFile(const std::string& path, std::string& content, std::string& reason);

}  // namespace karvelo
