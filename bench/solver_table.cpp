// The solver on fixed boards of six levels: win rate, final scores, slides
// and the time to a first winning line, beside a plain width-100 beam search
// and the ceiling no line can pass (the score plus every fresh tile's points).
//   bench_solver_table                 50 ms a board (what `make bench` runs)
//   bench_solver_table --ms 1000       1 s a board (about ten minutes)
//   bench_solver_table --boards N      N boards a level (default 100)
//   bench_solver_table --nodes N       a node budget instead of time: the same figures everywhere
//   bench_solver_table --levels 1,5    only these levels
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "solver/replay.h"
#include "solver/rules.h"
#include "solver/solver.h"

namespace gorbix::solver {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::int16_t kTableLevels[] = {1, 5, 10, 15, 20, 25};

// A beam search in its plainest form, as the yardstick: every slide and every
// accepted send of the 100 best positions by score so far, duplicates
// dropped, the best ending kept.
int plainBeam(const Position& start, int width) {
  struct Entry {
    Position pos;
    int order;
  };
  constexpr int kDepth = 60;
  std::vector<Entry> layer{{start, 0}};
  std::unordered_set<std::string> seen;
  int best = -1;
  for (int depth = 0; depth < kDepth && !layer.empty(); ++depth) {
    std::vector<Entry> next;
    for (const Entry& e : layer) {
      for (int index = 0; index < kCells; ++index) {
        for (const bool right : {false, true}) {
          if (right && index == e.pos.thing) continue;
          Position p = e.pos;
          const Outcome outcome = play(p, {static_cast<std::uint8_t>(index), right});
          if (outcome == Outcome::Refused) continue;
          if (outcome == Outcome::Ended) {
            best = std::max(best, static_cast<int>(p.score));
            continue;
          }
          std::string key(p.cells.data(), p.cells.size());
          key.push_back(static_cast<char>(p.thing));
          if (!seen.insert(key).second) continue;
          next.push_back({p, static_cast<int>(next.size())});
        }
      }
    }
    std::sort(next.begin(), next.end(), [](const Entry& a, const Entry& b) {
      return a.pos.score != b.pos.score ? a.pos.score > b.pos.score : a.order < b.order;
    });
    if (static_cast<int>(next.size()) > width) next.resize(static_cast<std::size_t>(width));
    layer = std::move(next);
  }
  return best;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

double mean(const std::vector<double>& v) {
  double sum = 0;
  for (const double x : v) sum += x;
  return v.empty() ? 0 : sum / static_cast<double>(v.size());
}

void run(int ms, std::int64_t nodeBudget, int boards, bool baseline, const std::vector<int>& levels) {
  if (nodeBudget > 0) std::printf("solver, %lld nodes a board", static_cast<long long>(nodeBudget));
  else std::printf("solver, %d ms a board", ms);
  std::printf(", %d boards a level%s\n", boards, baseline ? ", beside a plain width-100 beam" : "");
  std::printf("%5s %6s %8s %8s %8s %7s %10s %10s %12s", "level", "wins", "mean", "median", "ceiling", "slides", "first_med",
              "first_max", "nodes/s");
  if (baseline) std::printf(" %9s %8s %6s", "beam100", "beam_ms", "gain");
  std::printf("\n");
  for (const std::int16_t level : kTableLevels) {
    if (!levels.empty() && std::find(levels.begin(), levels.end(), level) == levels.end()) continue;
    SeededRandom random(1000 + static_cast<std::uint64_t>(level));
    std::vector<double> scores, ceilings, slides, firstUs, beamScores, beamMs;
    int wins = 0;
    std::int64_t nodes = 0;
    double seconds = 0;
    for (int b = 0; b < boards; ++b) {
      const Position start = dealtPosition(level, random);

      // A node budget of one: the line the search holds before its first step.
      auto t0 = Clock::now();
      const Line first = solve(start, Budget::ofNodes(1));
      firstUs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());

      SolveStats stats;
      t0 = Clock::now();
      const Budget budget = nodeBudget > 0 ? Budget::ofNodes(nodeBudget) : Budget::ofTime(std::chrono::milliseconds(ms));
      const Line line = solve(start, budget, &stats);
      seconds += std::chrono::duration<double>(Clock::now() - t0).count();
      nodes += stats.nodes;
      const ReplayResult replayed = replayThroughGame(start, line.clicks);
      const ReplayResult replayedFirst = replayThroughGame(start, first.clicks);
      if (replayed.ended && replayed.score == line.score && replayedFirst.ended) ++wins;
      scores.push_back(line.score);
      ceilings.push_back(std::min(kMaxScore, start.score + freshPoints(start)));
      slides.push_back(static_cast<double>(std::count_if(line.clicks.begin(), line.clicks.end(), [](Click c) { return !c.right; })));

      if (baseline) {
        t0 = Clock::now();
        beamScores.push_back(plainBeam(start, 100));
        beamMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
      }
    }
    std::printf("%5d %5.1f%% %8.1f %8.1f %8.1f %7.1f %8.0fus %8.0fus %12.0f", level, 100.0 * wins / boards, mean(scores),
                median(scores), mean(ceilings), mean(slides), median(firstUs), *std::max_element(firstUs.begin(), firstUs.end()),
                static_cast<double>(nodes) / seconds);
    if (baseline) std::printf(" %9.1f %8.1f %+5.1f%%", mean(beamScores), mean(beamMs), 100.0 * (mean(scores) / mean(beamScores) - 1));
    std::printf("\n");
    std::fflush(stdout);
  }
}

}  // namespace
}  // namespace gorbix::solver

int main(int argc, char** argv) {
  int ms = 50;
  long long nodes = 0;
  int boards = 100;
  bool baseline = true;
  std::vector<int> levels;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--ms" && i + 1 < argc) ms = std::atoi(argv[++i]);
    else if (arg == "--boards" && i + 1 < argc) boards = std::atoi(argv[++i]);
    else if (arg == "--nodes" && i + 1 < argc) nodes = std::atoll(argv[++i]);
    else if (arg == "--no-baseline") baseline = false;
    else if (arg == "--levels" && i + 1 < argc) {
      std::string list = argv[++i];
      std::replace(list.begin(), list.end(), ',', ' ');
      std::istringstream in(list);
      for (int level = 0; in >> level;) levels.push_back(level);
    }
    // Other arguments (make bench passes Google Benchmark's) are not ours.
  }
  if (ms < 1 || boards < 1 || nodes < 0) {
    std::fprintf(stderr, "usage: bench_solver_table [--ms N | --nodes N] [--boards N] [--levels L,L…] [--no-baseline]\n");
    return 2;
  }
  gorbix::solver::run(ms, nodes, boards, baseline, levels);
  return 0;
}
