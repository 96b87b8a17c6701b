// The main window "Karvelo demo version": menu, accelerators, toolbar, the form view and
// the picking bar. Every command hands over to the form's session or opens a dialog.
#pragma once

#include <QMainWindow>

class QAction;
class QToolBar;

namespace karvelo {

class FormView;
class PickingBar;
class SaveFileChooser;

class MainWindow : public QMainWindow {
  public:
    // chooser answers every save dialog of the program; it must outlive the window.
    explicit MainWindow(SaveFileChooser& chooser, QWidget* parent = nullptr);

    FormView* View() const { return view_; }

  protected:
    // The toolbar areas have no menu of their own: the picking bar follows "Пикирование".
    QMenu* createPopupMenu() override { return nullptr; }

  private:
    void CreateMenus();
    void CreateToolBar();
    void CreateAccelerators();
    void FitToContent();

    void OnFileOpen();
    void OnNewDocument();
    void OnPrint();
    void OnAbout();
    void OnPicking(bool checked);
    void OnQualityDisplay();
    void OnCorrelation();

    FormView* view_;
    PickingBar* pickingBar_;
    QToolBar* toolBar_;
    QAction* openAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* qualityDisplayAction_ = nullptr;
};

}  // namespace karvelo
