// "Открыть": choose the profile source (a built-in profile or files from disk), the
// channels and the hits per point, then load.
#pragma once

#include <QDialog>

#include <memory>

#include "profile/profile_loader.h"
#include "session/document.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace karvelo {

class OpenFilesChooser;
class RecordingOptionsFields;

class OpenProfileDialog : public QDialog {
  public:
    // Starts with "Оба канала", the hits per point of the loaded profile, and the source
    // the document's profile was read from: OK without a new choice opens the same
    // recordings again with the channels and hits given. files answers the chooser's
    // "Файлы с диска…"; files and document must outlive the dialog.
    OpenProfileDialog(QWidget* parent, OpenFilesChooser& files, Document& document);
    ~OpenProfileDialog() override;

    // OK: reads the channels and the hits per point (a positive integer, 1 to 20; on a
    // bad entry the prompt is shown and the dialog stays open), closes the dialog and
    // loads the chosen source into the document, which reports a hits count that does
    // not fit it.
    void accept() override;

    // Files from disk chosen before the dialog shows (dropped on the window, or a recent
    // source), as if chosen through "Выбрать файлы".
    void PresetFiles(std::vector<std::string> files);
    // The files from disk chosen; empty for a built-in profile.
    const std::vector<std::string>& ChosenFiles() const { return source_.Files; }

  private:
    // Runs the chooser; once files are chosen, the dialog names them and offers the
    // two options of files from disk.
    void ChooseFiles();
    // Names the chosen files and shows their options (hidden for a built-in profile), with
    // what opening them would do on the line below (resampled, shortened, refused).
    void ShowSource();

    OpenFilesChooser& files_;
    Document& document_;
    ProfileSourceChoice source_;
    QButtonGroup* channels_;
    QLineEdit* hits_;
    QLabel* sourceName_;
    std::unique_ptr<RecordingOptionsFields> options_;  // the options of files from disk
};

}  // namespace karvelo
