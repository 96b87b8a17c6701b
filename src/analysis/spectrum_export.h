// The spectrum file: the shown band of the last one-dimensional spectrum.
#pragma once

#include "analysis/analysis_buffers.h"
#include "common/save_file_chooser.h"

namespace karvelo {

inline constexpr const char* kSpectrumFileName = "spectre_data.txt";

// Button "S": asks for a file ("spectre_data.txt") and writes ShownBinCount lines
// "frequency  amplitude" from BinFrequencies (whole Hz) and row 0 of SpectrumRows
// (stream default notation, three-digit exponents). A cancel writes nothing; a file
// that cannot be opened or fully written is reported as error 11 with its code line.
void ExportSpectrum(const AnalysisBuffers& buffers, SaveFileChooser& chooser);

}  // namespace karvelo
