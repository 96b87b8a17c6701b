// Local maxima of the normalised spectrum, their list, and thickness/velocity.
#pragma once

#include <cstdint>

#include "analysis/analysis_request.h"

namespace karvelo {

// Fills PeakCount/PeakBins/PeakAmplitudes/PeakFrequencies from SelectionSpectrum[0..M-1]
// and BinFrequencies as they stand before the band cut. M >= 3.
void FindLocalMaxima(std::uint32_t binCount);

// Rewrites the list of maxima: the maxima whose bin lies in iMin..iMax (inclusive,
// full-spectrum numbering) as "(%d;%.3e)" lines; empty in mode 3. Selects line 0.
void FillPeakList(AnalysisRequest& request, std::uint32_t iMin, std::uint32_t iMax);

// f in Hz. With ThicknessGiven: DerivedValue = h * 2 * f (a velocity); otherwise
// DerivedValue = v / (2 f) (a thickness), or for f = 0 hides the derived statics and
// leaves DerivedValue unchanged. A result beyond single precision is refused: error 13,
// the derived statics hidden, DerivedValue unchanged and false returned.
bool DeriveThicknessOrVelocity(AnalysisRequest& request, double frequency);

}  // namespace karvelo
