// File > Open: the open dialog, its chooser, the hits checks and what the form shows
// after a load.
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "gui_harness.h"
#include "profile/profile_image.h"

using karvelo::testing::GuiHarness;
using karvelo::testing::InkIn;
using karvelo::testing::kPanels;
using karvelo::testing::kSpectrumFrame;
using karvelo::testing::kTraceFrame;
using karvelo::testing::Snapshot;
using karvelo::testing::WhenDialogOpens;

class OpenDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { h_ = std::make_unique<GuiHarness>(); }
    void cleanup() { h_.reset(); }

    void dialogOffersBothChannelsAndTheLastHits() {
        QString title;
        bool bothChecked = false;
        QString hits;
        WhenDialogOpens([&](QDialog* dialog) {
            title = dialog->windowTitle();
            bothChecked = h_->Button("Оба канала", dialog)->isChecked();
            hits = dialog->findChild<QLineEdit*>()->text();
            h_->Click(h_->Button("Cancel", dialog));
        });
        h_->Choose({"&File", "&Open...\tCtrl+O"});
        QCOMPARE(title, QString::fromUtf8("Открыть"));
        QVERIFY(bothChecked);
        QCOMPARE(hits, QStringLiteral("1"));
        // Cancelled: nothing drawn, nothing enabled.
        QCOMPARE(InkIn(h_->Drawing(), kTraceFrame), 0);
        QVERIFY(!h_->Button("Спектр профиля")->isEnabled());

        // After a load with 2 hits, the next dialog offers 2 again but both channels.
        h_->OpenProfile("1 канал", QStringLiteral("2"));
        WhenDialogOpens([&](QDialog* dialog) {
            bothChecked = h_->Button("Оба канала", dialog)->isChecked();
            hits = dialog->findChild<QLineEdit*>()->text();
            h_->Click(h_->Button("Cancel", dialog));
        });
        h_->Choose({"&File", "&Open...\tCtrl+O"});
        QVERIFY(bothChecked);
        QCOMPARE(hits, QStringLiteral("2"));
    }

    void chooserOffersOnlyTheFirstFile() {
        QString chooserTitle;
        bool firstChecked = false;
        bool secondEnabled = true;
        WhenDialogOpens([&](QDialog* open) {
            WhenDialogOpens([&](QDialog* chooser) {
                chooserTitle = chooser->windowTitle();
                firstChecked = h_->Button("Файл 1", chooser)->isChecked();
                secondEnabled = h_->Button("Файл 2", chooser)->isEnabled();
                h_->Click(h_->Button("OK", chooser));
            });
            h_->Click(h_->Button("Выбрать файлы", open));
            h_->Click(h_->Button("OK", open));
        });
        h_->Choose({"&File", "&Open...\tCtrl+O"});
        QCOMPARE(chooserTitle, QStringLiteral("Dialog"));
        QVERIFY(firstChecked);
        QVERIFY(!secondEnabled);
        QCOMPARE(karvelo::TraceCount(), 20);  // the 20-record profile was loaded
    }

    void defaultOpenDrawsTracesSpectrumAndMaxima() {
        h_->OpenProfile();
        QVERIFY(h_->TakeMessages().empty());
        QVERIFY(InkIn(h_->Drawing(), kTraceFrame) > 0);
        QVERIFY(InkIn(h_->Drawing(), kSpectrumFrame) > 0);
        auto* maxima = h_->Form()->findChild<QListWidget*>(QStringLiteral("peakList"));
        QVERIFY(maxima->count() > 0);
        QVERIFY(maxima->item(0)->text().startsWith(QLatin1Char('(')));
        QVERIFY(h_->Button("Спектр профиля")->isEnabled());
        QVERIFY(h_->Button("S")->isEnabled());
        QCOMPARE(h_->Edit("fmax")->text(), QStringLiteral("3000"));
        QCOMPARE(h_->Edit("fmin")->text(), QStringLiteral("0"));
        // The window shows the drawing where no control covers it.
        const QImage shown = h_->Form()->grab(kSpectrumFrame).toImage();
        QCOMPARE(karvelo::testing::PixelsDiffering(shown, h_->Drawing(), kSpectrumFrame), 0);
    }

    void oneChannelWithTwoHitsGivesFivePoints() {
        h_->OpenProfile("1 канал", QStringLiteral("2"));
        QVERIFY(h_->TakeMessages().empty());
        // Point 9 does not exist with five points: the form corrects it to the last one.
        h_->TypeInto(h_->Edit("pointNumber"), QStringLiteral("9"));
        QCOMPARE(h_->Edit("pointNumber")->text(), QStringLiteral("4"));
        h_->TypeInto(h_->Edit("traceNumber"), QStringLiteral("5"));
        QCOMPARE(h_->Edit("traceNumber")->text(), QStringLiteral("1"));
    }

    void hitsThatDoNotDivideTheProfileAreRefused() {
        h_->OpenProfile();
        const auto before = Snapshot(h_->Drawing(), kPanels);
        bool closed = false;
        WhenDialogOpens([&](QDialog* dialog) {
            h_->TypeInto(dialog->findChild<QLineEdit*>(), QStringLiteral("3"));
            h_->Click(h_->Button("OK", dialog));
            closed = !dialog->isVisible();
        });
        h_->Choose({"&File", "&Open...\tCtrl+O"});
        QVERIFY(closed);
        QCOMPARE(h_->TakeMessages(), std::vector<std::string>{"Invalid number of hits."});
        QVERIFY(Snapshot(h_->Drawing(), kPanels) == before);
        QCOMPARE(karvelo::PointCount, 10U);
    }

    void hitsOutsideTheRangeKeepTheDialogOpen_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("25") << "25"
                            << "Please enter an integer between 1 and 20.";
        QTest::newRow("0") << "0"
                           << "Please enter an integer between 1 and 20.";
        QTest::newRow("negative") << "-2"
                                  << "Please enter a positive integer.";
        QTest::newRow("letters") << "two"
                                 << "Please enter a positive integer.";
    }

    void hitsOutsideTheRangeKeepTheDialogOpen() {
        QFETCH(QString, typed);
        QFETCH(QString, prompt);
        bool stayedOpen = false;
        std::vector<std::string> shown;
        WhenDialogOpens([&](QDialog* dialog) {
            h_->TypeInto(dialog->findChild<QLineEdit*>(), typed);
            h_->Click(h_->Button("OK", dialog));
            stayedOpen = dialog->isVisible();
            shown = h_->TakeMessages();
            h_->Click(h_->Button("Cancel", dialog));
        });
        h_->Choose({"&File", "&Open...\tCtrl+O"});
        QVERIFY(stayedOpen);
        QCOMPARE(shown, std::vector<std::string>{prompt.toStdString()});
        QVERIFY(!karvelo::ProfileShown);
        QCOMPARE(InkIn(h_->Drawing(), kTraceFrame), 0);
    }

    void ctrlOOpensTheDialog() {
        bool opened = false;
        WhenDialogOpens([&](QDialog* dialog) {
            opened = dialog->windowTitle() == QString::fromUtf8("Открыть");
            h_->Click(h_->Button("Cancel", dialog));
        });
        QTest::keyClick(&h_->Window(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(opened);
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(OpenDialogTest)
#include "gui_open_dialog_test.moc"
