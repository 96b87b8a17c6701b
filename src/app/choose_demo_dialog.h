// "Dialog": the chooser of the profile source, opened by "Выбрать файлы". Of the
// built-in profiles only "Файл 1" can be chosen ("Файл 2" is there but disabled);
// "Файлы с диска…" chooses measurements from disk instead.
#pragma once

#include <QDialog>

class QButtonGroup;

namespace karvelo {

class OpenFilesChooser;
struct ProfileSourceChoice;

class ChooseDemoDialog : public QDialog {
  public:
    // files asks for the files of "Файлы с диска…"; choice receives them. Both must
    // outlive the dialog.
    ChooseDemoDialog(QWidget* parent, OpenFilesChooser& files, ProfileSourceChoice& choice);

    // OK: closes the dialog and makes the built-in choice the source, replacing any
    // files chosen before. Escape stores nothing.
    void accept() override;

  private:
    // "Файлы с диска…": files confirmed in the open-file dialog become the source and
    // close the chooser; a cancelled file dialog leaves the chooser open as it was.
    void ChooseFilesFromDisk();

    QButtonGroup* choice_;
    OpenFilesChooser& files_;
    ProfileSourceChoice& source_;
};

}  // namespace karvelo
