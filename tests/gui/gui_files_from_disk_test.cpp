// Measurements from disk in the window: the chooser's "Файлы с диска…", what the open
// dialog then shows and loads, a refused file, and File > "Сохранить профиль как SEG-Y…".
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <fstream>
#include <numbers>

#include "app/survey_map_window.h"
#include "gui_harness.h"
#include "profile/profile_image.h"

using namespace karvelo::testing;

namespace {
const QStringList kOpen{"&File", "&Open...\tCtrl+O"};
const QStringList kSaveSegy{"&File", "Сохранить профиль как SEG-Y…"};

constexpr int kSamples = 2000;
constexpr double kStep = 5e-6;  // 5 µs, as field recorders write

// One hit as a field recorder writes it: a header line, then time and amplitude of a
// decaying sine, one line a sample.
std::string WriteRecording(const QTemporaryDir& dir, const std::string& name, double hz) {
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream out(path);
    out << "Time\tChannel 1\n";
    char line[64];
    for (int i = 0; i < kSamples; ++i) {
        const double t = i * kStep;
        const double v = std::exp(-t * 800.0) * std::sin(2.0 * std::numbers::pi * hz * t);
        std::snprintf(line, sizeof line, "%.6E\t%.6E\n", t, v);
        out << line;
    }
    return path;
}
}  // namespace

class FilesFromDiskTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { h_ = std::make_unique<GuiHarness>(); }
    void cleanup() { h_.reset(); }

    void chosenFilesAreNamedAndLoaded() {
        QTemporaryDir dir;
        // Three points of two hits; natural order puts P-10 last.
        for (const char* name :
             {"P-10.txt", "P-1.txt", "P-2.txt", "P-3.txt", "P-4.txt", "P-5.txt"}) {
            h_->openChooser.files.push_back(WriteRecording(dir, name, 2000.0));
        }
        bool chooserStayedOpen = false;
        QString shownName;
        bool optionsShown = false;
        h_->ChooseWithDialog(kOpen, [&](QDialog* open) {
            QVERIFY(!open->findChild<QLabel*>("sourceName")->isVisible());
            WhenDialogOpens([&](QDialog* chooser) {
                // A cancelled file dialog keeps the chooser open; confirmed files close it.
                const auto answer = std::exchange(h_->openChooser.files, {});
                h_->Click(h_->Button("Файлы с диска…", chooser));
                chooserStayedOpen = chooser->isVisible();
                h_->openChooser.files = answer;
                h_->Click(h_->Button("Файлы с диска…", chooser));
            });
            h_->Click(h_->Button("Выбрать файлы", open));
            shownName = open->findChild<QLabel*>("sourceName")->text();
            optionsShown = h_->Button("Первые 2048 отсчётов", open)->isVisible() &&
                           h_->Button("Шаг в целых мкс", open)->isVisible();
            h_->TypeInto(open->findChild<QLineEdit*>(), QStringLiteral("2"));
            h_->Click(h_->Button("OK", open));
        });
        QVERIFY(chooserStayedOpen);
        QCOMPARE(h_->openChooser.calls, 2);
        QCOMPARE(shownName, QStringLiteral("P-10.txt (6 files)"));
        QVERIFY(optionsShown);
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{});
        QCOMPARE(karvelo::PointCount, 3U);
        QVERIFY(karvelo::ProfileTimeUnit == karvelo::TimeUnit::kMicroseconds);
        QVERIFY(InkIn(h_->Drawing(), kTraceFrame) > 0);
        // 100 Hz bins: the listed maxima include the 2000 Hz line inside the band offered.
        bool found = false;
        for (int i = 0; i < h_->Maxima()->count(); ++i) {
            found = found || h_->Maxima()->item(i)->text().startsWith(QStringLiteral("(2000;"));
        }
        QVERIFY(found);

        // The loaded line saved as SEG-Y: 3600 header bytes, six traces of 240 + 4 * 2000.
        const QString segy = dir.filePath(QStringLiteral("line.sgy"));
        h_->chooser.SetPath(segy.toStdString());
        h_->Choose(kSaveSegy);
        QCOMPARE(h_->chooser.offeredName, std::string("profile.sgy"));
        QCOMPARE(QFileInfo(segy).size(), 3600 + 6 * (240 + 4 * kSamples));
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{});
    }

    void aRefusedFileLoadsNothingAndSaysWhy() {
        h_->OpenProfile();
        QTemporaryDir dir;
        const std::string good = WriteRecording(dir, "A.txt", 2000.0);
        const std::string bad = dir.filePath(QStringLiteral("B.txt")).toStdString();
        std::ofstream(bad) << "0\t1\n5e-6\tx\n";
        h_->openChooser.files = {good, bad};
        h_->ChooseWithDialog(kOpen, [&](QDialog* open) {
            WhenDialogOpens(
                [&](QDialog* chooser) { h_->Click(h_->Button("Файлы с диска…", chooser)); });
            h_->Click(h_->Button("Выбрать файлы", open));
            h_->Click(h_->Button("OK", open));
        });
        const std::vector<std::string> shown = h_->TakeMessages();
        QCOMPARE(shown.size(), std::size_t{1});
        QVERIFY(shown[0].starts_with("Cannot read file.\n"));
        QVERIFY(shown[0].ends_with("B.txt, line 2: not a line of numbers"));
        QCOMPARE(karvelo::PointCount, 10U);  // the built-in profile stays
    }

    void surveyMapOfAGridOpensTheRowOfAClickedCell() {
        // Rows G and H of two columns; H-2 rings lower.
        QTemporaryDir dir;
        for (const auto& [name, hz] : {std::pair{"G-1.txt", 2000.0},
                                       {"G-2.txt", 2000.0},
                                       {"H-1.txt", 2000.0},
                                       {"H-2.txt", 1500.0}}) {
            h_->openChooser.files.push_back(WriteRecording(dir, name, hz));
        }
        h_->Choose({"Tools", "Карта обследования"});
        karvelo::SurveyMapWindow* map = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            map = map != nullptr ? map : dynamic_cast<karvelo::SurveyMapWindow*>(widget);
        }
        QVERIFY(map != nullptr);
        const karvelo::SurveyGrid& grid = map->Grid();
        QCOMPARE(grid.Cells.size(), std::size_t{4});
        QVERIFY(std::abs(grid.At(1, 1).Value - 1500.0) < 100.0);
        QVERIFY(std::abs(grid.At(0, 0).Value - 2000.0) < 100.0);
        QVERIFY(InkIn(map->DrawingSurface(), QRect(60, 40, 88, 52)) > 0);

        // H-2: the line of row H opens with its second point shown.
        const QPoint cell(karvelo::kSurveyLeft + karvelo::kSurveyCellWidth + 10,
                          karvelo::kSurveyTop + karvelo::kSurveyCellHeight + 10);
        QTest::mouseClick(map->MapLabel(), Qt::LeftButton, {}, cell);
        QCOMPARE(karvelo::PointCount, 2U);
        QCOMPARE(h_->Edit("pointNumber")->text(), QStringLiteral("1"));
        QVERIFY(h_->TakeMessages().empty());
        map->close();
    }

    void savingWithNothingLoadedIsRefused() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("unused.sgy"));
        h_->chooser.SetPath(path.toStdString());
        h_->Choose(kSaveSegy);
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{"No data to save."});
        QVERIFY(!QFileInfo::exists(path));
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(FilesFromDiskTest)
#include "gui_files_from_disk_test.moc"
