// Playing with the keyboard: the cursor's moves, Space and Enter against
// the clicks they stand for, the cursor's frame and the focus chain.
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "solver/replay.h"
#include "solver/solver.h"
#include "ui/windows/board_surface.h"
#include "ui/windows/frm_eogame.h"

namespace gorbix {
namespace {

using testing::CountingTrap;
using testing::FakeSounds;
using testing::TestMain;

// A window loaded like the fixture's, to play the same deal by mouse.
struct Twin {
  Twin() {
    window.Form_Load();
    for (auto* backend : sounds.made) backend->finishLoad(true);
    QCoreApplication::sendPostedEvents();
    for (auto& log : sounds.logs) log.clear();
  }
  CountingTrap trap;
  FakeSounds sounds;
  TestMain window{trap, sounds};
};

class KeyboardTest : public testing::MainWindowTest {
 protected:
  BoardSurface* board() { return ui().board; }
  void key(Qt::Key k, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(board(), k);
  }
  // Home, then along the arrows to the cell.
  void cursorTo(int col, int row) {
    key(Qt::Key_Home);
    key(Qt::Key_Left, kCols);
    key(Qt::Key_Up, kRows);
    key(Qt::Key_Right, col - 1);
    key(Qt::Key_Down, row - 1);
  }
  Cell cursorCell() { return board()->cursor().cell(); }
  void showActive() {
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
};

struct Moves {
  const char* name;
  std::vector<Qt::Key> keys;
  bool visible;
  Cell at;
};

TEST_F(KeyboardTest, ArrowsHomeAndEndMoveTheCursorAndTheEdgesStopIt) {
  using K = std::vector<Qt::Key>;
  const std::vector<Moves> table = {
      {"no key yet", K{}, false, kStartCell},
      {"the first arrow only shows it, on the Thing", K{Qt::Key_Right}, true, {1, 1}},
      {"the second one moves it", K{Qt::Key_Down, Qt::Key_Right}, true, {2, 1}},
      {"left edge", K{Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}, true, {1, 1}},
      {"top edge", K{Qt::Key_Up, Qt::Key_Up}, true, {1, 1}},
      {"right edge", K(kCols + 3, Qt::Key_Right), true, {8, 1}},
      {"bottom edge", K(kRows + 3, Qt::Key_Down), true, {1, 6}},
      {"End is the goal", K{Qt::Key_End}, true, {8, 6}},
      {"the goal is a corner", K{Qt::Key_End, Qt::Key_Right, Qt::Key_Down}, true, {8, 6}},
      {"back up from the goal", K{Qt::Key_End, Qt::Key_Up, Qt::Key_Left}, true, {7, 5}},
      {"Home is the Thing", K{Qt::Key_End, Qt::Key_Home}, true, {1, 1}},
      {"other keys leave it", K{Qt::Key_Right, Qt::Key_A, Qt::Key_Tab}, true, {1, 1}},
  };
  for (const Moves& moves : table) {
    Twin fresh;
    BoardSurface* surface = fresh.window.controls().board;
    for (const Qt::Key k : moves.keys) QTest::keyClick(surface, k);
    EXPECT_EQ(surface->cursor().visible(), moves.visible) << moves.name;
    if (moves.visible) {
      EXPECT_EQ(surface->cursor().cell(), moves.at) << moves.name << ": at " << surface->cursor().cell().col << ","
                                                    << surface->cursor().cell().row;
    }
  }
}

TEST_F(KeyboardTest, TheCursorStartsAndComesHomeWhereTheThingStands) {
  game().PlaceThing(3, 2);
  key(Qt::Key_Left);
  EXPECT_EQ(cursorCell(), (Cell{3, 2}));
  key(Qt::Key_Left);
  game().PlaceThing(6, 4);
  key(Qt::Key_Home);
  EXPECT_EQ(cursorCell(), (Cell{6, 4}));
}

// Every cell, both keys, on a board with a track to walk: the keyboard's
// game and the mouse's stay the same in board, score, Thing and sounds.
TEST_F(KeyboardTest, SpaceAndEnterDoWhatTheClicksDoOnEveryCell) {
  for (const auto& [press, button] : {std::pair{Qt::Key_Space, Qt::LeftButton},
                                      std::pair{Qt::Key_Return, Qt::RightButton},
                                      std::pair{Qt::Key_Enter, Qt::RightButton}}) {
    for (int index = 0; index < kCells; ++index) {
      const Cell cell = IndexToCell(index);
      Twin keys;
      Twin mouse;
      for (Twin* twin : {&keys, &mouse}) {
        Game& g = twin->window.game();
        // A track along a row without the hole, the Thing at its start.
        int holeRow = 1;
        for (int i = 0; i < kCells; ++i)
          if (g.Board(IndexToCell(i).col, IndexToCell(i).row) == kHole) holeRow = IndexToCell(i).row;
        const int row = holeRow == 1 ? 2 : 1;
        g.SetCell(kTakenBonus, 1, row);
        for (int col = 2; col <= 5; ++col) g.SetCell('G', col, row);
        g.PlaceThing(1, row);
      }
      BoardSurface* surface = keys.window.controls().board;
      surface->moveCursorTo(index);
      QTest::keyClick(surface, press);
      const MainControls& m = mouse.window.controls();
      const Game& g = mouse.window.game();
      const bool onThing = cell.col == g.ThingCol() && cell.row == g.ThingRow();
      QTest::mouseClick(onThing ? static_cast<QWidget*>(m.imgThing) : m.imgTile[static_cast<std::size_t>(index)], button);

      const std::string where =
          std::to_string(cell.col) + "," + std::to_string(cell.row) + " key " + std::to_string(press);
      EXPECT_EQ(keys.window.game().board(), mouse.window.game().board()) << where;
      EXPECT_EQ(keys.window.game().Score(), g.Score()) << where;
      EXPECT_EQ(keys.window.game().ThingCol(), g.ThingCol()) << where;
      EXPECT_EQ(keys.window.game().ThingRow(), g.ThingRow()) << where;
      EXPECT_EQ(keys.window.tmrMoveThing().isActive(), mouse.window.tmrMoveThing().isActive()) << where;
      EXPECT_EQ(keys.sounds.logs, mouse.sounds.logs) << where;
    }
  }
}

TEST_F(KeyboardTest, SpaceSlidesEnterSendsAndBothAreIgnoredWhileTheThingWalks) {
  const Cell h = hole();
  const int row = h.row == 1 ? 2 : 1;
  layTrack(1, 4, row);
  cursorTo(4, row);
  key(Qt::Key_Return);
  ASSERT_TRUE(window.tmrMoveThing().isActive());
  const BoardGrid walking = game().board();
  const std::int16_t score = game().Score();
  for (auto& log : sounds.logs) log.clear();
  // A slide that would be taken at rest, and a second send.
  const Cell now = hole();
  cursorTo(besideHole(now), now.row);
  key(Qt::Key_Space);
  key(Qt::Key_Enter);
  EXPECT_EQ(game().board(), walking);
  EXPECT_EQ(game().Score(), score);
  for (const auto& log : sounds.logs) EXPECT_TRUE(log.empty());
  // The cursor itself still answers.
  EXPECT_EQ(cursorCell(), (Cell{static_cast<std::int16_t>(besideHole(now)), now.row}));
  while (window.tmrMoveThing().isActive()) tick();
  const std::int16_t home = game().Score();
  key(Qt::Key_Space);
  EXPECT_EQ(game().Board(besideHole(now), now.row), kHole) << "at rest the slide is taken";
  EXPECT_EQ(game().Score(), home - 5);
}

TEST_F(KeyboardTest, AClickHidesTheCursorAndTheNextArrowBringsItBackInPlace) {
  cursorTo(3, 4);
  ASSERT_TRUE(board()->cursor().visible());
  QTest::mouseClick(tile(6, 6), Qt::RightButton);
  EXPECT_FALSE(board()->cursor().visible());
  key(Qt::Key_Down);
  EXPECT_TRUE(board()->cursor().visible());
  EXPECT_EQ(cursorCell(), (Cell{3, 4}));
  QTest::mouseClick(ui().imgThing, Qt::RightButton);
  EXPECT_FALSE(board()->cursor().visible());
}

TEST_F(KeyboardTest, SpaceOrEnterOnAHiddenCursorOnlyShowsWhereItWouldAct) {
  const BoardGrid before = game().board();
  for (const Qt::Key k : {Qt::Key_Space, Qt::Key_Return}) {
    QTest::mouseClick(tile(8, 6), Qt::MiddleButton);
    ASSERT_FALSE(board()->cursor().visible());
    key(k);
    EXPECT_TRUE(board()->cursor().visible());
    EXPECT_EQ(cursorCell(), kStartCell);
    EXPECT_EQ(game().board(), before);
    EXPECT_EQ(game().Score(), 100);
    for (const auto& log : sounds.logs) EXPECT_TRUE(log.empty());
  }
}

TEST_F(KeyboardTest, MovingTheCursorToATileMakesSpaceActThere) {
  const Cell h = hole();
  const int col = besideHole(h);
  window.moveCursorTo(CellToIndex(col, h.row));
  EXPECT_TRUE(board()->cursor().visible());
  key(Qt::Key_Space);
  EXPECT_EQ(game().Board(col, h.row), kHole);
  EXPECT_EQ(game().Score(), 95);
  for (const int offBoard : {-1, kCells, 1000}) {
    window.moveCursorTo(offBoard);
    EXPECT_EQ(cursorCell(), (Cell{static_cast<std::int16_t>(col), h.row}));
  }
}

TEST_F(KeyboardTest, TheBoardHasTheFocusAndTabGoesToTheScoreListAndBack) {
  showActive();
  EXPECT_EQ(QApplication::focusWidget(), board());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), ui().lstScores);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), board());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), ui().lstScores);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), board());
}

