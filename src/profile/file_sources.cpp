#include "profile/file_sources.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "common/error_messages.h"
#include "profile/array_recording.h"
#include "profile/image_file_source.h"
#include "profile/segy_source.h"
#include "profile/text_source.h"

namespace karvelo {

namespace {

constexpr std::size_t kSegyFormatOffset = 3224;  // sample format code, big- or little-endian
constexpr std::uint16_t kMaxSegyFormatCode = 16;

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

bool IsSegyHeader(std::string_view head) {
    if (head.size() < kSegyFormatOffset + 2) {
        return false;
    }
    const auto hi = static_cast<unsigned char>(head[kSegyFormatOffset]);
    const auto lo = static_cast<unsigned char>(head[kSegyFormatOffset + 1]);
    const auto big = static_cast<std::uint16_t>(hi << 8 | lo);
    const auto little = static_cast<std::uint16_t>(lo << 8 | hi);
    return (big >= 1 && big <= kMaxSegyFormatCode) || (little >= 1 && little <= kMaxSegyFormatCode);
}

// Text: no NUL and no control character other than tab, CR, LF, FF in the first block
// (bytes of UTF-8 text above 127 are allowed).
bool IsText(std::string_view head) {
    return !head.empty() && std::none_of(head.begin(), head.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 32 && c != '\t' && c != '\r' && c != '\n' && c != '\f';
    });
}

}  // namespace

FileKind KindOfFile(const std::string& path, std::string_view head, std::uint64_t size) {
    const std::string extension = LowerExtension(path);
    const bool segyName = extension == "sgy" || extension == "segy";
    if (size == kImageBytes && !segyName) {
        return FileKind::kImage;
    }
    if (head.starts_with("\x93NUMPY")) {
        return FileKind::kNumpy;
    }
    if ((head.starts_with("RIFF") || head.starts_with("RF64")) && head.size() >= 12 &&
        head.compare(8, 4, "WAVE") == 0) {
        return FileKind::kWav;
    }
    if (head.starts_with("MATLAB")) {
        return FileKind::kMatlab;
    }
    // A file named as SEG-Y that is too short to hold its header is a cut SEG-Y file.
    if (IsText(head) && !(segyName && size < kFileHeaderBytes)) {
        return FileKind::kText;
    }
    if (segyName && size < kFileHeaderBytes) {
        return FileKind::kSegy;
    }
    if (IsSegyHeader(head)) {
        return FileKind::kSegy;
    }
    return FileKind::kUnknown;
}

const char* KindName(FileKind kind) {
    switch (kind) {
        case FileKind::kImage:
            return "an image file";
        case FileKind::kSegy:
            return "a SEG-Y file";
        case FileKind::kText:
            return "a text recording";
        case FileKind::kWav:
            return "a WAV file";
        case FileKind::kNumpy:
            return "a NumPy array";
        case FileKind::kMatlab:
            return "a MATLAB file";
        case FileKind::kUnknown:
            return "not a recording";
    }
    return "";
}

std::unique_ptr<ProfileSource> MakeFileSource(const std::vector<std::string>& paths,
                                              SourceRefusal& refusal) {
    std::vector<FileKind> kinds;
    for (const std::string& path : paths) {
        // Before any reader or library opens it: a named pipe would block a reader, a
        // directory or a device is no recording whatever its name.
        std::uint64_t size = 0;
        std::string reason;
        std::string head;
        if (const FileFault fault = ReadFileHead(path, kSniffBytes, head, size, reason);
            fault != FileFault::kNone) {
            refusal = FileFaultRefusal(fault, path, std::move(reason));
            return nullptr;
        }
        kinds.push_back(KindOfFile(path, head, size));
        if (kinds.back() == FileKind::kUnknown) {
            refusal = {kErrCannotReadFile, path, 0, kNotARecording};
            return nullptr;
        }
        if (kinds.back() != kinds.front()) {
            refusal = {kErrCannotReadFile, path, 0,
                       std::string("is ") + KindName(kinds.back()) + " but " + paths.front() +
                           " is " + KindName(kinds.front())};
            return nullptr;
        }
    }
    switch (kinds.front()) {
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
        case FileKind::kWav:
            return std::make_unique<ArraySource>(ArrayKind::kWav, paths);
        case FileKind::kNumpy:
            return std::make_unique<ArraySource>(ArrayKind::kNumpy, paths);
        case FileKind::kMatlab:
            return std::make_unique<ArraySource>(ArrayKind::kMatlab, paths);
        case FileKind::kUnknown:
            break;
    }
    return nullptr;
}

std::string PreviewFiles(const std::vector<std::string>& paths, const SourceOptions& options) {
    if (paths.empty()) {
        return {};
    }
    SourceRefusal refusal;
    const std::unique_ptr<ProfileSource> source = MakeFileSource({paths.front()}, refusal);
    if (!source) {
        return refusal.Reason;
    }
    const auto scratch = std::make_unique<Image>();
    SourceSummary summary;
    if (!source->WriteSourceImage(*scratch, options, summary, refusal)) {
        return refusal.Reason;
    }
    return summary.Note;
}

}  // namespace karvelo
