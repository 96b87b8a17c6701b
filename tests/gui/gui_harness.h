// The desktop program's main window over recording fakes, and the few moves a user makes
// with it: clicking buttons and menu items, typing into edits, answering dialogs.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QToolBar;

namespace karvelo {
class ProfileReportWindow;
}

#include "app/main_window.h"
#include "fakes/preset_open_files_chooser.h"
#include "fakes/preset_save_file_chooser.h"
#include "fakes/recording_message_sink.h"
#include "fakes/sine_recording.h"
#include "plot/surface.h"
#include "view/form_view.h"
#include "view/program_window.h"

namespace karvelo::testing {

class GuiHarness {
  public:
    // Resets the global state, then shows a new main window and waits until it is active.
    GuiHarness();

    MainWindow& Window() { return *window_; }
    FormView& View() { return *FormViewOf(*window_); }
    QWidget* Form() { return View().Form(); }
    const Surface& Drawing() { return View().DrawingSurface(); }

    // Controls of the form by object name (labels also by text, and in any window), buttons
    // of any window by text and the window's tool bars by object name.
    QLineEdit* Edit(const char* name);
    QLabel* Label(const char* nameOrText, QWidget* root = nullptr);
    QAbstractButton* Button(const char* text, QWidget* root = nullptr);
    QToolBar* Bar(const char* name);

    // The menu item at the end of a path of menu texts ("Tools", "Добротность", ...),
    // matched without their Alt marks and shortcuts.
    QAction* MenuItem(const QStringList& path);
    // Clicks a menu item as a user choosing it does.
    void Choose(const QStringList& path);
    // Clicks the middle of a control with the left button.
    void Click(QWidget* widget);
    // Replaces an edit's text by typing, as a user selecting all and typing over it.
    void TypeInto(QLineEdit* edit, const QString& text);
    // Clicks the form at a position of the drawing (surface pixels).
    void ClickForm(int x, int y);
    // Types text into the edit called name in window and presses Enter.
    void Enter(QWidget* window, const char* name, const QString& text);

    // The chooser's "Файлы с диска…" from the open dialog's "Выбрать файлы": the files
    // openChooser holds are chosen.
    void ChooseFilesFromDisk(QDialog* open);
    // Tools > "Отчёт по профилю": the report window, once shown, or null.
    ProfileReportWindow* OpenReport();

    // File > Open through the toolbar button, answering the open dialog with the channel
    // radio and the hits per point typed (empty: as offered), then OK.
    void OpenProfile(const char* channel = "Оба канала", const QString& hits = {});

    // Messages the program showed since the last call, and forgets them.
    std::vector<std::string> TakeMessages();

    PresetSaveFileChooser chooser{std::nullopt};
    PresetOpenFilesChooser openChooser;

  private:
    // The program's settings live here for the harness's lifetime, never in the home folder.
    QTemporaryDir settings_;
    RecordingMessageSink messages_;
    std::unique_ptr<MainWindow> window_;
};

// A Qt Test class whose every test starts with a harness of its own and ends closing it.
class GuiTestCase : public QObject {
    Q_OBJECT

  protected:
    std::unique_ptr<GuiHarness> h_;

  private slots:
    void init() { h_ = std::make_unique<GuiHarness>(); }
    void cleanup() { h_.reset(); }
};

// Recordings of one hit each, the given sine, by name in dir: what a file dialog answers.
std::vector<std::string> WriteRecordings(const QTemporaryDir& dir,
                                         const std::vector<const char*>& names,
                                         const SineRecording& sine);

// A menu text without its Alt mark and shortcut: "&Open...\tCtrl+O" reads "Open...".
QString MenuWords(const QString& text);

// The open top-level window of a type, or null.
template <typename Window>
Window* TopLevel() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<Window*>(widget); window && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// Runs act on the next modal dialog that opens, once, from the event loop of that
// dialog, and closes the dialog if act left it open. Call it before the click that opens
// the dialog.
void WhenDialogOpens(std::function<void(QDialog*)> act);

// Inside the frames of the main form's panels, surface pixels: the spectrum (modes 0 to 2)
// and the profile-spectrum map.
inline constexpr QRect kSpectrumFrame(226, 371, 398, 248);
inline constexpr QRect kMapFrame(326, 371, 798, 248);
// The spectrum's column of the built-in profile's dominant maximum (1559 Hz, mode 0).
inline constexpr int kPeakX = 225 + 1559 * 400 / 3008 + 1;
// The part of the surface every panel lies in.
inline constexpr QRect kPanels(0, 0, 1280, 720);

// Moves the mouse to `at` of widget, sent to the widget itself: the offscreen screen is
// smaller than the main form, and a pointer off the screen reaches nothing.
void MoveMouse(QWidget* widget, QPoint at);

// Number of pixels of the surface inside area that are not white.
int InkIn(const Surface& surface, const QRect& area);

// A copy of an area of the surface, for before-and-after comparisons.
std::vector<std::uint32_t> Snapshot(const Surface& surface, const QRect& area);

// Pixels of shown (an image of area of the form) that differ from the drawing there.
int PixelsDiffering(const QImage& shown, const Surface& surface, const QRect& area);

}  // namespace karvelo::testing