// Either button, refused or not: the arrows that follow move the cursor,
// not the score list's selection.
TEST_F(KeyboardTest, AClickOnTheBoardGivesItTheKeys) {
  showActive();
  const Cell h = hole();
  for (const auto& [widget, button] : std::vector<std::pair<QWidget*, Qt::MouseButton>>{
           {ui().imgThing, Qt::RightButton}, {tile(h.col, h.row), Qt::RightButton},  // refused sends
           {tile(h.col % kCols + 1, h.row % kRows + 1), Qt::LeftButton},            // a refused slide
           {tile(besideHole(h), h.row), Qt::LeftButton}}) {                         // a slide
    ui().lstScores->setFocus();
    const int row = ui().lstScores->currentRow();
    QTest::mouseClick(widget, button);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(board()->cursor().visible());
    EXPECT_EQ(ui().lstScores->currentRow(), row);
  }
}

TEST_F(KeyboardTest, TheMenusShortcutsStillWorkWhileTheBoardHasTheFocus) {
  showActive();
  slideOnce();
  ASSERT_EQ(game().Score(), 95);
  QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(game().Score(), 100);
  EXPECT_EQ(QApplication::focusWidget(), board());
  EXPECT_FALSE(board()->cursor().visible()) << "a shortcut is no cursor key";
}

