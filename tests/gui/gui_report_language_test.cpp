// The report window in both languages: its object block kept from one start to the
// next, and in English every word of its table, summary and PDF English; the survey map's
// cell line and PDF in English; the interval field named in English in notes.
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/profile_report_window.h"
#include "app/program_settings.h"
#include "app/report_pdf.h"
#include "app/survey_map_window.h"
#include "app/survey_pdf.h"
#include "app/ui_text.h"
#include "gui_harness.h"
#include "profile/source_traces.h"
#include "session/form_session.h"

using namespace karvelo::testing;

namespace {

bool HasCyrillic(const std::string& text) {
    const QString wide = QString::fromStdString(text);
    return std::any_of(wide.begin(), wide.end(),
                       [](QChar c) { return c.unicode() >= 0x0400 && c.unicode() <= 0x04FF; });
}

}  // namespace

class ReportLanguageTest : public GuiTestCase {
    Q_OBJECT

  private slots:
    void theObjectBlockIsKeptFromOneReportWindowAndStartToTheNext() {
        QCOMPARE(karvelo::SavedObjectInfo(), karvelo::ObjectInfo{});
        h_->OpenProfile();
        h_->TypeInto(h_->Edit("velocityOrThickness"), QStringLiteral("4000"));
        auto* window = h_->OpenReport();
        QVERIFY(window != nullptr);
        WhenDialogOpens([this](QDialog* dialog) {
            // Typed keys are Latin only; the Cyrillic name is pasted.
            dialog->findChild<QLineEdit*>(QStringLiteral("structure"))
                ->setText(QStringLiteral("Мост 7, пролёт 2"));
            h_->TypeInto(dialog->findChild<QLineEdit*>(QStringLiteral("operator")),
                         QStringLiteral("  J. Smith "));
            h_->Click(h_->Button("OK", dialog));
        });
        h_->Click(h_->Button("Сведения об объекте…", window));
        karvelo::ObjectInfo typed;
        typed[0] = "Мост 7, пролёт 2";
        typed[3] = "J. Smith";
        QCOMPARE(window->Report().Object, typed);
        QCOMPARE(karvelo::SavedObjectInfo(), typed);
        // A design check rebuilds the report and keeps the block.
        h_->Enter(window, "designThickness", QStringLiteral("1200"));
        h_->Enter(window, "tolerance", QStringLiteral("15"));
        QCOMPARE(window->Report().Object, typed);
        window->close();

        // The next window starts with it, and a cancelled dialog changes nothing.
        window = h_->OpenReport();
        QCOMPARE(window->Report().Object, typed);
        WhenDialogOpens([this](QDialog* dialog) {
            h_->TypeInto(dialog->findChild<QLineEdit*>(QStringLiteral("notes")),
                         QStringLiteral("draft"));
            h_->Click(h_->Button("Cancel", dialog));
        });
        h_->Click(h_->Button("Сведения об объекте…", window));
        QCOMPARE(karvelo::SavedObjectInfo(), typed);
        QCOMPARE(window->Report().Object, typed);
    }

    void inEnglishTheReportItsSummaryAndItsPdfAreEnglish() {
        h_->OpenProfile();
        h_->TypeInto(h_->Edit("velocityOrThickness"), QStringLiteral("4000"));
        auto* window = h_->OpenReport();
        QVERIFY(window != nullptr);
        h_->Enter(window, "designThickness", QStringLiteral("1200"));
        h_->Enter(window, "tolerance", QStringLiteral("15"));
        const QString russianSummary = window->SummaryText();

        // The open window follows the switch at once.
        h_->Choose({"View", "Язык / Language", "English"});
        QCOMPARE(window->windowTitle(), QStringLiteral("Profile report"));
        QTableWidget* table = window->Table();
        QTRY_COMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Point"));
        QStringList headers;
        for (int c = 0; c < table->columnCount(); ++c) {
            headers << table->horizontalHeaderItem(c)->text().replace(QLatin1Char('\n'), ' ');
        }
        QCOMPARE(headers, QStringList({"Point", "Peak frequency by bin, Hz", "Peak amplitude, rel.",
                                       "Thickness by bin, mm", "Refined frequency, Hz",
                                       "Thickness by refined frequency, mm", "± thickness, mm",
                                       "Quality factor", "Hits in spectrum",
                                       "Hit frequency: min., Hz", "Hit frequency: median, Hz",
                                       "Hit frequency: max., Hz", "Design thickness", "Flags"}));
        const QString summary = window->SummaryText();
        QVERIFY2(summary.startsWith(QStringLiteral("Points: 10\nPoints with a result: 10\n"
                                                   "Thickness: mean, mm: ")),
                 qPrintable(summary));
        QVERIFY2(summary.contains(QStringLiteral("\nDesign thickness, mm: 1200 ± 15\n")),
                 qPrintable(summary));
        // The figures stay those of the Russian summary, line for line.
        QCOMPARE(summary.count(QLatin1Char('\n')), russianSummary.count(QLatin1Char('\n')));

        // Every word the PDF carries is English; the object's values stay as typed.
        karvelo::LineReport report = window->Report();
        report.Object[0] = "Мост 7";
        const karvelo::PdfReport pdf = karvelo::ComposeReport(h_->View().Session(), report);
        QCOMPARE(pdf.Object, (karvelo::NamedValues{{"Structure", "Мост 7"}}));
        std::vector<std::string> words{pdf.Verdict};
        for (const auto* block : {&pdf.Method, &pdf.Summary}) {
            for (const auto& [name, value] : *block) {
                words.push_back(name);
                words.push_back(value);
            }
        }
        words.insert(words.end(), pdf.Columns.begin(), pdf.Columns.end());
        for (const auto& row : pdf.Cells) {
            words.insert(words.end(), row.begin(), row.end());
        }
        for (const std::string& word : words) {
            QVERIFY2(!HasCyrillic(word), word.c_str());
        }
        QVERIFY(pdf.TextLanguage == karvelo::Language::English);

        // Back in Russian the window reads as it did.
        h_->Choose({"View", "Язык / Language", "Русский"});
        QTRY_COMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Точка"));
        QCOMPARE(window->SummaryText(), russianSummary);
    }

