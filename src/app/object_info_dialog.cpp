#include "app/object_info_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "app/interface_language.h"
#include "app/ui_text.h"

namespace karvelo {

namespace {
constexpr int kEditWidth = 360;
}  // namespace

ObjectInfoDialog::ObjectInfoDialog(QWidget* parent, const ObjectInfo& info) : QDialog(parent) {
    SetUiText(this, "windowTitle", KTR("ObjectInfoDialog", "Сведения об объекте"));
    auto* form = new QFormLayout(this);
    for (std::size_t i = 0; i < kObjectFields.size(); ++i) {
        edits_[i] = new QLineEdit(QString::fromStdString(info[i]), this);
        edits_[i]->setObjectName(QString::fromLatin1(kObjectFields[i].Key));
        edits_[i]->setMinimumWidth(kEditWidth);
        form->addRow(
            QString::fromUtf8(kObjectFields[i].LabelIn(InterfaceLanguage())) + QLatin1Char(':'),
            edits_[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

ObjectInfo ObjectInfoDialog::Info() const {
    ObjectInfo info;
    for (std::size_t i = 0; i < kObjectFields.size(); ++i) {
        info[i] = edits_[i]->text().trimmed().toStdString();
    }
    return info;
}

}  // namespace karvelo
