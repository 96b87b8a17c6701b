// karvelo: the desktop program.
#include <QApplication>

#include "analysis/fftw_wisdom.h"
#include "app/file_dialog_chooser.h"
#include "app/message_box_sink.h"
#include "app/toolbar_icons.h"
#include "common/error_messages.h"
#include "view/program_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Where QSettings keeps the program's standard settings.
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Karvelo"));
    QApplication::setWindowIcon(karvelo::ApplicationIcon());
    // Transform plans measured by earlier runs, so the first spectrum comes at once.
    karvelo::LoadFftwWisdom();

    karvelo::FileDialogChooser chooser;
    const std::unique_ptr<karvelo::MainWindow> window =
        karvelo::CreateProgramWindow(chooser, chooser);
    karvelo::MessageBoxSink messages(window.get());
    const karvelo::ScopedMessageSink messageScope(&messages);
    window->show();
    return QApplication::exec();
}
