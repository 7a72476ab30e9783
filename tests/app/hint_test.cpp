// The Hint command on the main window: what it shows, what it costs, the
// move H makes, what takes it away, and that following it wins.
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "solver/replay.h"
#include "ui/windows/board_surface.h"
#include "solver/rules.h"

namespace gorbix {
namespace {

// The same line on every machine.
constexpr std::int64_t kNodes = 3000;
// Left alone this search would run for minutes.
constexpr std::int64_t kEndless = std::int64_t{1} << 40;

solver::Position charged(solver::Position position) {
  position.score = static_cast<std::int16_t>(std::max(0, position.score - 10));
  return position;
}

QString pointsLine(int points) { return QStringLiteral("Best line from here: %1 points").arg(points); }

class HintTest : public testing::MainWindowTest {
 public:
  // For the tables of inputs below.
  using MainWindowTest::hole;
  using MainWindowTest::slideOnce;
  using MainWindowTest::tile;
  using MainWindowTest::ui;
  using MainWindowTest::window;

 protected:
  void SetUp() override {
    testing::MainWindowTest::SetUp();
    useNodes(kNodes);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  void useNodes(std::int64_t nodes) {
    window.hint().setBudget([nodes] { return solver::Budget::ofNodes(nodes); });
  }
  HintController& hint() { return window.hint(); }
  void pressH() { QTest::keyClick(&window, Qt::Key_H); }
  // Presses H and waits until the hint is on show; one paid for already
  // shows at once.
  void showHint() {
    QSignalSpy shown(&hint(), &HintController::hintShown);
    pressH();
    if (shown.isEmpty()) {
      ASSERT_TRUE(shown.wait(20'000)) << "no hint appeared";
    }
    ASSERT_EQ(hint().state(), HintController::State::Shown);
  }
  QStringList hintLines() { return window.hintMarks().text().text().split('\n'); }
  bool hintVisible() { return window.hintMarks().visible() || !window.hintMarks().text().isHidden(); }
  void finishWalk(testing::TestMain& main) {
    for (int steps = 0; main.tmrMoveThing().isActive() && steps < 100; ++steps) {
      QMetaObject::invokeMethod(&main.tmrMoveThing(), "timeout");
    }
    ASSERT_FALSE(main.tmrMoveThing().isActive());
  }
  solver::Position here() { return solver::positionOf(game()); }
};

TEST_F(HintTest, InItsGroupOfTheGameMenuAfterASeparatorBeforeStatistics) {
  const MainMenus& m = window.menus();
  const QList<QAction*> items = m.mnuGame->actions();
  const QList<QAction*> group{m.separatorBeforeHint, m.boardNumberItem, m.hintItem, m.statisticsItem,
                              m.separatorBeforeUndo};
  EXPECT_EQ(items.mid(items.indexOf(m.separatorBeforeHint), group.size()), group);
  EXPECT_EQ(m.hintItem->text(), "&Hint");
  EXPECT_EQ(m.hintItem->shortcut(), QKeySequence(Qt::Key_H));
  EXPECT_EQ(m.statisticsItem->text(), QString::fromUtf8("S&tatistics\u2026"));
  EXPECT_EQ(m.statisticsItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
  ASSERT_TRUE(m.separatorBeforeHint->isSeparator());
  EXPECT_GT(items.indexOf(m.separatorBeforeHint), items.indexOf(m.mnuResetScores));
}

// The score before H, on a board of the level.
struct FirstMoveCase {
  std::int16_t level;
  int score;
};

TEST_F(HintTest, ShowsTheFirstClickOfTheSolversLineAndCharges10WhichThePointsCount) {
  bool sawSlide = false;
  bool sawSend = false;
  // 4 and 10: the score cannot pay the whole cost, or only just.
  for (const FirstMoveCase c : {FirstMoveCase{1, 100}, {4, 100}, {9, 100}, {13, 100}, {18, 100}, {25, 100},
                                FirstMoveCase{6, 4}, {11, 10}, {20, 0}}) {
    SCOPED_TRACE("level " + std::to_string(c.level) + ", score " + std::to_string(c.score));
    game().StartLevel(c.level);
    game().AddScore(c.score - game().Score());
    const solver::Position start = charged(here());
    const solver::Line line = solver::solve(start, solver::Budget::ofNodes(kNodes));
    ASSERT_FALSE(line.clicks.empty());
    QSignalSpy shown(&hint(), &HintController::hintShown);
    showHint();

    EXPECT_EQ(game().Score(), std::max(0, c.score - 10));
    EXPECT_EQ(ui().lblScore->text(), QString::number(std::max(0, c.score - 10)));
    const solver::Click first = line.clicks.front();
    ASSERT_EQ(hint().shownClick(), first);
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown.at(0).at(0).toInt(), first.index);
    EXPECT_EQ(shown.at(0).at(1).toBool(), first.right);
    const Cell cell = IndexToCell(first.index);
    EXPECT_TRUE(window.hintMarks().tileMark().geometry().contains(tileRect(cell.col, cell.row, window.zoom())));
    (first.right ? sawSend : sawSlide) = true;
    EXPECT_EQ(hintLines(), QStringList({first.right ? "Send the Thing here (right click)" : "Slide this tile (left click)",
                                        "H again: make this move", pointsLine(line.score)}));
    // The points are what the line ends with when played from here.
    const solver::ReplayResult played = solver::replayThroughGame(here(), line.clicks);
    EXPECT_TRUE(played.ended) << played.fault;
    EXPECT_EQ(played.score, line.score);
  }
  EXPECT_TRUE(sawSlide);
  EXPECT_TRUE(sawSend);
}

TEST_F(HintTest, AScoreBelowTheCostIsSearchedFromZero) {
  game().StartLevel(6);
  game().AddScore(4 - game().Score());
  const solver::Position uncharged = here();
  const int fromZero = solver::solve(charged(uncharged), solver::Budget::ofNodes(kNodes)).score;
  // The line searched before paying, less 10, would tell something else here.
  ASSERT_NE(solver::solve(uncharged, solver::Budget::ofNodes(kNodes)).score - 10, fromZero);
  showHint();
  EXPECT_EQ(game().Score(), 0);
  EXPECT_EQ(hintLines().back(), pointsLine(fromZero));
}

TEST_F(HintTest, HAgainMakesTheMoveExactlyAsTheClickWouldAndCostsNothingMore) {
  testing::CountingTrap otherTrap;
  testing::FakeSounds otherSounds;
  testing::TestMain other(otherTrap, otherSounds);
  other.Form_Load();
  for (auto* backend : otherSounds.made) backend->finishLoad(true);
  QCoreApplication::sendPostedEvents();
  bool sawSlide = false;
  bool sawSend = false;
  for (std::int16_t level = 1; level <= 12; ++level) {
    SCOPED_TRACE("level " + std::to_string(level));
    game().StartLevel(level);
    other.game().StartLevel(level);
    ASSERT_EQ(here(), solver::positionOf(other.game())) << "both windows deal alike";
    for (auto& log : sounds.logs) log.clear();
    for (auto& log : otherSounds.logs) log.clear();

    showHint();
    const solver::Click click = *hint().shownClick();
    (click.right ? sawSend : sawSlide) = true;
    // The other window pays the same and is clicked where the player would.
    other.game().AddScore(-10);
    const Cell cell = IndexToCell(click.index);
    const bool onThing = cell.col == other.game().ThingCol() && cell.row == other.game().ThingRow();
    QWidget* image = onThing ? other.controls().imgThing
                             : other.controls().imgTile[static_cast<std::size_t>(click.index)];
    QTest::mouseClick(image, click.right ? Qt::RightButton : Qt::LeftButton);

    pressH();
    EXPECT_FALSE(hintVisible());
    EXPECT_EQ(hint().state(), HintController::State::None) << "no new hint of its own";
    EXPECT_EQ(window.tmrMoveThing().isActive(), other.tmrMoveThing().isActive());
    finishWalk(window);
    finishWalk(other);
    EXPECT_EQ(here(), solver::positionOf(other.game()));
    EXPECT_EQ(sounds.logs, otherSounds.logs);
    EXPECT_EQ(window.dialogTitles, other.dialogTitles);
    EXPECT_EQ(ui().lblScore->text(), other.controls().lblScore->text());
  }
  EXPECT_TRUE(sawSlide);
  EXPECT_TRUE(sawSend);
}

struct OtherInput {
  const char* name;
  std::function<void(HintTest&)> act;
  // The score after the input, from the score with the hint paid.
  std::function<int(int)> score;
  // Whether the input changed the position, so that the next hint is paid for.
  bool moves;
};

TEST_F(HintTest, AnyOtherInputTakesTheHintAwayAndOnlyAChangedPositionPaysForTheNext) {
  auto same = [](int score) { return score; };
  auto trigger = [](QAction* (MainMenus::*item)) {
    return [item](HintTest& t) { (t.window.menus().*item)->trigger(); };
  };
  auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
    return [key, modifiers](HintTest& t) { QTest::keyClick(&t.window, key, modifiers); };
  };
  const std::vector<OtherInput> inputs = {
      {"a slide", [](HintTest& t) { t.slideOnce(); }, [](int score) { return score - 5; }, true},
      {"a right click on the Thing", [](HintTest& t) { QTest::mouseClick(t.ui().imgThing, Qt::RightButton); }, same,
       false},
      {"a right click on the hole",
       [](HintTest& t) {
         const Cell h = t.hole();
         QTest::mouseClick(t.tile(h.col, h.row), Qt::RightButton);
       },
       same, false},
      {"a left click out of line with the hole",
       [](HintTest& t) {
         const Cell h = t.hole();
         QTest::mouseClick(t.tile(h.col % kCols + 1, h.row % kRows + 1), Qt::LeftButton);
       },
       same, false},
      {"Esc", key(Qt::Key_Escape, Qt::NoModifier), same, false},
      {"Ctrl+S", key(Qt::Key_S, Qt::ControlModifier), same, false},
      {"Colour-Safe Tiles", trigger(&MainMenus::colourSafeItem), same, false},
      {"Zoom In", trigger(&MainMenus::zoomInItem), same, false},
      {"About", trigger(&MainMenus::mnuAbout), same, false},
      {"Reset All Scores", trigger(&MainMenus::mnuResetScores), same, false},
      {"a slide taken back",
       [](HintTest& t) {
         t.slideOnce();
         QTest::keyClick(&t.window, Qt::Key_Z, Qt::ControlModifier);
       },
       [](int score) { return score - 10; }, true},
      {"Ctrl+R", key(Qt::Key_R, Qt::ControlModifier), [](int) { return 100; }, true},
      {"a level start from the score list",
       [](HintTest& t) {
         QListWidget& list = *t.ui().lstScores;
         list.setCurrentRow(6);
         emit list.itemDoubleClicked(list.item(6));
       },
       [](int) { return 100; }, true},
  };
  for (const OtherInput& input : inputs) {
    SCOPED_TRACE(input.name);
    game().StartLevel(2);
    showHint();
    const int paid = game().Score();
    const solver::Click shown = *hint().shownClick();
    input.act(*this);
    EXPECT_FALSE(hintVisible());
    EXPECT_EQ(hint().state(), HintController::State::None);
    EXPECT_FALSE(hint().shownClick().has_value());
    finishWalk(window);
    const int score = input.score(paid);
    EXPECT_EQ(game().Score(), score);
    // H: the same move again for nothing, or a new hint paid for.
    showHint();
    EXPECT_EQ(game().Score(), input.moves ? std::max(0, score - 10) : score);
    if (!input.moves) {
      EXPECT_EQ(hint().shownClick(), shown);
    }
    window.zoomTo(100);
  }
}

TEST_F(HintTest, HAgainAfterTheBoardChangedBehindTheHintsBackSearchesAfresh) {
  game().StartLevel(3);
  showHint();
  // A move that reaches the game without passing the window's handlers.
  const Cell h = hole();
  game().imgTile_MouseUp(CellToIndex(besideHole(h), h.row), MouseButton::Left);
  const solver::Position moved = here();
  pressH();
  EXPECT_EQ(here(), moved) << "the old hint's move was not made";
  EXPECT_EQ(hint().state(), HintController::State::Searching);
}

TEST_F(HintTest, AClickWhileTheSearchRunsDropsItAndNothingIsCharged) {
  useNodes(kEndless);
  game().StartLevel(5);
  QSignalSpy shown(&hint(), &HintController::hintShown);
  pressH();
  ASSERT_EQ(hint().state(), HintController::State::Searching);
  EXPECT_EQ(window.cursor().shape(), Qt::BusyCursor);
  pressH();
  EXPECT_EQ(hint().state(), HintController::State::Searching) << "H again while searching starts nothing new";
  slideOnce();
  EXPECT_EQ(hint().state(), HintController::State::None);
  EXPECT_NE(window.cursor().shape(), Qt::BusyCursor);
  EXPECT_FALSE(shown.wait(300));
  EXPECT_EQ(game().Score(), 95);
}

TEST_F(HintTest, HIsIgnoredWhileTheThingWalksAndWhileAModalWindowIsOpen) {
  layTrack(1, 5, 1);
  QTest::mouseClick(tile(5, 1), Qt::RightButton);
  ASSERT_TRUE(window.tmrMoveThing().isActive());
  const int before = game().Score();
  pressH();
  EXPECT_EQ(hint().state(), HintController::State::None);
  finishWalk(window);
  EXPECT_EQ(game().Score(), before + 20);

  QDialog dialog(&window);
  dialog.setModal(true);
  dialog.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
  window.menus().hintItem->trigger();
  EXPECT_EQ(hint().state(), HintController::State::None);
  dialog.close();
  window.menus().hintItem->trigger();
  EXPECT_EQ(hint().state(), HintController::State::Searching);
}

TEST_F(HintTest, HWorksWhereverTheFocusIsInTheWindow) {
  ui().lstScores->setFocus();
  ASSERT_TRUE(ui().lstScores->hasFocus());
  const int row = ui().lstScores->currentRow();
  showHint();
  EXPECT_EQ(ui().lstScores->currentRow(), row);
}

TEST_F(HintTest, TheHintedTileBecomesTheKeyboardCursorsWhereSpaceOrEnterMakesTheMove) {
  bool sawSlide = false;
  bool sawSend = false;
  for (std::int16_t level = 1; level <= 12; ++level) {
    SCOPED_TRACE("level " + std::to_string(level));
    game().StartLevel(level);
    ui().board->setFocus();
    // Odd levels: the mouse player's hidden cursor stays out of sight.
    const bool keysUsed = level % 2 == 0;
    if (keysUsed) QTest::keyClick(ui().board, Qt::Key_Home);
    else ui().board->hideCursor();  // as the last click did
    showHint();
    const solver::Click click = *hint().shownClick();
    EXPECT_EQ(ui().board->cursor().visible(), keysUsed);
    EXPECT_EQ(ui().board->cursor().index(), click.index);
    solver::Position expected = here();
    if (solver::play(expected, click) == solver::Outcome::Ended) continue;
    (click.right ? sawSend : sawSlide) = true;
    const Qt::Key key = click.right ? Qt::Key_Return : Qt::Key_Space;
    // A hidden cursor's first key only shows where it would act.
    if (!keysUsed) {
      const solver::Position before = here();
      QTest::keyClick(ui().board, key);
      EXPECT_EQ(here(), before);
      EXPECT_EQ(ui().board->cursor().index(), click.index);
    }
    QTest::keyClick(ui().board, key);
    finishWalk(window);
    EXPECT_EQ(here(), expected);
    EXPECT_FALSE(hintVisible());
  }
  EXPECT_TRUE(sawSlide);
  EXPECT_TRUE(sawSend);
}

struct WayOut {
  const char* name;
  std::function<void(testing::TestMain&)> leave;
};

TEST_F(HintTest, LeavingDropsARunningSearchWithin100Ms) {
  const std::vector<WayOut> ways = {
      {"Ctrl+X", [](testing::TestMain& main) { QTest::keyClick(&main, Qt::Key_X, Qt::ControlModifier); }},
      {"the close box", [](testing::TestMain& main) { main.close(); }},
  };
  for (const WayOut& way : ways) {
    SCOPED_TRACE(way.name);
    testing::CountingTrap otherTrap;
    testing::FakeSounds otherSounds;
    testing::TestMain other(otherTrap, otherSounds);
    other.hint().setBudget([] { return solver::Budget::ofNodes(kEndless); });
    other.Form_Load();
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QSignalSpy shown(&other.hint(), &HintController::hintShown);
    QTest::keyClick(&other, Qt::Key_H);
    ASSERT_EQ(other.hint().state(), HintController::State::Searching);
    const auto started = std::chrono::steady_clock::now();
    way.leave(other);
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(other.hint().state(), HintController::State::None);
    EXPECT_LT(waited, std::chrono::milliseconds(100));
    EXPECT_FALSE(shown.wait(300));
    EXPECT_EQ(other.game().Score(), 100);
  }
}

TEST_F(HintTest, TheWindowLooksAsBeforeOnceTheHintIsGone) {
  const QImage before = ui().client->grab().toImage();
  showHint();
  EXPECT_NE(ui().client->grab().toImage(), before);
  window.menus().mnuSndFX->trigger();
  game().AddScore(10);  // the score label as it was
  EXPECT_EQ(ui().client->grab().toImage(), before);
}

TEST_F(HintTest, TheTextFitsInsideTheWindowAtEverySize) {
  const QStringList longest = {"Send the Thing here (right click)", "H again: make this move", pointsLine(32767)};
  for (const int percent : kZoomPercents) {
    SCOPED_TRACE(percent);
    window.zoomTo(percent);
    ASSERT_EQ(window.zoom().percent(), percent);
    showHint();
    const QLabel& text = window.hintMarks().text();
    EXPECT_TRUE(ui().client->rect().contains(text.geometry()));
    EXPECT_TRUE(ui().client->rect().contains(window.hintMarks().tileMark().geometry()));
    const QRect needed = QFontMetrics(text.font()).boundingRect(text.contentsRect(), Qt::AlignCenter, longest.join('\n'));
    EXPECT_TRUE(text.contentsRect().contains(needed)) << "needs " << needed.width() << " x " << needed.height();
    // Nothing the player needs is covered: the tiles, the labels, the list.
    EXPECT_FALSE(text.geometry().intersects(tileRect(1, 1, window.zoom())));
    EXPECT_FALSE(text.geometry().intersects(ui().lblDifficulty->geometry()));
    window.menus().mnuSndFX->trigger();
  }
}

TEST_F(HintTest, AFollowedLineIsKeptUnlessTheNewSearchDoesBetter) {
  useNodes(50'000);
  game().StartLevel(8);
  const solver::Line first = solver::solve(charged(here()), solver::Budget::ofNodes(50'000));
  ASSERT_GE(first.clicks.size(), 2u);
  showHint();
  pressH();
  finishWalk(window);
  const std::vector<solver::Click> rest(first.clicks.begin() + 1, first.clicks.end());
  const solver::ReplayResult kept = solver::replayThroughGame(charged(here()), rest);
  ASSERT_TRUE(kept.ended) << kept.fault;
  // A search with almost no budget finds a worse line from here.
  useNodes(1);
  ASSERT_LT(solver::solve(charged(here()), solver::Budget::ofNodes(1)).score, kept.score);
  showHint();
  EXPECT_EQ(hint().shownClick(), rest.front());
  EXPECT_EQ(hintLines().back(), pointsLine(kept.score));
}

TEST_F(HintTest, FollowingHintsEndsTheLevelOn200Boards) {
  QAction& h = *window.menus().hintItem;
  QSignalSpy shown(&hint(), &HintController::hintShown);
  for (int board = 0; board < 200; ++board) {
    const auto level = static_cast<std::int16_t>(1 + board % kLevels);
    SCOPED_TRACE("board " + std::to_string(board) + ", level " + std::to_string(level));
    game().StartLevel(level);
    const std::size_t ends = window.dialogTitles.size();
    QString points;
    for (int hints = 0; window.dialogTitles.size() == ends; ++hints) {
      ASSERT_LT(hints, 150) << "the hints go round in circles";
      h.trigger();
      ASSERT_TRUE(shown.wait(20'000));
      points = hintLines().back();
      h.trigger();
      finishWalk(window);
    }
    EXPECT_EQ(window.dialogTitles.back(), QStringLiteral("End of Level %1").arg(level));
    // The last hint's line was that one move: its points are the result.
    EXPECT_EQ(points, pointsLine(game().Score()));
  }
}

}  // namespace
}  // namespace gorbix
