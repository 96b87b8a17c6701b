// The status bar (what is loaded, what lies under the mouse) and the help: the guide on
// F1 in the interface language and the About box's versions.
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>

#include "app/about_dialog.h"
#include "app/guide_window.h"
#include "gui_harness.h"

using namespace karvelo::testing;

class StatusHelpTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { h_ = std::make_unique<GuiHarness>(); }
    void cleanup() { h_.reset(); }

    void theStatusBarSaysWhatIsLoadedAndReadsTheSpectrumUnderTheMouse() {
        auto* loaded = h_->Window().findChild<QLabel*>(QStringLiteral("loadedSummary"));
        QVERIFY(loaded->text().isEmpty());
        h_->OpenProfile();
        QCOMPARE(loaded->text(),
                 QStringLiteral("Встроенный профиль 1 — трасс: 20, точек: 10, ударов на точку: 1, "
                                "шаг: 31 мкс, запись: 63488 мкс, шаг частоты: 15.751 Гц"));

        // At the column of the dominant maximum: the frequency a click there reads, and the
        // maximum's normalised amplitude (the list's second number).
        QTest::mouseMove(h_->Form(), QPoint(kPeakX, kSpectrumFrame.center().y()));
        const QString readout = h_->Window().statusBar()->currentMessage();
        h_->ClickForm(kPeakX, kSpectrumFrame.center().y());
        const double clicked = h_->Label("frequency")->text().toDouble();
        QCOMPARE(readout, QStringLiteral("Частота %1 Гц, амплитуда 1").arg(clicked, 0, 'f', 1));
        // Off the panels the readout goes.
        QTest::mouseMove(h_->Form(), QPoint(5, 5));
        QVERIFY(h_->Window().statusBar()->currentMessage().isEmpty());
    }

    void f1OpensTheGuideInTheInterfaceLanguage() {
        QTest::keyClick(&h_->Window(), Qt::Key_F1);
        auto* guide = TopLevel<karvelo::GuideWindow>();
        QVERIFY(guide != nullptr);
        QVERIFY(guide->Browser()->toPlainText().contains(QStringLiteral("Открыть записи")));
        guide->close();
        QTest::qWait(0);
        h_->Choose({"View", "Язык / Language", "English"});
        h_->Choose({"Help", "User guide"});
        QTRY_VERIFY(TopLevel<karvelo::GuideWindow>() != nullptr);
        QVERIFY(TopLevel<karvelo::GuideWindow>()->Browser()->toPlainText().contains(
            QStringLiteral("Open recordings")));

        QString about;
        WhenDialogOpens([&](QDialog* box) {
            about = box->findChild<QLabel*>(QStringLiteral("aboutText"))->text();
        });
        h_->Choose({"Help", "About Karvelo..."});
        QVERIFY2(about.contains(QStringLiteral("Qt ") + qVersion()) &&
                     about.contains(QStringLiteral("FFTW 3.")) && about.contains("ALGLIB 3.") &&
                     about.contains("segyio 1.") && about.contains("GPL"),
                 qPrintable(about));
    }

  private:
    std::unique_ptr<GuiHarness> h_;
};

QTEST_MAIN(StatusHelpTest)
#include "gui_status_help_test.moc"
