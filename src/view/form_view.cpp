#include "view/form_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include "app/dialog_units.h"
#include "app/field_text.h"
#include "view/form_canvas.h"

namespace karvelo {

namespace {

// Form template size, in dialog units.
constexpr int kFormWidthUnits = 416;
constexpr int kFormHeightUnits = 450;
// The plot panels and their outer labels fill the smallest drawing surface.
constexpr int kPanelsWidth = Surface::kMinWidth;
constexpr int kPanelsHeight = Surface::kMinHeight;

// The drawing surface covers the screen, and never less than its minimum.
Surface ScreenSizedSurface() {
    QSize size(Surface::kMinWidth, Surface::kMinHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.expandedTo(screen->size());
    }
    return Surface(size.width(), size.height());
}

}  // namespace

QSize FormView::ContentSize() {
    return DialogSize(kFormWidthUnits, kFormHeightUnits).expandedTo({kPanelsWidth, kPanelsHeight});
}

FormView::FormView(SaveFileChooser& chooser, QWidget* parent)
    : QScrollArea(parent),
      surface_(ScreenSizedSurface()),
      textPainter_(surface_),
      canvas_(new FormCanvas(surface_, ContentSize())),
      widgets_(CreateFormWidgets(canvas_)),
      exchange_(widgets_, canvas_),
      analysisControls_(widgets_),
      session_(document_, surface_, exchange_, analysisControls_, progress_, chooser) {
    setWidget(canvas_);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    ConnectControls();
    session_.InitialUpdate();
}

FormView::~FormView() {
    // The controls go before the session and the surface they report to.
    delete takeWidget();
}

QWidget* FormView::Form() const {
    return canvas_;
}

void FormView::ConnectControls() {
    FormSession& s = session_;
    const FormWidgets& w = widgets_;
    for (QRadioButton* mode : {w.singleTrace, w.averaged, w.product}) {
        connect(mode, &QRadioButton::clicked, this, [&s] { s.OnSpectrumSettings(); });
    }
    connect(w.profile, &QRadioButton::clicked, this, [&s] { s.OnProfileSpectrum(); });
    connect(w.applyBand, &QPushButton::clicked, this, [&s] { s.OnSpectrumSettings(); });
    // A text being typed that is not yet a number (an emptied edit) starts nothing; the
    // next action that reads it refuses it, once.
    connect(w.traceNumber, &QLineEdit::textChanged, this, [&s](const QString& text) {
        if (ParseIntegerText(text.toStdString())) {
            s.OnSpectrumSettings();
        }
    });
    connect(w.pointNumber, &QLineEdit::textChanged, this, [&s](const QString& text) {
        if (ParseUnsignedText(text.toStdString())) {
            s.OnSpectrumSettings();
        }
    });
    for (QRadioButton* view : {w.wiggle, w.density}) {
        connect(view, &QRadioButton::clicked, this, [&s] { s.OnViewMode(); });
    }
    connect(w.defaultBand, &QPushButton::clicked, this, [&s] { s.OnDefaultBand(); });
    connect(w.exportSpectrum, &QPushButton::clicked, this, [&s] { s.OnExportSpectrum(); });
    connect(w.detrend, &QCheckBox::clicked, this, [&s] { s.OnSpectrumSettings(); });
    // The choice shows or hides the marks of the arrivals on the trace panel.
    connect(w.arrivalVelocity, &QButtonGroup::idClicked, this, [&s] { s.OnViewMode(); });
    for (QComboBox* spectral : {w.window, w.zeroPad}) {
        connect(spectral, &QComboBox::activated, this, [&s] { s.OnSpectrumSettings(); });
    }
    connect(w.calibrate, &QPushButton::clicked, this, [&s] { s.OnCalibrateVelocity(); });
    // Enter, or the platform's activation click (a double click here), on a listed maximum.
    connect(w.peakList, &QListWidget::activated, this,
            [&s](const QModelIndex& line) { s.OnPeakLineActivated(line.row()); });
    connect(w.contrast, &QScrollBar::actionTriggered, this, &FormView::OnContrastAction);
    connect(w.contrast, &QScrollBar::sliderMoved, this, &FormView::OnContrastTrack);
    connect(w.contrast, &QScrollBar::sliderReleased, this, &FormView::OnContrastRelease);
    connect(canvas_, &FormCanvas::leftPressed, this, [&s](int x, int y) { s.OnLButtonDown(x, y); });
    connect(canvas_, &FormCanvas::rightPressed, this,
            [&s](int x, int y) { s.OnRButtonDown(x, y); });
}

void FormView::OnContrastAction(int action) {
    QScrollBar* bar = widgets_.contrast;
    ScrollCode code = ScrollCode::EndScroll;
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            code = ScrollCode::LineLeft;
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            code = ScrollCode::LineRight;
            break;
        case QAbstractSlider::SliderPageStepSub:
            code = ScrollCode::PageLeft;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            code = ScrollCode::PageRight;
            break;
        case QAbstractSlider::SliderToMinimum:
            code = ScrollCode::Left;
            break;
        case QAbstractSlider::SliderToMaximum:
            code = ScrollCode::Right;
            break;
        default:
            // Other moves (the wheel) are not contrast steps: the bar stays where it is.
            bar->setSliderPosition(bar->value());
            return;
    }
    // The bar does not move by itself; the action decides where it goes.
    bar->setSliderPosition(bar->value());
    session_.OnHScroll(code, bar->value());
}

void FormView::OnContrastTrack(int position) {
    session_.OnHScroll(ScrollCode::ThumbTrack, position);
    // The thumb keeps following the mouse until it is let go.
    const QSignalBlocker quiet(widgets_.contrast);
    widgets_.contrast->setSliderPosition(position);
}

void FormView::OnContrastRelease() {
    session_.OnHScroll(ScrollCode::ThumbPosition, widgets_.contrast->sliderPosition());
}

}  // namespace karvelo
