// Random play: after every action the board, the score and the Thing stay sound.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <random>

#include "fakes.h"

namespace gorbix {
namespace {

char freshOf(char code) { return (code >= 'Q' && code != kHole) ? static_cast<char>(code - kVisitedOffset) : code; }

std::map<char, int> tileCounts(const Game& game) {
  std::map<char, int> counts;
  for (char code : game.board()) {
    // A taken bonus becomes "W"; count it with the straights it joined.
    ++counts[freshOf(code)];
  }
  return counts;
}

bool sameMultisetIgnoringBonuses(std::map<char, int> a, std::map<char, int> b) {
  for (auto* counts : {&a, &b}) {
    for (char bonus : {'M', 'N', 'O', 'P'}) {
      (*counts)['G'] += (*counts)[bonus];
      (*counts)[bonus] = 0;
    }
  }
  return a == b;
}

// Follows a path from a cell over the board's own open sides.
bool pathIsWalkable(const Game& game, Cell from, const std::string& path) {
  int col = from.col;
  int row = from.row;
  for (char step : path) {
    const std::string_view here = TileOpenings(game.Board(col, row));
    if (here.find(step) == std::string_view::npos) return false;
    int nextCol = col + (step == 'r') - (step == 'l');
    int nextRow = row + (step == 'd') - (step == 'u');
    if (!OnBoard(nextCol, nextRow)) return false;
    const char partner = step == 'u' ? 'd' : step == 'd' ? 'u' : step == 'l' ? 'r' : 'l';
    if (TileOpenings(game.Board(nextCol, nextRow)).find(partner) == std::string_view::npos) return false;
    col = nextCol;
    row = nextRow;
  }
  return true;
}

TEST(Soak, RandomClicksAndTicksKeepEveryInvariant) {
  std::uint64_t seed = 20261207;
  if (const char* env = std::getenv("GORBIX_SOAK_SEED")) seed = std::strtoull(env, nullptr, 10);
  SCOPED_TRACE("seed " + std::to_string(seed) + " (set GORBIX_SOAK_SEED to replay)");
  std::mt19937_64 dice(seed);

  testing::RecordingView view;
  testing::ScriptedHost host;
  testing::RecordingTrap trap;
  SeededRandom random(seed);
  Game game(view, host, random, trap);
  view.recordCells = false;
  game.StartLevel(1);
  auto counts = tileCounts(game);
  view.events.clear();

  constexpr int kActions = 150000;
  int walks = 0;
  int wins = 0;
  for (int action = 0; action < kActions; ++action) {
    const int roll = static_cast<int>(dice() % 100);
    // Choices for a level end this action may reach.
    const EndChoice choices[] = {EndChoice::None, EndChoice::Again, EndChoice::Next, EndChoice::Jump};
    host.endChoices = {choices[dice() % 4]};
    if (game.CurrentLevel() == kLevels && host.endChoices.front() == EndChoice::Next) {
      host.endChoices = {EndChoice::Again};
    }
    host.jumpChoices = {static_cast<std::int16_t>(dice() % (kLevels + 1))};
    const std::size_t summariesBefore = host.summaries.size();

    if (roll < 45) {
      game.imgTile_MouseUp(static_cast<int>(dice() % kCells), MouseButton::Left);
    } else if (roll < 70) {
      const bool wasWalking = game.walkTimerEnabled();
      // Aim for the goal often, so that many levels end.
      const int target = dice() % 3 == 0 ? kCells - 1 : static_cast<int>(dice() % kCells);
      game.imgTile_MouseUp(target, MouseButton::Right);
      if (!wasWalking && game.walkTimerEnabled()) {
        ++walks;
        ASSERT_FALSE(game.ThingPath().empty());
        ASSERT_TRUE(pathIsWalkable(game, {game.ThingCol(), game.ThingRow()}, game.ThingPath()))
            << "action " << action << " path " << game.ThingPath();
      }
    } else if (roll < 75) {
      game.imgThing_MouseUp(dice() % 2 ? MouseButton::Left : MouseButton::Right);
    } else if (roll < 99) {
      game.tmrMoveThing_Timer();
    } else {
      game.StartLevel(static_cast<std::int16_t>(dice() % kLevels + 1));
    }

    if (host.summaries.size() != summariesBefore) ++wins;
    bool dealt = false;
    for (const std::string& event : view.events) dealt = dealt || event.starts_with("level ");
    view.events.clear();
    if (dealt) {
      counts = tileCounts(game);
    }

    int holes = 0;
    for (char code : game.board()) {
      ASSERT_TRUE(IsTileCode(code)) << "action " << action;
      holes += code == kHole;
    }
    ASSERT_EQ(holes, 1) << "action " << action;
    ASSERT_TRUE(sameMultisetIgnoringBonuses(counts, tileCounts(game))) << "action " << action;
    ASSERT_GE(game.Score(), 0);
    const char under = game.Board(game.ThingCol(), game.ThingRow());
    ASSERT_NE(under, kHole) << "action " << action;
    ASSERT_NE(under, kBlocker) << "action " << action;
    ASSERT_FALSE(IsFresh(under)) << "the Thing stands on visited tiles only";
    ASSERT_GE(game.CurrentLevel(), 1);
    ASSERT_LE(game.CurrentLevel(), kLevels);
    ASSERT_EQ(game.walkTimerEnabled(), !game.ThingPath().empty());
  }
  RecordProperty("walks", walks);
  RecordProperty("wins", wins);
  EXPECT_TRUE(trap.reports.empty());
  // The run must really exercise walks and level ends, or it proves little.
  EXPECT_GT(walks, 1000);
  EXPECT_GT(wins, 10);
}

}  // namespace
}  // namespace gorbix
