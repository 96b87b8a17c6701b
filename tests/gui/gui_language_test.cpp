// The interface in English: the translation is complete for every text the windows
// show, the language changes without a restart (plot captions included), and Russian
// comes back exactly as it was.
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include "app/correlation_dialog.h"
#include "app/interface_language.h"
#include "common/field_rules.h"
#include "gui_harness.h"

using namespace karvelo::testing;
using karvelo::Language;

namespace {

// The translated texts of every object under root: "context\nsource" of each.
QStringList UiTextsUnder(QObject* root) {
    QStringList texts;
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* object : objects) {
        for (const QByteArray& key : object->dynamicPropertyNames()) {
            if (key.startsWith("karvelo_ui_")) {
                texts << QString::fromUtf8(object->property(key.constData()).toByteArray());
            }
        }
    }
    return texts;
}

// The texts a translator lacks among texts.
QStringList Untranslated(const QTranslator& translator, const QStringList& texts) {
    QStringList missing;
    for (const QString& text : texts) {
        const QByteArray context = text.section(QLatin1Char('\n'), 0, 0).toUtf8();
        const QByteArray source = text.section(QLatin1Char('\n'), 1).toUtf8();
        if (translator.translate(context.constData(), source.constData()).isEmpty()) {
            missing << text;
        }
    }
    return missing;
}

QStringList MenuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* action : bar->actions()) {
        titles << action->text();
    }
    return titles;
}

}  // namespace

class LanguageTest : public GuiTestCase {
    Q_OBJECT

  private slots:
    void theEnglishTranslationIsFinishedAndCoversEveryText() {
        QFile ts(QStringLiteral(KARVELO_SOURCE_DIR "/resources/translations/karvelo_en.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QString xml = QString::fromUtf8(ts.readAll());
        QVERIFY(!xml.contains(QStringLiteral("type=\"unfinished\"")));
        QVERIFY(!xml.contains(QStringLiteral("type=\"vanished\"")));
        QVERIFY(
            !xml.contains(QRegularExpression(QStringLiteral("<translation>\\s*</translation>"))));

        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/i18n/karvelo_en.qm")));
        h_->OpenProfile();
        QStringList texts = UiTextsUnder(&h_->Window());
        QVERIFY2(texts.size() > 50, qPrintable(QString::number(texts.size())));
        WhenDialogOpens([&](QDialog* dialog) { texts << UiTextsUnder(dialog); });
        h_->Choose({"File", "Open..."});
        WhenDialogOpens([&](QDialog* dialog) { texts << UiTextsUnder(dialog); });
        h_->Choose({"Tools", "Корр. функция"});
        for (const char* rule : karvelo::kFieldRules) {
            texts << QStringLiteral("FieldRules\n") + QString::fromUtf8(rule);
        }
        QCOMPARE(Untranslated(english, texts), QStringList{});
    }

    void theLanguageChangesAtOnceAndRussianComesBackAsItWas() {
        h_->OpenProfile();
        const QStringList russianTitles = MenuTitles(h_->Window().menuBar());
        const auto russianPicture = Snapshot(h_->Drawing(), kPanels);
        const auto russianFrame = Snapshot(h_->Drawing(), kSpectrumFrame);
        const QString russianLabel = h_->Button("Одна трасса")->text();

        h_->Choose({"View", "Язык / Language", "English"});
        QCOMPARE(MenuTitles(h_->Window().menuBar()),
                 QStringList({"&File", "&View", "&Help", "&Tools"}));
        QCOMPARE(h_->MenuItem({"Tools", "Picking"})->text(), QStringLiteral("&Picking"));
        QVERIFY(h_->MenuItem({"View", "Язык / Language", "English"})->isChecked());
        QVERIFY(h_->Button("One trace") != nullptr && h_->Label("Point number") != nullptr);
        // The captions are redrawn in English; the curves stay where they were.
        QVERIFY(Snapshot(h_->Drawing(), kPanels) != russianPicture);
        QVERIFY(Snapshot(h_->Drawing(), kSpectrumFrame) == russianFrame);

        // A refused value keeps its table text and names the field in English.
        QCOMPARE(QCoreApplication::translate("FieldRules", karvelo::kRuleFMin),
                 QStringLiteral("fmin, Hz: a whole number, 0 … fmax"));

        h_->Choose({"View", "Язык / Language", "Русский"});
        QCOMPARE(MenuTitles(h_->Window().menuBar()), russianTitles);
        QCOMPARE(h_->Button("Одна трасса")->text(), russianLabel);
        QVERIFY(Snapshot(h_->Drawing(), kPanels) == russianPicture);
    }
};

QTEST_MAIN(LanguageTest)
#include "gui_language_test.moc"
