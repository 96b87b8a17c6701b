#include "app/message_box_sink.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>

namespace karvelo {

void MessageBoxSink::Show(const std::string& text) {
    QWidget* modal = QApplication::activeModalWidget();
    const QPointer<QWidget> owner = modal != nullptr ? modal : mainWindow_;
    {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Karvelo"),
                        QString::fromStdString(text), QMessageBox::Ok, owner);
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
