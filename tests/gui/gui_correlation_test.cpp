// The correlation dialog: its fields, its refusals and the curve on its own drawing.
#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include "app/correlation_dialog.h"
#include "gui_harness.h"

using namespace karvelo::testing;

namespace {

// The curve panel's frame in the dialog's drawing.
constexpr QRect kCurveFrame(225, 70, 401, 251);

int CurveInk(QDialog* dialog) {
    return InkIn(static_cast<karvelo::CorrelationDialog*>(dialog)->DrawingSurface(), kCurveFrame);
}

// The dialog's edits in their order on the form: point 1, trace 1, point 2, trace 2, Tmax.
QList<QLineEdit*> FieldsOf(QDialog* dialog) {
    QList<QLineEdit*> edits = dialog->findChildren<QLineEdit*>();
    std::sort(edits.begin(), edits.end(),
              [](QLineEdit* a, QLineEdit* b) { return a->geometry().top() < b->geometry().top(); });
    return edits;
}

}  // namespace

class CorrelationTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        h_ = std::make_unique<GuiHarness>();
        h_->OpenProfile();
    }
    void cleanup() { h_.reset(); }

    void refusalsLeaveTheDrawingWhiteAValidRunDrawsACurveAndEnterCloses() {
        QStringList texts;
        bool fullRange = true;
        int inkAtStart = -1;
        std::vector<std::string> zeroLag;
        bool toggledByItsText = false;
        std::vector<std::string> badTime;
        int inkOfCurve = -1;
        int differingOnScreen = -1;
        bool closed = false;
        h_->ChooseWithDialog({"Tools", "Корр. функция"}, [&](QDialog* dialog) {
            const QList<QLineEdit*> fields = FieldsOf(dialog);
            for (QLineEdit* edit : fields) {
                texts << edit->text();
            }
            auto* fullRangeBox = dialog->findChild<QCheckBox*>();
            fullRange = fullRangeBox->isChecked();
            inkAtStart = CurveInk(dialog);
            QAbstractButton* process = h_->Button("Обработать", dialog);
            h_->Click(process);  // Tmax 0 without the full range
            zeroLag = h_->TakeMessages();

            // The text beside the check box toggles it. A text that does not parse stops
            // the read: the check box set after it is not read, so the run has no lag limit.
            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                if (label->text().startsWith(QString::fromUtf8("Отображать полный диапазон"))) {
                    h_->Click(label);
                }
            }
            toggledByItsText = fullRangeBox->isChecked();
            h_->TypeInto(fields[4], QStringLiteral("long"));
            h_->Click(process);
            badTime = h_->TakeMessages();

            h_->TypeInto(fields[4], QStringLiteral("0"));
            h_->TypeInto(fields[2], QStringLiteral("3"));
            h_->Click(process);
            inkOfCurve = CurveInk(dialog);
            differingOnScreen = PixelsDiffering(
                dialog->grab(kCurveFrame).toImage(),
                static_cast<karvelo::CorrelationDialog*>(dialog)->DrawingSurface(), kCurveFrame);

            h_->Click(fields[0]);  // the edit takes the keyboard
            QTest::keyClick(fields[0], Qt::Key_Return);
            closed = !dialog->isVisible();
            if (!closed) {
                dialog->reject();
            }
        });
        QCOMPARE(texts, (QStringList{"0", "0", "0", "0", "0"}));
        QVERIFY(!fullRange);
        QCOMPARE(inkAtStart, 0);
        QCOMPARE(zeroLag, std::vector<std::string>{"Invalid value entered."});
        QVERIFY(toggledByItsText);
        QCOMPARE(badTime,
                 (std::vector<std::string>{"Please enter a number.", "Invalid value entered."}));
        QVERIFY(inkOfCurve > 0);
        QCOMPARE(differingOnScreen, 0);
        QVERIFY(closed);
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(CorrelationTest)
#include "gui_correlation_test.moc"