    void inEnglishTheSurveyMapReadsItsCellsAndItsPdfInEnglish() {
        QTemporaryDir dir;
        h_->openChooser.files =
            WriteRecordings(dir, {"G-1.txt", "G-2.txt", "H-1.txt"},
                            {.Hz = 2000.0, .Samples = 2000, .StepSeconds = 5e-6});
        h_->Choose({"View", "Язык / Language", "English"});
        // The reading options as offered.
        WhenDialogOpens([this](QDialog* reading) { h_->Click(h_->Button("OK", reading)); });
        h_->Choose({"Tools", "Survey map"});
        auto* map = TopLevel<karvelo::SurveyMapWindow>();
        QVERIFY(map != nullptr && QTest::qWaitForWindowExposed(map));
        h_->Enter(map, "rowSpacing", QStringLiteral("1"));
        h_->Enter(map, "columnSpacing", QStringLiteral("0.5"));
        const karvelo::SurveyGeometry& geometry = map->Geometry();
        const auto over = [&](std::uint32_t column, std::size_t row) {
            MoveMouse(map->MapLabel(),
                      QPoint(geometry.ColumnLeft(column) + 5, geometry.RowTop(row) + 5));
            return map->CellText();
        };
        QVERIFY2(over(1, 1).startsWith(QStringLiteral("H-1 (1 m; 0 m): ")) &&
                     over(1, 1).contains(QStringLiteral(" (Frequency, Hz) — H-1.txt")),
                 qPrintable(over(1, 1)));
        QCOMPARE(over(2, 1), QStringLiteral("H-2 (1 m; 0.5 m): no value"));
        // Off the map the line goes back to the selected cell: none.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(map->MapLabel(), &leave);
        QVERIFY(map->CellText().isEmpty());

        const karvelo::SurveyMapStyle style = karvelo::DataRangeStyle(map->Grid(), "Frequency, Hz");
        karvelo::SurveyMapStyle english = style;
        english.TextLanguage = karvelo::Language::English;
        const karvelo::SurveyPage page = karvelo::ComposeSurveyPage(
            map->Grid(), english, karvelo::SurveySpacing{1.0, 0.5}, h_->openChooser.files);
        QVERIFY(page.TextLanguage == karvelo::Language::English);
        for (const auto& [name, value] : page.Lines) {
            QVERIFY2(!HasCyrillic(name) && !HasCyrillic(value), (name + ": " + value).c_str());
        }
        QCOMPARE(page.Lines[1].first, std::string("Row and column spacing, m"));
        // The Russian page keeps its words.
        QCOMPARE(karvelo::ComposeSurveyPage(map->Grid(), style, std::nullopt, {}).Lines[0].first,
                 std::string("Значение"));
    }

    void notesAndRefusalsNameTheIntervalFieldInTheInterfaceLanguage() {
        const std::string reason = karvelo::MissingIntervalReason("a recording");
        QCOMPARE(karvelo::WithFieldNames(reason), QString::fromStdString(reason));
        h_->Choose({"View", "Язык / Language", "English"});
        QCOMPARE(karvelo::WithFieldNames(reason),
                 QStringLiteral("a recording without a sample interval: give the interval in "
                                "microseconds (--interval-us, \"Sample interval, µs\")"));
    }
};

QTEST_MAIN(ReportLanguageTest)
#include "gui_report_language_test.moc"
