// Everything the headless front end needs to drive the form: a surface, the form's
// controls as values, the recorders, and the session's actions over them.
#pragma once

#include <iostream>
#include <memory>
#include <optional>

#include <QGuiApplication>

#include "app/surface_text_painter.h"
#include "cli/cli_form.h"
#include "plot/click_regions.h"
#include "plot/surface.h"
#include "session/form_session.h"

namespace karvelo::cli {

struct CliSession {
    // Sets up what the main window sets up at start: the pick region of the map.
    CliSession() : session(document, surface, controls, analysisControls, progress, chooser) {
        SetUpPickRegion();
    }

    Document document;
    Surface surface;
    CliFormControls controls;
    CliAnalysisControls analysisControls;
    NoProgressBox progress;
    OptionSaveFileChooser chooser;
    FormSession session;
};

// Labels are rendered only when a picture is written; that needs QtGui on its
// offscreen platform.
class LabelRenderer {
  public:
    explicit LabelRenderer(Surface& surface);
    ~LabelRenderer();
    LabelRenderer(const LabelRenderer&) = delete;
    LabelRenderer& operator=(const LabelRenderer&) = delete;

  private:
    std::unique_ptr<QGuiApplication> app_;
    std::unique_ptr<SurfaceTextPainter> painter_;
};

// Writes the surface as PNG; false (with a message on err) when it cannot be written.
bool WriteSurfacePng(Surface& surface, const std::string& path, std::ostream& err);

}  // namespace karvelo::cli
