// Lines the solver returns, played click by click through the game itself.
#include <gtest/gtest.h>

#include <iostream>
#include <thread>

#include "positions.h"
#include "solver/position_text.h"
#include "solver/solver.h"

namespace gorbix::solver {
namespace {

using testing::kScale;

// Plays a line through the game as a player would and says what was wrong, if anything.
std::string replayFault(const Position& start, const Line& line) {
  gorbix::testing::Rig rig;
  rig.view.recordCells = false;
  testing::setUp(rig, start);
  if (line.clicks.empty()) {
    if (start.thing != kGoalIndex) return "an empty line away from the goal";
    return start.score == line.score ? "" : "score " + std::to_string(line.score) + " for a Thing at home";
  }
  for (std::size_t i = 0; i < line.clicks.size(); ++i) {
    const Click c = line.clicks[i];
    const std::string at = "click " + std::to_string(i + 1) + ": ";
    if (!rig.host.summaries.empty()) return at + "after the level ended";
    if (c.right && CellToIndex(rig.game.ThingCol(), rig.game.ThingRow()) == c.index) return at + "right click on the Thing";
    rig.game.imgTile_MouseUp(c.index, c.right ? MouseButton::Right : MouseButton::Left);
    rig.runWalk();
    if (rig.host.count(SoundIndex::Error) != 0) return at + "refused";
  }
  if (rig.host.summaries.size() != 1) return "the level did not end";
  if (rig.host.summaries[0].scoreText != std::to_string(line.score)) {
    return "claimed " + std::to_string(line.score) + ", the game gave " + rig.host.summaries[0].scoreText;
  }
  return "";
}

TEST(Solve, EveryLineWinsWithExactlyItsScoreOnEveryLevel) {
  const std::uint64_t seed = testing::testSeed(7);
  SCOPED_TRACE("seed " + std::to_string(seed) + " (set GORBIX_SOLVER_SEED to replay)");
  std::cout << "seed " << seed << "\n";
  std::mt19937_64 dice(seed);
  const int kPositions = 1000 / kScale;
  int sends = 0;
  int improved = 0;
  for (int n = 0; n < kPositions; ++n) {
    const auto level = static_cast<std::int16_t>(n % kLevels + 1);
    const Position start = testing::playedPosition(dice, level);
    const Line line = solve(start, Budget::ofNodes(3000));
    ASSERT_EQ(replayFault(start, line), "") << "level " << level << ": " << positionText(start) << "\n" << lineText(line);
    EXPECT_LE(line.score, std::min(kMaxScore, start.score + freshPoints(start)));
    for (const Click c : line.clicks) sends += c.right;
    improved += line.score > ferryLine(start).score;
  }
  std::cout << sends << " sends; " << improved << " of " << kPositions << " lines better than the ferry by slides\n";
  // Lines of slides alone would pass the replay too; the search must do better.
  EXPECT_GT(sends, kPositions);
  EXPECT_GT(improved, kPositions * 3 / 4);
}

TEST(Solve, FerryBySlidesAloneAlwaysWins) {
  std::mt19937_64 dice(testing::testSeed(11));
  for (int n = 0; n < 200 / kScale; ++n) {
    const Position start = testing::playedPosition(dice, static_cast<std::int16_t>(dice() % kLevels + 1));
    const Line line = ferryLine(start);
    ASSERT_EQ(replayFault(start, line), "") << positionText(start);
    for (const Click c : line.clicks) EXPECT_FALSE(c.right);
  }
}

TEST(Solve, SmallestBudgetStillGivesAWinningLine) {
  std::mt19937_64 dice(testing::testSeed(13));
  for (int n = 0; n < 50; ++n) {
    const Position start = testing::playedPosition(dice, static_cast<std::int16_t>(n % kLevels + 1));
    const Line line = solve(start, Budget::ofNodes(1));
    ASSERT_EQ(replayFault(start, line), "") << positionText(start);
  }
}

TEST(Solve, ThingOnTheGoalNeedsNoClick) {
  Position start;
  std::array<char, kCells> cells{};
  cells.fill('Q');
  cells[20] = kHole;
  ASSERT_EQ(makePosition(cells, kGoalIndex, 123, start), PositionFault::None);
  const Line line = solve(start, Budget::ofNodes(1000));
  EXPECT_TRUE(line.clicks.empty());
  EXPECT_EQ(line.score, 123);
}

TEST(Solve, NodeBudgetGivesTheSameLineEveryTimeAndMoreNeverWorse) {
  std::mt19937_64 dice(testing::testSeed(17));
  for (int n = 0; n < 10; ++n) {
    const Position start = testing::playedPosition(dice, static_cast<std::int16_t>(n * 5 % kLevels + 1));
    const Line first = solve(start, Budget::ofNodes(20000 / kScale));
    const Line again = solve(start, Budget::ofNodes(20000 / kScale));
    EXPECT_EQ(lineText(first), lineText(again)) << positionText(start);
    // The search with the larger budget goes through the same steps first.
    EXPECT_GE(solve(start, Budget::ofNodes(40000 / kScale)).score, first.score) << positionText(start);
    EXPECT_LE(solve(start, Budget::ofNodes(2000 / kScale)).score, first.score) << positionText(start);
  }
}

TEST(Solve, CancelledFromAnotherThreadReturnsItsBestLine) {
  std::mt19937_64 dice(testing::testSeed(19));
  const Position start = testing::playedPosition(dice, 10);
  SolveStats stats;
  Line line;
  std::atomic<bool> started = false;
  std::jthread worker([&](std::stop_token stop) {
    Budget unlimited;
    unlimited.stop = stop;
    started = true;
    line = solve(start, unlimited, &stats);
  });
  while (!started) std::this_thread::yield();
  const auto asked = std::chrono::steady_clock::now();
  worker.request_stop();
  worker.join();
  // An unlimited search ends only when asked to; and then at once.
  EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(2));
  EXPECT_EQ(replayFault(start, line), "");
}

TEST(Solve, DeadlineEndsTheSearch) {
  std::mt19937_64 dice(testing::testSeed(23));
  const Position start = testing::playedPosition(dice, 20);
  const auto begun = std::chrono::steady_clock::now();
  const Line line = solve(start, Budget::ofTime(std::chrono::milliseconds(20)));
  EXPECT_LT(std::chrono::steady_clock::now() - begun, std::chrono::seconds(2));
  EXPECT_EQ(replayFault(start, line), "");
}

}  // namespace
}  // namespace gorbix::solver
