// The correlation dialog: its fields, its refusals and the curve on its own drawing.
#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include "app/correlation_dialog.h"
#include "gui_harness.h"

using karvelo::testing::GuiHarness;
using karvelo::testing::InkIn;
using karvelo::testing::WhenDialogOpens;

namespace {

// The curve panel's frame in the dialog's drawing.
constexpr QRect kCurveFrame(225, 70, 401, 251);

int InkInFrame(const karvelo::Surface& surface) {
    return InkIn(surface, kCurveFrame);
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

    void dialogStartsWithZerosAndAWhiteDrawing() {
        QStringList texts;
        bool fullRange = true;
        int ink = -1;
        WhenDialogOpens([&](QDialog* dialog) {
            for (QLineEdit* edit : FieldsOf(dialog)) {
                texts << edit->text();
            }
            fullRange = dialog->findChild<QCheckBox*>()->isChecked();
            ink = InkInFrame(static_cast<karvelo::CorrelationDialog*>(dialog)->DrawingSurface());
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        h_->Choose({"Tools", "Корр. функция"});
        QCOMPARE(texts, (QStringList{"0", "0", "0", "0", "0"}));
        QVERIFY(!fullRange);
        QCOMPARE(ink, 0);
        QVERIFY(h_->TakeMessages().empty());
    }

    void refusalsLeaveTheDrawingWhiteAndTheFullRangeDrawsACurve() {
        std::vector<std::string> zeroLag;
        std::vector<std::string> noSuchPoint;
        std::vector<std::string> badTime;
        int inkAfterRefusal = -1;
        int inkOfCurve = -1;
        int differingOnScreen = -1;
        WhenDialogOpens([&](QDialog* dialog) {
            auto* correlation = static_cast<karvelo::CorrelationDialog*>(dialog);
            const QList<QLineEdit*> fields = FieldsOf(dialog);
            QAbstractButton* process = h_->Button("Обработать", dialog);
            h_->Click(process);  // Tmax 0 without the full range
            zeroLag = h_->TakeMessages();

            // A text that does not parse stops the read: the check box set after it is
            // not read, so the run still has no lag limit.
            h_->Click(dialog->findChild<QCheckBox*>());
            h_->TypeInto(fields[4], QStringLiteral("long"));
            h_->Click(process);
            badTime = h_->TakeMessages();

            h_->TypeInto(fields[4], QStringLiteral("0"));
            h_->TypeInto(fields[2], QStringLiteral("10"));  // ten points: 0..9
            h_->Click(process);
            noSuchPoint = h_->TakeMessages();
            inkAfterRefusal = InkInFrame(correlation->DrawingSurface());

            h_->TypeInto(fields[2], QStringLiteral("3"));
            h_->Click(process);
            inkOfCurve = InkInFrame(correlation->DrawingSurface());
            const QImage shown = dialog->grab(kCurveFrame).toImage();
            differingOnScreen = karvelo::testing::PixelsDiffering(
                shown, correlation->DrawingSurface(), kCurveFrame);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        h_->Choose({"Tools", "Корр. функция"});
        QCOMPARE(zeroLag, std::vector<std::string>{"Invalid value entered."});
        QCOMPARE(badTime,
                 (std::vector<std::string>{"Please enter a number.", "Invalid value entered."}));
        QCOMPARE(noSuchPoint, std::vector<std::string>{"Invalid value entered."});
        QCOMPARE(inkAfterRefusal, 0);
        QVERIFY(inkOfCurve > 0);
        QCOMPARE(differingOnScreen, 0);
    }

    void checkBoxTextTogglesItAndEnterCloses() {
        bool toggled = false;
        bool closed = false;
        WhenDialogOpens([&](QDialog* dialog) {
            QLabel* text = nullptr;
            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                if (label->text().startsWith(QString::fromUtf8("Отображать полный диапазон"))) {
                    text = label;
                }
            }
            if (text == nullptr) {
                QFAIL("the check box has no text beside it");
            }
            QTest::mouseClick(text, Qt::LeftButton, {}, text->rect().center());
            toggled = dialog->findChild<QCheckBox*>()->isChecked();
            QLineEdit* firstPoint = FieldsOf(dialog)[0];
            h_->Click(firstPoint);  // the edit takes the keyboard
            QTest::keyClick(firstPoint, Qt::Key_Return);
            closed = !dialog->isVisible();
            if (!closed) {
                dialog->reject();
            }
        });
        h_->Choose({"Tools", "Корр. функция"});
        QVERIFY(toggled);
        QVERIFY(closed);
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(CorrelationTest)
#include "gui_correlation_test.moc"
