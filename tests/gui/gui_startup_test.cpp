// The main window right after start, its menus, toolbar and bars, and the commands that
// need no profile.
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "gui_harness.h"

using karvelo::testing::GuiHarness;

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { h_ = std::make_unique<GuiHarness>(); }
    void cleanup() { h_.reset(); }

    void windowStartsWithTitleEditsAndWhiteDrawing() {
        QCOMPARE(h_->Window().windowTitle(), QStringLiteral("Karvelo demo version"));
        QCOMPARE(h_->Edit("pointNumber")->text(), QStringLiteral("0"));
        QCOMPARE(h_->Edit("traceNumber")->text(), QStringLiteral("0"));
        QCOMPARE(h_->Edit("fmax")->text(), QStringLiteral("3000"));
        QCOMPARE(h_->Edit("fmin")->text(), QStringLiteral("0"));
        QCOMPARE(h_->Edit("velocityOrThickness")->text(), QStringLiteral("0"));
        QVERIFY(!h_->Button("Спектр профиля")->isEnabled());
        QVERIFY(!h_->Button("S")->isEnabled());
        QVERIFY(h_->Button("Одна трасса")->isChecked());
        QVERIFY(h_->Button("Графический вид")->isChecked());

        const karvelo::Surface& drawing = h_->Drawing();
        QVERIFY(drawing.Width() >= 1280 && drawing.Height() >= 720);
        QCOMPARE(karvelo::testing::InkIn(drawing, QRect(0, 0, drawing.Width(), drawing.Height())),
                 0);
        // What the window shows under the controls is that white drawing.
        const QImage shown = h_->Form()->grab().toImage();
        QCOMPARE(shown.pixelColor(700, 200), QColor(Qt::white));
    }

    void analysisControlsStartHidden() {
        for (const char* name : {"frequency", "derived", "quality", "contrast"}) {
            QWidget* control = h_->Form()->findChild<QWidget*>(QString::fromUtf8(name));
            QVERIFY2(control != nullptr && !control->isVisible(), name);
        }
        const auto labels = h_->Form()->findChildren<QLabel*>();
        for (const char* text : {"Толщина/скорость", "Добротность", "Используемая палитра",
                                 "Регулирование  контрастности"}) {
            const auto found = std::find_if(labels.begin(), labels.end(), [text](QLabel* label) {
                return label->text() == QString::fromUtf8(text);
            });
            QVERIFY2(found != labels.end() && !(*found)->isVisible(), text);
        }
        QCOMPARE(h_->Form()->findChild<QListWidget*>()->count(), 0);
    }

    void controlsSitAtTheirTemplatePositions() {
        // Dialog units times 6/4 across and 13/8 down.
        QCOMPARE(h_->Edit("pointNumber")->geometry(), QRect(117, 87, 60, 23));
        QCOMPARE(h_->Button("D")->geometry(), QRect(178, 341, 21, 23));
        QCOMPARE(h_->Button("Одна трасса")->geometry(), QRect(45, 146, 88, 16));
    }

    void spectrumRadiosFormOneGroupAndViewRadiosAnother() {
        // Checking a view radio leaves the spectrum radio checked, and the reverse.
        h_->Click(h_->Button("Плотностной вид"));
        QVERIFY(h_->Button("Плотностной вид")->isChecked());
        QVERIFY(h_->Button("Одна трасса")->isChecked());
        h_->Click(h_->Button("Усреднённый спектр"));
        QVERIFY(h_->Button("Усреднённый спектр")->isChecked());
        QVERIFY(!h_->Button("Одна трасса")->isChecked());
        QVERIFY(h_->Button("Плотностной вид")->isChecked());
    }

    void tabOrderFollowsTheTemplate() {
        // From the point edit the tab key goes on to the display radios, then the band.
        QLineEdit* point = h_->Edit("pointNumber");
        point->setFocus();
        QVERIFY(point->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(h_->Button("Графический вид")));
        QWidget* next = nullptr;
        for (int presses = 0; presses < 4; ++presses) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            next = QApplication::focusWidget();
            if (next == h_->Button("Изменить диапазон частот")) {
                break;
            }
        }
        QCOMPARE(next, static_cast<QWidget*>(h_->Button("Изменить диапазон частот")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(h_->Edit("traceNumber")));
    }

    void menusCarryEveryItem() {
        const QStringList tops = [this] {
            QStringList texts;
            for (QAction* action : h_->Window().menuBar()->actions()) {
                texts << action->text();
            }
            return texts;
        }();
        QCOMPARE(tops, (QStringList{"&File", "&View", "&Help", "Tools"}));
        QVERIFY(h_->MenuItem({"&File", "E&xit"}) != nullptr);
        QVERIFY(h_->MenuItem({"&Help", "&About Karvelo..."}) != nullptr);
        QVERIFY(h_->MenuItem({"Tools", "Корр. функция"}) != nullptr);
        QVERIFY(h_->MenuItem({"Tools", "Добротность", "Сохранить в файл"}) != nullptr);
        QAction* toolbar = h_->MenuItem({"&View", "&Toolbar"});
        QVERIFY(toolbar->isCheckable() && toolbar->isChecked());
        QAction* picking = h_->MenuItem({"Tools", "Пикирование"});
        QVERIFY(picking->isCheckable() && !picking->isChecked());
        QAction* quality = h_->MenuItem({"Tools", "Добротность", "Вкл. отображение"});
        QVERIFY(quality->isCheckable() && !quality->isChecked());
    }

    void toolbarHasOpenAndAboutAndThereIsNoStatusBar() {
        auto* toolBar = h_->Window().findChild<QToolBar*>(QStringLiteral("toolBar"));
        QVERIFY(toolBar->isVisible());
        QCOMPARE(toolBar->actions().size(), 2);
        QCOMPARE(toolBar->actions().at(0), h_->MenuItem({"&File", "&Open...\tCtrl+O"}));
        QCOMPARE(toolBar->actions().at(1), h_->MenuItem({"&Help", "&About Karvelo..."}));
        QVERIFY(h_->Window().findChild<QStatusBar*>() == nullptr);

        h_->Choose({"&View", "&Toolbar"});
        QVERIFY(!toolBar->isVisible());
        QVERIFY(!h_->MenuItem({"&View", "&Toolbar"})->isChecked());
        h_->Choose({"&View", "&Toolbar"});
        QVERIFY(toolBar->isVisible());
    }

    void pickingBarFollowsItsMenuItem() {
        auto* bar = h_->Window().findChild<QToolBar*>(QStringLiteral("pickingBar"));
        QVERIFY(!bar->isVisible());
        h_->Choose({"Tools", "Пикирование"});
        QVERIFY(bar->isVisible());
        QVERIFY(h_->MenuItem({"Tools", "Пикирование"})->isChecked());
        QCOMPARE(h_->Window().toolBarArea(bar), Qt::BottomToolBarArea);
        for (const char* text : {"Ok", "Удалить точки", "Сохранить"}) {
            QVERIFY2(h_->Button(text, bar)->isVisible(), text);
        }
        h_->Choose({"Tools", "Пикирование"});
        QVERIFY(!bar->isVisible());
        QVERIFY(!h_->MenuItem({"Tools", "Пикирование"})->isChecked());
    }

    void qualityDisplayTogglesItsCheckMark() {
        QAction* item = h_->MenuItem({"Tools", "Добротность", "Вкл. отображение"});
        h_->Choose({"Tools", "Добротность", "Вкл. отображение"});
        QVERIFY(item->isChecked());
        h_->Choose({"Tools", "Добротность", "Вкл. отображение"});
        QVERIFY(!item->isChecked());
    }

    void commandsThatNeedAProfileRefuseBeforeALoad() {
        h_->Choose({"Tools", "Корр. функция"});
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{"Cannot execute command."});
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        h_->Choose({"Tools", "Добротность", "Сохранить в файл"});
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{"No data to save."});
    }

    void typingBeforeALoadKeepsTheDrawingWhite() {
        h_->TypeInto(h_->Edit("traceNumber"), QStringLiteral("7"));
        QCOMPARE(h_->Edit("traceNumber")->text(), QStringLiteral("7"));
        const karvelo::Surface& drawing = h_->Drawing();
        QCOMPARE(karvelo::testing::InkIn(drawing, QRect(0, 0, drawing.Width(), drawing.Height())),
                 0);
        QVERIFY(h_->TakeMessages().empty());
    }

    void aboutBoxOpensFromTheToolbar() {
        QString title;
        karvelo::testing::WhenDialogOpens([&](QDialog* dialog) {
            title = dialog->windowTitle();
            h_->Click(h_->Button("OK", dialog));
        });
        auto* toolBar = h_->Window().findChild<QToolBar*>(QStringLiteral("toolBar"));
        h_->Click(qobject_cast<QToolButton*>(
            toolBar->widgetForAction(h_->MenuItem({"&Help", "&About Karvelo..."}))));
        QCOMPARE(title, QStringLiteral("About Karvelo"));
    }

    void ctrlPPrintsTheDrawingThroughThePrintDialog() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("form.pdf"));
        bool printDialog = false;
        karvelo::testing::WhenDialogOpens([&](QDialog* dialog) {
            printDialog = qobject_cast<QPrintDialog*>(dialog) != nullptr;
            // Printing to a PDF file: the file name typed into the dialog, then "Print".
            auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            if (file == nullptr || buttons == nullptr) {
                dialog->reject();
                return;
            }
            h_->TypeInto(file, path);
            h_->Click(buttons->button(QDialogButtonBox::Ok));
        });
        QTest::keyClick(&h_->Window(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(printDialog);
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF");
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(StartupTest)
#include "gui_startup_test.moc"
