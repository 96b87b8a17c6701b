// The thickness tools of the form: the shape factor field, trend removal, the refined
// frequency of a clicked maximum, "Калибровка Cp" and the report window.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/profile_report_window.h"
#include "gui_harness.h"

using namespace karvelo::testing;

namespace {
const QStringList kReport{"Tools", "Отчёт по профилю"};

karvelo::ProfileReportWindow* ReportWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<karvelo::ProfileReportWindow*>(widget)) {
            return window;
        }
    }
    return nullptr;
}
}  // namespace

class ReportToolsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { h_ = std::make_unique<GuiHarness>(); }
    void cleanup() { h_.reset(); }

    void clickOnAMaximumShowsItsRefinedFrequencyAndCalibrates() {
        h_->OpenProfile();
        QLabel* refined = h_->Label("refined");
        // Across the 1575 Hz peak, a click on its bin shows the refined frequency.
        int shownAt = -1;
        for (int x = 425; x <= 445 && shownAt < 0; ++x) {
            h_->ClickForm(x, 500);
            shownAt = refined->isVisible() ? x : -1;
        }
        QVERIFY(shownAt > 0);
        QCOMPARE(refined->text(), QStringLiteral("1557.14"));

        // A thickness of 1.2 at this point gives the velocity that replaces it.
        h_->TypeInto(h_->Edit("velocityOrThickness"), QStringLiteral("1.2"));
        h_->Click(h_->Form()->findChild<QCheckBox*>("thicknessGiven"));
        h_->Click(h_->Button("Калибровка Cp"));
        QCOMPARE(h_->Edit("velocityOrThickness")->text(), QStringLiteral("3737.13"));
        QVERIFY(!h_->Form()->findChild<QCheckBox*>("thicknessGiven")->isChecked());
        QVERIFY(h_->TakeMessages().empty());

        // A shape factor out of 0.5 .. 1.2 is refused and the last one stays.
        h_->TypeInto(h_->Edit("shapeFactor"), QStringLiteral("1.5"));
        h_->ClickForm(shownAt, 500);
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{"Invalid value entered."});
        QCOMPARE(h_->Edit("shapeFactor")->text(), QStringLiteral("1"));
    }

    void reportWindowListsEveryPointAndSelectsOne() {
        h_->OpenProfile();
        h_->TypeInto(h_->Edit("velocityOrThickness"), QStringLiteral("3780"));
        h_->Choose(kReport);
        karvelo::ProfileReportWindow* window = ReportWindow();
        QVERIFY(window != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTableWidget* table = window->Table();
        QCOMPARE(table->rowCount(), 10);
        QCOMPARE(table->horizontalHeaderItem(5)->text(), QStringLiteral("thickness"));
        QVERIFY(InkIn(window->DrawingSurface(), QRect(50, 50, 800, 200)) > 0);

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
        table->item(0, 0)->setSelected(true);
        table->item(0, 1)->setSelected(true);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 table->item(0, 0)->text() + "\t" + table->item(0, 1)->text() + "\n");
        window->close();
    }

    void reportIsRefusedWithNothingLoaded() {
        h_->Choose(kReport);
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{"Cannot execute command."});
        QVERIFY(ReportWindow() == nullptr);
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(ReportToolsTest)
#include "gui_report_test.moc"
