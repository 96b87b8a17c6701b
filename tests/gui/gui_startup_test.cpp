// The main window right after start, its menus, toolbar and bars, and the commands that
// need no profile.
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPrintDialog>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "gui_harness.h"

using namespace karvelo::testing;

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { h_ = std::make_unique<GuiHarness>(); }
    void cleanup() { h_.reset(); }

    void windowStartsWithAWhiteDrawingAndRefusesWhatNeedsAProfile() {
        QVERIFY(!h_->Button("Спектр профиля")->isEnabled() && !h_->Button("S")->isEnabled());
        QVERIFY(!h_->Label("frequency")->isVisible() && !h_->Label("quality")->isVisible());
        QCOMPARE(InkIn(h_->Drawing(), kPanels), 0);
        // What the window shows under the controls is that white drawing.
        QCOMPARE(h_->Form()->grab().toImage().pixelColor(700, 200), QColor(Qt::white));
        h_->Choose({"Tools", "Корр. функция"});
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{"Cannot execute command."});
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        h_->Choose({"Tools", "Добротность", "Сохранить в файл"});
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{"No data to save."});
    }

    void radioGroupsAndTabOrder() {
        h_->Click(h_->Button("Плотностной вид"));
        QVERIFY(h_->Button("Одна трасса")->isChecked());
        h_->Click(h_->Button("Усреднённый спектр"));
        QVERIFY(!h_->Button("Одна трасса")->isChecked());
        QVERIFY(h_->Button("Плотностной вид")->isChecked());

        // From the point edit the tab key goes to the checked display radio, then on to the
        // band.
        h_->Edit("pointNumber")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(h_->Button("Плотностной вид")));
        QWidget* band = h_->Button("Изменить диапазон частот");
        for (int presses = 0; presses < 4 && QApplication::focusWidget() != band; ++presses) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), band);
        QTest::keyClick(band, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(h_->Edit("traceNumber")));
    }

    void barsAndCheckMarksFollowTheirMenuItems() {
        QVERIFY(h_->Window().findChild<QStatusBar*>() == nullptr);
        QToolBar* toolBar = h_->Bar("toolBar");
        QCOMPARE(toolBar->actions(),
                 (QList<QAction*>{h_->MenuItem({"&File", "&Open...\tCtrl+O"}),
                                  h_->MenuItem({"&Help", "&About Karvelo..."})}));
        QToolBar* picking = h_->Bar("pickingBar");
        QAction* quality = h_->MenuItem({"Tools", "Добротность", "Вкл. отображение"});
        for (bool on : {false, true}) {
            h_->Choose({"&View", "&Toolbar"});
            h_->Choose({"Tools", "Пикирование"});
            h_->Choose({"Tools", "Добротность", "Вкл. отображение"});
            QCOMPARE(toolBar->isVisible(), on);
            QCOMPARE(h_->MenuItem({"&View", "&Toolbar"})->isChecked(), on);
            QCOMPARE(picking->isVisible(), !on);
            QCOMPARE(h_->MenuItem({"Tools", "Пикирование"})->isChecked(), !on);
            QCOMPARE(quality->isChecked(), !on);
        }
        QCOMPARE(h_->Window().toolBarArea(picking), Qt::BottomToolBarArea);
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(StartupTest)
#include "gui_startup_test.moc"
