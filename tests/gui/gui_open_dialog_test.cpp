// File > Open: the open dialog, its chooser, the hits checks and what the form shows
// after a load.
#include <QListWidget>
#include <QTest>

#include "gui_harness.h"
#include "profile/profile_image.h"

using namespace karvelo::testing;

namespace {
const QStringList kOpen{"&File", "&Open...\tCtrl+O"};
}  // namespace

class OpenDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { h_ = std::make_unique<GuiHarness>(); }
    void cleanup() { h_.reset(); }

    void dialogOffersBothChannelsAndTheLastHitsAndLoads() {
        QString title;
        QString offered;
        auto readAndCancel = [&](QDialog* dialog) {
            title = dialog->windowTitle();
            offered = h_->Button("Оба канала", dialog)->isChecked()
                          ? dialog->findChild<QLineEdit*>()->text()
                          : QString();
            h_->Click(h_->Button("Cancel", dialog));
        };
        h_->ChooseWithDialog(kOpen, readAndCancel);
        QCOMPARE(title, QString::fromUtf8("Открыть"));
        QCOMPARE(offered, QStringLiteral("1"));

        // As offered: traces, spectrum and maxima, shown where no control covers them.
        h_->OpenProfile();
        QVERIFY(h_->TakeMessages().empty());
        QVERIFY(InkIn(h_->Drawing(), kTraceFrame) > 0);
        QVERIFY(InkIn(h_->Drawing(), kSpectrumFrame) > 0);
        QVERIFY(h_->Maxima()->count() > 0 && h_->Button("Спектр профиля")->isEnabled());
        const QImage shown = h_->Form()->grab(kSpectrumFrame).toImage();
        QCOMPARE(PixelsDiffering(shown, h_->Drawing(), kSpectrumFrame), 0);

        // After a load of one channel with 2 hits, Ctrl+O offers 2 again but both channels.
        h_->OpenProfile("1 канал", QStringLiteral("2"));
        QVERIFY(h_->TakeMessages().empty());
        WhenDialogOpens(readAndCancel);
        QTest::keyClick(&h_->Window(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(offered, QStringLiteral("2"));
    }

    void chooserOffersOnlyTheFirstFile() {
        QString chooserTitle;
        bool firstChecked = false;
        bool secondEnabled = true;
        h_->ChooseWithDialog(kOpen, [&](QDialog* open) {
            WhenDialogOpens([&](QDialog* chooser) {
                chooserTitle = chooser->windowTitle();
                firstChecked = h_->Button("Файл 1", chooser)->isChecked();
                secondEnabled = h_->Button("Файл 2", chooser)->isEnabled();
                h_->Click(h_->Button("OK", chooser));
            });
            h_->Click(h_->Button("Выбрать файлы", open));
            h_->Click(h_->Button("OK", open));
        });
        QCOMPARE(chooserTitle, QStringLiteral("Dialog"));
        QVERIFY(firstChecked);
        QVERIFY(!secondEnabled);
        QCOMPARE(karvelo::TraceCount(), 20);  // the 20-record profile was loaded
    }

    void hitsAreCheckedByTheDialogThenByTheLoad() {
        h_->OpenProfile();
        const auto before = Snapshot(h_->Drawing(), kPanels);
        std::vector<std::string> prompts;
        bool stayedOpen = true;
        bool closed = false;
        h_->ChooseWithDialog(kOpen, [&](QDialog* dialog) {
            for (const char* typed : {"25", "-2"}) {
                h_->TypeInto(dialog->findChild<QLineEdit*>(), QString::fromUtf8(typed));
                h_->Click(h_->Button("OK", dialog));
                stayedOpen = stayedOpen && dialog->isVisible();
            }
            prompts = h_->TakeMessages();
            // 20 is in the dialog's range; the load refuses it for 10 hits per channel.
            h_->TypeInto(dialog->findChild<QLineEdit*>(), QStringLiteral("20"));
            h_->Click(h_->Button("OK", dialog));
            closed = !dialog->isVisible();
            if (!closed) {
                dialog->reject();
            }
        });
        QVERIFY(stayedOpen && closed);
        QCOMPARE(prompts, (std::vector<std::string>{"Please enter an integer between 1 and 20.",
                                                    "Please enter a positive integer."}));
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{"Invalid number of hits."});
        QVERIFY(Snapshot(h_->Drawing(), kPanels) == before);
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(OpenDialogTest)
#include "gui_open_dialog_test.moc"
