#include "analysis/analysis_buffers.h"

#include <algorithm>

namespace karvelo {

AnalysisBuffers::AnalysisBuffers() : SpectrumRows(kSpectrumRowStride) {}

void ReservePointRows(AnalysisBuffers& buffers, std::size_t points, std::size_t bins) {
    const std::size_t rows = std::max(points, kBasePoints);
    if (buffers.SpectrumRows.size() < rows * kSpectrumRowStride) {
        buffers.SpectrumRows.resize(rows * kSpectrumRowStride);
    }
    const std::size_t gridRows = std::max(points, kMatrixRows);
    if (bins > buffers.GridStride) {
        buffers.GridStride = bins;
        ForgetProfileSpectra(buffers);
    }
    if (buffers.ProfileSpectrumGrid.size() < gridRows * buffers.GridStride) {
        buffers.ProfileSpectrumGrid.resize(gridRows * buffers.GridStride);
    }
    if (buffers.GridPoints.size() < rows) {
        buffers.GridPoints.resize(rows);
    }
}

}  // namespace karvelo
