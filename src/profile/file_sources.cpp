#include "profile/file_sources.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>

#include "common/error_messages.h"
#include "profile/image_file_source.h"
#include "profile/segy_source.h"
#include "profile/text_source.h"

namespace karvelo {

namespace {

std::string LowerExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

const char* KindName(FileKind kind) {
    switch (kind) {
        case FileKind::kImage:
            return "an image file";
        case FileKind::kSegy:
            return "a SEG-Y file";
        case FileKind::kText:
            return "a text recording";
    }
    return "";
}

}  // namespace

FileKind KindOfFile(const std::string& path) {
    const std::string extension = LowerExtension(path);
    if (extension == "sgy" || extension == "segy") {
        return FileKind::kSegy;
    }
    if (extension == "txt" || extension == "dat" || extension == "csv" || extension == "asc") {
        return FileKind::kText;
    }
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && static_cast<std::size_t>(info.st_size) == kImageBytes) {
        return FileKind::kImage;
    }
    return FileKind::kSegy;
}

std::unique_ptr<ProfileSource> MakeFileSource(const std::vector<std::string>& paths,
                                              SourceRefusal& refusal) {
    const FileKind kind = KindOfFile(paths.front());
    for (const std::string& path : paths) {
        if (KindOfFile(path) != kind) {
            refusal = {kErrCannotReadFile, path, 0,
                       std::string("is ") + KindName(KindOfFile(path)) + " but " + paths.front() +
                           " is " + KindName(kind)};
            return nullptr;
        }
    }
    switch (kind) {
        case FileKind::kImage:
            if (paths.size() > 1) {
                refusal = {kErrTooManyFiles, paths[1], 0, "only one image file can be opened"};
                return nullptr;
            }
            return std::make_unique<ImageFileSource>(paths.front());
        case FileKind::kSegy:
            return std::make_unique<SegySource>(paths);
        case FileKind::kText:
            return std::make_unique<TextSource>(paths);
    }
    return nullptr;
}

}  // namespace karvelo
