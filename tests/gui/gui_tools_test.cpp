// The tools of the window: the thickness tools of the form, the report window, the
// chooser's "Файлы с диска…" with what the open dialog then loads, File > "Сохранить
// профиль как SEG-Y…" and the survey map.
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <fstream>

#include "app/profile_report_window.h"
#include "app/survey_map_window.h"
#include "common/field_rules.h"
#include "gui_harness.h"
#include "profile/profile_image.h"

using namespace karvelo::testing;
using karvelo::kRuleShapeFactor;

namespace {

// One hit as a field recorder writes it: a header line, then 2000 samples at 5 µs of a
// decaying sine.
constexpr SineRecording kHit{.Hz = 2000.0,
                             .Samples = 2000,
                             .StepSeconds = 5e-6,
                             .DecaySeconds = 1.0 / 800.0,
                             .Header = true};
}  // namespace

class ToolsTest : public GuiTestCase {
    Q_OBJECT

  private slots:
    void thicknessToolsOfTheFormAndTheReportWindowOverTheirVelocity() {
        h_->OpenProfile();
        // A click on the bin of the dominant maximum shows its refined frequency.
        h_->ClickForm(kPeakX, 500);
        QVERIFY(h_->Label("refined")->isVisible());
        QCOMPARE(h_->Label("refined")->text(), QStringLiteral("1557.14"));

        // A thickness of 1.2 at this point gives the velocity that replaces it.
        h_->TypeInto(h_->Edit("velocityOrThickness"), QStringLiteral("1.2"));
        h_->Click(h_->Form()->findChild<QCheckBox*>("thicknessGiven"));
        h_->Click(h_->Button("Калибровка Cp"));
        QCOMPARE(h_->Edit("velocityOrThickness")->text(), QStringLiteral("3737.13"));
        QVERIFY(!h_->Form()->findChild<QCheckBox*>("thicknessGiven")->isChecked());

        // A shape factor out of 0.5 .. 1.2 is refused and the last one stays.
        h_->TypeInto(h_->Edit("shapeFactor"), QStringLiteral("1.5"));
        h_->ClickForm(kPeakX, 500);
        QCOMPARE(
            h_->TakeMessages(),
            std::vector<std::string>{std::string("Invalid value entered.\n") + kRuleShapeFactor});
        QCOMPARE(h_->Edit("shapeFactor")->text(), QStringLiteral("1"));

        // The report window over that velocity lists every point with its thickness.
        auto* window = h_->OpenReport();
        QVERIFY(window != nullptr);
        QTableWidget* table = window->Table();
        QCOMPARE(table->rowCount(), 10);
        QCOMPARE(table->horizontalHeaderItem(5)->text(),
                 QString::fromUtf8("Толщина по уточнённой частоте,\nмм"));
        QVERIFY(InkIn(window->DrawingSurface(), QRect(50, 50, 800, 200)) > 0);

        // A design thickness with its tolerance marks every point; a bad tolerance is
        // refused by the field's name and changes nothing.
        const int columns = table->columnCount();
        const auto type = [this, window](const char* name, const QString& text) {
            h_->Enter(window, name, text);
        };
        type("designThickness", QStringLiteral("1200"));
        type("tolerance", QStringLiteral("abc"));
        QVERIFY(window->findChild<QLabel*>("status")->text().startsWith(
            QString::fromUtf8("Допуск, мм:")));
        QCOMPARE(table->columnCount(), columns);
        type("tolerance", QStringLiteral("15"));
        QVERIFY(window->findChild<QLabel*>("status")->text().isEmpty());
        QCOMPARE(table->columnCount(), columns + 1);
        QVERIFY(window->SummaryText().contains(
            QString::fromUtf8("Проектная толщина, мм: 1200 ± 15\n")));

        // Sorted by frequency, the row clicked still selects its own point.
        table->sortItems(1);
        const QString point = table->item(9, 0)->text();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualItemRect(table->item(9, 1)).center());
        QCOMPARE(h_->Edit("pointNumber")->text(), point);

        // "Сохранить PDF…" writes the report where the save dialog says.
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        h_->chooser.SetPath(pdf.toStdString());
        h_->Click(h_->Button("Сохранить PDF…", window));
        QCOMPARE(h_->chooser.offeredName, std::string("report.pdf"));
        QVERIFY(QFileInfo(pdf).size() > 0);

