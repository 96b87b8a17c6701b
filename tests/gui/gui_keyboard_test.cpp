// The desktop program from the keyboard: Alt letters and shortcuts in the menus, the Tab
// order of the form and the open dialog, tooltips of the controls named by a letter, and
// the list of maxima chosen with Enter or a double click.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "gui_harness.h"

using namespace karvelo::testing;

namespace {

// The letter after the single Alt mark of a text, or a null character when it has none
// or more than one.
QChar AltLetter(const QString& text) {
    const QString words = text.section(QLatin1Char('\t'), 0, 0);
    const qsizetype mark = words.indexOf(QLatin1Char('&'));
    if (mark < 0 || mark + 1 >= words.size() || words.indexOf(QLatin1Char('&'), mark + 1) >= 0) {
        return {};
    }
    return words.at(mark + 1).toLower();
}

// Problems of the Alt letters of one menu (titles of its submenus included), and of the
// submenus below it.
void CheckAltLetters(const QString& where, const QList<QAction*>& actions, QStringList& problems) {
    QString used;
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible()) {
            continue;
        }
        const QChar letter = AltLetter(action->text());
        if (letter.isNull() || !letter.isLetterOrNumber()) {
            problems << where + " › " + action->text() + ": no single Alt letter";
        } else if (used.contains(letter)) {
            problems << where + " › " + action->text() + ": Alt letter taken";
        }
        used += letter;
        if (action->menu() != nullptr) {
            CheckAltLetters(where + " › " + MenuWords(action->text()), action->menu()->actions(),
                            problems);
        }
    }
}

// The object names of the controls Tab reaches from first, in order, until it leaves
// first's parent (the form or the dialog) or comes back.
QStringList TabWalk(QWidget* first) {
    QStringList names;
    first->setFocus(Qt::TabFocusReason);
    QTest::qWait(0);
    for (int presses = 0; presses < 40; ++presses) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || !first->parentWidget()->isAncestorOf(focus) ||
            (presses > 0 && focus == first)) {
            break;
        }
        names << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return names;
}

}  // namespace

class KeyboardTest : public GuiTestCase {
    Q_OBJECT

  private slots:
    void everyMenuTextHasItsOwnAltLetterAndTheShortcutsShow() {
        QStringList problems;
        CheckAltLetters(QStringLiteral("menu bar"), h_->Window().menuBar()->actions(), problems);
        QCOMPARE(problems, QStringList{});
        struct Shortcut {
            QStringList item;
            QKeySequence keys;
        };
        const Shortcut shortcuts[] = {
            {{"File", "Open..."}, QKeySequence(Qt::CTRL | Qt::Key_O)},
            {{"File", "Print..."}, QKeySequence(Qt::CTRL | Qt::Key_P)},
            {{"File", "Exit"}, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        };
        for (const Shortcut& s : shortcuts) {
            QCOMPARE(h_->MenuItem(s.item)->shortcut(), s.keys);
        }
    }

    void tabFollowsTheFormAndTheOpenDialogAsTheyAreRead() {
        h_->OpenProfile();
        // Tab stops once in each radio group, on its checked button.
        QCOMPARE(
            TabWalk(h_->Button("Графический вид")),
            QStringList({"wiggle", "pointNumber", "singleTrace", "traceNumber", "exportSpectrum",
                         "velocityOrThickness", "thicknessGiven", "fmax", "fmin", "applyBand",
                         "defaultBand", "peakList", "shapeFactor", "detrend", "calibrate",
                         "sensorSpacing", "arrivalVelocityOff", "window", "zeroPad"}));
        QStringList dialogOrder;
        WhenDialogOpens([&](QDialog* dialog) {
            dialog->findChild<QWidget*>(QStringLiteral("firstSamples"))->show();
            dialog->findChild<QWidget*>(QStringLiteral("wholeMicroseconds"))->show();
            dialogOrder = TabWalk(dialog->findChild<QWidget*>(QStringLiteral("bothChannels")));
        });
        h_->Choose({"File", "Open..."});
        QCOMPARE(dialogOrder, QStringList({"bothChannels", "hits", "firstSamples",
                                           "wholeMicroseconds", "chooseFiles", "ok", "cancel"}));
    }

    void controlsNamedByALetterOrNothingHaveTooltips() {
        for (const char* name : {"exportSpectrum", "defaultBand", "thicknessGiven"}) {
            QVERIFY2(
                !h_->Form()->findChild<QWidget*>(QString::fromLatin1(name))->toolTip().isEmpty(),
                name);
        }
    }

    void aListedMaximumChosenFromTheListShowsWhatAClickOnItShows() {
        h_->OpenProfile();
        h_->Choose({"Tools", "Добротность", "Вкл. отображение"});
        auto* maxima = h_->Form()->findChild<QListWidget*>(QStringLiteral("peakList"));
        const QList<QListWidgetItem*> dominant =
            maxima->findItems(QStringLiteral("(1559;"), Qt::MatchStartsWith);
        QCOMPARE(dominant.size(), 1);
        const int line = maxima->row(dominant.front());
        const auto shown = [this] {
            return QStringList{h_->Label("frequency")->text(), h_->Label("derived")->text(),
                               h_->Label("refined")->text(), h_->Label("quality")->text()};
        };

        h_->ClickForm(kPeakX, kSpectrumFrame.center().y());
        const QStringList clicked = shown();
        QVERIFY(h_->Label("refined")->isVisible());

        for (const bool byEnter : {true, false}) {
            h_->ClickForm(kSpectrumFrame.left() + 5, kSpectrumFrame.center().y());
            QVERIFY(shown() != clicked);
            maxima->setCurrentRow(line);
            if (byEnter) {
                QTest::keyClick(maxima, Qt::Key_Return);
            } else {
                const QPoint at = maxima->visualItemRect(dominant.front()).center();
                // A double click is a press and release, then the second press.
                QTest::mouseClick(maxima->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(maxima->viewport(), Qt::LeftButton, {}, at);
            }
            const QStringList chosen = shown();
            // The same bin: its refined frequency and quality; the frequency of the column
            // the list chose is at most one column (7.5 Hz) from the click's.
            QCOMPARE(chosen.mid(2), clicked.mid(2));
            QVERIFY2(std::abs(chosen[0].toDouble() - clicked[0].toDouble()) < 7.6,
                     qPrintable(chosen.join(' ') + " / " + clicked.join(' ')));
            QCOMPARE(maxima->currentRow(), line);
            QVERIFY(h_->TakeMessages().empty());
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "gui_keyboard_test.moc"
