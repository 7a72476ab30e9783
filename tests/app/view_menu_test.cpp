// The View menu: colour-safe tiles, and the main window at every zoom.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "ui/art/tile_art.h"

namespace gorbix {
namespace {

class ViewMenuTest : public testing::MainWindowTest {
 protected:
  void showActive() {
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void press(int key) { QTest::keyClick(&window, static_cast<Qt::Key>(key), Qt::ControlModifier); }
  QImage client() { return ui().client->grab().toImage(); }
  // A click where the player would make it: the window finds the control.
  void clickCell(int col, int row, Qt::MouseButton button) {
    const QPoint centre = tileRect(col, row, window.zoom()).center();
    QTest::mouseClick(window.windowHandle(), button, {}, ui().client->mapTo(&window, centre));
  }
  std::vector<int> checkedZooms() {
    std::vector<int> checked;
    for (std::size_t i = 0; i < kZoomPercents.size(); ++i)
      if (window.menus().zoomItems[i]->isChecked()) checked.push_back(kZoomPercents[i]);
    return checked;
  }
  std::vector<int> enabledZooms() {
    std::vector<int> enabled;
    for (std::size_t i = 0; i < kZoomPercents.size(); ++i)
      if (window.menus().zoomItems[i]->isEnabled()) enabled.push_back(kZoomPercents[i]);
    return enabled;
  }
};

TEST_F(ViewMenuTest, TheViewMenuSitsBetweenGameAndHelp) {
  std::vector<QString> headings;
  for (const QAction* action : window.menuBar()->actions()) headings.push_back(action->text());
  EXPECT_EQ(headings, (std::vector<QString>{"&File", "&Game", "&View", "&Help"}));
  const MainMenus& m = window.menus();
  EXPECT_EQ(m.colourSafeItem->text(), "&Colour-Safe Tiles");
  EXPECT_TRUE(m.colourSafeItem->isCheckable());
  EXPECT_FALSE(m.colourSafeItem->isChecked());
  EXPECT_EQ(m.zoomMenu->title(), "&Zoom");
  ASSERT_EQ(m.zoomItems.size(), 4u);
  const char* captions[] = {"&100 %", "1&50 %", "&200 %", "&300 %"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(m.zoomItems[i]->text(), captions[i]);
    EXPECT_TRUE(m.zoomItems[i]->isCheckable());
    ASSERT_NE(m.zoomItems[i]->actionGroup(), nullptr);
    EXPECT_TRUE(m.zoomItems[i]->actionGroup()->isExclusive());
    EXPECT_EQ(m.zoomItems[i]->actionGroup(), m.zoomItems[0]->actionGroup());
  }
  EXPECT_EQ(checkedZooms(), std::vector<int>{100});
  EXPECT_EQ(m.zoomItems[0]->shortcut(), QKeySequence("Ctrl+0"));
  EXPECT_EQ(m.zoomInItem->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")}));
  EXPECT_EQ(m.zoomOutItem->shortcut(), QKeySequence("Ctrl+-"));
}

TEST_F(ViewMenuTest, ColourSafeRepaintsTheBoardWritesEachToggleAndComesBackExactly) {
  const QImage before = client();
  const QImage thing = ui().imgThing->pixmap().toImage();
  window.menus().colourSafeItem->trigger();
  EXPECT_TRUE(window.ColourSafe());
  EXPECT_TRUE(window.menus().colourSafeItem->isChecked());
  for (int row = 1; row <= kRows; ++row)
    for (int col = 1; col <= kCols; ++col)
      ASSERT_EQ(picture(col, row), art::tilePixmap(game().Board(col, row), 1.0, art::TileLook::ColourSafe).toImage())
          << col << "," << row;
  EXPECT_EQ(ui().imgThing->pixmap().toImage(), thing);

  // New pictures from then on come in the same look.
  slideOnce();
  const Cell h = hole();
  EXPECT_EQ(picture(h.col, h.row), art::tilePixmap(kHole, 1.0, art::TileLook::ColourSafe).toImage());

  window.menus().colourSafeItem->trigger();
  EXPECT_FALSE(window.ColourSafe());
  EXPECT_EQ(window.colourSafeWrites, (std::vector<bool>{true, false}));
  game().StartLevel(1);
  const Cell again = hole();
  EXPECT_EQ(picture(again.col, again.row), art::tilePixmap(kHole).toImage());
  EXPECT_EQ(before.size(), client().size());
}

struct ZoomCase {
  int percent;
  QSize client;
  QRect firstTile;
  QRect lastTile;
  QRect thing;
  QRect rating;
};

TEST_F(ViewMenuTest, EveryControlScalesWithTheZoom) {
  const ZoomCase cases[] = {
      {150, {839, 548}, {8, 135, 67, 68}, {480, 473, 68, 67}, {20, 147, 44, 44}, {567, 504, 255, 23}},
      {300, {1677, 1095}, {15, 270, 135, 135}, {960, 945, 135, 135}, {39, 294, 87, 87}, {1134, 1008, 510, 45}},
  };
  for (const ZoomCase& c : cases) {
    SCOPED_TRACE(c.percent);
    window.zoomTo(c.percent);
    ASSERT_EQ(window.zoom().percent(), c.percent);
    EXPECT_EQ(ui().client->size(), c.client);
    EXPECT_EQ(window.size(), QSize(c.client.width(), c.client.height() + window.menuBar()->height()));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "fixed size";
    EXPECT_EQ(tile(1, 1)->geometry(), c.firstTile);
    EXPECT_EQ(tile(8, 6)->geometry(), c.lastTile);
    EXPECT_EQ(ui().imgThing->geometry(), c.thing);
    EXPECT_EQ(ui().lblRating->geometry(), c.rating);
    EXPECT_DOUBLE_EQ(ui().lblRating->font().pointSizeF(), 9.75 * c.percent / 100);
    EXPECT_DOUBLE_EQ(ui().lstScores->font().pointSizeF(), 9.75 * c.percent / 100);
    // The tiles still touch, with no gap and no overlap, and each shows a
    // picture drawn at its own size.
    for (int row = 1; row <= kRows; ++row)
      for (int col = 1; col <= kCols; ++col) {
        const QRect r = tile(col, row)->geometry();
        if (col < kCols) {
          EXPECT_EQ(r.right() + 1, tile(col + 1, row)->x());
        }
        if (row < kRows) {
          EXPECT_EQ(r.bottom() + 1, tile(col, row + 1)->y());
        }
        EXPECT_EQ(tile(col, row)->pixmap().deviceIndependentSize().toSize(), r.size());
      }
    EXPECT_EQ(ui().imgThing->pixmap().deviceIndependentSize().toSize(), c.thing.size());
  }
  EXPECT_EQ(window.zoomWrites, (std::vector<int>{150, 300}));
}

TEST_F(ViewMenuTest, BackAtOneHundredEveryPixelIsAsIfNeverZoomed) {
  const QImage before = client();
  const QSize size = window.size();
  window.zoomTo(300);
  window.zoomTo(150);
  window.zoomTo(100);
  EXPECT_EQ(window.size(), size);
  EXPECT_EQ(client(), before);
  EXPECT_EQ(ui().imgThing->pos(), QPoint(13, 98));
}

TEST_F(ViewMenuTest, AClickAtTheCentreOfEveryCellAt200ReachesThatCell) {
  showActive();
  window.zoomTo(200);
  for (int row = 1; row <= kRows; ++row) {
    for (int col = 1; col <= kCols; ++col) {
      // The hole beside the cell, on the side away from the Thing.
      const Cell thing{game().ThingCol(), game().ThingRow()};
      int beside = col > 1 ? col - 1 : col + 1;
      if (beside == thing.col && row == thing.row) beside = col < kCols ? col + 1 : col - 1;
      const Cell h = hole();
      game().SetCell('A', h.col, h.row);
      game().SetCell(kHole, beside, row);
      clickCell(col, row, Qt::LeftButton);
      ASSERT_EQ(game().Board(col, row), kHole) << "the click on " << col << "," << row << " slid that tile";
    }
  }
}

TEST_F(ViewMenuTest, TheThingWalksOnTheZoomedBoard) {
  showActive();
  window.zoomTo(200);
  layTrack(1, 3, 1);
  EXPECT_EQ(ui().imgThing->pos(), QPoint(26, 196));
  QTest::mouseClick(tile(3, 1), Qt::RightButton);
  tick();
  EXPECT_EQ(ui().imgThing->pos(), QPoint(116, 196));
  tick();
  EXPECT_EQ(ui().imgThing->pos(), QPoint(206, 196));
  EXPECT_EQ(ui().lblScore->text(), "110");
  // Zooming with the Thing away from the start takes it along.
  window.zoomTo(100);
  EXPECT_EQ(ui().imgThing->pos(), thingTopLeft(3, 1));
}

TEST_F(ViewMenuTest, ShortcutsStepThroughTheSizesAndEachChangeIsWritten) {
  showActive();
  press(Qt::Key_Equal);
  EXPECT_EQ(window.zoom().percent(), 150);
  press(Qt::Key_Plus);
  EXPECT_EQ(window.zoom().percent(), 200);
  press(Qt::Key_Plus);
  press(Qt::Key_Plus);
  EXPECT_EQ(window.zoom().percent(), 300) << "the largest size stays";
  EXPECT_EQ(checkedZooms(), std::vector<int>{300});
  press(Qt::Key_Minus);
  EXPECT_EQ(window.zoom().percent(), 200);
  press(Qt::Key_0);
  EXPECT_EQ(window.zoom().percent(), 100);
  press(Qt::Key_Minus);
  EXPECT_EQ(window.zoom().percent(), 100);
  EXPECT_EQ(checkedZooms(), std::vector<int>{100});
  EXPECT_EQ(window.zoomWrites, (std::vector<int>{150, 200, 300, 200, 100}));
}

TEST_F(ViewMenuTest, SizesThatWouldNotFitTheScreenAreNotOffered) {
  window.area = QRect(0, 0, 1024, 768);
  window.menus().viewMenu->aboutToShow();
  EXPECT_EQ(enabledZooms(), (std::vector<int>{100, 150}));
  window.zoomIn();
  EXPECT_EQ(window.zoom().percent(), 150);
  window.zoomIn();
  window.zoomTo(300);
  EXPECT_EQ(window.zoom().percent(), 150);
  EXPECT_EQ(checkedZooms(), std::vector<int>{150});
  EXPECT_EQ(window.zoomWrites, std::vector<int>{150});
  // Even a screen smaller than the designed window keeps the designed size.
  window.area = QRect(0, 0, 400, 300);
  window.menus().zoomMenu->aboutToShow();
  EXPECT_EQ(enabledZooms(), std::vector<int>{100});
}

TEST_F(ViewMenuTest, TheWindowKeepsItsCornerAndMovesOnlyAsFarAsTheScreenNeeds) {
  window.area = QRect(0, 0, 2000, 1200);
  showActive();
  window.move(100, 50);
  window.zoomTo(200);
  EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(100, 50));

  window.move(1500, 300);
  window.zoomTo(300);
  const QRect frame = window.frameGeometry();
  EXPECT_EQ(frame.right(), 1999) << "moved left just enough";
  EXPECT_EQ(frame.bottom(), 1199) << "and up just enough";
  EXPECT_TRUE(window.area.contains(frame));

  window.zoomTo(100);
  EXPECT_EQ(window.frameGeometry().topLeft(), frame.topLeft()) << "a smaller window does not move back";
}

TEST_F(ViewMenuTest, StartUpRestoresTheViewOrTheLargestSizeThatFits) {
  testing::CountingTrap otherTrap;
  testing::FakeSounds otherSounds;
  testing::TestMain other(otherTrap, otherSounds);
  other.storedView = {true, 300};
  other.area = QRect(0, 0, 1280, 1024);
  other.Form_Load();
  EXPECT_EQ(other.zoom().percent(), 200);
  EXPECT_TRUE(other.ColourSafe());
  EXPECT_TRUE(other.menus().colourSafeItem->isChecked());
  const ClickImage& first = *other.controls().imgTile[0];
  EXPECT_EQ(first.size(), QSize(90, 90));
  EXPECT_EQ(first.pixmap().toImage(),
            art::tilePixmap(other.game().Board(1, 1), QSize(90, 90), 1.0, art::TileLook::ColourSafe).toImage());
  EXPECT_TRUE(other.zoomWrites.empty()) << "start-up never writes";
  EXPECT_TRUE(other.colourSafeWrites.empty());
}

}  // namespace
}  // namespace gorbix
