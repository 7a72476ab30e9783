// The Board Number window, its command, and the background search of each board's best line.
#include "ui/windows/frm_board_number.h"

#include <chrono>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "../help/fits_text.h"
#include "app/best_lines.h"
#include "dialog_place.h"
#include "game/board_number.h"
#include "main_window_fixture.h"
#include "solver/replay.h"

namespace gorbix {
namespace {

// Runs `inside` while the window is open in its own event loop, as the game opens it.
void whileOpen(QDialog& dialog, const std::function<void()>& inside) {
  QTimer::singleShot(0, &dialog, [&] {
    inside();
    if (dialog.isVisible()) dialog.reject();
  });
  dialog.exec();
}

void typeAndPlay(BoardNumberWindow& window, const QString& text) {
  window.numberField->clear();
  QTest::keyClicks(window.numberField, text);
  QTest::mouseClick(window.playButton, Qt::LeftButton);
}

TEST(BoardNumberWindow, ShowsTheBoardAndItsBestLineOrThatItIsStillSearched) {
  BoardNumberWindow window(7, 2147483647, std::nullopt, nullptr);
  EXPECT_EQ(window.windowTitle(), "Board Number");
  EXPECT_EQ(window.boardLabel->text(), "Level 7, board 2147483647");
  EXPECT_EQ(window.bestLineLabel->text(), QString::fromUtf8("Searching\u2026"));
  EXPECT_EQ(window.numberField->text(), "2147483647") << "Enter replays the board in play";
  window.setBestLine(245);
  EXPECT_EQ(window.bestLineLabel->text(), "Best line: 245 points");

  BoardNumberWindow known(1, 5, 0, nullptr);
  EXPECT_EQ(known.bestLineLabel->text(), "Best line: 0 points");
  EXPECT_TRUE(known.playButton->isDefault());
  EXPECT_FALSE(known.closeButton->isDefault());
}

TEST(BoardNumberWindow, TheFieldTakesDigitsOnly) {
  BoardNumberWindow window(1, 1, std::nullopt, nullptr);
  window.show();
  window.numberField->clear();
  QTest::keyClicks(window.numberField, "1a2-3 4.5e+6");
  EXPECT_EQ(window.numberField->text(), "123456");
  window.numberField->clear();
  QTest::keyClicks(window.numberField, "123456789012345");
  EXPECT_EQ(window.numberField->text(), "1234567890") << "ten digits hold every board number";
  window.numberField->clear();
  window.numberField->insert("-42");  // a paste goes through the same check
  EXPECT_EQ(window.numberField->text(), "");
}

TEST(BoardNumberWindow, ANumberOutOfRangeKeepsTheWindowOpenWithAMessage) {
  for (const char* bad : {"", "0", "0000000000", "2147483648", "9999999999"}) {
    BoardNumberWindow window(3, 99, std::nullopt, nullptr);
    whileOpen(window, [&] {
      typeAndPlay(window, bad);
      EXPECT_TRUE(window.isVisible()) << '"' << bad << '"';
      EXPECT_EQ(window.messageLabel->text(), "Type a number from 1 to 2147483647.") << bad;
      QTest::keyClicks(window.numberField, "7");
      EXPECT_EQ(window.messageLabel->text(), "") << "typing again clears the message";
    });
    EXPECT_EQ(window.chosenBoard(), std::nullopt) << bad;
  }
}

TEST(BoardNumberWindow, PlayOrEnterChoosesTheTypedBoardAndCloseOrEscNone) {
  using Act = std::function<void(BoardNumberWindow&)>;
  const auto type = [](const char* text, Act then) {
    return [text, then](BoardNumberWindow& w) {
      w.numberField->clear();
      QTest::keyClicks(w.numberField, text);
      then(w);
    };
  };
  const Act play = [](BoardNumberWindow& w) { QTest::mouseClick(w.playButton, Qt::LeftButton); };
  const Act enter = [](BoardNumberWindow& w) { QTest::keyClick(w.numberField, Qt::Key_Return); };
  const Act close = [](BoardNumberWindow& w) { QTest::mouseClick(w.closeButton, Qt::LeftButton); };
  const Act esc = [](BoardNumberWindow& w) { QTest::keyClick(w.numberField, Qt::Key_Escape); };
  const std::pair<Act, std::optional<std::int32_t>> cases[] = {
      {type("1", play), 1},       {type("2147483647", play), 2147483647}, {type("0042", play), 42},
      {type("5", enter), 5},      {type("8", close), std::nullopt},        {type("8", esc), std::nullopt},
  };
  for (const auto& [act, chosen] : cases) {
    BoardNumberWindow window(3, 99, std::nullopt, nullptr);
    whileOpen(window, [&] {
      act(window);
      EXPECT_FALSE(window.isVisible());
    });
    EXPECT_EQ(window.chosenBoard(), chosen);
  }
}

TEST(BoardNumberWindow, EveryTextFitsAtItsLongest) {
  BoardNumberWindow window(25, kLastBoardNumber, std::nullopt, nullptr);
  window.show();
  using help::testing::fitsText;
  EXPECT_TRUE(fitsText(*window.boardLabel)) << window.boardLabel->text().toStdString();
  EXPECT_TRUE(fitsText(*window.bestLineLabel));
  window.setBestLine(32767);
  EXPECT_TRUE(fitsText(*window.bestLineLabel)) << window.bestLineLabel->text().toStdString();
  EXPECT_TRUE(fitsText(*window.numberLabel));
  typeAndPlay(window, "0");
  ASSERT_FALSE(window.messageLabel->text().isEmpty());
  EXPECT_TRUE(fitsText(*window.messageLabel)) << window.messageLabel->text().toStdString();
  EXPECT_TRUE(fitsText(*window.playButton));
  EXPECT_TRUE(fitsText(*window.closeButton));
  const QFontMetrics field(window.numberField->font());
  EXPECT_LT(field.horizontalAdvance("2147483647"), window.numberField->contentsRect().width() - 4);
}

TEST(BoardNumberWindow, OpensCentredOnItsOwnerFrameIncluded) {
  QWidget owner;
  owner.setGeometry(60, 80, 560, 400);  // well away from the screen's centre
  owner.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
  BoardNumberWindow window(1, 1, std::nullopt, &owner);
  const QRect frame = testing::frameWhileOpen(window);
  ASSERT_NE(frame, window.geometry()) << "the platform draws no window frame";
  const QPoint offCentre = frame.center() - owner.frameGeometry().center();
  EXPECT_LE(std::abs(offCentre.x()), 1) << offCentre.x();
  EXPECT_LE(std::abs(offCentre.y()), 1) << offCentre.y();
}

// The main window with the command, its search results and the game it plays.
class BoardNumberCommand : public testing::MainWindowTest {
 protected:
  // Opens the window through the menu and runs `inside` while it is open.
  void openWindow(const std::function<void(BoardNumberWindow&)>& inside) {
    window.answer = [&](QDialog& dialog) {
      auto* boardWindow = dynamic_cast<BoardNumberWindow*>(&dialog);
      ASSERT_NE(boardWindow, nullptr);
      whileOpen(dialog, [&] { inside(*boardWindow); });
    };
    window.menus().boardNumberItem->trigger();
    window.answer = nullptr;
  }
  solver::Line expectedLine(std::int16_t level, std::int32_t number) const {
    return solver::solve(solver::dealtPosition(level, number), solver::Budget::ofNodes(window.searchNodes));
  }
};

TEST_F(BoardNumberCommand, IsTheGameMenusItemAfterASeparatorWithCtrlB) {
  const QList<QAction*> items = window.menus().mnuGame->actions();
  const auto at = items.indexOf(window.menus().boardNumberItem);
  ASSERT_GE(at, 1);
  EXPECT_TRUE(items[at - 1]->isSeparator());
  EXPECT_GT(at, items.indexOf(window.menus().mnuResetScores));
  EXPECT_EQ(window.menus().boardNumberItem->text(), QString::fromUtf8("&Board Number\u2026"));
  EXPECT_EQ(window.menus().boardNumberItem->shortcut(), QKeySequence("Ctrl+B"));

  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(window.dialogTitles, std::vector<QString>({"Board Number"}));
}

TEST_F(BoardNumberCommand, PlayDealsTheTypedBoardOfTheCurrentLevel) {
  game().StartLevel(14);
  slideOnce();
  openWindow([&](BoardNumberWindow& w) {
    EXPECT_EQ(w.boardLabel->text(), QString("Level 14, board %1").arg(game().boardNumber()));
    typeAndPlay(w, "1234567");
  });
  EXPECT_EQ(game().CurrentLevel(), 14);
  EXPECT_EQ(game().boardNumber(), 1234567);
  EXPECT_EQ(solver::positionOf(game()), solver::dealtPosition(14, 1234567));
  EXPECT_EQ(ui().lblScore->text(), "100");
  EXPECT_EQ(ui().imgThing->pos(), thingTopLeft(1, 1));

  // The same number again deals the same board.
  slideOnce();
  openWindow([&](BoardNumberWindow& w) { typeAndPlay(w, "1234567"); });
  EXPECT_EQ(solver::positionOf(game()), solver::dealtPosition(14, 1234567));
}

TEST_F(BoardNumberCommand, TheBestLineIsSearchedWhenTheWindowOpensAndAppearsThere) {
  game().StartLevel(6);
  ASSERT_TRUE(game().playBoard(31337));
  EXPECT_FALSE(window.bestLines().searching()) << "no search at the deal";
  QSignalSpy spy(&window.bestLines(), &BestLines::found);
  openWindow([&](BoardNumberWindow& w) {
    EXPECT_TRUE(window.bestLines().searching());
    EXPECT_EQ(w.bestLineLabel->text(), QString::fromUtf8("Searching\u2026"));
    ASSERT_TRUE(spy.wait(20'000));
    EXPECT_EQ(w.bestLineLabel->text(), QString("Best line: %1 points").arg(expectedLine(6, 31337).score));
  });
  EXPECT_FALSE(window.bestLines().searching()) << "nothing runs once the line is known";
  openWindow([&](BoardNumberWindow& w) {
    EXPECT_FALSE(window.bestLines().searching()) << "a board whose line is known is not searched again";
    EXPECT_EQ(w.bestLineLabel->text(), QString("Best line: %1 points").arg(expectedLine(6, 31337).score));
  });
}

TEST_F(BoardNumberCommand, BoardsWantedWhileOneIsSearchedWaitAndTheLastWantedGoesFirst) {
  QSignalSpy spy(&window.bestLines(), &BestLines::found);
  game().StartLevel(20);
  ASSERT_TRUE(game().playBoard(500));
  ASSERT_TRUE(game().playBoard(501));
  EXPECT_FALSE(window.bestLines().searching()) << "deals search nothing";
  for (const std::int32_t board : {500, 501, 502, 501}) window.bestLines().want(20, board);
  while (spy.count() < 3) ASSERT_TRUE(spy.wait(20'000));
  EXPECT_FALSE(spy.wait(300)) << "each board once";
  const auto board = [&](int i) { return spy.at(i).at(1).value<std::int32_t>(); };
  EXPECT_EQ(board(0), 500);
  EXPECT_EQ(board(1), 501) << "wanted again last, so ahead of 502";
  EXPECT_EQ(board(2), 502);
  EXPECT_EQ(window.bestLines().points(20, 501), expectedLine(20, 501).score);
  EXPECT_EQ(window.bestLines().points(19, 501), std::nullopt) << "a number means another board on another level";
}

TEST_F(BoardNumberCommand, ExitStopsARunningSearchAtOnce) {
  window.searchNodes = std::int64_t{1} << 40;
  window.bestLines().want(1, 9);
  window.bestLines().want(1, 10);
  QSignalSpy spy(&window.bestLines(), &BestLines::found);
  ASSERT_TRUE(window.bestLines().searching());
  const auto before = std::chrono::steady_clock::now();
  window.Form_Unload();
  const auto waited = std::chrono::steady_clock::now() - before;
  EXPECT_FALSE(window.bestLines().searching());
  // A bound on the wait, not a speed measure: exit must never hang on a search.
  EXPECT_LT(waited, std::chrono::milliseconds(100));
  EXPECT_FALSE(spy.wait(300)) << "nor does the board that waited start";
}

}  // namespace
}  // namespace gorbix
