#include "plot/pick_store.h"

namespace karvelo {

std::array<PickLine, kMaxPickLines> PickLines{};
std::uint32_t PickLineCount = 0;
bool PickLineClosed = false;
std::string PickFilePath;
bool PickFileWritten = false;

PickJoin StorePick(std::int32_t x, std::int32_t y) {
    if (PickLineCount == 0 || PickLineClosed) {
        if (PickLineCount >= kMaxPickLines) {
            return PickJoin::Ignored;
        }
        PickLine& line = PickLines[PickLineCount];
        line.Picks[0] = {x, y};
        line.PointCount = 1;
        ++PickLineCount;
        PickLineClosed = false;
        return PickJoin::StartedLine;
    }
    PickLine& line = PickLines[PickLineCount - 1];
    if (line.PointCount >= kMaxPicksPerLine) {
        return PickJoin::Ignored;
    }
    line.Picks[line.PointCount] = {x, y};
    ++line.PointCount;
    return PickJoin::ContinuedLine;
}

Pick PreviousPick() {
    if (PickLineCount == 0) {
        return {};
    }
    const PickLine& line = PickLines[PickLineCount - 1];
    return line.PointCount < 2 ? Pick{} : line.Picks[line.PointCount - 2];
}

void PickOk() {
    PickLineClosed = true;
}

void DeletePicks() {
    PickLineCount = 0;
    PickLineClosed = false;
}

bool PicksReadyToSave() {
    return PickLineClosed && PickLineCount > 0;
}

void ResetPickStore() {
    PickLines.fill(PickLine{});
    PickLineCount = 0;
    PickLineClosed = false;
    PickFilePath.clear();
    PickFileWritten = false;
}

}  // namespace karvelo
