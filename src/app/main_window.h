// The main window "Karvelo demo version": menu, accelerators, toolbar, the form and the
// picking bar. Every command hands over to the form's session or opens a dialog.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <string>
#include <vector>

#include "common/language.h"

class QAction;
class QLabel;
class QScrollArea;
class QToolBar;

namespace karvelo {

class FormSession;
class OpenFilesChooser;
class PickingBar;
class SaveFileChooser;
class Surface;

class MainWindow : public QMainWindow {
  public:
    // form (the scrolling form, whose content widget has the content's size) becomes the
    // window's centre; session and drawing are the form's and live as long as it does.
    // saveFiles and openFiles answer the window's own file dialogs and outlive it.
    MainWindow(FormSession& session, const Surface& drawing, QScrollArea* form,
               SaveFileChooser& saveFiles, OpenFilesChooser& openFiles);

  protected:
    // The toolbar areas have no menu of their own: the picking bar follows "Пикирование".
    QMenu* createPopupMenu() override { return nullptr; }
    // Recordings dropped on the window open the open dialog with them chosen.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The window's place and size are kept for the next start.
    void closeEvent(QCloseEvent* event) override;
    // The mouse over the form's drawing: the status bar reads out what lies under it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateMenus();
    void CreateToolBar();
    void CreateAccelerators();
    void FitToContent();
    // The title names what the document has loaded.
    void UpdateTitle();
    // Keeps an open report's title telling whether it still shows the document's state.
    void FollowDocument(QWidget* report, const std::string& key);

    void OnFileOpen();
    // File > Open with files from disk already chosen (none: the dialog as always); a
    // load from files puts them first among the recent sources.
    void OpenWithFiles(const std::vector<std::string>& files);
    // The File menu's recent sources as the settings hold them.
    void ShowRecentSources();
    // The status bar's summary of what is loaded.
    void ShowLoadedSummary();
    void OnSaveSegy();
    void OnNewDocument();
    void OnPrint();
    void OnAbout();
    // Help > "Руководство" (F1): the guide, one window at a time.
    void OnGuide();
    // View > "Язык / Language": the interface and the plot captions in language.
    void OnLanguage(Language language);
    void OnPicking(bool checked);
    void OnQualityDisplay();
    void OnCorrelation();
    void OnProfileReport();
    void OnSurveyMap();

    FormSession& session_;
    const Surface& drawing_;
    SaveFileChooser& saveFiles_;
    OpenFilesChooser& openFiles_;
    QSize contentSize_;
    PickingBar* pickingBar_;
    QToolBar* toolBar_;
    QAction* openAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* qualityDisplayAction_ = nullptr;
    std::vector<QAction*> recentActions_;
    QPointer<QDialog> guide_;
    QWidget* drawing_area_ = nullptr;  // the form's content, whose pixels are the surface's
    QLabel* loaded_ = nullptr;
};

}  // namespace karvelo
