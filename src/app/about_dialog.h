// "About Karvelo": the application icon, the program's name, its version and build date,
// the versions of the libraries it runs on, its licence, and OK.
#pragma once

#include <QDialog>

namespace karvelo {

class AboutDialog : public QDialog {
  public:
    explicit AboutDialog(QWidget* parent);
};

}  // namespace karvelo
