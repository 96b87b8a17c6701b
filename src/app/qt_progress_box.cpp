#include "app/qt_progress_box.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWindow>

namespace karvelo {

namespace {
// Longest wait for the window system to map the box before the run starts anyway.
constexpr qint64 kExposeWaitMs = 200;
constexpr int kEventSliceMs = 5;
}  // namespace

QtProgressBox::QtProgressBox() = default;
QtProgressBox::~QtProgressBox() = default;

void QtProgressBox::Open() {
    Close();
    dialog_ = std::make_unique<ProgressDialog>();
    dialog_->show();
    // Only window-system and paint events are taken: no input reaches the program while
    // the box announces the run.
    const auto flags = QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers;
    QElapsedTimer waited;
    waited.start();
    QCoreApplication::processEvents(flags);
    while (dialog_->windowHandle() != nullptr && !dialog_->windowHandle()->isExposed() &&
           waited.elapsed() < kExposeWaitMs) {
        QCoreApplication::processEvents(flags, kEventSliceMs);
    }
    // Paint the box now and hand the pixels to the window system before the run blocks
    // the event loop that would otherwise do both.
    dialog_->repaint();
    QGuiApplication::sync();
}

void QtProgressBox::Close() {
    dialog_.reset();
}

}  // namespace karvelo
