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

    void windowStartsWithTitleEditsAndWhiteDrawing() {
        QCOMPARE(h_->Window().windowTitle(), QStringLiteral("Karvelo demo version"));
        const QStringList edits{"pointNumber", "traceNumber", "fmax", "fmin",
                                "velocityOrThickness"};
        const QStringList texts{"0", "0", "3000", "0", "0"};
        for (int i = 0; i < edits.size(); ++i) {
            QCOMPARE(h_->Edit(qPrintable(edits[i]))->text(), texts[i]);
        }
        QVERIFY(!h_->Button("Спектр профиля")->isEnabled());
        QVERIFY(!h_->Button("S")->isEnabled());
        QVERIFY(h_->Button("Одна трасса")->isChecked());
        QVERIFY(h_->Button("Графический вид")->isChecked());
        for (const char* label : {"frequency", "derived", "quality", "Толщина/скорость",
                                  "Добротность", "Используемая палитра"}) {
            QVERIFY2(!h_->Label(label)->isVisible(), label);
        }
        QCOMPARE(h_->Maxima()->count(), 0);

        const karvelo::Surface& drawing = h_->Drawing();
        QVERIFY(drawing.Width() >= 1280 && drawing.Height() >= 720);
        QCOMPARE(InkIn(drawing, kPanels), 0);
        // What the window shows under the controls is that white drawing.
        QCOMPARE(h_->Form()->grab().toImage().pixelColor(700, 200), QColor(Qt::white));
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

    void menusToolbarAndBarsWithoutAStatusBar() {
        QStringList tops;
        for (QAction* action : h_->Window().menuBar()->actions()) {
            tops << action->text();
        }
        QCOMPARE(tops, (QStringList{"&File", "&View", "&Help", "Tools"}));
        QVERIFY(h_->MenuItem({"&File", "E&xit"}) != nullptr);
        QVERIFY(h_->Window().findChild<QStatusBar*>() == nullptr);

        // The toolbar carries Open and About, and View > Toolbar hides and shows it.
        QToolBar* toolBar = h_->Bar("toolBar");
        QCOMPARE(toolBar->actions(),
                 (QList<QAction*>{h_->MenuItem({"&File", "&Open...\tCtrl+O"}),
                                  h_->MenuItem({"&Help", "&About Karvelo..."})}));
        for (bool shown : {false, true}) {
            h_->Choose({"&View", "&Toolbar"});
            QCOMPARE(toolBar->isVisible(), shown);
            QCOMPARE(h_->MenuItem({"&View", "&Toolbar"})->isChecked(), shown);
        }
        QString about;
        WhenDialogOpens([&](QDialog* dialog) {
            about = dialog->windowTitle();
            h_->Click(h_->Button("OK", dialog));
        });
        h_->Click(toolBar->widgetForAction(toolBar->actions().at(1)));
        QCOMPARE(about, QStringLiteral("About Karvelo"));

        // Check marks of the picking bar and of the quality display follow their items.
        QToolBar* picking = h_->Bar("pickingBar");
        QAction* quality = h_->MenuItem({"Tools", "Добротность", "Вкл. отображение"});
        for (bool on : {true, false}) {
            h_->Choose({"Tools", "Пикирование"});
            h_->Choose({"Tools", "Добротность", "Вкл. отображение"});
            QCOMPARE(picking->isVisible(), on);
            QCOMPARE(h_->MenuItem({"Tools", "Пикирование"})->isChecked(), on);
            QCOMPARE(quality->isChecked(), on);
            if (on) {
                QCOMPARE(h_->Window().toolBarArea(picking), Qt::BottomToolBarArea);
                for (const char* text : {"Ok", "Удалить точки", "Сохранить"}) {
                    QVERIFY2(h_->Button(text, picking)->isVisible(), text);
                }
            }
        }
    }

    void commandsThatNeedAProfileRefuseBeforeALoad() {
        h_->Choose({"Tools", "Корр. функция"});
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{"Cannot execute command."});
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        h_->Choose({"Tools", "Добротность", "Сохранить в файл"});
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{"No data to save."});
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(StartupTest)
#include "gui_startup_test.moc"
