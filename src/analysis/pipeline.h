// RunAnalysis: the one routine that turns the form's request into pictures and numbers.
#pragma once

#include "analysis/analysis_buffers.h"
#include "analysis/analysis_request.h"
#include "analysis/quality.h"
#include "plot/pick_store.h"
#include "plot/plot_layout.h"
#include "plot/surface.h"
#include "profile/profile.h"

namespace karvelo {

// What a run did, for the callers that need more than the pictures.
struct AnalysisOutcome {
    bool Ran = false;  // a profile was loaded and the run got past its checks
    // The shown band, inclusive, in full-spectrum bin numbering (when Ran).
    std::uint32_t BandFirst = 0;
    std::uint32_t BandLast = 0;
};

// One run: trace panel of the current point; spectra of the request's mode; band reset,
// selection and peak list; then the spectrum panel with a pending click (modes 0 to 2)
// or the profile-spectrum map with its colour bar and the pick file (mode 3). Returns
// at once, touching nothing, while no profile is loaded. A refused band (error 13)
// leaves the trace panel drawn, the peak list empty, the statics hidden and "S"
// disabled. The caller clears the surface before and repaints after. Without a surface
// the run computes the same numbers and draws nothing (nor writes the pick file); without
// a quality table a click stores no quality value, and without a pick store the map
// writes no pick file.
AnalysisOutcome RunAnalysis(const Profile& profile, AnalysisBuffers& buffers, RequestFlags& flags,
                            AnalysisRequest& request, Surface* surface,
                            QualityTable* quality = nullptr, PickStore* picks = nullptr);

// Largest and smallest value of a row-major matrix into data: kind 1 SpectrumRows as
// floats (RangeMax/RangeMin as float words), kind 2 as signed and kind 3 as unsigned
// integers, kind 4 the doubles at data.Rows with `stride` values per row
// (RowsMax/RowsMin). Strictly greater/smaller replaces, so NaN never does. An empty
// matrix yields the first element for both.
void MatrixRange(const AnalysisBuffers& buffers, int kind, int rows, int cols, int stride,
                 PlotData& data);

}  // namespace karvelo
