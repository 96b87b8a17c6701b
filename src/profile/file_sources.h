// Which profile source reads a set of chosen files.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "profile/profile_source.h"

namespace karvelo {

// What a chosen file is, by its bytes: the program's own image file (exactly kImageBytes,
// unless named .sgy/.segy), SEG-Y (a 3600-byte file header with a known sample format
// code), NumPy (.npy magic), WAV (RIFF/RF64 ... WAVE), MATLAB (a "MATLAB" text header, v5
// or v7.3), text (no NUL bytes and no other control characters in its first block), or
// none of these. head holds the file's first bytes (kSniffBytes, or the whole of a shorter
// file) and size its length.
enum class FileKind { kImage, kSegy, kText, kWav, kNumpy, kMatlab, kUnknown };
FileKind KindOfFile(const std::string& path, std::string_view head, std::uint64_t size);

// Bytes read to tell the kind: the SEG-Y file header, and a block of text.
inline constexpr std::size_t kSniffBytes = 4096;

// What a refusal calls a kind: "a SEG-Y file", "a text recording".
const char* KindName(FileKind kind);

// The reason a file of no known kind is refused.
inline constexpr const char* kNotARecording =
    "not a recording Karvelo reads (SEG-Y, text, WAV, NumPy .npy, MATLAB .mat, LabVIEW .lvm)";

// The source that reads paths (at least one), or nullptr with refusal filled when a file
// cannot be opened (error 6), is of no known kind or the files are of different kinds
// (error 8), or more than one image file is chosen (error 4).
std::unique_ptr<ProfileSource> MakeFileSource(const std::vector<std::string>& paths,
                                              SourceRefusal& refusal);

// What opening paths with options would do to the recordings, read from the first file
// only (for the open dialog before OK): the fit's note, the reason the file would be
// refused, or empty when it would be taken as it is.
std::string PreviewFiles(const std::vector<std::string>& paths, const SourceOptions& options);

}  // namespace karvelo
