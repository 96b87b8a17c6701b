// The form's controls, the picking bar and the correlation dialog as a user drives them:
// what each control starts is checked in the session tests; here, that the widgets reach it.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include "app/correlation_dialog.h"
#include "app/progress_dialog.h"
#include "common/field_rules.h"
#include "gui_harness.h"

using namespace karvelo::testing;
using karvelo::kRuleFMax;
using karvelo::kRulePointNumber;
using karvelo::kRuleVelocity;

namespace {

// How often the progress box was shown.
struct ProgressBoxWatcher : QObject {
    ProgressBoxWatcher() { qApp->installEventFilter(this); }
    ~ProgressBoxWatcher() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (dynamic_cast<karvelo::ProgressDialog*>(watched) != nullptr &&
            event->type() == QEvent::Show) {
            ++shown;
        }
        return false;
    }
    int shown = 0;
};

// The curve panel's frame in the dialog's drawing.
constexpr QRect kCurveFrame(225, 70, 401, 251);

}  // namespace

class FormActionsTest : public GuiTestCase {
    Q_OBJECT

  private slots:
    void init() {
        h_ = std::make_unique<GuiHarness>();
        h_->OpenProfile();
        QVERIFY(h_->TakeMessages().empty());
    }

    void bandIsAppliedByItsButtonAndResetByD() {
        auto* maxima = h_->Form()->findChild<QListWidget*>(QStringLiteral("peakList"));
        const int listed = maxima->count();
        h_->TypeInto(h_->Edit("fmax"), QStringLiteral("1500"));
        QCOMPARE(maxima->count(), listed);  // typing starts nothing
        h_->Click(h_->Button("Изменить диапазон частот"));
        QVERIFY(maxima->count() < listed);  // the maxima of the new band only
        h_->Click(h_->Button("D"));
        QCOMPARE(h_->Edit("fmax")->text(), QStringLiteral("80645"));
        // A number too large for an integer field is read as the largest one.
        h_->TypeInto(h_->Edit("fmax"), QStringLiteral("99999999999"));
        h_->Click(h_->Button("Изменить диапазон частот"));
        QVERIFY(h_->TakeMessages().empty());
        QVERIFY(InkIn(h_->Drawing(), kSpectrumFrame) > 0);
    }

