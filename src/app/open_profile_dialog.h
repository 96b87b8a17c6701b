// "Открыть": choose the profile source (a built-in profile or files from disk), the
// channels and the hits per point, then load.
#pragma once

#include <QDialog>

#include "profile/profile_loader.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace karvelo {

class OpenFilesChooser;

class OpenProfileDialog : public QDialog {
  public:
    // Starts with "Оба канала", the last accepted hits per point, and ProfileChoice 0.
    // files answers the chooser's "Файлы с диска…" and must outlive the dialog.
    OpenProfileDialog(QWidget* parent, OpenFilesChooser& files);

    // OK: reads the channels and the hits per point (a positive integer, 1 to 20; on a
    // bad entry the prompt is shown and the dialog stays open), closes the dialog and
    // loads the chosen source, which reports a hits count that does not fit it.
    void accept() override;

  private:
    // Runs the chooser; once files are chosen, the dialog names them and offers the
    // two options of files from disk.
    void ChooseFiles();

    OpenFilesChooser& files_;
    ProfileSourceChoice source_;
    QButtonGroup* channels_;
    QLineEdit* hits_;
    QLabel* sourceName_;
    QCheckBox* firstSamples_;
    QCheckBox* wholeMicroseconds_;
};

}  // namespace karvelo
