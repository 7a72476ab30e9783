// Undo, Redo and Keep Unfinished Board in the Game menu, by their keys.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "ui/windows/announcer.h"

namespace gorbix {
namespace {

class UndoCommandTest : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    testing::MainWindowTest::SetUp();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(&window, key, modifiers);
    while (window.tmrMoveThing().isActive()) tick();
  }
  std::pair<bool, bool> offered() { return {window.menus().undoItem->isEnabled(), window.menus().redoItem->isEnabled()}; }
};

// At the end of the Game menu. The score, the board and the Thing follow
// at once; each undo and redo is told once, a send's redo when its walk ends.
TEST_F(UndoCommandTest, TheKeysTakeASlideOrASendBackAndMakeItAgain) {
  const MainMenus& m = window.menus();
  QStringList after;
  for (const QAction* item : m.mnuGame->actions().mid(m.mnuGame->actions().indexOf(m.hintItem))) after << item->text();
  EXPECT_EQ(after, QStringList({"&Hint", QString::fromUtf8("S&tatistics\u2026"), "", "&Undo", "Re&do", "",
                                "&Keep Unfinished Board"}));
  EXPECT_TRUE(m.keepBoardItem->isCheckable() && !m.keepBoardItem->isChecked());
  QSignalSpy undone(&window.undoCommands(), &UndoCommands::undone);
  QSignalSpy redone(&window.undoCommands(), &UndoCommands::redone);
  const QImage start = ui().client->grab().toImage();
  slideOnce();
  EXPECT_EQ(offered(), std::pair(true, false));
  key(Qt::Key_Z);
  EXPECT_EQ(ui().lblScore->text(), "90");
  EXPECT_EQ(window.narrator().announcer().text(), "Move taken back. Score 90");
  game().AddScore(10);  // the label as it was, for the picture
  EXPECT_EQ(ui().client->grab().toImage(), start);
  EXPECT_EQ(offered(), std::pair(false, true));
  layTrack(1, 4, 1);
  QTest::mouseClick(tile(4, 1), Qt::RightButton);
  EXPECT_EQ(offered(), std::pair(false, false)) << "not while the Thing walks; a move ends what could be redone";
  while (window.tmrMoveThing().isActive()) tick();
  key(Qt::Key_Z);
  EXPECT_EQ(ui().imgThing->pos(), thingRect(1, 1, window.zoom()).topLeft());
  EXPECT_EQ(ui().lblScore->text(), "90");
  key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(ui().lblScore->text(), "105");
  EXPECT_EQ(window.narrator().announcer().text(), "Move made again. Score 105");
  EXPECT_EQ(undone.count(), 2);
  EXPECT_EQ(redone.count(), 1);
}

}  // namespace
}  // namespace gorbix
