// The fast model against the game itself: the same clicks on the same
// positions must give the same board, Thing, score, route and end.
#include <gtest/gtest.h>

#include <iostream>

#include "positions.h"
#include "solver/ferry.h"
#include "solver/rules.h"

namespace gorbix::solver {
namespace {

using testing::kScale;
using testing::positionOf;

struct Played {
  Outcome outcome;
  std::string route;  // the game's letters for a send
};

// One click through the game, walks run to their end.
Played playInGame(gorbix::testing::Rig& rig, Click click) {
  const std::size_t ends = rig.host.summaries.size();
  const int refusals = rig.host.count(SoundIndex::Error);
  rig.game.imgTile_MouseUp(click.index, click.right ? MouseButton::Right : MouseButton::Left);
  Played played{Outcome::Moved, rig.game.ThingPath()};
  rig.runWalk();
  if (rig.host.count(SoundIndex::Error) != refusals) played.outcome = Outcome::Refused;
  if (rig.host.summaries.size() != ends) played.outcome = Outcome::Ended;
  return played;
}

// Clicks that do something are the interesting ones: most go to the hole's
// line or to track joined to the Thing, the rest anywhere.
// Levels end seldom by chance: on homing deals half the clicks take the
// Thing's next step home by slides, and now and then a click sends it to the goal.
Click pickClick(std::mt19937_64& dice, const Position& p, const FerryTable& ferry, bool homing) {
  if (homing && dice() % 2 == 0) return {static_cast<std::uint8_t>(ferry.firstClick(p.thing, p.hole)), false};
  const int roll = static_cast<int>(dice() % 10);
  if (roll == 0 && dice() % 2 == 0) return {kGoalIndex, true};
  if (roll < 3) {
    const bool alongRow = dice() % 2 != 0;
    const int row = p.hole / kCols;
    const int col = p.hole % kCols;
    const int index = alongRow ? row * kCols + static_cast<int>(dice() % kCols) : static_cast<int>(dice() % kRows) * kCols + col;
    return {static_cast<std::uint8_t>(index), false};
  }
  if (roll < 7) {
    const std::uint64_t joined = Openings(p.cells).component(p.thing);
    const int count = std::popcount(joined);
    std::uint64_t bits = joined;
    for (int skip = static_cast<int>(dice() % static_cast<std::uint64_t>(count)); skip > 0; --skip) bits &= bits - 1;
    return {static_cast<std::uint8_t>(std::countr_zero(bits)), true};
  }
  return {static_cast<std::uint8_t>(dice() % kCells), roll == 9};
}

TEST(FastRules, AgreeWithTheGameOnRandomPositionsAndClicks) {
  const std::uint64_t seed = testing::testSeed(20261207);
  SCOPED_TRACE("seed " + std::to_string(seed) + " (set GORBIX_SOLVER_SEED to replay)");
  std::mt19937_64 dice(seed);
  gorbix::testing::Rig rig;
  rig.view.recordCells = false;
  SeededRandom deal(seed);
  Game& game = rig.game;
  Game dealer(rig.view, rig.host, deal, rig.trap);

  const FerryTable ferry;
  const int kClicks = 100000 / kScale;
  int counts[3] = {};
  int routes = 0;
  int carried = 0;
  bool homing = false;
  for (int n = 0; n < kClicks; ++n) {
    // A new deal now and then; otherwise play on from where the last click left off.
    if (n % 40 == 0 || positionOf(game).thing == kGoalIndex) {
      dealer.StartLevel(static_cast<std::int16_t>(dice() % kLevels + 1));
      Position dealt = positionOf(dealer);
      if (dice() % 10 == 0) dealt.score = static_cast<std::int16_t>(dice() % 8);
      if (dice() % 10 == 0) dealt.score = static_cast<std::int16_t>(kMaxScore - dice() % 30);
      testing::setUp(rig, dealt);
      homing = dice() % 3 == 0;
    }
    const Position before = positionOf(game);
    const Click click = pickClick(dice, before, ferry, homing);
    SCOPED_TRACE("click " + std::to_string(n) + (click.right ? " R" : " L") + std::to_string(click.index));

    Position model = before;
    Outcome outcome;
    std::string modelRoute;
    if (click.right && model.cells[click.index] != kHole) {
      Route route;
      const bool found = Openings(model.cells).findRoute(model.thing, click.index, route);
      modelRoute = found ? testing::routeLetters(route) : "";
      outcome = found ? walk(model, route) : Outcome::Refused;
    } else {
      outcome = play(model, click);
    }
    const Played played = playInGame(rig, click);

    ASSERT_EQ(outcome, played.outcome);
    if (click.right) {
      ASSERT_EQ(modelRoute, played.route);
    }
    ASSERT_EQ(model, positionOf(game));
    ++counts[static_cast<int>(outcome)];
    routes += !modelRoute.empty();
    carried += !click.right && outcome != Outcome::Refused && model.thing != before.thing;
  }
  std::cout << "seed " << seed << ": " << kClicks << " clicks, " << counts[0] << " refused, " << counts[1] << " moved, "
            << counts[2] << " ended; " << routes << " routes, " << carried << " rides\n";
  // The mix must reach every kind of outcome often, or the agreement proves little.
  EXPECT_GT(counts[static_cast<int>(Outcome::Refused)], kClicks / 20);
  EXPECT_GT(counts[static_cast<int>(Outcome::Moved)], kClicks / 3);
  EXPECT_GT(counts[static_cast<int>(Outcome::Ended)], kClicks / 1000);
  EXPECT_GT(routes, kClicks / 8);
  EXPECT_GT(carried, kClicks / 100);
}

// Edge cases the random mix seldom meets, each against the game.
struct EdgeCase {
  const char* name;
  std::vector<std::string> rows;
  int thing;
  int score;
  Click click;
};

class FastRulesEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(FastRulesEdge, AgreesWithTheGame) {
  const EdgeCase& c = GetParam();
  Position start;
  std::array<char, kCells> cells{};
  for (int i = 0; i < kCells; ++i) cells[static_cast<std::size_t>(i)] = c.rows[static_cast<std::size_t>(i / kCols)][static_cast<std::size_t>(i % kCols)];
  ASSERT_EQ(makePosition(cells, c.thing, c.score, start), PositionFault::None);
  gorbix::testing::Rig rig;
  testing::setUp(rig, start);
  Position model = start;
  const Outcome outcome = play(model, c.click);
  const Played played = playInGame(rig, c.click);
  EXPECT_EQ(outcome, played.outcome);
  EXPECT_EQ(model, positionOf(rig.game));
}

const std::vector<std::string> kLoop = {"KGGGGGGL", "FHHHHHHF", "FHHHHHHF", "FHHHHHHF", "FHHHHHHF", "IGGGGGGX"};

INSTANTIATE_TEST_SUITE_P(
    Cases, FastRulesEdge,
    ::testing::Values(
        // The Thing rides its tile onto the goal: the level ends mid-slide.
        EdgeCase{"CarriedOntoGoal", {"QHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHGGGGX"}, 46, 100, {43, false}},
        // On the goal before the slide: the first shift ends the level.
        EdgeCase{"AlreadyOnGoal", {"QHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHGXGGW"}, 47, 100, {43, false}},
        // A fresh tile under the Thing pays when a slide carries it.
        EdgeCase{"FreshUnderThingPays", {"QHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHGPGXW"}, 44, 100, {43, false}},
        EdgeCase{"SlideAtZeroStaysZero", {"QHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHGGGXW"}, 0, 3, {43, false}},
        EdgeCase{"ScoreStopsAtTop", {"QGGPHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHH", "HHHHHHHX"}, 0, 32760, {3, true}},
        // The route round the loop passes the goal: the walk stops there.
        EdgeCase{"WalkStopsOnGoal", {"KGGGGGGL", "FHHHHHHF", "FHHXHHHF", "FHHHHHHF", "FHHHHHHF", "IGGGGGGZ"}, 0, 100, {46, true}},
        // A send to the Thing's own cell through a tile image: a loop back home.
        EdgeCase{"OwnCellByLoop", {"QGGGGGGL", "FHHHHHHF", "FHHXHHHF", "FHHHHHHF", "FHHHHHHF", "IGGGGGGJ"}, 0, 100, {0, true}},
        EdgeCase{"SendToHole", kLoop, 0, 100, {47, true}},
        EdgeCase{"SlideOnHole", kLoop, 0, 100, {47, false}},
        EdgeCase{"SlideOffLine", kLoop, 0, 100, {9, false}}),
    [](const ::testing::TestParamInfo<EdgeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gorbix::solver
