#include "analysis/analysis_buffers.h"

#include <algorithm>

namespace karvelo {

AnalysisBuffers::AnalysisBuffers() : SpectrumRows(kSpectrumRowStride) {}

void ReservePointRows(AnalysisBuffers& buffers, std::size_t points) {
    const std::size_t rows = std::max(points, kBasePoints);
    if (buffers.SpectrumRows.size() < rows * kSpectrumRowStride) {
        buffers.SpectrumRows.resize(rows * kSpectrumRowStride);
    }
    const std::size_t gridRows = std::max(points, kMatrixRows);
    if (buffers.ProfileSpectrumGrid.size() < gridRows * kMatrixRowStride) {
        buffers.ProfileSpectrumGrid.resize(gridRows * kMatrixRowStride);
    }
    if (buffers.GridPoints.size() < rows) {
        buffers.GridPoints.resize(rows);
    }
}

}  // namespace karvelo
