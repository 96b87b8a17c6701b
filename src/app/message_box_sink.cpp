#include "app/message_box_sink.h"

#include <QApplication>
#include <QMessageBox>

namespace karvelo {

void MessageBoxSink::Show(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Karvelo"), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

}  // namespace karvelo
