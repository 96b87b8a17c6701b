// The desktop program's window: the main window with the form view at its centre.
#pragma once

#include <memory>

#include "app/main_window.h"
#include "common/open_files_chooser.h"
#include "common/save_file_chooser.h"

namespace karvelo {

class FormView;

// saveFiles answers every save dialog of the program, openFiles the choice of files from
// disk; both must outlive the window.
std::unique_ptr<MainWindow> CreateProgramWindow(SaveFileChooser& saveFiles,
                                                OpenFilesChooser& openFiles);

// The form view at the centre of a window made by CreateProgramWindow.
FormView* FormViewOf(const MainWindow& window);

}  // namespace karvelo
