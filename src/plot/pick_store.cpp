#include "plot/pick_store.h"

namespace karvelo {

PickJoin StorePick(PickStore& store, std::int32_t x, std::int32_t y) {
    if (store.PickLineCount == 0 || store.PickLineClosed) {
        if (store.PickLineCount >= kMaxPickLines) {
            return PickJoin::Ignored;
        }
        PickLine& line = store.PickLines[store.PickLineCount];
        line.Picks[0] = {x, y};
        line.PointCount = 1;
        ++store.PickLineCount;
        store.PickLineClosed = false;
        return PickJoin::StartedLine;
    }
    PickLine& line = store.PickLines[store.PickLineCount - 1];
    if (line.PointCount >= kMaxPicksPerLine) {
        return PickJoin::Ignored;
    }
    line.Picks[line.PointCount] = {x, y};
    ++line.PointCount;
    return PickJoin::ContinuedLine;
}

Pick PreviousPick(const PickStore& store) {
    if (store.PickLineCount == 0) {
        return {};
    }
    const PickLine& line = store.PickLines[store.PickLineCount - 1];
    return line.PointCount < 2 ? Pick{} : line.Picks[line.PointCount - 2];
}

void PickOk(PickStore& store) {
    store.PickLineClosed = true;
}

void DeletePicks(PickStore& store) {
    store.PickLineCount = 0;
    store.PickLineClosed = false;
}

bool PicksReadyToSave(const PickStore& store) {
    return store.PickLineClosed && store.PickLineCount > 0;
}

}  // namespace karvelo
