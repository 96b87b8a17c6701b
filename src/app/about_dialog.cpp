#include "app/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "app/dialog_units.h"
#include "app/static_text.h"
#include "app/toolbar_icons.h"

namespace karvelo {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Karvelo"));
    setFont(DialogFont());
    setFixedSize(DialogSize(235, 55));

    auto* icon = PlaceAt(new QLabel(this), 11, 17, 20, 20);
    icon->setPixmap(ApplicationIcon().pixmap(icon->size()));
    StaticText(QString(), this, 40, 10, 119, 8);
    StaticText(QStringLiteral("Karvelo demo version"), this, 40, 25, 119, 8);
    auto* ok = PlaceAt(new QPushButton(QStringLiteral("OK"), this), 178, 7, 50, 16);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutDialog::accept);
}

}  // namespace karvelo
