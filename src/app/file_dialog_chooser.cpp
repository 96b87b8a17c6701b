#include "app/file_dialog_chooser.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

#include "app/program_settings.h"
#include "app/ui_text.h"

namespace karvelo {

std::optional<std::string> FileDialogChooser::ChooseSaveFile(const std::string& defaultName,
                                                             const std::string& defaultExtension) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
    dialog.selectFile(QString::fromStdString(defaultName));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) {
        return std::nullopt;
    }
    return files.first().toStdString();
}

std::vector<std::string> FileDialogChooser::ChooseOpenFiles() {
    // Files are told apart by their content; the names here only help to find them.
    const QString filters = Translate(
        KTR("FileDialogChooser",
            "Все записи (*.sgy *.segy *.txt *.dat *.csv *.asc *.lvm *.wav *.npy *.mat);;"
            "SEG-Y (*.sgy *.segy);;Текстовые записи (*.txt *.dat *.csv *.asc *.lvm);;"
            "WAV (*.wav);;NumPy (*.npy);;MATLAB (*.mat);;Все файлы (*)"));
    // The dialog opens where the last recordings were chosen, with their file type.
    const RecordingsPlace last = SavedRecordingsPlace();
    QFileDialog dialog(QApplication::activeWindow(),
                       Translate(KTR("FileDialogChooser", "Файлы с диска")), last.Folder, filters);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (last.Filter >= 0 && last.Filter < dialog.nameFilters().size()) {
        dialog.selectNameFilter(dialog.nameFilters().at(last.Filter));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    SaveRecordingsPlace(
        {dialog.directory().absolutePath(),
         static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter()))});
    const QStringList files = dialog.selectedFiles();
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(files.size()));
    for (const QString& file : files) {
        paths.push_back(
            QFile::encodeName(file).toStdString());  // the name as the file system spells it
    }
    return paths;
}

}  // namespace karvelo