    void profileSpectrumAnnouncesItsRunsAndTheContrastBarSteps() {
        ProgressBoxWatcher watcher;
        h_->Click(h_->Button("Спектр профиля"));
        QCOMPARE(watcher.shown, 1);
        auto* bar = h_->Form()->findChild<QScrollBar*>(QStringLiteral("contrast"));
        QVERIFY(bar->isVisible() && h_->Label("Используемая палитра")->isVisible());
        QVERIFY(!h_->Button("S")->isEnabled());

        const auto unclipped = Snapshot(h_->Drawing(), kMapFrame);
        // The bar's arrows sit at its two ends.
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 3, bar->height() / 2));
        QCOMPARE(bar->value(), 10);
        QVERIFY(Snapshot(h_->Drawing(), kMapFrame) != unclipped);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(2, bar->height() / 2));
        QCOMPARE(bar->value(), 0);
        QCOMPARE(watcher.shown, 3);  // one box a run

        h_->Click(h_->Button("Одна трасса"));
        QVERIFY(!bar->isVisible() && h_->Button("S")->isEnabled());
    }

    void windowAndZeroPaddingRedrawTheSpectrumAndNoneGivesItBack() {
        auto* window = h_->Form()->findChild<QComboBox*>(QStringLiteral("window"));
        auto* pad = h_->Form()->findChild<QComboBox*>(QStringLiteral("zeroPad"));
        auto* maxima = h_->Form()->findChild<QListWidget*>(QStringLiteral("peakList"));
        QCOMPARE(window->currentText(), QStringLiteral("без окна"));
        QCOMPARE(pad->currentText(), QStringLiteral("×1"));
        const auto plain = Snapshot(h_->Drawing(), kSpectrumFrame);
        const int listed = maxima->count();
        // A choice from the keyboard, as a user tabbing to the box and pressing a key.
        for (QComboBox* box : {window, pad}) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Down);
        }
        QCOMPARE(window->currentText(), QStringLiteral("Ханна"));
        QCOMPARE(pad->currentText(), QStringLiteral("×2"));
        QCOMPARE(h_->View().Session().State().Spectral.ZeroPad, 2U);
        QVERIFY(Snapshot(h_->Drawing(), kSpectrumFrame) != plain);
        QVERIFY(maxima->count() != listed);  // twice the bins, other maxima
        for (QComboBox* box : {window, pad}) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Up);
        }
        QVERIFY(Snapshot(h_->Drawing(), kSpectrumFrame) == plain);
        QCOMPARE(maxima->count(), listed);
        QVERIFY(h_->TakeMessages().empty());
    }

    void clickOnTheSpectrumShowsFrequencyAndDerivedValue() {
        h_->TypeInto(h_->Edit("velocityOrThickness"), QStringLiteral("4000"));
        h_->ClickForm(425, 450);  // 1504 Hz
        QCOMPARE(h_->Label("frequency")->text(), QStringLiteral("1504"));
        QCOMPARE(h_->Label("derived")->text(), QStringLiteral("1.32979"));
        h_->Click(h_->Form()->findChild<QCheckBox*>(QStringLiteral("thicknessGiven")));
        h_->ClickForm(425, 450);  // a thickness of 4000 gives a velocity
        QCOMPARE(h_->Label("derived")->text(), QStringLiteral("1.2032e+007"));

        h_->Choose({"Tools", "Добротность", "Вкл. отображение"});
        h_->Click(h_->Button("Произведение спектров"));
        h_->ClickForm(kPeakX, 450);
        QVERIFY(h_->Label("quality")->isVisible() && h_->Label("Добротность")->isVisible());
    }

    void textThatDoesNotParseAndCtrlNKeepThePreviousValues() {
        h_->TypeInto(h_->Edit("pointNumber"), QStringLiteral("3"));
        const auto pointThree = Snapshot(h_->Drawing(), kPanels);
        struct Case {
            const char* edit;
            const char* typed;
            const char* prompt;
            const char* rule;
        };
        // One message each: the prompt, then the field and what it accepts.
        for (const Case& c :
             {Case{"pointNumber", "", "Please enter a positive integer.", kRulePointNumber},
              Case{"fmax", "high", "Please enter an integer.", kRuleFMax},
              Case{"velocityOrThickness", "fast", "Please enter a number.", kRuleVelocity}}) {
            const QString before = h_->Edit(c.edit)->text();
            h_->TypeInto(h_->Edit(c.edit), QString::fromUtf8(c.typed));
            h_->Click(h_->Button("Изменить диапазон частот"));
            const std::vector<std::string> shown = h_->TakeMessages();
            QCOMPARE(shown, std::vector<std::string>{std::string(c.prompt) + '\n' + c.rule});
            QVERIFY2(Snapshot(h_->Drawing(), kPanels) == pointThree, c.edit);
            h_->TypeInto(h_->Edit(c.edit), before);
            h_->TakeMessages();
        }
        // Real numbers take a decimal comma and an exponent.
        const QString velocity = h_->Edit("velocityOrThickness")->text();
        for (const char* typed : {"3,78e3", "3780,0", "3.78E+3"}) {
            h_->TypeInto(h_->Edit("velocityOrThickness"), QString::fromUtf8(typed));
            h_->Click(h_->Button("Изменить диапазон частот"));
            QVERIFY2(h_->TakeMessages().empty(), typed);
            QCOMPARE(h_->View().Session().State().VelocityOrThickness, 3780.0f);
        }
        for (const char* refused : {"3,78,0", "3,78.0"}) {
            h_->TypeInto(h_->Edit("velocityOrThickness"), QString::fromUtf8(refused));
            h_->Click(h_->Button("Изменить диапазон частот"));
            QCOMPARE(h_->TakeMessages().size(), std::size_t{1});
        }
        h_->TypeInto(h_->Edit("velocityOrThickness"), velocity);
        QTest::keyClick(&h_->Window(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(InkIn(h_->Drawing(), kPanels), 0);
        h_->Click(h_->Button("Изменить диапазон частот"));
        QVERIFY(Snapshot(h_->Drawing(), kPanels) == pointThree);
    }

    void picksAreSetOkedSavedAndDeletedThroughThePickingBar() {
        h_->Click(h_->Button("Спектр профиля"));
        h_->Choose({"Tools", "Пикирование"});
        QToolBar* bar = h_->Bar("pickingBar");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("picks.txt"));
        h_->chooser.SetPath(path.toStdString());
        const auto unmarked = Snapshot(h_->Drawing(), kMapFrame);
        h_->ClickForm(700, 400);
        QVERIFY(Snapshot(h_->Drawing(), kMapFrame) != unmarked);
        h_->Click(h_->Button("Удалить точки", bar));
        QVERIFY(Snapshot(h_->Drawing(), kMapFrame) == unmarked);

        h_->ClickForm(400, 400);
        // A real double click through the window system adds one pick, as a click does.
        QTest::mouseDClick(h_->Window().windowHandle(), Qt::LeftButton, {},
                           h_->Form()->mapTo(&h_->Window(), QPoint(500, 420)));
        h_->Click(h_->Button("Ok", bar));
        h_->Click(h_->Button("Сохранить", bar));
        QCOMPARE(h_->chooser.offeredName, std::string("pick_data.txt"));
        QFile picks(path);
        QVERIFY(picks.open(QIODevice::ReadOnly));
        QCOMPARE(picks.readAll().count('\n'), 2 + 1);
    }

    void ctrlPPrintsTheDrawingToPdfThroughThePrintDialog() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("form.pdf"));
        WhenDialogOpens([&](QDialog* dialog) {
            auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            if (qobject_cast<QPrintDialog*>(dialog) == nullptr || file == nullptr) {
                dialog->reject();
                return;
            }
            h_->TypeInto(file, path);
            h_->Click(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
        });
        QTest::keyClick(&h_->Window(), Qt::Key_P, Qt::ControlModifier);
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF");
        QVERIFY(pdf.size() > 10000);  // carries the picture, not an empty page
    }

    void correlationDialogRunsOnItsOwnDrawingAndEnterCloses() {
        std::vector<std::vector<std::string>> messages;
        int ink = -1;
        int differing = -1;
        bool closed = false;
        WhenDialogOpens([&](QDialog* dialog) {
            // The edits from the top: point 1, trace 1, point 2, trace 2, Tmax.
            QList<QLineEdit*> fields = dialog->findChildren<QLineEdit*>();
            std::sort(fields.begin(), fields.end(),
                      [](QLineEdit* a, QLineEdit* b) { return a->y() < b->y(); });
            const auto& drawing =
                static_cast<karvelo::CorrelationDialog*>(dialog)->DrawingSurface();
            auto process = [&] {
                h_->Click(h_->Button("Обработать", dialog));
                messages.push_back(h_->TakeMessages());
            };
            process();  // every field 0: Tmax 0 without the full range
            // The text beside the check box ticks it; a Tmax that does not parse stops the
            // read before the box, so the run still has no lag limit.
            h_->Click(h_->Label("Отображать полный диапазон(для корр. ф-ции)", dialog));
            h_->TypeInto(fields[4], QStringLiteral("long"));
            process();
            h_->TypeInto(fields[4], QStringLiteral("0"));  // the full range needs no Tmax
            h_->TypeInto(fields[2], QStringLiteral("3"));
            process();
            ink = InkIn(drawing, kCurveFrame);
            differing = PixelsDiffering(dialog->grab(kCurveFrame).toImage(), drawing, kCurveFrame);
            h_->Click(fields[0]);
            QTest::keyClick(fields[0], Qt::Key_Return);
            closed = !dialog->isVisible();
        });
        h_->Choose({"Tools", "Корр. функция"});
        const std::string invalid = "Invalid value entered.";
        QCOMPARE(messages, (std::vector<std::vector<std::string>>{
                               {invalid}, {"Please enter a number.", invalid}, {}}));
        QVERIFY(ink > 0 && differing == 0 && closed);
    }
};

QTEST_MAIN(FormActionsTest)
#include "gui_form_actions_test.moc"
