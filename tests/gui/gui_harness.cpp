#include "gui_harness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <utility>

#include "analysis/analysis_buffers.h"
#include "analysis/quality.h"
#include "app/interface_language.h"
#include "app/profile_report_window.h"
#include "fakes/surface_ink.h"
#include "plot/pick_store.h"
#include "profile/profile_image.h"

namespace karvelo::testing {

namespace {
// How long a test waits for a dialog it expects before giving up.
constexpr qint64 kDialogWaitMs = 10000;
constexpr int kPollMs = 5;
}  // namespace

GuiHarness::GuiHarness() {
    // The window's document is new; the language and the settings start afresh.
    SetInterfaceLanguage(Language::Russian);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    window_ = CreateProgramWindow(chooser, openChooser);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

QLineEdit* GuiHarness::Edit(const char* name) {
    return Form()->findChild<QLineEdit*>(QString::fromUtf8(name));
}

QLabel* GuiHarness::Label(const char* nameOrText, QWidget* root) {
    const QString wanted = QString::fromUtf8(nameOrText);
    for (auto* label : (root ? root : Form())->findChildren<QLabel*>()) {
        if (label->objectName() == wanted || label->text() == wanted) {
            return label;
        }
    }
    Q_ASSERT_X(false, "Label", nameOrText);
    return nullptr;
}

QAbstractButton* GuiHarness::Button(const char* text, QWidget* root) {
    const QString wanted = QString::fromUtf8(text);
    for (auto* button : (root ? root : window_.get())->findChildren<QAbstractButton*>()) {
        if (button->text() == wanted) {
            return button;
        }
    }
    Q_ASSERT_X(false, "Button", text);
    return nullptr;
}

QToolBar* GuiHarness::Bar(const char* name) {
    return window_->findChild<QToolBar*>(QString::fromUtf8(name));
}

QString MenuWords(const QString& text) {
    QString words = text.section(QLatin1Char('\t'), 0, 0);
    return words.remove(QLatin1Char('&'));
}

QAction* GuiHarness::MenuItem(const QStringList& path) {
    QList<QAction*> actions = window_->menuBar()->actions();
    QAction* found = nullptr;
    for (const QString& text : path) {
        const auto at = std::find_if(actions.begin(), actions.end(), [&](QAction* action) {
            return MenuWords(action->text()) == MenuWords(text);
        });
        Q_ASSERT_X(at != actions.end(), "MenuItem", qPrintable(text));
        found = *at;
        if (found->menu() != nullptr) {
            actions = found->menu()->actions();
        }
    }
    return found;
}

void GuiHarness::Choose(const QStringList& path) {
    QAction* item = MenuItem(path);
    QVERIFY(item->isEnabled());
    item->trigger();
}

void GuiHarness::Click(QWidget* widget) {
    QVERIFY(widget != nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void GuiHarness::TypeInto(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(edit, text);
    }
}

void GuiHarness::ClickForm(int x, int y) {
    QTest::mouseClick(Form(), Qt::LeftButton, {}, QPoint(x, y));
}

void GuiHarness::Enter(QWidget* window, const char* name, const QString& text) {
    auto* edit = window->findChild<QLineEdit*>(QString::fromUtf8(name));
    TypeInto(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void GuiHarness::ChooseFilesFromDisk(QDialog* open) {
    WhenDialogOpens([this](QDialog* chooser) { Click(Button("Файлы с диска…", chooser)); });
    Click(Button("Выбрать файлы", open));
}

ProfileReportWindow* GuiHarness::OpenReport() {
    Choose({"Tools", "Отчёт по профилю"});
    auto* window = TopLevel<ProfileReportWindow>();
    return window != nullptr && QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

void GuiHarness::OpenProfile(const char* channel, const QString& hits) {
    WhenDialogOpens([this, channel, hits](QDialog* dialog) {
        Click(Button(channel, dialog));
        if (!hits.isEmpty()) {
            TypeInto(dialog->findChild<QLineEdit*>(), hits);
        }
        Click(Button("OK", dialog));
    });
    QAction* open = MenuItem({QStringLiteral("&File"), QStringLiteral("&Open...\tCtrl+O")});
    Click(Bar("toolBar")->widgetForAction(open));
    // The window takes the keyboard back once the dialog has gone, as a window manager
    // gives it back (the offscreen platform has none).
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

std::vector<std::string> GuiHarness::TakeMessages() {
    return std::exchange(messages_.messages, {});
}

std::vector<std::string> WriteRecordings(const QTemporaryDir& dir,
                                         const std::vector<const char*>& names,
                                         const SineRecording& sine) {
    std::vector<std::string> paths;
    for (const char* name : names) {
        paths.push_back(dir.filePath(QString::fromUtf8(name)).toStdString());
        WriteSineRecording(paths.back(), sine);
    }
    return paths;
}

void WhenDialogOpens(std::function<void(QDialog*)> act) {
    auto* poll = new QTimer;
    const QDeadlineTimer deadline(kDialogWaitMs);
    QWidget* before = QApplication::activeModalWidget();
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, before, act = std::move(act)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const bool opened = dialog != nullptr && dialog != before && dialog->isVisible();
        if (!opened && !deadline.hasExpired()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        if (opened) {
            const QPointer<QDialog> shown = dialog;
            act(dialog);
            if (shown != nullptr && shown->isVisible()) {
                shown->reject();
            }
        }
    });
    poll->start(kPollMs);
}

void MoveMouse(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

int InkIn(const Surface& surface, const QRect& area) {
    return InkIn(surface, area.left(), area.top(), area.right(), area.bottom());
}

std::vector<std::uint32_t> Snapshot(const Surface& surface, const QRect& area) {
    std::vector<std::uint32_t> pixels;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            pixels.push_back(surface.PixelAt(x, y));
        }
    }
    return pixels;
}

int PixelsDiffering(const QImage& shown, const Surface& surface, const QRect& area) {
    int differing = 0;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const QRgb drawn = Surface::ToRgb32(surface.PixelAt(area.left() + x, area.top() + y));
            differing += drawn == (shown.pixel(x, y) | 0xFF000000U) ? 0 : 1;
        }
    }
    return differing;
}

}  // namespace karvelo::testing
