// The main window without a profile and through File > Open: menus, bars, radio groups, the
// open dialog, messages, the progress box and room for every text.
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "app/message_box_sink.h"
#include "app/progress_dialog.h"
#include "app/qt_progress_box.h"
#include "common/field_rules.h"
#include "gui_harness.h"

using namespace karvelo::testing;

const QStringList kOpen{"&File", "&Open...\tCtrl+O"};

class WindowTest : public GuiTestCase {
    Q_OBJECT

  private slots:
    void windowWithoutAProfileRefusesWhatNeedsOne() {
        QVERIFY(!h_->Button("Спектр профиля")->isEnabled() && !h_->Button("S")->isEnabled());
        QVERIFY(!h_->Label("frequency")->isVisible() && !h_->Label("quality")->isVisible());
        struct Case {
            QStringList item;
            const char* message;
        };
        const Case cases[] = {
            {{"Tools", "Корр. функция"}, "Cannot execute command."},
            {{"Tools", "Отчёт по профилю"}, "Cannot execute command."},
            {{"Tools", "Добротность", "Сохранить в файл"}, "No data to save."},
            {{"&File", "Сохранить профиль как SEG-Y…"}, "No data to save."},
        };
        h_->chooser.SetPath("unused.sgy");  // refused before the file is asked for
        for (const Case& c : cases) {
            h_->Choose(c.item);
            QCOMPARE(h_->TakeMessages(), std::vector<std::string>{c.message});
            QVERIFY(QApplication::activeModalWidget() == nullptr);
        }
        QVERIFY(!QFileInfo::exists("unused.sgy"));
    }

    void radioGroupsAreExclusiveEach() {
        h_->Click(h_->Button("Плотностной вид"));
        QVERIFY(h_->Button("Одна трасса")->isChecked());
        h_->Click(h_->Button("Усреднённый спектр"));
        QVERIFY(!h_->Button("Одна трасса")->isChecked() &&
                h_->Button("Плотностной вид")->isChecked());
    }

