// Test fake: the form controls the analysis touches, recording their state.
#pragma once

#include "session/recorded_analysis_controls.h"

namespace karvelo::testing {

using RecordingAnalysisControls = RecordedAnalysisControls;

}  // namespace karvelo::testing
