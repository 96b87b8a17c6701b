// The form's controls driving the analysis: point and trace, band, spectrum modes,
// contrast, clicks on the spectrum, parse prompts, export, re-initialising and printing.
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>

#include "gui_harness.h"

using namespace karvelo::testing;

namespace {

// What a user saw of the progress box: how often it was shown, painted and hidden, its
// texts and whether any button or progress bar of it was visible.
class ProgressBoxWatcher : public QObject {
  public:
    ProgressBoxWatcher() { qApp->installEventFilter(this); }
    ~ProgressBoxWatcher() override { qApp->removeEventFilter(this); }
    bool StillOpen() const { return shown != hidden; }

    int shown = 0;
    int painted = 0;
    int hidden = 0;
    QStringList texts;
    bool controlsVisible = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr ||
            widget->window()->windowTitle() != QString::fromUtf8("Сообщение")) {
            return false;
        }
        painted += event->type() == QEvent::Paint ? 1 : 0;
        hidden += widget->isWindow() && event->type() == QEvent::Hide ? 1 : 0;
        if (widget->isWindow() && event->type() == QEvent::Show) {
            ++shown;
            for (auto* label : widget->findChildren<QLabel*>()) {
                texts << label->text();
            }
            for (auto* control : widget->findChildren<QWidget*>()) {
                const bool isControl = qobject_cast<QAbstractButton*>(control) != nullptr ||
                                       qobject_cast<QProgressBar*>(control) != nullptr;
                controlsVisible = controlsVisible || (isControl && control->isVisible());
            }
        }
        return false;
    }
};

// Centre of a part of the contrast bar (arrows, trough, thumb), in bar coordinates.
QPoint PartOf(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

}  // namespace

class FormActionsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        h_ = std::make_unique<GuiHarness>();
        h_->OpenProfile();
        QVERIFY(h_->TakeMessages().empty());
    }
    void cleanup() { h_.reset(); }

    void traceBeyondThePointIsCorrected() {
        // Two traces per point: trace 7 becomes 1, and trace 1 is what is drawn. Blanks
        // after a number are accepted.
        h_->TypeInto(h_->Edit("traceNumber"), QStringLiteral("1 "));
        const auto traceOne = Snapshot(h_->Drawing(), kSpectrumFrame);
        h_->TypeInto(h_->Edit("traceNumber"), QStringLiteral("0"));
        QVERIFY(Snapshot(h_->Drawing(), kSpectrumFrame) != traceOne);
        h_->TypeInto(h_->Edit("traceNumber"), QStringLiteral("7"));
        QCOMPARE(h_->Edit("traceNumber")->text(), QStringLiteral("1"));
        QVERIFY(Snapshot(h_->Drawing(), kSpectrumFrame) == traceOne);
        QVERIFY(h_->TakeMessages().empty());
    }

    void bandIsAppliedByItsButtonAndResetByD() {
        const auto spectrumBefore = Snapshot(h_->Drawing(), kSpectrumFrame);
        // Typing in the band edits alone starts nothing.
        h_->TypeInto(h_->Edit("fmax"), QStringLiteral("1500"));
        QVERIFY(Snapshot(h_->Drawing(), kSpectrumFrame) == spectrumBefore);
        h_->Click(h_->Button("Изменить диапазон частот"));
        QVERIFY(Snapshot(h_->Drawing(), kSpectrumFrame) != spectrumBefore);
        QListWidget* maxima = h_->Maxima();
        QVERIFY(maxima->count() > 0);
        for (int row = 0; row < maxima->count(); ++row) {
            const QString line = maxima->item(row)->text();  // "(frequency;amplitude)"
            QVERIFY2(line.mid(1, line.indexOf(QLatin1Char(';')) - 1).toInt() <= 1500 + 16,
                     qPrintable(line));
        }

        h_->Click(h_->Button("D"));
        QCOMPARE(h_->Edit("fmin")->text(), QStringLiteral("0"));
        QCOMPARE(h_->Edit("fmax")->text(), QStringLiteral("80645"));
    }

    void profileSpectrumShowsContrastControlsWhileTheBoxAnnouncesTheRun() {
        ProgressBoxWatcher watcher;
        h_->Click(h_->Button("Спектр профиля"));
        QCOMPARE(watcher.shown, 1);
        QVERIFY(watcher.painted > 0);  // painted before the run, not only shown
        QCOMPARE(watcher.texts, QStringList{QString::fromUtf8("Запрос обрабатывается")});
        QVERIFY(!watcher.controlsVisible);
        QVERIFY(!watcher.StillOpen());

        auto* contrast = h_->Form()->findChild<QScrollBar*>(QStringLiteral("contrast"));
        QWidget* controls[] = {contrast, h_->Label("Используемая палитра"),
                               h_->Label("Регулирование  контрастности")};
        for (QWidget* control : controls) {
            QVERIFY(control->isVisible());
        }
        QCOMPARE(contrast->value(), 0);
        QVERIFY(!h_->Button("S")->isEnabled());
        QCOMPARE(h_->Maxima()->count(), 0);
        QVERIFY(InkIn(h_->Drawing(), kMapFrame) > 0);

        h_->Click(h_->Button("Одна трасса"));
        QCOMPARE(watcher.shown, 1);  // no box for a single trace
        for (QWidget* control : controls) {
            QVERIFY(!control->isVisible());
        }
        QVERIFY(h_->Button("S")->isEnabled());
    }

    void contrastBarStepsByTenAndRecomputesTheMap() {
        h_->Click(h_->Button("Спектр профиля"));
        auto* bar = h_->Form()->findChild<QScrollBar*>(QStringLiteral("contrast"));
        const auto unclipped = Snapshot(h_->Drawing(), kMapFrame);
        ProgressBoxWatcher watcher;

        QTest::mouseClick(bar, Qt::LeftButton, {}, PartOf(bar, QStyle::SC_ScrollBarAddLine));
        QCOMPARE(bar->value(), 10);
        QVERIFY(Snapshot(h_->Drawing(), kMapFrame) != unclipped);
        QCOMPARE(watcher.shown, 1);

        // The thumb goes where it is let go; a step from there is ten, not past the end.
        const QPoint thumb = PartOf(bar, QStyle::SC_ScrollBarSlider);
        const QPoint target(bar->width() - PartOf(bar, QStyle::SC_ScrollBarSubLine).x() - 2,
                            thumb.y());
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
        QTest::mouseMove(bar, target);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, target);
        const int released = bar->value();
        QVERIFY(released > 90);
        QTest::mouseClick(bar, Qt::LeftButton, {}, PartOf(bar, QStyle::SC_ScrollBarAddLine));
        QCOMPARE(bar->value(), 100);
        QTest::mouseClick(bar, Qt::LeftButton, {}, PartOf(bar, QStyle::SC_ScrollBarSubLine));
        QCOMPARE(bar->value(), 90);
        // Every notification recomputes the map: one per arrow, two for the release.
        QCOMPARE(watcher.shown, 5);
        QVERIFY(!watcher.StillOpen());
    }

    void clickOnTheSpectrumShowsFrequencyAndThickness() {
        h_->TypeInto(h_->Edit("velocityOrThickness"), QStringLiteral("4000"));
        const QPoint inside(400, 450);
        h_->ClickForm(inside.x(), inside.y());
        QLabel* frequency = h_->Label("frequency");
        for (QLabel* shown : {frequency, h_->Label("derived")}) {
            QVERIFY(shown->isVisible() && shown->text().toDouble() > 0.0);
        }
        QVERIFY(!h_->Label("quality")->isVisible());

        h_->Choose({"Tools", "Добротность", "Вкл. отображение"});
        h_->Click(h_->Button("Произведение спектров"));
        // The quality factor is read off a local maximum: the dominant peak near 1559 Hz.
        const int peakX = 225 + 1559 * 400 / 3008 + 1;
        h_->ClickForm(peakX, inside.y());
        QVERIFY(h_->Label("quality")->isVisible());
        QVERIFY(h_->Label("quality")->text().toDouble() > 1.0);

        // Outside the spectrum frame nothing is read off.
        h_->ClickForm(kSpectrumFrame.right() + 30, inside.y());
        QVERIFY(!frequency->isVisible());
        QVERIFY(!h_->Label("quality")->isVisible());
    }

    void textThatDoesNotParseAndCtrlNKeepThePreviousValues() {
        h_->TypeInto(h_->Edit("pointNumber"), QStringLiteral("3"));
        const auto pointThree = Snapshot(h_->Drawing(), kPanels);
        struct Case {
            const char* edit;
            const char* typed;
            const char* prompt;
        };
        for (const Case& c : {Case{"pointNumber", "", "Please enter a positive integer."},
                              Case{"fmax", "high", "Please enter an integer."},
                              Case{"velocityOrThickness", "fast", "Please enter a number."}}) {
            const QString before = h_->Edit(c.edit)->text();
            h_->TypeInto(h_->Edit(c.edit), QString::fromUtf8(c.typed));
            h_->Click(h_->Button("Изменить диапазон частот"));
            const std::vector<std::string> shown = h_->TakeMessages();
            QVERIFY2(!shown.empty() && shown.front() == c.prompt, c.edit);
            // The run went on with point 3 and the band as they were.
            QVERIFY2(Snapshot(h_->Drawing(), kPanels) == pointThree, c.edit);
            h_->TypeInto(h_->Edit(c.edit), before);
            h_->TakeMessages();
        }

        // Ctrl+N clears the drawing but keeps the profile and the form's values.
        QTest::keyClick(&h_->Window(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(InkIn(h_->Drawing(), kPanels), 0);
        QCOMPARE(h_->Edit("pointNumber")->text(), QStringLiteral("3"));
        h_->Click(h_->Button("Изменить диапазон частот"));
        QVERIFY(Snapshot(h_->Drawing(), kPanels) == pointThree);
    }

    void exportButtonWritesTheShownSpectrum() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("spectrum.txt"));
        h_->chooser.SetPath(path.toStdString());
        h_->Click(h_->Button("S"));
        QCOMPARE(h_->chooser.offeredName, std::string("spectre_data.txt"));
        QCOMPARE(h_->chooser.offeredExtension, std::string("txt"));
        QCOMPARE(LineCount(path), std::size_t{192});
    }

    void drawingScrollsWithTheControls() {
        h_->Window().resize(640, 480);
        QTest::qWait(0);
        QScrollArea& area = h_->View();
        area.horizontalScrollBar()->setValue(300);
        area.verticalScrollBar()->setValue(150);
        const QPoint offset(area.horizontalScrollBar()->value(), area.verticalScrollBar()->value());
        QVERIFY(offset.x() > 0 && offset.y() > 0);
        // Controls and drawing move by the same amount.
        QCOMPARE(h_->Button("D")->mapTo(area.viewport(), QPoint(0, 0)), QPoint(183, 341) - offset);
        const QRect visible(offset + QPoint(10, 10), QSize(200, 150));
        const QImage shown = area.viewport()->grab(visible.translated(-offset)).toImage();
        QVERIFY(InkIn(h_->Drawing(), visible) > 0);
        QCOMPARE(PixelsDiffering(shown, h_->Drawing(), visible), 0);
    }

    void ctrlPPrintsTheDrawingToPdfThroughThePrintDialog() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("form.pdf"));
        bool printDialog = false;
        WhenDialogOpens([&](QDialog* dialog) {
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
        QVERIFY(pdf.size() > 10000);  // carries the picture, not an empty page
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(FormActionsTest)
#include "gui_form_actions_test.moc"
