// One entry per file reader for the fuzzing targets and the replay of their seeds: the
// bytes given become a file, which the reader loads as the open dialog would.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace karvelo::fuzz {

enum class Reader { kText, kSegy, kImage, kWav, kNumpy, kMatlab };

// The names the targets, the seed folders and `./karvelo.sh fuzz` use, in Reader order.
inline constexpr std::array<std::string_view, 6> kReaderNames = {"text", "segy",  "image",
                                                                 "wav",  "numpy", "matlab"};

std::optional<Reader> ReaderNamed(std::string_view name);

// Writes data to an anonymous in-memory file and loads it with reader into a profile of
// its own (both channels, one hit a point, 4 us for files without an interval). Refusals
// are expected (false); a crash, a hang or a sanitizer report is the finding. The image
// reader's file is data followed by zeros up to the size of an image file. True on load.
bool LoadAsFile(Reader reader, std::span<const std::uint8_t> data);

}  // namespace karvelo::fuzz
