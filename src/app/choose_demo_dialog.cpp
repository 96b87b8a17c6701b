#include "app/choose_demo_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "app/dialog_units.h"
#include "app/field_exchange.h"
#include "app/ui_text.h"
#include "common/open_files_chooser.h"
#include "profile/profile_image.h"
#include "profile/profile_loader.h"

namespace karvelo {

ChooseDemoDialog::ChooseDemoDialog(QWidget* parent, OpenFilesChooser& files,
                                   ProfileSourceChoice& choice)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      choice_(new QButtonGroup(this)),
      files_(files),
      source_(choice) {
    SetUiText(this, "windowTitle", KTR("ChooseDemoDialog", "Dialog"));
    setFont(DialogFont());
    setFixedSize(DialogSize(265, 158));

    auto* ok = PlaceAt(new QPushButton(QStringLiteral("OK"), this), 209, 7, 50, 14);
    ok->setDefault(true);
    auto* frame = PlaceAt(new QGroupBox(this), 29, 21, 140, 79);
    auto* first = PlaceAt(new QRadioButton(this), 42, 36, 39, 10);
    SetUiText(first, "text", KTR("ChooseDemoDialog", "Файл 1"));
    auto* second = PlaceAt(new QRadioButton(this), 42, 54, 39, 10);
    SetUiText(second, "text", KTR("ChooseDemoDialog", "Файл 2"));
    second->setEnabled(false);
    auto* fromDisk = PlaceAt(new QPushButton(this), 42, 74, 80, 14);
    SetUiText(fromDisk, "text", KTR("ChooseDemoDialog", "Файлы с диска…"));
    frame->lower();
    choice_->addButton(first, 0);
    choice_->addButton(second, 1);
    WriteRadio(choice_, 0);

    connect(ok, &QPushButton::clicked, this, &ChooseDemoDialog::accept);
    connect(fromDisk, &QPushButton::clicked, this, &ChooseDemoDialog::ChooseFilesFromDisk);
}

void ChooseDemoDialog::accept() {
    QDialog::accept();
    source_.BuiltIn = static_cast<std::uint32_t>(ReadRadio(choice_));
    source_.Files.clear();
}

void ChooseDemoDialog::ChooseFilesFromDisk() {
    std::vector<std::string> chosen = files_.ChooseOpenFiles();
    if (chosen.empty()) {
        return;
    }
    source_.Files = std::move(chosen);
    QDialog::accept();
}

}  // namespace karvelo
