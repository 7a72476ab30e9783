// Speed of the core: route search, dealing, sliding and whole games.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "game/game.h"
#include "game/route.h"
#include "game/silent_view.h"
#include "support/error_trap.h"

namespace gorbix {
namespace {

struct QuietHost final : GameHost {
  std::mt19937 dice{7};
  void PlaySound(SoundIndex) override {}
  void walkTimerChanged(bool, int) override {}
  EndChoice showEndOfLevel(const EndOfLevelSummary&) override {
    return dice() % 2 ? EndChoice::Next : EndChoice::Again;
  }
  std::int16_t showJumpWindow(std::int16_t) override { return 0; }
  void quitGame() override {}
  void newBestScore(std::int16_t) override {}
  void allScoresReset() override {}
};

struct QuietTrap final : ErrorTrap {
  void TrapError(std::string_view, std::string_view, bool) override {}
};

// A game whose view, host and error report do nothing.
struct QuietGame {
  explicit QuietGame(std::uint64_t seed) : random(seed) {}
  SilentView view;
  QuietHost host;
  QuietTrap trap;
  SeededRandom random;
  Game game{view, host, random, trap};
};

struct Search {
  BoardGrid board;
  Cell from;
  Cell to;
};

// Boards as play deals them, with the Thing and the target anywhere on track.
std::vector<Search> searches(std::size_t count) {
  QuietGame quiet(1234);
  Game& game = quiet.game;
  std::mt19937 dice(99);
  std::vector<Search> result;
  while (result.size() < count) {
    game.MakeLevel(static_cast<std::int16_t>(dice() % kLevels + 1));
    const Cell from = IndexToCell(static_cast<int>(dice() % kCells));
    const Cell to = IndexToCell(static_cast<int>(dice() % kCells));
    if (game.Board(from.col, from.row) == kHole || game.Board(to.col, to.row) == kHole) continue;
    result.push_back({game.board(), from, to});
  }
  return result;
}

void fullSearch(const Search& s, OpeningsGrid& openings, std::string& path, ErrorTrap& trap) {
  ComputeOpenings(s.board, openings, trap);
  PruneOpenings(openings, trap);
  benchmark::DoNotOptimize(FindRoute(openings, s.from, s.to, path));
}

void BM_RouteSearch(benchmark::State& state) {
  const std::vector<Search> cases = searches(4096);
  QuietTrap trap;
  OpeningsGrid openings;
  std::string path;
  std::size_t i = 0;
  for (auto _ : state) {
    fullSearch(cases[i++ % cases.size()], openings, path, trap);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RouteSearch);

// Each search timed on its own, for the median and the worst case.
void BM_RouteSearchSpread(benchmark::State& state) {
  const std::vector<Search> cases = searches(20000);
  QuietTrap trap;
  OpeningsGrid openings;
  std::string path;
  std::vector<double> ns(cases.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < cases.size(); ++i) {
      const auto start = std::chrono::steady_clock::now();
      fullSearch(cases[i], openings, path, trap);
      ns[i] = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    }
  }
  std::sort(ns.begin(), ns.end());
  state.counters["median_ns"] = ns[ns.size() / 2];
  state.counters["p99_ns"] = ns[ns.size() * 99 / 100];
  state.counters["worst_ns"] = ns.back();
}
BENCHMARK(BM_RouteSearchSpread)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_MakeLevel(benchmark::State& state) {
  QuietGame quiet(5);
  Game& game = quiet.game;
  std::int16_t level = 1;
  for (auto _ : state) {
    game.MakeLevel(level);
    level = static_cast<std::int16_t>(level % kLevels + 1);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MakeLevel);

void BM_SlideTile(benchmark::State& state) {
  QuietGame quiet(6);
  Game& game = quiet.game;
  game.StartLevel(1);
  std::mt19937 dice(3);
  for (auto _ : state) {
    // Click a cell in the hole's row or column, away from the goal row so no level ends.
    int holeIndex = 0;
    while (game.board().atIndex(holeIndex) != kHole) ++holeIndex;
    const Cell hole = IndexToCell(holeIndex);
    const int along = static_cast<int>(dice() % 2);
    Cell click = hole;
    if (along) click.col = static_cast<std::int16_t>(dice() % kCols + 1);
    else click.row = static_cast<std::int16_t>(dice() % (kRows - 1) + 1);
    game.SlideTile(CellToIndex(click.col, click.row));
    if (game.Score() == 0) game.AddScore(100);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SlideTile);

// A whole game of random actions: clicks of both buttons and walk ticks.
void BM_SimulatedGame(benchmark::State& state) {
  QuietGame quiet(8);
  Game& game = quiet.game;
  game.StartLevel(1);
  std::mt19937 dice(11);
  for (auto _ : state) {
    const unsigned roll = dice() % 100;
    if (roll < 45) game.imgTile_MouseUp(static_cast<int>(dice() % kCells), MouseButton::Left);
    else if (roll < 70) game.imgTile_MouseUp(static_cast<int>(dice() % kCells), MouseButton::Right);
    else game.tmrMoveThing_Timer();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SimulatedGame);

// Taking up a kept board: its record of play made again out of sight, as
// at start-up. The record is the longest of some games of random moves,
// undos, redos and hints that did not end their level.
void BM_ResumeRecord(benchmark::State& state) {
  std::vector<PlayEvent> longest;
  std::int32_t board = 1;
  std::int16_t score = 0;
  for (std::uint64_t seed = 1; seed <= 40 && longest.size() < 4000; ++seed) {
    QuietGame quiet(seed);
    Game& game = quiet.game;
    game.StartLevel(static_cast<std::int16_t>(seed % kLevels + 1));
    std::mt19937 dice(static_cast<unsigned>(seed));
    // An ended level starts another at once.
    const std::int32_t dealt = game.boardNumber();
    while (game.boardNumber() == dealt && game.history().events().size() < 4000) {
      const unsigned roll = dice() % 100;
      if (roll < 45) game.imgTile_MouseUp(static_cast<int>(dice() % kCells), MouseButton::Left);
      else if (roll < 80) game.imgTile_MouseUp(static_cast<int>(dice() % kCells), MouseButton::Right);
      else if (roll < 92) game.undo();
      else if (roll < 97) game.redo();
      else game.payHint();
      while (game.walkTimerEnabled()) game.tmrMoveThing_Timer();
    }
    if (game.boardNumber() == dealt && game.history().events().size() > longest.size()) {
      longest = game.history().events();
      board = game.boardNumber();
      score = game.Score();
      state.counters["level"] = game.CurrentLevel();
    }
  }
  QuietGame quiet(0);
  const auto level = static_cast<std::int16_t>(state.counters["level"].value);
  for (auto _ : state) {
    if (!quiet.game.resume(level, board, longest, score).empty()) state.SkipWithError("the record does not replay");
  }
  state.counters["entries"] = static_cast<double>(longest.size());
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(longest.size()));
}
BENCHMARK(BM_ResumeRecord)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gorbix

BENCHMARK_MAIN();
