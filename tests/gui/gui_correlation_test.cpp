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

    void fieldsRunTheCorrelationOnTheDialogsDrawingAndEnterCloses() {
        std::vector<std::string> zeroLag;
        std::vector<std::string> badTime;
        int inkOfCurve = -1;
        int differing = -1;
        bool closed = false;
        h_->ChooseWithDialog({"Tools", "Корр. функция"}, [&](QDialog* dialog) {
            const QList<QLineEdit*> fields = FieldsOf(dialog);
            QAbstractButton* process = h_->Button("Обработать", dialog);
            h_->Click(process);  // every field 0: Tmax 0 without the full range
            zeroLag = h_->TakeMessages();
            // The text beside the check box ticks it; a Tmax that does not parse stops the
            // read before the box, so the run still has no lag limit.
            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                if (label->text().startsWith(QString::fromUtf8("Отображать полный диапазон"))) {
                    h_->Click(label);
                }
            }
            h_->TypeInto(fields[4], QStringLiteral("long"));
            h_->Click(process);
            badTime = h_->TakeMessages();
            h_->TypeInto(fields[4], QStringLiteral("0"));  // the full range needs no Tmax
            h_->TypeInto(fields[2], QStringLiteral("3"));
            h_->Click(process);
            inkOfCurve = CurveInk(dialog);
            differing = PixelsDiffering(
                dialog->grab(kCurveFrame).toImage(),
                static_cast<karvelo::CorrelationDialog*>(dialog)->DrawingSurface(), kCurveFrame);
            h_->Click(fields[0]);
            QTest::keyClick(fields[0], Qt::Key_Return);
            closed = !dialog->isVisible();
            if (!closed) {
                dialog->reject();
            }
        });
        QCOMPARE(zeroLag, std::vector<std::string>{"Invalid value entered."});
        QCOMPARE(badTime,
                 (std::vector<std::string>{"Please enter a number.", "Invalid value entered."}));
        QVERIFY(inkOfCurve > 0);
        QCOMPARE(differing, 0);
        QVERIFY(closed);
        QVERIFY(h_->TakeMessages().empty());
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(CorrelationTest)
#include "gui_correlation_test.moc"
