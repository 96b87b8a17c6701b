// "About Karvelo": the application icon, two lines of text and OK.
#pragma once

#include <QDialog>

namespace karvelo {

class AboutDialog : public QDialog {
  public:
    explicit AboutDialog(QWidget* parent);
};

}  // namespace karvelo
