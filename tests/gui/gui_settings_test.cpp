// What the program keeps from one start to the next (in the harness's own settings
// folder), and recordings dropped on the window.
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "app/interface_language.h"
#include "app/program_settings.h"
#include "gui_harness.h"

using namespace karvelo::testing;
using karvelo::Language;

namespace {

// One hit of 2000 samples at 5 µs.
constexpr SineRecording kHit{.Hz = 2000.0, .Samples = 2000, .StepSeconds = 5e-6};

// Drops paths on widget as a file manager does.
void Drop(QWidget* widget, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls << QUrl::fromLocalFile(path);
    }
    data.setUrls(urls);
    const QPointF at = widget->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &drop);
}

// When the open dialog opens: files (if any) chosen from disk, shown gets the name of its
// chosen files, then OK with 1 hit per point.
void AnswerOpenDialog(GuiHarness& h, QString& shown, std::vector<std::string> files = {}) {
    WhenDialogOpens([&h, &shown, files = std::move(files)](QDialog* open) {
        if (!files.empty()) {
            h.openChooser.files = files;
            h.ChooseFilesFromDisk(open);
        }
        shown = open->findChild<QLabel*>(QStringLiteral("sourceName"))->text();
        h.TypeInto(open->findChild<QLineEdit*>(QStringLiteral("hits")), QStringLiteral("1"));
        h.Click(h.Button("OK", open));
    });
}

}  // namespace

class SettingsTest : public GuiTestCase {
    Q_OBJECT

  private slots:
    void languageRecentSourcesAndGeometryAreWrittenAndReadBack() {
        QCOMPARE(karvelo::SavedLanguage(), Language::Russian);
        QVERIFY(karvelo::RecentSources().empty());
        h_->Choose({"View", "Язык / Language", "English"});
        QCOMPARE(karvelo::SavedLanguage(), Language::English);
        h_->Choose({"View", "Язык / Language", "Русский"});
        QCOMPARE(karvelo::SavedLanguage(), Language::Russian);

        // Files loaded from disk become recent source 1; choosing it reopens them through
        // the open dialog.
        QTemporaryDir dir;
        const auto line = WriteRecordings(dir, {"L-1.txt", "L-2.txt"}, kHit);
        QString shown;
        AnswerOpenDialog(*h_, shown, line);
        h_->Choose({"File", "Open..."});
        QCOMPARE(shown, QStringLiteral("L-1.txt (2 files)"));
        QCOMPARE(h_->View().Session().Doc().CurrentProfile().PointCount, 2U);
        QCOMPARE(karvelo::RecentSources(), std::vector<std::vector<std::string>>{line});
        QAction* recent = h_->MenuItem({"File", "1 L-1.txt (2 files)"});
        QVERIFY(recent->isVisible());
        QString reopened;
        AnswerOpenDialog(*h_, reopened);
        recent->trigger();
        QCOMPARE(reopened, shown);
        QCOMPARE(h_->View().Session().Doc().CurrentProfile().PointCount, 2U);
        QCOMPARE(karvelo::RecentSources().size(), std::size_t{1});

        // The window's geometry is kept when it closes and given to the next window.
        h_->Window().resize(700, 500);
        h_->Window().close();
        QVERIFY(!karvelo::SavedWindowGeometry().isEmpty());
        const auto next = karvelo::CreateProgramWindow(h_->chooser, h_->openChooser);
        QCOMPARE(next->size(), QSize(700, 500));
        // Nothing of the analysis fields is kept.
        QCOMPARE(karvelo::FormViewOf(*next)->Form()->findChild<QLineEdit*>("fmax")->text(),
                 QStringLiteral("3000"));
    }

    void droppedRecordingsOpenTheOpenDialogWithThemChosen() {
        QTemporaryDir dir;
        const auto files = WriteRecordings(dir, {"D-1.txt", "D-2.txt"}, kHit);
        QString shown;
        AnswerOpenDialog(*h_, shown);
        Drop(&h_->Window(), {QString::fromStdString(files[0]), QString::fromStdString(files[1])});
        QTRY_COMPARE(shown, QStringLiteral("D-1.txt (2 files)"));
        QCOMPARE(h_->View().Session().Doc().CurrentProfile().PointCount, 2U);
        QVERIFY(h_->TakeMessages().empty());

        // A folder is refused with the file message naming it; nothing opens.
        Drop(&h_->Window(), {dir.path()});
        QCOMPARE(h_->TakeMessages(),
                 std::vector<std::string>{"Cannot open file.\n" + dir.path().toStdString() +
                                          ": a folder, not a recording"});
    }
};

QTEST_MAIN(SettingsTest)
#include "gui_settings_test.moc"
