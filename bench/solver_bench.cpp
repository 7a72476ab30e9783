// Speed of the solver's rules model against the game's own route search, and
// of the search itself in positions per second.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "game/route.h"
#include "solver/replay.h"
#include "solver/rules.h"
#include "solver/solver.h"
#include "support/error_trap.h"

namespace gorbix::solver {
namespace {

struct SilentTrap final : ErrorTrap {
  void TrapError(std::string_view, std::string_view, bool) override {}
};

struct RouteCase {
  Position position;
  int target;
};

// Dealt boards of every level, each with the Thing somewhere on track and a
// target that is not the hole: the same cases for both searches.
std::vector<RouteCase> routeCases(std::size_t count) {
  SeededRandom random(4321);
  std::mt19937 dice(77);
  std::vector<RouteCase> cases;
  while (cases.size() < count) {
    Position p = dealtPosition(static_cast<std::int16_t>(dice() % kLevels + 1), random);
    const int thing = static_cast<int>(dice() % kCells);
    const int target = static_cast<int>(dice() % kCells);
    if (p.cells[static_cast<std::size_t>(thing)] == kHole || p.cells[static_cast<std::size_t>(target)] == kHole) continue;
    p.thing = static_cast<std::int8_t>(thing);
    cases.push_back({p, target});
  }
  return cases;
}

void BM_GameRouteSearch(benchmark::State& state) {
  const std::vector<RouteCase> cases = routeCases(4096);
  std::vector<BoardGrid> boards(cases.size());
  for (std::size_t i = 0; i < cases.size(); ++i) {
    for (int c = 0; c < kCells; ++c) boards[i].atIndex(c) = cases[i].position.cells[static_cast<std::size_t>(c)];
  }
  SilentTrap trap;
  OpeningsGrid openings;
  std::string path;
  std::size_t i = 0;
  for (auto _ : state) {
    const RouteCase& c = cases[i % cases.size()];
    ComputeOpenings(boards[i % cases.size()], openings, trap);
    PruneOpenings(openings, trap);
    benchmark::DoNotOptimize(FindRoute(openings, IndexToCell(c.position.thing), IndexToCell(c.target), path));
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GameRouteSearch);

void BM_FastRouteSearch(benchmark::State& state) {
  const std::vector<RouteCase> cases = routeCases(4096);
  Route route;
  std::size_t i = 0;
  for (auto _ : state) {
    const RouteCase& c = cases[i++ % cases.size()];
    const Openings openings(c.position.cells);
    benchmark::DoNotOptimize(openings.findRoute(c.position.thing, c.target, route));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FastRouteSearch);

// Every send from one board: the openings are built once and searched many times.
void BM_FastRouteSearchSharedOpenings(benchmark::State& state) {
  const std::vector<RouteCase> cases = routeCases(4096);
  Route route;
  std::size_t i = 0;
  for (auto _ : state) {
    const RouteCase& c = cases[i++ % cases.size()];
    const Openings openings(c.position.cells);
    for (int target = 0; target < kCells; ++target) benchmark::DoNotOptimize(openings.findRoute(c.position.thing, target, route));
  }
  state.SetItemsProcessed(state.iterations() * kCells);
}
BENCHMARK(BM_FastRouteSearchSharedOpenings);

// Positions the search makes per second, on fresh boards of levels 1 to 25.
void BM_SolveNodes(benchmark::State& state) {
  SeededRandom random(99);
  std::int16_t level = 1;
  std::int64_t nodes = 0;
  for (auto _ : state) {
    const Position start = dealtPosition(level, random);
    level = static_cast<std::int16_t>(level % kLevels + 1);
    SolveStats stats;
    benchmark::DoNotOptimize(solve(start, Budget::ofNodes(state.range(0)), &stats));
    nodes += stats.nodes;
  }
  state.counters["nodes_per_s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SolveNodes)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gorbix::solver

BENCHMARK_MAIN();
