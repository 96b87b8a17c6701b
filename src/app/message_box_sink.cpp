#include "app/message_box_sink.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>

#include "app/ui_text.h"

namespace karvelo {

namespace {

// The message in the interface language: the table text stays as it is, the lines under
// it that name a field are translated.
QString InterfaceText(const std::string& text) {
    QStringList lines = WithFieldNames(text).split(QLatin1Char('\n'));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        lines[i] = QCoreApplication::translate("FieldRules", lines[i].toUtf8().constData());
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

void MessageBoxSink::Show(const std::string& text) {
    QWidget* modal = QApplication::activeModalWidget();
    const QPointer<QWidget> owner = modal != nullptr ? modal : mainWindow_;
    {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Karvelo"), InterfaceText(text),
                        QMessageBox::Ok, owner);
        box.exec();
    }
    if (owner == nullptr || !owner->isVisible()) {
        return;
    }
    owner->activateWindow();
    // A dialog that raised a message may close right after it (the open dialog does);
    // the window system need not give the keyboard back to the main window then.
    auto* dialog = qobject_cast<QDialog*>(owner.data());
    if (dialog != nullptr && mainWindow_ != nullptr) {
        QObject::connect(
            dialog, &QDialog::finished, mainWindow_,
            [main = mainWindow_] { main->activateWindow(); }, Qt::SingleShotConnection);
    }
}

}  // namespace karvelo
