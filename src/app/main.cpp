// karvelo: the desktop program.
#include <QApplication>

#include "analysis/fftw_wisdom.h"
#include "app/file_dialog_chooser.h"
#include "app/first_paint_probe.h"
#include "app/interface_language.h"
#include "app/message_box_sink.h"
#include "app/program_settings.h"
#include "app/toolbar_icons.h"
#include "common/atomic_file.h"
#include "common/error_messages.h"
#include "view/program_window.h"

int main(int argc, char** argv) {
    karvelo::ReportFileSizeLimitAsWriteError();
    QApplication application(argc, argv);
    // Where QSettings keeps the program's standard settings.
    QCoreApplication::setOrganizationName(QString::fromLatin1(karvelo::kOrganisationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(karvelo::kApplicationName));
    // The language of the last run; the first start is Russian.
    karvelo::SetInterfaceLanguage(karvelo::SavedLanguage());
    QApplication::setWindowIcon(karvelo::ApplicationIcon());
    // Transform plans measured by earlier runs, so the first spectrum comes at once.
    karvelo::LoadFftwWisdom();

    karvelo::FileDialogChooser chooser;
    const std::unique_ptr<karvelo::MainWindow> window =
        karvelo::CreateProgramWindow(chooser, chooser);
    karvelo::MessageBoxSink messages(window.get());
    const karvelo::ScopedMessageSink messageScope(&messages);
    // `--report-first-paint` (the start-up benchmark): quit once the window is painted.
    if (QCoreApplication::arguments().contains(QStringLiteral("--report-first-paint"))) {
        new karvelo::FirstPaintProbe(window.get());
    }
    window->show();
    return QApplication::exec();
}
