// Pruning the open sides and the greedy route search with its restarts.
#include "game/route.h"

#include <gtest/gtest.h>

#include <map>

#include "fakes.h"

namespace gorbix {
namespace {

using testing::RecordingTrap;

// Cells not named are "x".
OpeningsGrid grid(const std::map<std::pair<int, int>, std::string>& sides) {
  OpeningsGrid openings;
  openings.fill(SideText("x"));
  for (const auto& [cell, text] : sides) openings(cell.first, cell.second) = SideText(text);
  return openings;
}

OpeningsGrid pruned(const std::map<std::pair<int, int>, std::string>& sides) {
  OpeningsGrid openings = grid(sides);
  RecordingTrap trap;
  PruneOpenings(openings, trap);
  EXPECT_TRUE(trap.reports.empty());
  return openings;
}

// A board filled with one code, given cells changed.
OpeningsGrid fromBoard(char fill, const std::map<std::pair<int, int>, char>& cells) {
  BoardGrid board;
  board.fill(fill);
  for (const auto& [cell, code] : cells) board(cell.first, cell.second) = code;
  OpeningsGrid openings;
  RecordingTrap trap;
  ComputeOpenings(board, openings, trap);
  PruneOpenings(openings, trap);
  return openings;
}

std::string route(OpeningsGrid openings, Cell from, Cell to) {
  std::string path = "stale";
  if (!FindRoute(openings, from, to, path)) {
    EXPECT_EQ(path, "") << "a failed search leaves no path";
    return "none";
  }
  return path;
}

TEST(PruneCell, SidesFacingTheEdgeOrNoPartnerGo) {
  OpeningsGrid openings = grid({{{1, 1}, "udlr"}, {{2, 1}, "ud"}, {{1, 2}, "lr"}});
  RecordingTrap trap;
  PruneCell(openings, 1, 1, trap);
  EXPECT_EQ(openings(1, 1).str(), "x") << "u and l face the edge, r and d have no partner";

  openings = grid({{{1, 1}, "dr"}, {{2, 1}, "l"}, {{1, 2}, "ur"}});
  PruneCell(openings, 1, 1, trap);
  EXPECT_EQ(openings(1, 1).str(), "dr");
  PruneCell(openings, 1, 2, trap);
  EXPECT_EQ(openings(1, 2).str(), "u");
  openings = grid({{{8, 6}, "udlr"}, {{7, 6}, "r"}});
  PruneCell(openings, 8, 6, trap);
  EXPECT_EQ(openings(8, 6).str(), "l");
}

TEST(PruneOpenings, OneSweepLeavesEverySideFacingItsPartner) {
  RecordingTrap trap;
  SeededRandom random(99);
  for (int round = 0; round < 300; ++round) {
    BoardGrid board;
    for (char& code : board) code = static_cast<char>('A' + static_cast<int>(random.next() * 32));
    OpeningsGrid openings;
    ComputeOpenings(board, openings, trap);
    PruneOpenings(openings, trap);
    for (int col = 1; col <= kCols; ++col) {
      for (int row = 1; row <= kRows; ++row) {
        const SideText& text = openings(col, row);
        if (text.isX()) continue;
        for (int i = 0; i < text.size(); ++i) {
          switch (text[i]) {
            case 'u': ASSERT_TRUE(row > 1 && openings(col, row - 1).contains('d')); break;
            case 'd': ASSERT_TRUE(row < kRows && openings(col, row + 1).contains('u')); break;
            case 'l': ASSERT_TRUE(col > 1 && openings(col - 1, row).contains('r')); break;
            case 'r': ASSERT_TRUE(col < kCols && openings(col + 1, row).contains('l')); break;
            default: FAIL() << text.str();
          }
        }
      }
    }
  }
  EXPECT_TRUE(trap.reports.empty());
}

TEST(PruneCell, ForeignCharacterIsTrappedWithItsPlace) {
  OpeningsGrid openings = grid({{{2, 2}, "uQr"}, {{2, 1}, "d"}});
  RecordingTrap trap;
  PruneCell(openings, 2, 2, trap);
  ASSERT_EQ(trap.reports.size(), 1u);
  EXPECT_EQ(trap.reports[0].where, "RP-3-2");
  EXPECT_EQ(trap.reports[0].detail, "[Q] uQr");
  EXPECT_TRUE(trap.reports[0].endProgram);
}

TEST(FindRoute, WorkedExampleRestartsAfterTheDeadEnd) {
  OpeningsGrid openings = pruned({{{1, 1}, "lr"}, {{2, 1}, "dlr"}, {{3, 1}, "lr"}, {{2, 2}, "ur"}, {{3, 2}, "lr"}});
  EXPECT_EQ(openings(1, 1).str(), "r");
  EXPECT_EQ(openings(2, 1).str(), "dlr");
  EXPECT_EQ(openings(3, 1).str(), "l");
  EXPECT_EQ(openings(2, 2).str(), "ur");
  EXPECT_EQ(openings(3, 2).str(), "l");

  std::string path;
  ASSERT_TRUE(FindRoute(openings, {1, 1}, {3, 2}, path));
  EXPECT_EQ(path, "rdr");
  EXPECT_EQ(openings(3, 1).str(), "x") << "the dead end is marked";
  EXPECT_EQ(openings(2, 1).str(), "DL") << "its way into the dead end was taken away";
}

TEST(FindRoute, StraightRunAlongTheTopRow) {
  EXPECT_EQ(route(fromBoard('H', {{{1, 1}, 'W'}, {{2, 1}, 'G'}, {{3, 1}, 'G'}, {{4, 1}, 'G'}, {{5, 1}, 'G'}}),
                  {1, 1}, {5, 1}),
            "rrrr");
}

TEST(FindRoute, PrefersHorizontalThenVerticalTowardsTheTarget) {
  // All crosses: a staircase is never needed, the walk goes right first, then down.
  EXPECT_EQ(route(fromBoard('A', {}), {1, 1}, {3, 3}), "rrdd");
  EXPECT_EQ(route(fromBoard('A', {}), {5, 5}, {2, 2}), "llluuu");
  // Same column: "d" below, "u" above.
  EXPECT_EQ(route(fromBoard('F', {}), {4, 2}, {4, 5}), "ddd");
  EXPECT_EQ(route(fromBoard('F', {}), {4, 5}, {4, 2}), "uuu");
}

TEST(FindRoute, FallsBackToUpDownLeftRight) {
  // Target to the right, but the only way out is up, then around.
  OpeningsGrid openings = pruned({{{2, 3}, "u"}, {{2, 2}, "dr"}, {{3, 2}, "ld"}, {{3, 3}, "u"}});
  std::string path;
  ASSERT_TRUE(FindRoute(openings, {2, 3}, {3, 3}, path));
  EXPECT_EQ(path, "urd");
  // Target straight below but no "d": the fallback takes "u" into a dead end,
  // then, after the restart, "l" and on round.
  openings = pruned({{{3, 3}, "ul"}, {{3, 2}, "d"}, {{2, 3}, "rd"}, {{2, 4}, "ur"}, {{3, 4}, "l"}});
  path.clear();
  ASSERT_TRUE(FindRoute(openings, {3, 3}, {3, 4}, path));
  EXPECT_EQ(path, "ldr");
}

TEST(FindRoute, DeadEndBranchIsPrunedAndOnlyTheLastAttemptCounts) {
  // From (1,1) the walk prefers "r" into a dead end at (3,1) before going down.
  OpeningsGrid openings = pruned({{{1, 1}, "dr"},
                                  {{2, 1}, "lr"},
                                  {{3, 1}, "l"},
                                  {{1, 2}, "ur"},
                                  {{2, 2}, "lr"},
                                  {{3, 2}, "lr"},
                                  {{4, 2}, "l"}});
  std::string path;
  ASSERT_TRUE(FindRoute(openings, {1, 1}, {4, 2}, path));
  EXPECT_EQ(path, "drrr");
}

TEST(FindRoute, TargetThatIsItselfADeadEndIsReachedOnEntry) {
  EXPECT_EQ(route(pruned({{{1, 1}, "r"}, {{2, 1}, "lr"}, {{3, 1}, "l"}}), {1, 1}, {3, 1}), "rr");
}

TEST(FindRoute, UnreachableTargets) {
  // A blocker, and a cell no pruned side faces.
  OpeningsGrid board = fromBoard('A', {{{4, 4}, 'H'}});
  EXPECT_EQ(route(board, {1, 1}, {4, 4}), "none");
  EXPECT_EQ(route(pruned({{{1, 1}, "r"}, {{2, 1}, "l"}, {{5, 5}, "lr"}, {{6, 5}, "l"}}), {1, 1}, {6, 5}), "none");
  // The Thing's own cell has no side left after pruning.
  EXPECT_EQ(route(pruned({{{1, 1}, "u"}, {{2, 1}, "lr"}}), {1, 1}, {2, 1}), "none");
}

TEST(FindRoute, OwnCellOnlyThroughALoop) {
  // A ring of four corners: the walk leaves and comes back through the second side.
  OpeningsGrid ring = pruned({{{2, 2}, "dr"}, {{3, 2}, "dl"}, {{2, 3}, "ur"}, {{3, 3}, "ul"}});
  EXPECT_EQ(route(ring, {2, 2}, {2, 2}), "drul");
  // A straight there and back is no loop: the search gives up.
  EXPECT_EQ(route(pruned({{{2, 2}, "r"}, {{3, 2}, "lr"}, {{4, 2}, "l"}}), {2, 2}, {2, 2}), "none");
}

TEST(FindRoute, ComingBackIntoTheThingsCellWithEverySideUsedGivesUp) {
  // The walk circles back into its own start through the second side before
  // it tries the branch down column 1 that would lead to the target.
  OpeningsGrid openings = pruned({{{1, 1}, "dr"},
                                  {{2, 1}, "ld"},
                                  {{2, 2}, "ul"},
                                  {{1, 2}, "udr"},
                                  {{1, 3}, "ur"},
                                  {{2, 3}, "lr"},
                                  {{3, 3}, "lr"},
                                  {{4, 3}, "lu"},
                                  {{4, 2}, "d"}});
  EXPECT_EQ(route(openings, {1, 1}, {4, 2}), "none");
  // From the next cell down the same loop is walked, and the branch is found after it.
  EXPECT_EQ(route(openings, {1, 2}, {4, 2}), "rulddrrru");
}

TEST(FindRoute, UnprunedSideFacingTheEdgeIsNeverWalked) {
  // Sent round a ring to its own cell, the walk would try "u" first.
  OpeningsGrid openings = grid({{{1, 1}, "ur"}, {{2, 1}, "ld"}, {{2, 2}, "ul"}, {{1, 2}, "ur"}});
  std::string path;
  ASSERT_TRUE(FindRoute(openings, {1, 1}, {1, 1}, path));
  EXPECT_EQ(path, "rdlu");
}

}  // namespace
}  // namespace gorbix