        table->clearSelection();
        table->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 1), true);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 table->item(0, 0)->text() + "\t" + table->item(0, 1)->text() + "\n");
    }

    void filesFromDiskLoadSaveAsSegyAndMapASurvey() {
        QTemporaryDir dir;
        // Three points of two hits; natural order puts P-10 last.
        h_->openChooser.files = WriteRecordings(
            dir, {"P-10.txt", "P-1.txt", "P-2.txt", "P-3.txt", "P-4.txt", "P-5.txt"}, kHit);
        bool nameHiddenFirst = false;
        bool chooserStayedOpen = false;
        QString shownName;
        bool optionsShown = false;
        WhenDialogOpens([&](QDialog* open) {
            nameHiddenFirst = !open->findChild<QLabel*>("sourceName")->isVisible();
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
        h_->Choose({"&File", "&Open...\tCtrl+O"});
        QVERIFY(nameHiddenFirst && chooserStayedOpen && optionsShown);
        QCOMPARE(shownName, QStringLiteral("P-10.txt (6 files)"));
        QCOMPARE(h_->View().Session().Doc().CurrentProfile().PointCount, 3U);
        QVERIFY(h_->Window().windowTitle().endsWith(QString::fromUtf8("P-10.txt … (6 файлов)")));

        // OK with no new choice opens the same recordings again, with the hits typed.
        QString sourceShown;
        WhenDialogOpens([&](QDialog* open) {
            sourceShown = open->findChild<QLabel*>("sourceName")->text();
            h_->TypeInto(open->findChild<QLineEdit*>(), QStringLiteral("1"));
            h_->Click(h_->Button("OK", open));
        });
        h_->Choose({"&File", "&Open...\tCtrl+O"});
        QCOMPARE(sourceShown, QStringLiteral("P-10.txt (6 files)"));
        QCOMPARE(h_->View().Session().Doc().CurrentProfile().PointCount, 6U);

        // The loaded line saved as SEG-Y: 3600 header bytes, six traces of 240 + 4 * 2000.
        const QString segy = dir.filePath(QStringLiteral("line.sgy"));
        h_->chooser.SetPath(segy.toStdString());
        h_->Choose({"&File", "Сохранить профиль как SEG-Y…"});
        QCOMPARE(h_->chooser.offeredName, std::string("profile.sgy"));
        QCOMPARE(QFileInfo(segy).size(), 3600 + 6 * (240 + 4 * 2000));
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{});

        // The survey map of a grid, rows G and H of two columns of one-column recordings,
        // read with the interval typed in its own options dialog, opens the row of a cell.
        h_->openChooser.files.clear();
        for (const char* name : {"G-1.txt", "G-2.txt", "H-1.txt", "H-2.txt"}) {
            h_->openChooser.files.push_back(dir.filePath(QString::fromUtf8(name)).toStdString());
            std::string column;
            for (int k = 0; k < 2000; ++k) {
                column += std::to_string(std::exp(-k / 250.0) * std::sin(k * 0.0628)) + "\n";
            }
            std::ofstream(h_->openChooser.files.back()) << column;
        }
        QString surveyNote;
        WhenDialogOpens([&](QDialog* reading) {
            QVERIFY(reading->findChild<QLabel*>("sourceName")->text().endsWith("4"));
            h_->TypeInto(reading->findChild<QLineEdit*>("intervalUs"), QStringLiteral("5"));
            surveyNote = reading->findChild<QLabel*>("fitNote")->text();
            h_->Click(h_->Button("OK", reading));
        });
        h_->Choose({"Tools", "Карта обследования"});
        QVERIFY2(!surveyNote.startsWith("one column of amplitudes without"),
                 qPrintable(surveyNote));
        auto* map = TopLevel<karvelo::SurveyMapWindow>();
        QVERIFY(map != nullptr);
        QCOMPARE(map->Grid().Cells.size(), std::size_t{4});
        QVERIFY(InkIn(map->DrawingSurface(), QRect(60, 40, 88, 52)) > 0);

        // The map fills the window without scrolling; typed spacings put it to scale.
        QVERIFY(QTest::qWaitForWindowExposed(map));
        QVERIFY(map->Geometry().CellWidth() > karvelo::kSurveyCellWidth);
        QVERIFY(map->MapLabel()->width() <= map->MapLabel()->parentWidget()->width());
        const auto type = [this, map](const char* name, const QString& text) {
            h_->Enter(map, name, text);
        };
        type("rowSpacing", QStringLiteral("1"));
        type("columnSpacing", QStringLiteral("0,5"));
        const karvelo::SurveyGeometry& geometry = map->Geometry();
        QVERIFY(geometry.Spacing.has_value());
        QVERIFY(std::abs(geometry.RowStep - 2.0 * geometry.ColumnStep) < 1e-9);

        // The condition classes: every cell rings at 2000 Hz, f_T at 960 mm with 4000 m/s and
        // 0.96; at 600 mm f_T is 3200 Hz and 2000 Hz lies in the fair range; a bad
        // threshold is named and changes nothing; no thickness, no class map.
        const auto classCount = [map](karvelo::ConditionClass condition) {
            return karvelo::CountConditions(map->Classes())
                .Count[static_cast<std::size_t>(condition)];
        };
        QVERIFY(map->ClassSurface() == nullptr);
        type("classVelocity", QStringLiteral("4000"));
        type("classBeta", QStringLiteral("0,96"));
        type("designThickness", QStringLiteral("960"));
        QVERIFY(map->ClassSurface() != nullptr);
        QCOMPARE(classCount(karvelo::ConditionClass::Good), std::size_t{4});
        auto* classMap = map->findChild<QLabel*>(QStringLiteral("classMap"));
        QVERIFY(classMap->isVisible() && classMap->x() >= map->MapLabel()->width());
        type("designThickness", QStringLiteral("600"));
        QCOMPARE(classCount(karvelo::ConditionClass::Fair), std::size_t{4});
        type("classFairLow", QStringLiteral("0.95"));
        QVERIFY(map->findChild<QLabel*>(QStringLiteral("status"))->text().startsWith("Классы"));
        QCOMPARE(classCount(karvelo::ConditionClass::Fair), std::size_t{4});
        type("classFairLow", QStringLiteral("0.6"));
        type("designThickness", QString());
        QVERIFY(map->ClassSurface() == nullptr && !classMap->isVisible());
        type("designThickness", QStringLiteral("600"));

        // H-2 clicked: named with its distances and selected, the loaded line untouched;
        // "Открыть строку" then opens the line of row H with its second point shown.
        const QPoint cell(geometry.ColumnLeft(2) + 10, geometry.RowTop(1) + 10);
        QTest::mouseClick(map->MapLabel(), Qt::LeftButton, {}, cell);
        QVERIFY(map->CellText().startsWith(QStringLiteral("H-2 (1 м; 0.5 м): ")));
        QVERIFY(map->CellText().contains(QStringLiteral("H-2.txt")));
        QVERIFY(map->CellText().contains(QStringLiteral(", удовл.")));
        QCOMPARE(h_->View().Session().Doc().CurrentProfile().PointCount, 6U);
        h_->Click(map->OpenRowButton());
        QCOMPARE(h_->View().Session().Doc().CurrentProfile().PointCount, 2U);
        QCOMPARE(h_->Edit("pointNumber")->text(), QStringLiteral("1"));

        // "Сохранить CSV…" writes the grid where the save dialog says.
        const QString csv = dir.filePath(QStringLiteral("survey.csv"));
        h_->chooser.SetPath(csv.toStdString());
        h_->Click(h_->Button("Сохранить CSV…", map));
        QCOMPARE(h_->chooser.offeredName, std::string("survey.csv"));
        QFile saved(csv);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith("row,1,2\r\n"));
        QVERIFY(h_->TakeMessages().empty());
    }

    void theOpenDialogSaysWhatTheFitDoesAndAsksForAMissingInterval() {
        // One column of 6001 amplitudes: no interval until one is typed, then the whole
        // record resampled onto 2 us.
        QTemporaryDir dir;
        const std::string column = dir.filePath(QStringLiteral("column.txt")).toStdString();
        std::string text;
        for (int k = 0; k < 6001; ++k) {
            text += std::to_string(k % 7) + "\n";
        }
        std::ofstream(column) << text;
        h_->openChooser.files = {column};
        QString before;
        QString after;
        WhenDialogOpens([&](QDialog* open) {
            h_->ChooseFilesFromDisk(open);
            before = open->findChild<QLabel*>("fitNote")->text();
            auto* interval = open->findChild<QLineEdit*>("intervalUs");
            h_->TypeInto(interval, QStringLiteral("0,5"));
            QTest::keyClick(interval, Qt::Key_Tab);
            after = open->findChild<QLabel*>("fitNote")->text();
            h_->Click(h_->Button("OK", open));
        });
        h_->Choose({"&File", "&Open...\tCtrl+O"});
        QVERIFY2(before.startsWith("one column of amplitudes without a sample interval"),
                 qPrintable(before));
        QCOMPARE(after, QStringLiteral("6001 samples at 0.5 us resampled to 1500 at 2 us (whole "
                                       "record kept)"));
        const karvelo::Profile& loaded = h_->View().Session().Doc().CurrentProfile();
        QCOMPARE(karvelo::SamplesPerTrace(loaded.image), std::uint16_t{1500});
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{after.toStdString()});
    }
};

QTEST_MAIN(ToolsTest)
#include "gui_tools_test.moc"
