// Picking on the profile-spectrum map with the mouse and the picking bar.
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include "gui_harness.h"

using namespace karvelo::testing;

namespace {
constexpr karvelo::Colour kMarkWhite = 0x00FFFFFFU;
}  // namespace

class PickingTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        h_ = std::make_unique<GuiHarness>();
        h_->OpenProfile();
        h_->Click(h_->Button("Спектр профиля"));
        h_->Choose({"Tools", "Пикирование"});
        bar_ = h_->Bar("pickingBar");
        QVERIFY(bar_->isVisible());
        QFile::remove(PicksPath());
        h_->chooser.SetPath(PicksPath().toStdString());
    }
    void cleanup() { h_.reset(); }

    void twoClosedLinesAreMarkedSavedAndTheStoreEmptied() {
        // Ten points 89 pixels apart from x 325: a press at 400 belongs to x 414.
        QVERIFY(h_->Drawing().PixelAt(414, 400) != kMarkWhite);
        for (const QPoint at : {QPoint(400, 400), QPoint(500, 420), QPoint(600, 440)}) {
            h_->ClickForm(at.x(), at.y());
        }
        QCOMPARE(h_->Drawing().PixelAt(414, 400), kMarkWhite);
        QVERIFY(h_->Drawing().PixelAt(400, 400) != kMarkWhite);
        h_->Click(h_->Button("Ok", bar_));
        h_->ClickForm(700, 500);
        h_->ClickForm(800, 520);
        // The second line is not finished yet: nothing to save.
        h_->Click(h_->Button("Сохранить", bar_));
        QCOMPARE(h_->chooser.calls, 0);
        OkAndSave();
        QCOMPARE(h_->chooser.calls, 1);
        QCOMPARE(h_->chooser.offeredName, std::string("pick_data.txt"));
        QCOMPARE(LineCount(PicksPath()), std::size_t{3 + 1 + 2 + 1});
        QVERIFY(h_->TakeMessages().empty());
        // Saved picks are gone: the map is redrawn without marks, a second save asks nothing.
        QVERIFY(h_->Drawing().PixelAt(414, 400) != kMarkWhite);
        OkAndSave();
        QCOMPARE(h_->chooser.calls, 1);
    }

    void deletingPicksClearsTheirMarksAndADoubleClickAddsOnePick() {
        const auto unmarked = Snapshot(h_->Drawing(), kMapFrame);
        h_->ClickForm(700, 400);
        h_->ClickForm(800, 450);
        QVERIFY(Snapshot(h_->Drawing(), kMapFrame) != unmarked);
        h_->Click(h_->Button("Удалить точки", bar_));
        QVERIFY(Snapshot(h_->Drawing(), kMapFrame) == unmarked);

        // A real double click through the window system: press, release, press, release.
        const QPoint at = h_->Form()->mapTo(&h_->Window(), QPoint(700, 400));
        QVERIFY(h_->Window().rect().contains(at));
        QTest::mouseDClick(h_->Window().windowHandle(), Qt::LeftButton, {}, at);
        OkAndSave();
        QCOMPARE(LineCount(PicksPath()), std::size_t{1 + 1});
    }

  private:
    QString PicksPath() const { return folder_.filePath(QStringLiteral("picks.txt")); }
    void OkAndSave() {
        h_->Click(h_->Button("Ok", bar_));
        h_->Click(h_->Button("Сохранить", bar_));
    }

    std::unique_ptr<GuiHarness> h_;
    QToolBar* bar_ = nullptr;
    QTemporaryDir folder_;
};

QTEST_MAIN(PickingTest)
#include "gui_picking_test.moc"
