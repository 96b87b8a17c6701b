// Help > "Руководство" (F1): the short user's guide, in the interface language, shown
// from the program's resources.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace karvelo {

class GuideWindow : public QDialog {
  public:
    explicit GuideWindow(QWidget* parent);

    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

}  // namespace karvelo