    void barsAndCheckMarksFollowTheirMenuItems() {
        QToolBar* toolBar = h_->Bar("toolBar");
        QCOMPARE(
            toolBar->actions(),
            (QList<QAction*>{h_->MenuItem(kOpen), h_->MenuItem({"&Help", "&About Karvelo..."})}));
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

    void loadedDrawingScrollsWithTheControls() {
        h_->OpenProfile();
        QVERIFY(InkIn(h_->Drawing(), kSpectrumFrame) > 0);
        QVERIFY(h_->Button("Спектр профиля")->isEnabled());

        // In a small window the controls and the drawing scroll by the same amount, and no
        // control covers the spectrum.
        h_->Window().resize(640, 480);
        QTest::qWait(0);
        QScrollArea& area = h_->View();
        area.horizontalScrollBar()->setValue(200);
        area.verticalScrollBar()->setValue(300);
        const QPoint offset(area.horizontalScrollBar()->value(), area.verticalScrollBar()->value());
        QVERIFY(offset.x() > 0 && offset.y() > 0);
        QCOMPARE(h_->Button("D")->mapTo(area.viewport(), QPoint(0, 0)), QPoint(183, 341) - offset);
        const QImage shown = area.viewport()->grab(kSpectrumFrame.translated(-offset)).toImage();
        QCOMPARE(PixelsDiffering(shown, h_->Drawing(), kSpectrumFrame), 0);
    }

    void ctrlOOffersTheLastHitsThenTheDialogAndTheLoadCheckThem() {
        h_->OpenProfile("1 канал", QStringLiteral("2"));
        QString offered;
        std::vector<std::string> prompts;
        QString boxText;
        bool closed = false;
        WhenDialogOpens([&](QDialog* dialog) {
            // After a load of one channel with 2 hits: 2 again, but both channels.
            offered = h_->Button("Оба канала", dialog)->isChecked()
                          ? dialog->findChild<QLineEdit*>()->text()
                          : QString();
            for (const char* typed : {"25", "-2"}) {
                h_->TypeInto(dialog->findChild<QLineEdit*>(), QString::fromUtf8(typed));
                h_->Click(h_->Button("OK", dialog));
            }
            prompts = h_->TakeMessages();
            // 20 is in the dialog's range; the load refuses it for 10 hits per channel in a
            // message box over the dialog, which then closes.
            karvelo::MessageBoxSink boxes(&h_->Window());
            const karvelo::ScopedMessageSink scope(&boxes);
            WhenDialogOpens([&](QDialog* box) {
                boxText = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
                QVERIFY(box->parentWidget() == dialog);
                h_->Click(h_->Button("OK", box));
            });
            h_->TypeInto(dialog->findChild<QLineEdit*>(), QStringLiteral("20"));
            h_->Click(h_->Button("OK", dialog));
            closed = !dialog->isVisible();
        });
        QTest::keyClick(&h_->Window(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(offered, QStringLiteral("2"));
        QVERIFY(closed);
        const std::string hitsRule = std::string("\n") + karvelo::kRuleHits;
        QCOMPARE(prompts,
                 (std::vector<std::string>{"Please enter an integer between 1 and 20." + hitsRule,
                                           "Please enter a positive integer." + hitsRule}));
        QCOMPARE(boxText, QStringLiteral("Invalid number of hits."));
        // The main window has the keyboard back.
        QTRY_VERIFY(QApplication::activeWindow() == &h_->Window());
    }

    void progressBoxShowsItsTextBeforeTheRunReturnsToTheEventLoop() {
        karvelo::QtProgressBox progress;
        progress.Open();
        // No event is processed from here on, as while a run computes: what the window
        // system holds of the box is what the user sees.
        QWidget* box = TopLevel<karvelo::ProgressDialog>();
        QVERIFY(box != nullptr);
        const QImage shown = box->screen()->grabWindow(box->winId()).toImage();
        QCOMPARE(shown.size(), box->size());
        // The text "Запрос обрабатывается" sits at 45, 37 (97 x 23 dialog units).
        int ink = 0;
        int paper = 0;
        for (int y = 60; y < 60 + 37; ++y) {
            for (int x = 67; x < 67 + 145; ++x) {
                const int grey = qGray(shown.pixel(x, y));
                ink += grey < 96 ? 1 : 0;
                paper += grey > 192 ? 1 : 0;
            }
        }
        QVERIFY2(ink > 100 && paper > 10 * ink, qPrintable(QString("%1 %2").arg(ink).arg(paper)));
        progress.Close();
        QVERIFY(TopLevel<karvelo::ProgressDialog>() == nullptr);
    }

    void textsHaveRoomInTheirControls() {
        // Each control holds its text, with a gap to what stands at its right.
        QWidget* spectrumFrame = nullptr;
        for (auto* frame : h_->Form()->findChildren<QGroupBox*>()) {
            spectrumFrame = frame->title() == QString::fromUtf8("Спектр") ? frame : spectrumFrame;
        }
        struct Case {
            QWidget* control;
            int rightOfIt;  // x of what stands at its right, form pixels
        };
        const Case cases[] = {
            {h_->Button("Изменить диапазон частот"), h_->Button("D")->x()},
            {h_->Label("Номер трассы"), h_->Edit("traceNumber")->x()},
            {h_->Label("Список локальных максимумов:"), spectrumFrame->geometry().right()},
            {h_->Form()->findChild<QCheckBox*>(), spectrumFrame->geometry().right()},
        };
        for (const Case& c : cases) {
            const QString what = c.control->objectName() + c.control->metaObject()->className();
            QVERIFY2(c.control->sizeHint().width() <= c.control->width(), qPrintable(what));
            QVERIFY2(c.control->sizeHint().height() <= c.control->height() + 1, qPrintable(what));
            QVERIFY2(c.control->geometry().right() + 2 < c.rightOfIt, qPrintable(what));
        }
    }
};

QTEST_MAIN(WindowTest)
#include "gui_window_test.moc"
