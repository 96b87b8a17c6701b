#include "analysis/spectrum_export.h"

#include <algorithm>
#include <ostream>

#include "analysis/analysis_buffers.h"
#include "analysis/text_file_save.h"
#include "common/number_format.h"

namespace karvelo {

void ExportSpectrum(SaveFileChooser& chooser) {
    SaveTextFile(chooser, kSpectrumFileName, [](std::ostream& out) {
        const std::size_t count = std::min<std::size_t>(ShownBinCount, kSpectrumRowStride);
        for (std::size_t i = 0; i < count; ++i) {
            out << BinFrequencies[i] << "  " << FormatDefault(SpectrumRows[i]) << '\n';
        }
    });
}

}  // namespace karvelo
