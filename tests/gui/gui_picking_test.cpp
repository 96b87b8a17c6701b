// Picking on the profile-spectrum map with the mouse and the picking bar.
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include "gui_harness.h"

using karvelo::testing::GuiHarness;
using karvelo::testing::kMapFrame;
using karvelo::testing::ReadLines;
using karvelo::testing::Snapshot;

namespace {

constexpr karvelo::Colour kMarkWhite = 0x00FFFFFFU;

std::vector<std::uint32_t> MapPixels(const karvelo::Surface& surface) {
    return Snapshot(surface, kMapFrame);
}

}  // namespace

class PickingTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        h_ = std::make_unique<GuiHarness>();
        h_->OpenProfile();
        h_->Click(h_->Button("Спектр профиля"));
        h_->Choose({"Tools", "Пикирование"});
        bar_ = h_->Window().findChild<QToolBar*>(QStringLiteral("pickingBar"));
        QVERIFY(bar_->isVisible());
        h_->chooser.SetPath(folder_->filePath(QStringLiteral("picks.txt")).toStdString());
    }
    void cleanup() {
        h_.reset();
        folder_.reset();
    }

    void pickIsMarkedAtTheNearestPointColumn() {
        // Ten points 89 pixels apart from x 325: a press at 700 belongs to x 681.
        QVERIFY(h_->Drawing().PixelAt(681, 400) != kMarkWhite);
        h_->ClickForm(700, 400);
        QCOMPARE(h_->Drawing().PixelAt(681, 400), kMarkWhite);
        QVERIFY(h_->Drawing().PixelAt(700, 400) != kMarkWhite);
    }

    void twoClosedLinesAreSavedAndTheStoreEmptied() {
        for (const QPoint at : {QPoint(400, 400), QPoint(500, 420), QPoint(600, 440)}) {
            h_->ClickForm(at.x(), at.y());
        }
        h_->Click(h_->Button("Ok", bar_));
        h_->ClickForm(700, 500);
        h_->ClickForm(800, 520);
        // The second line is not finished yet: nothing to save.
        h_->Click(h_->Button("Сохранить", bar_));
        QCOMPARE(h_->chooser.calls, 0);
        h_->Click(h_->Button("Ok", bar_));
        h_->Click(h_->Button("Сохранить", bar_));
        QCOMPARE(h_->chooser.calls, 1);
        QCOMPARE(h_->chooser.offeredName, std::string("pick_data.txt"));
        QCOMPARE(ReadLines(folder_->filePath(QStringLiteral("picks.txt"))).size(),
                 std::size_t{3 + 1 + 2 + 1});
        QVERIFY(h_->TakeMessages().empty());
        // Saved picks are gone: the map is redrawn without marks, a second save asks nothing.
        QVERIFY(h_->Drawing().PixelAt(414, 400) != kMarkWhite);
        h_->Click(h_->Button("Ok", bar_));
        h_->Click(h_->Button("Сохранить", bar_));
        QCOMPARE(h_->chooser.calls, 1);
    }

    void deletingPicksClearsTheirMarks() {
        const auto unmarked = MapPixels(h_->Drawing());
        h_->ClickForm(700, 400);
        h_->ClickForm(800, 450);
        QVERIFY(MapPixels(h_->Drawing()) != unmarked);
        h_->Click(h_->Button("Удалить точки", bar_));
        QVERIFY(MapPixels(h_->Drawing()) == unmarked);
        h_->Click(h_->Button("Ok", bar_));
        h_->Click(h_->Button("Сохранить", bar_));
        QCOMPARE(h_->chooser.calls, 0);
    }

    void rightPressAndPressesOutsideTheMapAddNothing() {
        const auto unmarked = MapPixels(h_->Drawing());
        h_->ClickForm(700, 400, Qt::RightButton);
        h_->ClickForm(kMapFrame.left() - 20, 400);
        h_->ClickForm(700, kMapFrame.bottom() + 20);
        QVERIFY(MapPixels(h_->Drawing()) == unmarked);
        h_->Click(h_->Button("Ok", bar_));
        h_->Click(h_->Button("Сохранить", bar_));
        QCOMPARE(h_->chooser.calls, 0);
    }

    void doubleClickAddsOnePick() {
        // A real double click through the window system: press, release, press, release.
        QWindow* window = h_->Window().windowHandle();
        const QPoint at = h_->Form()->mapTo(&h_->Window(), QPoint(700, 400));
        QVERIFY(h_->Window().rect().contains(at));
        QTest::mouseDClick(window, Qt::LeftButton, {}, at);
        h_->Click(h_->Button("Ok", bar_));
        h_->Click(h_->Button("Сохранить", bar_));
        QCOMPARE(ReadLines(folder_->filePath(QStringLiteral("picks.txt"))).size(),
                 std::size_t{1 + 1});
    }

    void picksNeedTheProfileSpectrum() {
        h_->Click(h_->Button("Одна трасса"));
        h_->ClickForm(700, 400);
        h_->Click(h_->Button("Ok", bar_));
        h_->Click(h_->Button("Сохранить", bar_));
        QCOMPARE(h_->chooser.calls, 0);
    }

  private:
    std::unique_ptr<GuiHarness> h_;
    QToolBar* bar_ = nullptr;
    std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_MAIN(PickingTest)
#include "gui_picking_test.moc"
