// Writing a whole text file, with every way it can go wrong detected.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace karvelo {

// Replaces path atomically (ReplaceFileAtomically) with what writeLines writes. True
// only when every line reached the disk and the file was closed cleanly; on any failure
// (a full disk included) an existing file at path is left as it was and errno says why
// (WriteFailure).
bool WriteTextFile(const std::string& path, const std::function<void(std::ostream&)>& writeLines);

}  // namespace karvelo
