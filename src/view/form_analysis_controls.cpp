#include "view/form_analysis_controls.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace karvelo {

void FormAnalysisControls::ClearPeakList() {
    w_.peakList->clear();
}

void FormAnalysisControls::AddPeakLine(const std::string& line) {
    w_.peakList->addItem(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

void FormAnalysisControls::SelectFirstPeakLine() {
    if (w_.peakList->count() > 0) {
        w_.peakList->setCurrentRow(0);
    }
}

void FormAnalysisControls::ShowStatic(AnalysisStatic which, bool visible) {
    QLabel* label = nullptr;
    switch (which) {
        case AnalysisStatic::Frequency:
            label = w_.frequency;
            break;
        case AnalysisStatic::Derived:
            label = w_.derived;
            break;
        case AnalysisStatic::DerivedCaption:
            label = w_.derivedCaption;
            break;
        case AnalysisStatic::Quality:
            label = w_.quality;
            break;
        case AnalysisStatic::QualityCaption:
            label = w_.qualityCaption;
            break;
        case AnalysisStatic::Refined:
            label = w_.refined;
            break;
        case AnalysisStatic::RefinedCaption:
            label = w_.refinedCaption;
            break;
    }
    if (label != nullptr) {
        label->setVisible(visible);
    }
}

void FormAnalysisControls::EnableExportButton(bool enabled) {
    w_.exportSpectrum->setEnabled(enabled);
}

}  // namespace karvelo
