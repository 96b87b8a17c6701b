// The form's controls driving the analysis: point and trace, band, spectrum modes,
// contrast, clicks on the spectrum, parse prompts, export, re-initialising and printing.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>

#include "app/surface_print.h"
#include "gui_harness.h"

using karvelo::testing::GuiHarness;
using karvelo::testing::InkIn;
using karvelo::testing::kMapFrame;
using karvelo::testing::kPanels;
using karvelo::testing::kSpectrumFrame;
using karvelo::testing::kTraceFrame;
using karvelo::testing::Snapshot;

namespace {

// What a user saw of the progress box: each box shown, with its texts and whether any
// button or progress bar of it was visible.
class ProgressBoxWatcher : public QObject {
  public:
    ProgressBoxWatcher() { qApp->installEventFilter(this); }
    ~ProgressBoxWatcher() override { qApp->removeEventFilter(this); }

    int shown = 0;
    int painted = 0;
    QStringList texts;
    bool controlsVisible = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && window != nullptr &&
            window->window()->windowTitle() == QString::fromUtf8("Сообщение")) {
            ++painted;
        }
        if (event->type() == QEvent::Show && window != nullptr && window->isWindow() &&
            window->windowTitle() == QString::fromUtf8("Сообщение")) {
            ++shown;
            for (auto* label : window->findChildren<QLabel*>()) {
                texts << label->text();
            }
            for (auto* control : window->findChildren<QWidget*>()) {
                const bool isControl = qobject_cast<QAbstractButton*>(control) != nullptr ||
                                       qobject_cast<QProgressBar*>(control) != nullptr;
                controlsVisible = controlsVisible || (isControl && control->isVisible());
            }
        }
        return false;
    }
};

