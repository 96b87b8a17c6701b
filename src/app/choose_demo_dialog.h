// "Dialog": the chooser of the built-in profile, opened by "Выбрать файлы". Only
// "Файл 1" can be chosen; "Файл 2" is there but disabled.
#pragma once

#include <QDialog>

class QButtonGroup;

namespace karvelo {

class ChooseDemoDialog : public QDialog {
  public:
    explicit ChooseDemoDialog(QWidget* parent);

    // OK: closes the dialog and stores the choice into ProfileChoice. Escape stores nothing.
    void accept() override;

  private:
    QButtonGroup* choice_;
};

}  // namespace karvelo
