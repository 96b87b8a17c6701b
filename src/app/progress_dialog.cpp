#include "app/progress_dialog.h"

#include "app/dialog_units.h"
#include "app/static_text.h"
#include "app/ui_text.h"

namespace karvelo {

ProgressDialog::ProgressDialog()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    SetUiText(this, "windowTitle", KTR("ProgressDialog", "Сообщение"));
    setFont(DialogFont());
    setFixedSize(DialogSize(186, 95));
    move(DialogX(300), DialogY(200));
    // The box must not take the keyboard from the edit the user is typing in.
    setAttribute(Qt::WA_ShowWithoutActivating);
    StaticText(KTR("ProgressDialog", "Запрос обрабатывается"), this, 45, 37, 97, 23);
}

}  // namespace karvelo
