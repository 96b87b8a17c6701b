// The pick file: for every pick the measuring point, the frequency and the map value
// under it.
#pragma once

#include <cstdint>

#include "analysis/analysis_buffers.h"
#include "plot/pick_store.h"
#include "plot/plot_layout.h"

namespace karvelo {

// Writes every line of the pick store to PickFilePath, replacing its content, while a
// closed line exists. layout is the map's panel, columns the number of matrix columns
// (their frequencies in BinFrequencies, the rows' point coordinates in GridRowPoints, the
// values in ProfileSpectrumGrid). One text line per pick: RoundHalfUp(point), frequency
// in Hz and map value, each as a stream writes a double, separated by two spaces; an
// empty line after each pick line. Returns true, and sets PickFileWritten, only when the
// whole file was written; false with no closed line, no matrix columns, a file that
// cannot be opened or a failed write. Reports nothing.
bool ExportProfilePicks(const AnalysisBuffers& buffers, PickStore& store, const PlotLayout& layout,
                        std::uint32_t columns);

}  // namespace karvelo
