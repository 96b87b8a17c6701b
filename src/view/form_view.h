// The main form: the controls and the drawing under them, in a scrolling area. Each
// control's notification calls its session action; the actions read and write the
// controls through the data exchange.
#pragma once

#include <QScrollArea>

#include "app/qt_progress_box.h"
#include "app/surface_text_painter.h"
#include "plot/surface.h"
#include "session/form_session.h"
#include "view/form_analysis_controls.h"
#include "view/form_data_exchange.h"
#include "view/form_widgets.h"

namespace karvelo {

class FormCanvas;

class FormView : public QScrollArea {
  public:
    // chooser answers the save dialogs of "S", "Сохранить" and the quality export; it
    // must outlive the view. The view starts initialised: white drawing, members shown.
    explicit FormView(SaveFileChooser& chooser, QWidget* parent = nullptr);
    ~FormView() override;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    FormSession& Session() { return session_; }
    const Surface& DrawingSurface() const { return surface_; }
    // The form's content: the controls on the painted drawing. Its minimum size holds the
    // controls and every plot panel.
    QWidget* Form() const;

  private:
    static QSize ContentSize();
    void ConnectControls();
    // A click on the contrast bar's arrows or trough.
    void OnContrastAction(int action);
    // Dragging the bar's thumb, and letting it go.
    void OnContrastTrack(int position);
    void OnContrastRelease();

    Surface surface_;
    SurfaceTextPainter textPainter_;
    FormCanvas* canvas_;
    FormWidgets widgets_;
    FormDataExchange exchange_;
    FormAnalysisControls analysisControls_;
    QtProgressBox progress_;
    Document document_;
    FormSession session_;
};

}  // namespace karvelo
