// "Открыть": choose the built-in profile, the channels and the hits per point, then load.
#pragma once

#include <QDialog>

class QButtonGroup;
class QLineEdit;

namespace karvelo {

class OpenProfileDialog : public QDialog {
  public:
    // Starts with "Оба канала", the last accepted hits per point, and ProfileChoice 0.
    explicit OpenProfileDialog(QWidget* parent);

    // OK: reads the channels and the hits per point (a positive integer, 1 to 20; on a
    // bad entry the prompt is shown and the dialog stays open), closes the dialog and
    // loads the profile, which reports a hits count that does not fit it.
    void accept() override;

  private:
    void ChooseFiles();

    QButtonGroup* channels_;
    QLineEdit* hits_;
};

}  // namespace karvelo
