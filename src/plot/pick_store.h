// The picks set on the profile-spectrum map: up to 10 lines of up to 1000 picks each,
// kept by the document they were set on.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace karvelo {

inline constexpr std::size_t kMaxPickLines = 10;
inline constexpr std::size_t kMaxPicksPerLine = 1000;

// What the save dialog offers for the pick file.
inline constexpr const char* kPickFileDefaultName = "pick_data.txt";
inline constexpr const char* kPickFileExtension = "txt";

// A pick: the surface pixel of its mark on the map, x already snapped to the column of a
// measuring point.
struct Pick {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const Pick&, const Pick&) = default;
};

struct PickLine {
    std::uint32_t PointCount = 0;
    std::array<Pick, kMaxPicksPerLine> Picks{};
};

struct PickStore {
    std::array<PickLine, kMaxPickLines> PickLines{};
    std::uint32_t PickLineCount = 0;  // lines started, 0..10; the last one is current
    bool PickLineClosed = false;      // the current line is finished ("Ok")
    std::string PickFilePath;         // file last chosen for saving; empty until then
    bool PickFileWritten = false;     // the last ExportProfilePicks wrote the whole file
    std::string PickFileFailure;      // why it did not: "PATH: the system's reason"
};

// How StorePick took a pick.
enum class PickJoin {
    StartedLine,    // first pick of a new line (the store was empty or the line closed)
    ContinuedLine,  // appended to the current, open line
    Ignored,        // an 11th line or a 1001st pick of a line: the store is unchanged
};

// Adds the pick at (x, y) to the store: starts a new line when there is none or the
// current one is closed, otherwise appends to the current line.
PickJoin StorePick(PickStore& store, std::int32_t x, std::int32_t y);

// The pick before the last one of the current line (valid after ContinuedLine).
Pick PreviousPick(const PickStore& store);

// Closes the current line ("Ok"); the next pick starts a new one.
void PickOk(PickStore& store);

// Empties the store ("Удалить точки"); the file path stays. The caller redraws.
void DeletePicks(PickStore& store);

// A closed line exists, so there is something to save.
bool PicksReadyToSave(const PickStore& store);

}  // namespace karvelo