// The frame covers the cell's edge and nothing else; a click leaves the
// window exactly as it looked before any key, at every zoom.
TEST_F(KeyboardTest, TheFrameMarksOnlyItsCellAndAClickTakesItAway) {
  for (const int percent : kZoomPercents) {
    window.zoomTo(percent);
    board()->hideCursor();
    const QImage before = ui().client->grab().toImage();
    const Zoom zoom(percent);
    cursorTo(4, 3);
    const QImage framed = ui().client->grab().toImage();
    const QRect cell = tileRect(4, 3, zoom);
    const int edge = std::max(1, zoom.at(kCursorEdgeWidth));
    const int band = std::max(kCursorBandWidth, zoom.at(kCursorBandWidth));
    ASSERT_GE(band, 3);
    const int y = cell.center().y();
    EXPECT_EQ(framed.pixelColor(cell.left(), y), kCursorEdgeColour) << percent;
    EXPECT_EQ(framed.pixelColor(cell.left() + edge, y), kCursorBandColour) << percent;
    EXPECT_EQ(framed.pixelColor(cell.left() + edge + band - 1, y), kCursorBandColour) << percent;
    EXPECT_EQ(framed.pixelColor(cell.left() + edge + band, y), kCursorEdgeColour) << percent;
    EXPECT_EQ(framed.pixelColor(cell.right(), cell.bottom()), kCursorEdgeColour) << percent;
    EXPECT_EQ(framed.pixelColor(cell.right() - edge, cell.top() + edge + 1), kCursorBandColour) << percent;
    int changed = 0;
    for (int py = 0; py < before.height(); ++py) {
      for (int px = 0; px < before.width(); ++px) {
        if (before.pixel(px, py) == framed.pixel(px, py)) continue;
        ++changed;
        const QRect inner = cell.adjusted(2 * edge + band, 2 * edge + band, -(2 * edge + band), -(2 * edge + band));
        ASSERT_TRUE(cell.contains(px, py) && !inner.contains(px, py)) << percent << ": " << px << "," << py;
      }
    }
    EXPECT_GT(changed, 0);
    QTest::mouseClick(tile(8, 1), Qt::RightButton);
    EXPECT_EQ(ui().client->grab().toImage(), before) << percent;
  }
}

// A winning line of the solver, played by arrows, Space and Enter alone:
// the level ends with the line's score and the next one starts.
TEST_F(KeyboardTest, AWholeLevelIsPlayedWithTheKeysAlone) {
  std::vector<int> endScores;
  window.answer = [&](QDialog& dialog) {
    auto& end = dynamic_cast<frmEOGame&>(dialog);
    endScores.push_back(game().Score());
    QTest::mouseClick(end.cmdNextLevel, Qt::LeftButton);
  };
  const solver::Line line = solver::solve(solver::positionOf(game()), solver::Budget::ofNodes(20000));
  ASSERT_FALSE(line.clicks.empty());
  bool rights = false;
  key(Qt::Key_Home);
  for (const solver::Click& click : line.clicks) {
    ASSERT_TRUE(endScores.empty()) << "ended before the line's last click";
    const Cell target = IndexToCell(click.index);
    const Cell from = cursorCell();
    key(target.col > from.col ? Qt::Key_Right : Qt::Key_Left, std::abs(target.col - from.col));
    key(target.row > from.row ? Qt::Key_Down : Qt::Key_Up, std::abs(target.row - from.row));
    ASSERT_EQ(cursorCell(), target);
    key(click.right ? Qt::Key_Return : Qt::Key_Space);
    rights = rights || click.right;
    for (int ticks = 0; window.tmrMoveThing().isActive(); ++ticks) {
      ASSERT_LT(ticks, kCells * 4) << "a walk that does not end";
      tick();
    }
  }
  ASSERT_EQ(endScores.size(), 1u);
  EXPECT_EQ(endScores.front(), line.score);
  EXPECT_EQ(game().BestScore()[0], line.score);
  EXPECT_EQ(game().CurrentLevel(), 2);
  EXPECT_TRUE(rights) << "the line sends the Thing at least once";
}

}  // namespace
}  // namespace gorbix
