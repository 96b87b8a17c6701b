// Which profile source reads a set of chosen files.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "profile/profile_source.h"

namespace karvelo {

// What a chosen file is taken for: by its name ending (.sgy/.segy SEG-Y; .txt/.dat/.csv/
// .asc text recordings) and otherwise by its size (exactly kImageBytes: the program's own
// image file; anything else SEG-Y).
enum class FileKind { kImage, kSegy, kText };
FileKind KindOfFile(const std::string& path);

// The source that reads paths (at least one), or nullptr with refusal filled when the
// files are of different kinds (error 8) or more than one image file is chosen (error 4).
std::unique_ptr<ProfileSource> MakeFileSource(const std::vector<std::string>& paths,
                                              SourceRefusal& refusal);

}  // namespace karvelo
