#include "view/program_window.h"

#include "view/form_view.h"

namespace karvelo {

std::unique_ptr<MainWindow> CreateProgramWindow(SaveFileChooser& saveFiles,
                                                OpenFilesChooser& openFiles) {
    // The window takes the form as its central widget, and with it ownership.
    auto* form = new FormView(saveFiles);
    return std::make_unique<MainWindow>(form->Session(), form->DrawingSurface(), form, saveFiles,
                                        openFiles);
}

FormView* FormViewOf(const MainWindow& window) {
    return dynamic_cast<FormView*>(window.centralWidget());
}

}  // namespace karvelo
