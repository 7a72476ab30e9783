// The board, its cells and the value boxes as a screen reader finds them.
#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "ui/windows/board_accessible.h"
#include "ui/windows/board_surface.h"

namespace gorbix {
namespace {

using accessibility::cellDescription;
using accessibility::tileWords;

TEST(TileWords, EveryCodeOfTheTableInPlainWords) {
  const std::vector<std::pair<std::string, std::string>> table = {
      {"AQ", "cross"},
      {"BR", "T-piece open up, down and right"},
      {"CS", "T-piece open up, down and left"},
      {"DT", "T-piece open up, left and right"},
      {"EU", "T-piece open down, left and right"},
      {"FV", "straight up-down"},
      {"GW]^_`", "straight left-right"},
      {"H", "blocker"},
      {"IY", "corner up-right"},
      {"JZ", "corner up-left"},
      {"K[", "corner down-right"},
      {"L\\", "corner down-left"},
      {"M", "bonus 10"},
      {"N", "bonus 15"},
      {"O", "bonus 20"},
      {"P", "bonus 25"},
      {"X", "hole"},
  };
  int covered = 0;
  for (const auto& [codes, words] : table) {
    for (const char code : codes) {
      EXPECT_EQ(tileWords(code), words) << code;
      ++covered;
    }
  }
  EXPECT_EQ(covered, '`' - 'A' + 1) << "every code of the table once";
}

TEST(CellDescription, SaysFreshOrVisitedAndWhereTheThingIs) {
  const std::vector<std::tuple<char, bool, std::string>> table = {
      {'A', false, "cross, fresh"},
      {'Q', false, "cross, visited"},
      {'O', false, "bonus 20, fresh"},
      {kTakenBonus, true, "straight left-right, visited, the Thing is here"},
      {'K', true, "corner down-right, fresh, the Thing is here"},
      {kHole, false, "hole"},
      {kBlocker, false, "blocker"},
      {'\0', false, "no tile"},
      {'a', false, "no tile"},
  };
  for (const auto& [code, thing, text] : table) EXPECT_EQ(cellDescription(code, thing), text) << int(code);
}

// What the window tells a screen reader as it happens is read through the
// real accessibility bus (tests/e2e); here, what a reader finds when it asks.
class BoardAccessibleTest : public testing::MainWindowTest {
 protected:
  QAccessibleInterface* table() { return QAccessible::queryAccessibleInterface(ui().board); }
  QAccessibleInterface* cell(int col, int row) { return table()->child(CellToIndex(col, row)); }
  QString description(int col, int row) { return cell(col, row)->text(QAccessible::Description); }
  void showActive() {
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
};

TEST_F(BoardAccessibleTest, TheBoardIsATableOfSixRowsAndEightNamedColumns) {
  QAccessibleInterface* board = table();
  ASSERT_NE(board, nullptr);
  EXPECT_EQ(board->role(), QAccessible::Table);
  ASSERT_NE(board->tableInterface(), nullptr);
  EXPECT_EQ(board->tableInterface()->rowCount(), 6);
  EXPECT_EQ(board->tableInterface()->columnCount(), 8);
  ASSERT_EQ(board->childCount(), 48);
  for (int index = 0; index < kCells; ++index) {
    const Cell c = IndexToCell(index);
    QAccessibleInterface* child = board->child(index);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->role(), QAccessible::Cell);
    EXPECT_EQ(child->text(QAccessible::Name), QStringLiteral("Column %1, row %2").arg(c.col).arg(c.row));
    EXPECT_EQ(board->tableInterface()->cellAt(c.row - 1, c.col - 1), child);
    EXPECT_EQ(board->indexOfChild(child), index);
    EXPECT_EQ(child->parent(), board);
    ASSERT_NE(child->tableCellInterface(), nullptr);
    EXPECT_EQ(child->tableCellInterface()->rowIndex(), c.row - 1);
    EXPECT_EQ(child->tableCellInterface()->columnIndex(), c.col - 1);
    // Where the tile's image is, for readers that follow the pointer.
    EXPECT_EQ(child->rect().topLeft(), ui().client->mapToGlobal(tileRect(c.col, c.row, window.zoom()).topLeft()));
  }
  EXPECT_EQ(board->tableInterface()->cellAt(6, 0), nullptr);
  EXPECT_EQ(board->tableInterface()->cellAt(0, 8), nullptr);
  EXPECT_EQ(board->child(48), nullptr);
}

TEST_F(BoardAccessibleTest, ACraftedBoardIsDescribedCellByCell) {
  const std::string codes = "]GGKXAHO" "FQBRCSDT" "EUIYJZ[\\" "LMNP^_`W" "AAAAAAAA" "AAAAAAAA";
  for (int index = 0; index < kCells; ++index) {
    const Cell c = IndexToCell(index);
    game().SetCell(codes[static_cast<std::size_t>(index)], c.col, c.row);
  }
  game().PlaceThing(3, 1);
  const std::vector<std::tuple<int, int, const char*>> expected = {
      {1, 1, "straight left-right, visited, the start"},
      {2, 1, "straight left-right, fresh"},
      {3, 1, "straight left-right, visited, the Thing is here"},
      {4, 1, "corner down-right, fresh"},
      {5, 1, "hole"},
      {7, 1, "blocker"},
      {8, 1, "bonus 20, fresh"},
      {3, 2, "T-piece open up, down and right, fresh"},
      {8, 2, "T-piece open up, left and right, visited"},
      {8, 3, "corner down-left, visited"},
      {2, 4, "bonus 10, fresh"},
      {8, 4, "straight left-right, visited"},
      {8, 6, "cross, fresh, the goal"},
  };
  for (const auto& [col, row, text] : expected) EXPECT_EQ(description(col, row), text) << col << "," << row;
  int things = 0;
  for (int index = 0; index < kCells; ++index) {
    things += table()->child(index)->text(QAccessible::Description).endsWith(", the Thing is here");
  }
  EXPECT_EQ(things, 1);
  // The Thing moves on: both cells say so.
  game().PlaceThing(2, 1);
  EXPECT_EQ(description(3, 1), "straight left-right, visited");
  EXPECT_EQ(description(2, 1), "straight left-right, visited, the Thing is here");
  // Hidden between levels, it is on no cell.
  window.thingHidden();
  EXPECT_EQ(description(2, 1), "straight left-right, visited");
  window.thingShown();
  EXPECT_EQ(description(2, 1), "straight left-right, visited, the Thing is here");
}

TEST_F(BoardAccessibleTest, ASlideChangesTheTwoCellsAndTheScore) {
  const Cell h = hole();
  const int col = besideHole(h);
  const QString tile = description(col, h.row);
  slideOnce();
  EXPECT_EQ(description(col, h.row), "hole");
  EXPECT_EQ(description(h.col, h.row), tile);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(ui().lblScore)->text(QAccessible::Description), "95");
}

TEST_F(BoardAccessibleTest, TheValueBoxesHaveTheirCaptionsAsNamesAndTheScoreListItsLines) {
  struct Box {
    QLabel* label;
    const char* name;
    const char* value;
  };
  for (const Box& box : {Box{ui().lblDifficulty, "Level", "1"}, Box{ui().lblScore, "Score", "100"},
                         Box{ui().lblRating, "Overall Rating", "Beginner Level 1"}}) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(box.label);
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->text(QAccessible::Name), box.name);
    EXPECT_EQ(i->text(QAccessible::Description), box.value);
    // Read-only: a value interface would bring Increase and Decrease with it.
    EXPECT_EQ(i->valueInterface(), nullptr) << box.name;
    const QStringList actions = i->actionInterface() ? i->actionInterface()->actionNames() : QStringList();
    EXPECT_FALSE(actions.contains(QAccessibleActionInterface::increaseAction())) << box.name;
    EXPECT_FALSE(actions.contains(QAccessibleActionInterface::decreaseAction())) << box.name;
  }
  game().StartLevel(7);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(ui().lblDifficulty)->text(QAccessible::Description), "7");
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(ui().lstScores);
  EXPECT_EQ(list->text(QAccessible::Name), "Best Scores");
  EXPECT_EQ(list->role(), QAccessible::List);
  ASSERT_EQ(list->childCount(), 25);
  EXPECT_EQ(list->child(24)->text(QAccessible::Name), "Level 25       0");
}

