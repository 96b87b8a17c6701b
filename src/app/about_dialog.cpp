#include "app/about_dialog.h"

#include <fftw3.h>
#include <QLabel>
#include <QPushButton>

#include "app/dialog_units.h"
#include "app/static_text.h"
#include "app/toolbar_icons.h"

namespace karvelo {

namespace {

// The lines under the program's name: version and build date, the libraries it runs
// on, and the licence.
QString AboutText() {
    return Translate(KTR("AboutDialog",
                         "Версия %1, сборка %2\n"
                         "Qt %3, FFTW %4, ALGLIB %5, segyio %6\n"
                         "Лицензия: GNU GPL версии 2 или более поздней (программа собрана с "
                         "FFTW и ALGLIB, распространяемыми по GPL)"))
        .arg(QStringLiteral(KARVELO_VERSION), QStringLiteral(KARVELO_BUILD_DATE),
             QString::fromLatin1(qVersion()),
             QString::fromLatin1(fftw_version).section(QLatin1Char('-'), 1, 1),
             QStringLiteral(KARVELO_ALGLIB_VERSION), QStringLiteral(KARVELO_SEGYIO_VERSION));
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    SetUiText(this, "windowTitle", KTR("AboutDialog", "About Karvelo"));
    setFont(DialogFont());
    setFixedSize(DialogSize(235, 95));

    auto* icon = PlaceAt(new QLabel(this), 11, 17, 20, 20);
    icon->setPixmap(ApplicationIcon().pixmap(icon->size()));
    StaticText(QString(), this, 40, 10, 119, 8);
    StaticText(QStringLiteral("Karvelo demo version"), this, 40, 25, 119, 8);
    QLabel* about = StaticText(AboutText(), this, 40, 38, 188, 50);
    about->setObjectName(QStringLiteral("aboutText"));
    about->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* ok = PlaceAt(new QPushButton(QStringLiteral("OK"), this), 178, 7, 50, 16);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutDialog::accept);
}

}  // namespace karvelo
