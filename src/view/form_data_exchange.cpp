#include "view/form_data_exchange.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "app/field_exchange.h"
#include "common/number_format.h"

namespace karvelo {

namespace {

SpectralOptions ReadSpectralOptions(const QComboBox* window, const QComboBox* zeroPad) {
    SpectralOptions options;
    options.Window = static_cast<SpectralWindow>(window->currentData(Qt::UserRole).toInt());
    options.DecayShare = window->currentData(Qt::UserRole + 1).toDouble();
    options.ZeroPad = zeroPad->currentData().toUInt();
    return options;
}

// The item showing the options' window (and decay share), or -1.
int WindowItem(const QComboBox* window, const SpectralOptions& options) {
    for (int i = 0; i < window->count(); ++i) {
        const auto kind = static_cast<SpectralWindow>(window->itemData(i, Qt::UserRole).toInt());
        const bool sameShare =
            kind != SpectralWindow::Exponential ||
            window->itemData(i, Qt::UserRole + 1).toDouble() == options.DecayShare;
        if (kind == options.Window && sameShare) {
            return i;
        }
    }
    return -1;
}

}  // namespace

FormDataExchange::FormDataExchange(const FormWidgets& widgets, QWidget* canvas)
    : w_(widgets), canvas_(canvas) {}

void FormDataExchange::ReadControls(FormState& state) {
    state.SpectrumMode = ReadRadio(w_.spectrumModes);
    if (!ReadField(w_.spinValue, state.SpinValue) ||
        !ReadField(w_.traceNumber, state.TraceNumber) || !ReadField(w_.fmax, state.FMax) ||
        !ReadField(w_.fmin, state.FMin)) {
        return;
    }
    state.PeakIndex = w_.peakList->currentRow();
    state.ViewMode = ReadRadio(w_.viewModes);
    if (!ReadField(w_.pointNumber, state.PointNumber) ||
        !ReadField(w_.frequency, state.ClickFrequency) ||
        !ReadField(w_.velocity, state.VelocityOrThickness) ||
        !ReadField(w_.derived, state.DerivedValue)) {
        return;
    }
    state.ThicknessGiven = w_.thicknessGiven->isChecked() ? 1 : 0;
    state.ContrastPos = w_.contrast->value();
    if (!ReadField(w_.quality, state.QualityValue) ||
        !ReadField(w_.shapeFactor, state.ShapeFactor)) {
        return;
    }
    state.Detrend = w_.detrend->isChecked() ? 1 : 0;
    if (!ReadField(w_.sensorSpacing, state.SensorSpacingMm)) {
        return;
    }
    state.ArrivalVelocity = ReadRadio(w_.arrivalVelocity);
    state.Spectral = ReadSpectralOptions(w_.window, w_.zeroPad);
}

void FormDataExchange::WriteControls(const FormState& state) {
    // The edits that start actions when their text changes stay quiet while written.
    const QSignalBlocker pointQuiet(w_.pointNumber);
    const QSignalBlocker traceQuiet(w_.traceNumber);
    const QSignalBlocker contrastQuiet(w_.contrast);
    WriteRadio(w_.spectrumModes, state.SpectrumMode);
    WriteField(w_.spinValue, state.SpinValue);
    WriteField(w_.traceNumber, state.TraceNumber);
    WriteField(w_.fmax, state.FMax);
    WriteField(w_.fmin, state.FMin);
    if (state.PeakIndex >= 0 && state.PeakIndex < w_.peakList->count()) {
        w_.peakList->setCurrentRow(state.PeakIndex);
    } else {
        w_.peakList->setCurrentRow(-1);
    }
    WriteRadio(w_.viewModes, state.ViewMode);
    WriteField(w_.pointNumber, state.PointNumber);
    WriteField(w_.frequency, state.ClickFrequency);
    WriteField(w_.velocity, state.VelocityOrThickness);
    WriteField(w_.derived, state.DerivedValue);
    w_.thicknessGiven->setChecked(state.ThicknessGiven != 0);
    w_.contrast->setValue(state.ContrastPos);
    WriteField(w_.quality, state.QualityValue);
    WriteField(w_.shapeFactor, state.ShapeFactor);
    w_.detrend->setChecked(state.Detrend != 0);
    WriteField(w_.sensorSpacing, state.SensorSpacingMm);
    WriteRadio(w_.arrivalVelocity, state.ArrivalVelocity);
    const QSignalBlocker windowQuiet(w_.window);
    const QSignalBlocker padQuiet(w_.zeroPad);
    if (const int item = WindowItem(w_.window, state.Spectral); item >= 0) {
        w_.window->setCurrentIndex(item);
    }
    if (const int item = w_.zeroPad->findData(state.Spectral.ZeroPad); item >= 0) {
        w_.zeroPad->setCurrentIndex(item);
    }
    // Six significant digits, as the report prints it.
    w_.refined->setText(QString::fromStdString(FormatDefault(state.RefinedFrequency)));
}

void FormDataExchange::EnableProfileSpectrumRadio() {
    w_.profile->setEnabled(true);
}

void FormDataExchange::ShowContrastControls(bool visible) {
    w_.paletteCaption->setVisible(visible);
    w_.contrast->setVisible(visible);
    w_.contrastCaption->setVisible(visible);
}

int FormDataExchange::ContrastBarPosition() const {
    return w_.contrast->value();
}

void FormDataExchange::SetContrastBarPosition(int position) {
    const QSignalBlocker quiet(w_.contrast);
    w_.contrast->setValue(position);
}

void FormDataExchange::Invalidate() {
    canvas_->update();
}

}  // namespace karvelo