bool ProgressBoxStillOpen() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowTitle() == QString::fromUtf8("Сообщение")) {
            return true;
        }
    }
    return false;
}

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
        // Two traces per point: trace 7 becomes 1, and trace 1 is what is drawn.
        h_->TypeInto(h_->Edit("traceNumber"), QStringLiteral("1"));
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
        auto* maxima = h_->Form()->findChild<QListWidget*>(QStringLiteral("peakList"));
        QVERIFY(maxima->count() > 0);
        for (int row = 0; row < maxima->count(); ++row) {
            const QString line = maxima->item(row)->text();  // "(frequency;amplitude)"
            const int frequency = line.mid(1, line.indexOf(QLatin1Char(';')) - 1).toInt();
            QVERIFY2(frequency <= 1500 + 16, qPrintable(line));
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
        QVERIFY(!ProgressBoxStillOpen());

        auto* contrast = h_->Form()->findChild<QScrollBar*>(QStringLiteral("contrast"));
        QVERIFY(contrast->isVisible());
        QCOMPARE(contrast->value(), 0);
        QVERIFY(h_->Button("S")->isEnabled() == false);
        QCOMPARE(h_->Form()->findChild<QListWidget*>()->count(), 0);
        QVERIFY(InkIn(h_->Drawing(), kMapFrame) > 0);

        h_->Click(h_->Button("Одна трасса"));
        QCOMPARE(watcher.shown, 1);  // no box for a single trace
        QVERIFY(!contrast->isVisible());
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

        QTest::mouseClick(bar, Qt::LeftButton, {}, PartOf(bar, QStyle::SC_ScrollBarSubLine));
        QTest::mouseClick(bar, Qt::LeftButton, {}, PartOf(bar, QStyle::SC_ScrollBarSubLine));
        QCOMPARE(bar->value(), 0);

        // A page step keeps the position but still recomputes.
        QTest::mouseClick(bar, Qt::LeftButton, {}, PartOf(bar, QStyle::SC_ScrollBarAddPage));
        QCOMPARE(bar->value(), 0);
        QCOMPARE(watcher.shown, 4);

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
        QVERIFY(!ProgressBoxStillOpen());
    }

    void clickOnTheSpectrumShowsFrequencyAndThickness() {
        h_->TypeInto(h_->Edit("velocityOrThickness"), QStringLiteral("4000"));
        const QPoint inside(400, 450);
        h_->ClickForm(inside.x(), inside.y());
        QLabel* frequency = h_->Label("frequency");
        QLabel* derived = h_->Label("derived");
        QVERIFY(frequency->isVisible());
        QVERIFY(derived->isVisible());
        QVERIFY(frequency->text().toDouble() > 0.0);
        QVERIFY(derived->text().toDouble() > 0.0);
        QVERIFY(!h_->Label("quality")->isVisible());

        h_->Choose({"Tools", "Добротность", "Вкл. отображение"});
        h_->Click(h_->Button("Произведение спектров"));
        // The quality factor is read off a local maximum: the dominant peak near 1559 Hz.
        const int peakX = 225 + 1559 * 400 / 3008 + 1;
        h_->ClickForm(peakX, inside.y());
        QVERIFY(h_->Label("quality")->isVisible());
        QVERIFY(h_->Label("quality")->text().toDouble() > 1.0);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("quality.txt"));
        h_->chooser.SetPath(path.toStdString());
        h_->Choose({"Tools", "Добротность", "Сохранить в файл"});
        QCOMPARE(h_->chooser.offeredName, std::string("quality.txt"));
        QCOMPARE(karvelo::testing::ReadLines(path).size(), std::size_t{1});

        // Outside the spectrum frame nothing is read off.
        h_->ClickForm(kSpectrumFrame.right() + 30, inside.y());
        QVERIFY(!frequency->isVisible());
        QVERIFY(!h_->Label("quality")->isVisible());
    }

    void textThatDoesNotParseKeepsThePreviousValues_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("point cleared") << "pointNumber"
                                       << ""
                                       << "Please enter a positive integer.";
        QTest::newRow("point negative") << "pointNumber"
                                        << "-"
                                        << "Please enter a positive integer.";
        QTest::newRow("fmax letters") << "fmax"
                                      << "high"
                                      << "Please enter an integer.";
        QTest::newRow("velocity letters") << "velocityOrThickness"
                                          << "fast"
                                          << "Please enter a number.";
    }

    void textThatDoesNotParseKeepsThePreviousValues() {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, prompt);
        h_->TypeInto(h_->Edit("pointNumber"), QStringLiteral("3"));
        const auto pointThree = Snapshot(h_->Drawing(), kPanels);
        h_->TypeInto(h_->Edit(qPrintable(edit)), typed);
        h_->Click(h_->Button("Изменить диапазон частот"));
        const std::vector<std::string> shown = h_->TakeMessages();
        QVERIFY(!shown.empty());
        QCOMPARE(shown.front(), prompt.toStdString());
        // The run went on with point 3 and the band as they were.
        QVERIFY(Snapshot(h_->Drawing(), kPanels) == pointThree);
    }

    void blanksAfterANumberAreAccepted() {
        h_->TypeInto(h_->Edit("pointNumber"), QStringLiteral("2 "));
        QVERIFY(h_->TakeMessages().empty());
        const auto spaced = Snapshot(h_->Drawing(), kTraceFrame);
        h_->TypeInto(h_->Edit("pointNumber"), QStringLiteral("2"));
        QVERIFY(Snapshot(h_->Drawing(), kTraceFrame) == spaced);
    }

    void exportButtonWritesTheShownSpectrum() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("spectrum.txt"));
        h_->chooser.SetPath(path.toStdString());
        h_->Click(h_->Button("S"));
        QCOMPARE(h_->chooser.offeredName, std::string("spectre_data.txt"));
        QCOMPARE(h_->chooser.offeredExtension, std::string("txt"));
        const auto lines = karvelo::testing::ReadLines(path);
        QCOMPARE(lines.size(), std::size_t{192});
        QVERIFY(QString::fromStdString(lines.front()).startsWith(QStringLiteral("0  ")));
        QVERIFY(QString::fromStdString(lines.back()).startsWith(QStringLiteral("3008  ")));
    }

    void ctrlNClearsTheDrawingAndKeepsTheProfile() {
        h_->TypeInto(h_->Edit("pointNumber"), QStringLiteral("3"));
        const auto pointThree = Snapshot(h_->Drawing(), kTraceFrame);
        QTest::keyClick(&h_->Window(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(InkIn(h_->Drawing(), kPanels), 0);
        QCOMPARE(h_->Edit("pointNumber")->text(), QStringLiteral("3"));
        h_->Click(h_->Button("Изменить диапазон частот"));
        QVERIFY(Snapshot(h_->Drawing(), kTraceFrame) == pointThree);
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
        QCOMPARE(h_->Button("D")->mapTo(area.viewport(), QPoint(0, 0)), QPoint(178, 341) - offset);
        const QRect visible(offset + QPoint(10, 10), QSize(200, 150));
        const QImage shown = area.viewport()->grab(visible.translated(-offset)).toImage();
        QVERIFY(InkIn(h_->Drawing(), visible) > 0);
        QCOMPARE(karvelo::testing::PixelsDiffering(shown, h_->Drawing(), visible), 0);
    }

    void printingWritesThePictureToPdf() {
        QTemporaryDir folder;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("drawing.pdf")));
        karvelo::PrintSurface(h_->Drawing(), kPanels, printer);
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF");
        QVERIFY(pdf.size() > 10000);  // carries the picture, not an empty page
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(FormActionsTest)
#include "gui_form_actions_test.moc"
