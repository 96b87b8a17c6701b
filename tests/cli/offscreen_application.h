// The Qt application the painting tests of karvelo-cli's pieces need (fonts, PDF),
// on the offscreen platform, created once.
#pragma once

#include <QGuiApplication>

#include <cstdlib>

namespace karvelo::testing {

inline QGuiApplication& Application() {
    static int argc = 1;
    static char name[] = "cli_tests";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(argc, argv);
    return app;
}

}  // namespace karvelo::testing
