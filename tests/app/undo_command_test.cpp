// Undo, Redo and Keep Unfinished Board in the Game menu, by their keys.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "solver/replay.h"

namespace gorbix {
namespace {

class UndoCommandTest : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    testing::MainWindowTest::SetUp();
    window.hint().setBudget([] { return solver::Budget::ofNodes(3000); });
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(&window, key, modifiers);
  }
  std::vector<QImage> board() {
    std::vector<QImage> pictures;
    for (const ClickImage* image : ui().imgTile) pictures.push_back(image->pixmap().toImage());
    return pictures;
  }
  bool offered(bool undo, bool redo) {
    return window.menus().undoItem->isEnabled() == undo && window.menus().redoItem->isEnabled() == redo;
  }
};

TEST_F(UndoCommandTest, TheGameMenuEndsWithUndoRedoThenKeepUnfinishedBoard) {
  const MainMenus& m = window.menus();
  const QList<QAction*> items = m.mnuGame->actions();
  const auto at = items.indexOf(m.undoItem);
  ASSERT_GE(at, 2);
  EXPECT_EQ(items[at - 1], m.separatorBeforeUndo);
  EXPECT_LT(items.indexOf(m.hintItem), at - 1);
  ASSERT_EQ(items.mid(at + 1), (QList<QAction*>{m.redoItem, items[at + 2], m.keepBoardItem}));
  EXPECT_TRUE(items[at + 2]->isSeparator());
  EXPECT_EQ(m.undoItem->text(), "&Undo");
  EXPECT_EQ(m.undoItem->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+Z")});
  EXPECT_EQ(m.redoItem->text(), "Re&do");
  EXPECT_EQ(m.redoItem->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
  EXPECT_EQ(m.keepBoardItem->text(), "&Keep Unfinished Board");
  EXPECT_TRUE(m.keepBoardItem->isCheckable());
  EXPECT_FALSE(m.keepBoardItem->isChecked());
  EXPECT_TRUE(offered(false, false));
}

// The board's pictures and the score label follow at once; each undo and
// redo is told once, a send's redo when its walk has ended.
TEST_F(UndoCommandTest, TheKeysTakeASlideOrASendBackAndMakeItAgain) {
  QSignalSpy undone(&window.undoCommands(), &UndoCommands::undone);
  QSignalSpy redone(&window.undoCommands(), &UndoCommands::redone);
  const std::vector<QImage> start = board();
  slideOnce();
  const std::vector<QImage> slid = board();
  ASSERT_TRUE(offered(true, false));
  key(Qt::Key_Z);
  EXPECT_EQ(ui().lblScore->text(), "90");
  EXPECT_TRUE(board() == start);
  EXPECT_TRUE(offered(false, true));
  key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(ui().lblScore->text(), "85");
  EXPECT_TRUE(board() == slid);

  layTrack(1, 4, 1);
  QTest::mouseClick(tile(4, 1), Qt::RightButton);
  EXPECT_TRUE(offered(false, false)) << "not while the Thing walks";
  while (window.tmrMoveThing().isActive()) tick();
  EXPECT_EQ(ui().lblScore->text(), "100");
  key(Qt::Key_Z);
  EXPECT_EQ(ui().lblScore->text(), "75");
  EXPECT_EQ(ui().imgThing->pos(), thingRect(1, 1, window.zoom()).topLeft());
  key(Qt::Key_Y);
  EXPECT_EQ(redone.count(), 1);
  while (window.tmrMoveThing().isActive()) tick();
  EXPECT_EQ(ui().lblScore->text(), "90");
  EXPECT_EQ(undone.count(), 2);
  EXPECT_EQ(redone.count(), 2);
}

// The hint's move is a move of its own; its price stays paid.
TEST_F(UndoCommandTest, UndoTakesBackTheHintsMoveAndHidesTheNextHint) {
  QSignalSpy shown(&window.hint(), &HintController::hintShown);
  key(Qt::Key_H, Qt::NoModifier);
  ASSERT_TRUE(shown.wait(20'000));
  const solver::Position before = solver::positionOf(game());
  key(Qt::Key_H, Qt::NoModifier);
  while (window.tmrMoveThing().isActive()) tick();
  key(Qt::Key_Z);
  EXPECT_TRUE(solver::positionOf(game()).cells == before.cells);
  EXPECT_EQ(game().Score(), 80);
  const auto& events = game().history().events();
  EXPECT_EQ(events.size(), 3u);
  EXPECT_EQ(events.front().kind, PlayKind::Hint);
  key(Qt::Key_H, Qt::NoModifier);
  ASSERT_EQ(window.hint().state(), HintController::State::Searching);
  key(Qt::Key_Y);
  EXPECT_EQ(window.hint().state(), HintController::State::None) << "dropped without cost";
}

}  // namespace
}  // namespace gorbix
