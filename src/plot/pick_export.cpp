#include "plot/pick_export.h"

#include <algorithm>
#include <span>

#include "analysis/analysis_buffers.h"
#include "common/atomic_file.h"
#include "common/number_format.h"
#include "common/text_file.h"
#include "plot/map_reading.h"
#include "plot/pick_store.h"
#include "plot/round_half_up.h"

namespace karvelo {

namespace {

constexpr const char* kFieldSeparator = "  ";

void WritePick(std::ostream& out, const AnalysisBuffers& buffers, const PlotLayout& layout,
               std::uint32_t columns, const Pick& pick) {
    const MapReading reading = ReadProfileMap(buffers, layout, columns, pick.X, pick.Y);
    out << FormatDefault(RoundHalfUp(reading.Point)) << kFieldSeparator
        << FormatDefault(reading.Frequency) << kFieldSeparator << FormatDefault(reading.Value)
        << '\n';
}

}  // namespace

bool ExportProfilePicks(const AnalysisBuffers& buffers, PickStore& store, const PlotLayout& layout,
                        std::uint32_t columns) {
    store.PickFileWritten = false;
    store.PickFileFailure.clear();
    if (!PicksReadyToSave(store) || columns == 0) {
        return false;
    }
    store.PickFileWritten =
        WriteTextFile(store.PickFilePath, [&buffers, &store, &layout, columns](std::ostream& out) {
            for (std::uint32_t r = 0; r < store.PickLineCount; ++r) {
                const PickLine& line = store.PickLines[r];
                for (std::uint32_t k = 0; k < line.PointCount; ++k) {
                    WritePick(out, buffers, layout, columns, line.Picks[k]);
                }
                out << '\n';  // an empty line closes each pick line
            }
        });
    if (!store.PickFileWritten) {
        store.PickFileFailure = WriteFailure(store.PickFilePath);
    }
    return store.PickFileWritten;
}

}  // namespace karvelo
