// What the form shows back while and after it works: the progress box painted before a
// long run, one prompt per bad value, the keyboard back on the main window after a
// message, no click values left over after Ctrl+N, and room for every text.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "app/message_box_sink.h"
#include "app/qt_progress_box.h"
#include "gui_harness.h"

using namespace karvelo::testing;

namespace {

QWidget* OpenProgressBox() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowTitle() == QString::fromUtf8("Сообщение")) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

class FormFeedbackTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { h_ = std::make_unique<GuiHarness>(); }
    void cleanup() { h_.reset(); }

    void progressBoxShowsItsTextBeforeTheRunReturnsToTheEventLoop() {
        karvelo::QtProgressBox progress;
        progress.Open();
        // No event is processed from here on, as while a run computes: what the window
        // system holds of the box is what the user sees.
        QWidget* box = OpenProgressBox();
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
        QVERIFY(OpenProgressBox() == nullptr);
    }

    void letteredVelocityAndAClickPromptOnce() {
        h_->OpenProfile();
        h_->TypeInto(h_->Edit("velocityOrThickness"), QStringLiteral("fast"));
        h_->ClickForm(400, 450);
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{"Please enter a number."});
    }

    void messageBoxGivesTheKeyboardBackToTheMainWindow() {
        karvelo::MessageBoxSink boxes(&h_->Window());
        const karvelo::ScopedMessageSink scope(&boxes);
        QString shownText;
        h_->ChooseWithDialog({"&File", "&Open...\tCtrl+O"}, [&](QDialog* dialog) {
            h_->TypeInto(dialog->findChild<QLineEdit*>(), QStringLiteral("3"));
            WhenDialogOpens([&](QDialog* box) {
                shownText = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
                QVERIFY(box->parentWidget() == dialog);
                h_->Click(h_->Button("OK", box));
            });
            h_->Click(h_->Button("OK", dialog));
        });
        QCOMPARE(shownText, QStringLiteral("Invalid number of hits."));
        QTRY_VERIFY(QApplication::activeWindow() == &h_->Window());
        // Ctrl+O reaches the window again.
        bool reopened = false;
        WhenDialogOpens([&](QDialog* dialog) {
            reopened = true;
            dialog->reject();
        });
        QTest::keyClick(&h_->Window(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(reopened);
    }

    void ctrlNHidesTheValuesOfTheLastClick() {
        h_->OpenProfile();
        h_->Choose({"Tools", "Добротность", "Вкл. отображение"});
        h_->Click(h_->Button("Произведение спектров"));
        h_->TypeInto(h_->Edit("velocityOrThickness"), QStringLiteral("4000"));
        h_->ClickForm(225 + 1559 * 400 / 3008 + 1, 450);
        const char* statics[] = {"frequency", "derived", "Толщина/скорость", "quality",
                                 "Добротность"};
        for (const char* label : statics) {
            QVERIFY2(h_->Label(label)->isVisible(), label);
        }
        QTest::keyClick(&h_->Window(), Qt::Key_N, Qt::ControlModifier);
        for (const char* label : statics) {
            QVERIFY2(!h_->Label(label)->isVisible(), label);
        }
    }

    void textsHaveRoomInTheirControls() {
        // Each control holds its text, with a gap to what stands at its right.
        QWidget* spectrumFrame = nullptr;
        for (auto* frame : h_->Form()->findChildren<QGroupBox*>()) {
            spectrumFrame = frame->title() == QString::fromUtf8("Спектр") ? frame : spectrumFrame;
        }
        QCheckBox* thicknessGiven = h_->Form()->findChild<QCheckBox*>();
        struct Case {
            QWidget* control;
            int rightOfIt;  // x of what stands at its right, form pixels
        };
        const Case cases[] = {
            {h_->Button("Изменить диапазон частот"), h_->Button("D")->x()},
            {h_->Label("Номер трассы"), h_->Edit("traceNumber")->x()},
            {h_->Label("Список локальных максимумов:"), spectrumFrame->geometry().right()},
            {thicknessGiven, spectrumFrame->geometry().right()},
        };
        for (const Case& c : cases) {
            const QString what = c.control->objectName() + c.control->metaObject()->className();
            QVERIFY2(c.control->sizeHint().width() <= c.control->width(), qPrintable(what));
            QVERIFY2(c.control->sizeHint().height() <= c.control->height() + 1, qPrintable(what));
            QVERIFY2(c.control->geometry().right() + 2 < c.rightOfIt, qPrintable(what));
        }
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(FormFeedbackTest)
#include "gui_form_feedback_test.moc"
