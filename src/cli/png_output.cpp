#include <QImageWriter>
#include <cstdlib>

#include "cli/cli_session.h"

namespace karvelo::cli {

namespace {
int g_argc = 1;
char g_programName[] = "karvelo-cli";
char* g_argv[] = {g_programName, nullptr};
}  // namespace

LabelRenderer::LabelRenderer(Surface& surface) {
    if (QGuiApplication::instance() == nullptr) {
        // No window is ever shown: render text offscreen whatever display there is.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        app_ = std::make_unique<QGuiApplication>(g_argc, g_argv);
    }
    painter_ = std::make_unique<SurfaceTextPainter>(surface);
}

LabelRenderer::~LabelRenderer() = default;

bool WriteSurfacePng(Surface& surface, const std::string& path, std::ostream& err) {
    QImageWriter writer(QString::fromStdString(path), "png");
    if (!writer.write(WrapSurface(surface))) {
        err << "error: cannot write " << path << ": " << writer.errorString().toStdString() << '\n';
        return false;
    }
    return true;
}

}  // namespace karvelo::cli
