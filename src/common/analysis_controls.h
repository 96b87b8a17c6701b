// The controls of the main form that the analysis touches: the list of local maxima
// (list box 1030), seven statics and the spectrum export button "S" (1052).
#pragma once

#include <string>

namespace karvelo {

enum class AnalysisStatic {
    Frequency,       // 1041, frequency under the click
    Derived,         // 1043, thickness or velocity
    DerivedCaption,  // 1045 "Толщина/скорость"
    Quality,         // 1053, quality factor
    QualityCaption,  // 1054 "Добротность"
    Refined,         // a clicked maximum's frequency between the bins
    RefinedCaption,  // "Уточн. частота"
};

// Every static a run hides, in control order.
inline constexpr AnalysisStatic kAnalysisStatics[] = {
    AnalysisStatic::Frequency,     AnalysisStatic::Derived,        AnalysisStatic::DerivedCaption,
    AnalysisStatic::Quality,       AnalysisStatic::QualityCaption, AnalysisStatic::Refined,
    AnalysisStatic::RefinedCaption};

class AnalysisControls {
  public:
    virtual ~AnalysisControls() = default;
    virtual void ClearPeakList() = 0;
    virtual void AddPeakLine(const std::string& line) = 0;
    // Selects line 0; does nothing on an empty list.
    virtual void SelectFirstPeakLine() = 0;
    virtual void ShowStatic(AnalysisStatic which, bool visible) = 0;
    virtual void EnableExportButton(bool enabled) = 0;
};

// Hides every static of a click (kAnalysisStatics).
inline void HideClickStatics(AnalysisControls& controls) {
    for (AnalysisStatic which : kAnalysisStatics) {
        controls.ShowStatic(which, false);
    }
}

}  // namespace karvelo
