#include "analysis/spectrum_export.h"

#include <algorithm>
#include <ostream>

#include "analysis/analysis_buffers.h"
#include "analysis/text_file_save.h"
#include "common/number_format.h"

namespace karvelo {

void ExportSpectrum(const AnalysisBuffers& buffers, SaveFileChooser& chooser) {
    SaveTextFile(chooser, kSpectrumFileName, [&buffers](std::ostream& out) {
        const std::size_t count = std::min<std::size_t>(buffers.ShownBinCount, kSpectrumRowStride);
        for (std::size_t i = 0; i < count; ++i) {
            out << buffers.BinFrequencies[i] << "  " << FormatDefault(buffers.SpectrumRows[i])
                << '\n';
        }
    });
}

}  // namespace karvelo