TEST_F(BoardAccessibleTest, ThePicturesBehindTheBoardAreNotInTheTree) {
  QAccessibleInterface* client = QAccessible::queryAccessibleInterface(ui().client);
  std::vector<QObject*> children;
  for (int i = 0; i < client->childCount(); ++i) {
    children.push_back(client->child(i)->object());
    EXPECT_EQ(client->indexOfChild(client->child(i)), i);
  }
  const std::vector<QObject*> expected = {ui().board, ui().lblDifficulty, ui().lblScore, ui().lstScores, ui().lblRating};
  EXPECT_EQ(children, expected);
}

TEST_F(BoardAccessibleTest, TheCursorIsTheFocus) {
  showActive();
  EXPECT_EQ(table()->focusChild(), nullptr) << "no cursor before a key";
  QTest::keyClick(ui().board, Qt::Key_Right);
  EXPECT_EQ(table()->focusChild(), cell(1, 1));
  QTest::keyClick(ui().board, Qt::Key_Right);
  QTest::keyClick(ui().board, Qt::Key_Down);
  EXPECT_EQ(table()->focusChild(), cell(2, 2));
  for (int index = 0; index < kCells; ++index) {
    EXPECT_EQ(table()->child(index)->state().focused, index == CellToIndex(2, 2)) << index;
  }
  EXPECT_FALSE(table()->state().focused) << "the cell alone says it has the focus";
  // Away to the score list, no cell is focused; back, the cursor's is.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_FALSE(cell(2, 2)->state().focused);
  EXPECT_EQ(table()->focusChild(), nullptr);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(cell(2, 2)->state().focused);
  // A click hides the cursor, and the reader's focus is the board again.
  QTest::mouseClick(tile(5, 5), Qt::RightButton);
  EXPECT_EQ(table()->focusChild(), nullptr);
  EXPECT_FALSE(cell(2, 2)->state().focused);
  EXPECT_TRUE(table()->state().focused);
}

}  // namespace
}  // namespace gorbix
