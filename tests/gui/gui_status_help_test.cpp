// The status bar (what is loaded, what lies under the mouse) and the help: the guide on
// F1 in the interface language and the About box's versions.
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>

#include "app/about_dialog.h"
#include "app/guide_window.h"
#include "gui_harness.h"
#include "profile/profile_image.h"
#include "session/form_session.h"

using namespace karvelo::testing;

namespace {

// The trace panel's frame with the built-in profile's 2 traces a point, 450 columns each,
// and its time axis: 2048 samples of 31 µs down 250 rows.
constexpr QRect kTraceFrame(225, 60, 901, 251);
constexpr int kTraceColumns = 450;
constexpr double kMicrosecondsPerRow = 2047.0 * 31.0 / 250.0;

// The status bar's message after the mouse moved to (x, y) of the form's drawing.
QString ReadoutAt(GuiHarness& h, int x, int y) {
    MoveMouse(h.Form(), QPoint(x, y));
    return h.Window().statusBar()->currentMessage();
}

}  // namespace

class StatusHelpTest : public GuiTestCase {
    Q_OBJECT

  private slots:
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

    void theTracePanelReadsTheShownPointsTraceTimeAndSample() {
        h_->OpenProfile();
        h_->TypeInto(h_->Edit("pointNumber"), QStringLiteral("3"));
        h_->Click(h_->Button("Изменить диапазон частот"));
        const karvelo::Profile& profile = h_->View().Session().Doc().CurrentProfile();
        struct Case {
            int x;
            int y;
            const char* read;  // empty: no readout
        };
        for (const Case& c :
             {Case{kTraceFrame.left() + kTraceColumns + 100, 186, "1"},
              Case{kTraceFrame.left(), kTraceFrame.top(), "0"},
              Case{kTraceFrame.left() + kTraceColumns - 1, kTraceFrame.bottom(), "0"},
              Case{kTraceFrame.right(), 186, ""}, Case{kTraceFrame.left() - 1, 186, ""}}) {
            const QString readout = ReadoutAt(*h_, c.x, c.y);
            if (*c.read == 0) {
                QVERIFY2(readout.isEmpty(), qPrintable(readout));
                continue;
            }
            // The sample nearest to the row's time, of trace `read` of point 3.
            const int trace = QString::fromLatin1(c.read).toInt();
            const auto sample = static_cast<std::size_t>(
                std::lround((c.y - kTraceFrame.top()) * kMicrosecondsPerRow / 31.0));
            const double amplitude =
                karvelo::DecodeSample(karvelo::SampleFormat(profile.image),
                                      karvelo::SampleWord(profile.image, 3 * 2 + trace, sample));
            QCOMPARE(readout, QStringLiteral("Трасса %1, время %2 мкс, амплитуда %3")
                                  .arg(trace)
                                  .arg(sample * 31)
                                  .arg(amplitude, 0, 'g', 6));
        }
        // Leaving the drawing takes the readout away; the summary of what is loaded stays.
        QVERIFY(!ReadoutAt(*h_, kTraceFrame.left(), kTraceFrame.top()).isEmpty());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(h_->Form(), &leave);
        QVERIFY(h_->Window().statusBar()->currentMessage().isEmpty());
        // In English.
        h_->Choose({"View", "Язык / Language", "English"});
        QVERIFY(ReadoutAt(*h_, kTraceFrame.left(), kTraceFrame.top())
                    .startsWith(QStringLiteral("Trace 0, time 0 µs, amplitude ")));
    }

    void theProfileMapReadsPointFrequencyAndValue() {
        h_->OpenProfile();
        h_->Click(h_->Button("Усреднённый спектр"));
        const std::vector<karvelo::PointReport> report = h_->View().Session().ProfileReport();
        h_->Click(h_->Button("Спектр профиля"));
        const auto read = [this](int x, int y) { return ReadoutAt(*h_, x, y); };
        // The corners: point 0 at the band's first frequency, the last point at its last.
        // kMapFrame lies inside the frame's border lines (325, 370) and (1125, 620).
        const QString topLeft = read(kMapFrame.left() - 1, kMapFrame.top() - 1);
        QVERIFY2(topLeft.startsWith(QStringLiteral("Точка 0, частота 0.0 Гц, значение ")),
                 qPrintable(topLeft));
        const QString bottomRight = read(kMapFrame.right() + 2, kMapFrame.bottom() + 2);
        QVERIFY2(bottomRight.startsWith(QStringLiteral("Точка 9, частота 3008.0 Гц")),
                 qPrintable(bottomRight));
        QVERIFY(read(kMapFrame.right() + 3, kMapFrame.top()).isEmpty());
        h_->Choose({"View", "Язык / Language", "English"});
        QVERIFY(read(kMapFrame.left() - 1, kMapFrame.top() - 1)
                    .startsWith(QStringLiteral("Point 0, frequency 0.0 Hz, value ")));
        h_->Choose({"View", "Язык / Language", "Русский"});

        // Down the column of point 4 the largest value is its row's maximum, near 1, at the
        // frequency of the point's strongest maximum.
        const int column = kMapFrame.left() - 1 + (4 * 800 + 8) / 9;
        double best = -1.0;
        double bestFrequency = 0.0;
        for (int y = kMapFrame.top(); y <= kMapFrame.bottom(); ++y) {
            const QStringList parts = read(column, y).split(QLatin1Char(' '));
            QCOMPARE(parts.value(1), QStringLiteral("4,"));
            const double value = parts.value(6).toDouble();
            if (value > best) {
                best = value;
                bestFrequency = parts.value(3).toDouble();
            }
        }
        QVERIFY2(best > 0.8 && best <= 1.0, qPrintable(QString::number(best)));
        const double pixelHz = 3000.0 / 250.0;
        QVERIFY2(std::abs(bestFrequency - report[4].Frequency) <= 2 * pixelHz,
                 qPrintable(QStringLiteral("%1 %2").arg(bestFrequency).arg(report[4].Frequency)));
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
};

QTEST_MAIN(StatusHelpTest)
#include "gui_status_help_test.moc"
