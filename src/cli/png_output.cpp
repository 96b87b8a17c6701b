#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "app/surface_png.h"
#include "cli/cli_session.h"
#include "common/atomic_file.h"

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
        // Qt wants a private runtime folder; outside a desktop session there is none,
        // so give it one instead of letting it warn on every run.
        if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
            const std::string runtime = "/tmp/karvelo-runtime-" + std::to_string(getuid());
            struct stat folder {};
            const bool made = mkdir(runtime.c_str(), S_IRWXU) == 0 || errno == EEXIST;
            // Only a folder of our own that nobody else can enter.
            if (made && lstat(runtime.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode) &&
                folder.st_uid == getuid() && (folder.st_mode & (S_IRWXG | S_IRWXO)) == 0) {
                setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
            }
        }
        app_ = std::make_unique<QGuiApplication>(g_argc, g_argv);
    }
    painter_ = std::make_unique<SurfaceTextPainter>(surface);
}

LabelRenderer::~LabelRenderer() = default;

bool WriteSurfacePng(Surface& surface, const std::string& path, std::ostream& err) {
    const std::optional<std::string> png = EncodeSurfacePng(surface);
    if (!png) {
        err << "error: cannot write " << path << ": out of memory\n";
        return false;
    }
    if (!WriteFileAtomically(path, std::span<const char>(png->data(), png->size()))) {
        err << "error: cannot write " << WriteFailure(path) << '\n';
        return false;
    }
    return true;
}

}  // namespace karvelo::cli
