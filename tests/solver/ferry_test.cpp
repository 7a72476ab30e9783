// The table of ferries by slides alone, checked against the rules model's
// own slides (which the differential test checks against the game).
#include <gtest/gtest.h>

#include <algorithm>

#include "solver/ferry.h"
#include "solver/rules.h"

namespace gorbix::solver {
namespace {

// Track everywhere, so that only the Thing's and the hole's places matter.
Position placed(int thing, int hole) {
  Position p;
  p.cells.fill('Q');
  p.cells[static_cast<std::size_t>(hole)] = kHole;
  p.thing = static_cast<std::int8_t>(thing);
  p.hole = static_cast<std::int8_t>(hole);
  p.score = 1000;
  return p;
}

TEST(FerryTable, EveryDistanceIsOneMoreThanTheBestClicksAndTheChosenClickIsOneOfThem) {
  const FerryTable table;
  for (int thing = 0; thing < kCells; ++thing) {
    for (int hole = 0; hole < kCells; ++hole) {
      if (thing == hole) continue;
      SCOPED_TRACE("thing " + std::to_string(thing) + " hole " + std::to_string(hole));
      if (thing == kGoalIndex) {
        EXPECT_EQ(table.slides(thing, hole), 0);
        continue;
      }
      int best = 1000;
      int viaChosen = -1;
      for (int click = 0; click < kCells; ++click) {
        Position p = placed(thing, hole);
        const Outcome outcome = slide(p, click);
        if (outcome == Outcome::Refused) continue;
        const int rest = outcome == Outcome::Ended ? 0 : table.slides(p.thing, p.hole);
        best = std::min(best, 1 + rest);
        if (click == table.firstClick(thing, hole)) viaChosen = 1 + rest;
      }
      EXPECT_EQ(table.slides(thing, hole), best);
      EXPECT_EQ(viaChosen, best);
    }
  }
}

TEST(FerryTable, TheWholeFerryEndsTheLevelOnItsLastSlide) {
  const FerryTable table;
  for (const auto& [thing, hole] : {std::pair{0, 47}, std::pair{0, 1}, std::pair{46, 47}, std::pair{40, 7}, std::pair{39, 46}}) {
    Position p = placed(thing, hole);
    const std::vector<Click> clicks = table.clicks(thing, hole);
    ASSERT_EQ(static_cast<int>(clicks.size()), table.slides(thing, hole));
    for (std::size_t i = 0; i < clicks.size(); ++i) {
      EXPECT_FALSE(clicks[i].right);
      EXPECT_EQ(slide(p, clicks[i].index), i + 1 == clicks.size() ? Outcome::Ended : Outcome::Moved) << i;
    }
  }
  // One slide along the bottom row carries the Thing home from beside the goal.
  EXPECT_EQ(table.slides(46, 47), 1);
}

}  // namespace
}  // namespace gorbix::solver
