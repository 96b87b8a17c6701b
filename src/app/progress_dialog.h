// The modeless box "Сообщение" / "Запрос обрабатывается" shown while a long run computes.
// It has no buttons and no progress bar: the computation runs without pumping input.
#pragma once

#include <QDialog>

namespace karvelo {

class ProgressDialog : public QDialog {
  public:
    // A top-level window of its own (no parent), placed where the template puts it.
    ProgressDialog();
};

}  // namespace karvelo
