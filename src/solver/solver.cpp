#include "solver/solver.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>
#include <thread>

#include "solver/ferry.h"
#include "solver/replay.h"
#include "solver/rules.h"
#include "support/memory_return.h"

namespace gorbix::solver {

namespace {

constexpr int kFirstWidth = 8;
// The search runs beside the game, whose memory it must not swell: a wider
// beam's children alone would take tens of megabytes, and within the game's
// budgets the search rarely gets this far.
constexpr int kMaxWidth = 1 << 12;
// 5 MB a table. A full table takes no more positions in: they count as new
// each time they come, which costs the search time, never a wrong line.
constexpr std::size_t kMaxSeenSlots = std::size_t{1} << 19;
constexpr int kMaxDepth = 120;
constexpr int kSlidePenalty = 5;

std::uint64_t hashOf(const Position& p) {
  std::uint64_t h = 0x9E3779B97F4A7C15ULL * static_cast<std::uint64_t>(p.thing + 1);
  for (int w = 0; w < kCells / 8; ++w) {
    std::uint64_t word = 0;
    std::memcpy(&word, p.cells.data() + w * 8, sizeof word);
    h = (h ^ word) * 0xFF51AFD7ED558CCDULL;
    h ^= h >> 29;
  }
  return h;
}

// The best score seen for each position of one beam pass, by hash: open
// addressing, as the search asks it once for every position it makes.
class SeenTable {
 public:
  explicit SeenTable(std::size_t expected) {
    std::size_t size = 1024;
    while (size < expected * 2 && size < kMaxSeenSlots) size *= 2;
    keys_.assign(size, 0);
    scores_.assign(size, 0);
  }

  // True when the position is new or reached with a better score than before.
  bool improves(std::uint64_t key, std::int16_t score) {
    key |= 1;  // 0 marks an empty slot
    std::size_t i = static_cast<std::size_t>(key) & (keys_.size() - 1);
    while (keys_[i] != 0 && keys_[i] != key) i = (i + 1) & (keys_.size() - 1);
    if (keys_[i] == key) {
      if (scores_[i] >= score) return false;
      scores_[i] = score;
      return true;
    }
    if (used_ * 4 >= keys_.size() * 3) return true;  // full
    keys_[i] = key;
    scores_[i] = score;
    if (++used_ * 2 > keys_.size() && keys_.size() < kMaxSeenSlots) grow();
    return true;
  }

 private:
  void grow() {
    std::vector<std::uint64_t> keys(keys_.size() * 2, 0);
    std::vector<std::int16_t> scores(scores_.size() * 2, 0);
    for (std::size_t i = 0; i < keys_.size(); ++i) {
      if (keys_[i] == 0) continue;
      std::size_t j = static_cast<std::size_t>(keys_[i]) & (keys.size() - 1);
      while (keys[j] != 0) j = (j + 1) & (keys.size() - 1);
      keys[j] = keys_[i];
      scores[j] = scores_[i];
    }
    keys_ = std::move(keys);
    scores_ = std::move(scores);
  }

  std::vector<std::uint64_t> keys_;
  std::vector<std::int16_t> scores_;
  std::size_t used_ = 0;
};

// One click of the search tree: the lines share their beginnings.
struct Trail {
  int parent;
  Click click;
};

struct Node {
  Position pos;
  int trail;  // -1 for the start
  int eval;
};

struct Child {
  Position pos;
  int parent;  // trail of the node it came from
  Click click;
  int eval;
  int order;  // generation order: ties go to the earlier child, so a node budget decides alone
};

// How a beam pass groups the positions it compares. The two find good lines
// on different boards, so the solver runs one of each.
enum class Layering {
  ByClicks,  // positions after the same number of clicks
  BySlides,  // positions after the same number of slides, each judged after the sends that follow
};

class Search {
 public:
  Search(const Position& start, const Budget& budget, Layering layering, SolveStats* stats)
      : start_(start), budget_(budget), layering_(layering), stats_(stats) {
    for (int i = 0; i < 32; ++i) points_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(TilePoints(static_cast<char>('A' + i)));
  }

  Line run() {
    if (start_.thing == kGoalIndex) return {{}, start_.score};
    offerFerry({start_, -1, 0});
    for (int width = kFirstWidth; width <= kMaxWidth && !outOfBudget_; width *= 2) {
      if (layering_ == Layering::ByClicks) beamByClicks(width);
      else beamBySlides(width);
      if (stats_) ++stats_->beams;
    }
    return realize();
  }

 private:
  struct Best {
    int score = -1;
    int trail = -1;
    bool ferry = false;
    Position pos;  // where the ferry starts
  };

  void spend() {
    ++nodes_;
    if (stats_) stats_->nodes = nodes_;
    if (budget_.nodes > 0 && nodes_ >= budget_.nodes) outOfBudget_ = true;
    if ((nodes_ & 63) == 0) {
      if (budget_.stop.stop_requested()) outOfBudget_ = true;
      if (budget_.deadline && std::chrono::steady_clock::now() >= *budget_.deadline) outOfBudget_ = true;
    }
  }

  int ferryScore(const Position& p) const {
    return std::max(0, p.score - kSlidePenalty * ferry_.slides(p.thing, p.hole));
  }

  void improve(int score, int trail, bool ferry, const Position& pos) {
    if (score <= best_.score) return;
    best_ = {score, trail, ferry, pos};
    if (stats_) ++stats_->improvements;
  }

  void offerFerry(const Node& node) { improve(ferryScore(node.pos), node.trail, true, node.pos); }

  int addTrail(int parent, Click click) {
    trails_.push_back({parent, click});
    return static_cast<int>(trails_.size()) - 1;
  }

  // Score so far, plus half of what the track now joined to the Thing could
  // still pay. (Counting the slides home as well makes the search run for
  // the goal too early.)
  int evaluate(const Position& p, const Openings& openings) const {
    int joined = 0;
    std::uint64_t reach = openings.component(p.thing);
    while (reach != 0) {
      const int i = std::countr_zero(reach);
      reach &= reach - 1;
      joined += points_[static_cast<std::size_t>(p.cells[static_cast<std::size_t>(i)] - 'A')];
    }
    return p.score + joined / 2;
  }

  void consider(const Node& node, Click click, const Position& child, std::vector<Child>& out,
                SeenTable& seen) {
    if (!seen.improves(hashOf(child), child.score)) return;
    const Openings openings(child.cells);
    out.push_back({child, node.trail, click, evaluate(child, openings), static_cast<int>(out.size())});
  }

  void expandSlides(const Node& node, std::vector<Child>& out, SeenTable& seen) {
    const Position& p = node.pos;
    const int hole = p.hole;
    for (int index = 0; index < kCells && !outOfBudget_; ++index) {
      if (index == hole || (index / kCols != hole / kCols && index % kCols != hole % kCols)) continue;
      Position child = p;
      const Outcome outcome = slide(child, index);
      spend();
      const Click click{static_cast<std::uint8_t>(index), false};
      if (outcome == Outcome::Ended) {
        if (child.score > best_.score) improve(child.score, addTrail(node.trail, click), false, child);
      } else {
        consider(node, click, child, out, seen);
      }
    }
  }

  void expandSends(const Node& node, std::vector<Child>& out, SeenTable& seen) {
    const Position& p = node.pos;
    const Openings openings(p.cells);
    std::uint64_t targets = openings.component(p.thing) & ~(1ULL << p.thing);
    while (targets != 0 && !outOfBudget_) {
      const int index = std::countr_zero(targets);
      targets &= targets - 1;
      Position child = p;
      const Outcome outcome = send(child, openings, index);
      spend();
      if (outcome == Outcome::Refused) continue;
      const Click click{static_cast<std::uint8_t>(index), true};
      if (outcome == Outcome::Ended) {
        if (child.score > best_.score) improve(child.score, addTrail(node.trail, click), false, child);
      } else {
        consider(node, click, child, out, seen);
      }
    }
  }

  // Keeps the `width` best children, best first, as nodes of the search tree.
  std::vector<Node> keepBest(std::vector<Child>& children, int width) {
    const auto better = [](const Child& a, const Child& b) { return a.eval != b.eval ? a.eval > b.eval : a.order < b.order; };
    if (static_cast<int>(children.size()) > width) {
      std::nth_element(children.begin(), children.begin() + width, children.end(), better);
      children.resize(static_cast<std::size_t>(width));
    }
    std::sort(children.begin(), children.end(), better);
    std::vector<Node> nodes;
    nodes.reserve(children.size());
    for (const Child& c : children) {
      nodes.push_back({c.pos, addTrail(c.parent, c.click), c.eval});
      offerFerry(nodes.back());
    }
    return nodes;
  }

  bool hopeless(const Node& node) const {
    return std::min(kMaxScore, node.pos.score + freshPoints(node.pos)) <= best_.score;
  }

  // Layers by the number of slides: every position of a layer has paid the
  // same for its slides, so it is judged after the sends that follow them.
  void beamBySlides(int width) {
    SeenTable seen(static_cast<std::size_t>(width) * 64);
    seen.improves(hashOf(start_), start_.score);
    std::vector<Node> layer{{start_, -1, 0}};
    std::vector<Child> children;
    for (int slides = 0; slides < kMaxDepth && !layer.empty() && !outOfBudget_; ++slides) {
      std::vector<Node> pool = layer;
      std::vector<Node> frontier = std::move(layer);
      for (int sends = 0; sends < kMaxDepth && !frontier.empty() && !outOfBudget_; ++sends) {
        children.clear();
        for (const Node& node : frontier) {
          if (outOfBudget_) break;
          if (!hopeless(node)) expandSends(node, children, seen);
        }
        frontier = keepBest(children, width);
        pool.insert(pool.end(), frontier.begin(), frontier.end());
      }
      if (static_cast<int>(pool.size()) > width) {
        const auto better = [](const Node& a, const Node& b) { return a.eval > b.eval; };
        std::stable_sort(pool.begin(), pool.end(), better);
        pool.resize(static_cast<std::size_t>(width));
      }
      children.clear();
      for (const Node& node : pool) {
        if (outOfBudget_) break;
        if (!hopeless(node)) expandSlides(node, children, seen);
      }
      layer = keepBest(children, width);
    }
  }

  // Layers by the number of clicks.
  void beamByClicks(int width) {
    SeenTable seen(static_cast<std::size_t>(width) * 64);
    seen.improves(hashOf(start_), start_.score);
    std::vector<Node> layer{{start_, -1, 0}};
    std::vector<Child> children;
    for (int depth = 0; depth < kMaxDepth && !layer.empty() && !outOfBudget_; ++depth) {
      children.clear();
      for (const Node& node : layer) {
        if (outOfBudget_) break;
        if (!hopeless(node)) {
          expandSlides(node, children, seen);
          expandSends(node, children, seen);
        }
      }
      layer = keepBest(children, width);
    }
  }

  std::vector<Click> bestClicks() const {
    std::vector<Click> clicks;
    for (int t = best_.trail; t >= 0; t = trails_[static_cast<std::size_t>(t)].parent) {
      clicks.push_back(trails_[static_cast<std::size_t>(t)].click);
    }
    std::reverse(clicks.begin(), clicks.end());
    if (best_.ferry) {
      const std::vector<Click> home = ferry_.clicks(best_.pos.thing, best_.pos.hole);
      clicks.insert(clicks.end(), home.begin(), home.end());
    }
    return clicks;
  }

  Line realize() const {
    Line line;
    line.clicks = bestClicks();
    // The score the rules give, click by click; the estimate only chose the line.
    Position p = start_;
    [[maybe_unused]] Outcome outcome = Outcome::Moved;
    for (const Click c : line.clicks) {
      assert(outcome != Outcome::Ended);
      outcome = play(p, c);
      assert(outcome != Outcome::Refused);
    }
    assert(outcome == Outcome::Ended);
    line.score = p.score;
    return line;
  }

  const Position start_;
  const Budget& budget_;
  const Layering layering_;
  SolveStats* stats_;
  FerryTable ferry_;
  std::array<std::uint8_t, 32> points_{};  // TilePoints by code, looked up without its branches
  std::vector<Trail> trails_;
  Best best_;
  std::int64_t nodes_ = 0;
  bool outOfBudget_ = false;
};

}  // namespace

Line solve(const Position& start, const Budget& budget, SolveStats* stats) {
  SolveStats byClicksStats;
  SolveStats bySlidesStats;
  // Each search has a core of its own; on one core they share it, and a
  // node budget still gives each the same line.
  Line byClicks;
  std::jthread other([&] { byClicks = Search(start, budget, Layering::ByClicks, &byClicksStats).run(); });
  Line line = Search(start, budget, Layering::BySlides, &bySlidesStats).run();
  other.join();
  if (byClicks.score >= line.score) line = std::move(byClicks);
  if (stats) {
    stats->nodes = byClicksStats.nodes + bySlidesStats.nodes;
    stats->beams = byClicksStats.beams + bySlidesStats.beams;
    stats->improvements = byClicksStats.improvements + bySlidesStats.improvements;
  }
#ifndef NDEBUG
  // The game itself, click by click, must agree with what the solver claims.
  const ReplayResult replayed = replayThroughGame(start, line.clicks);
  assert(replayed.ended && replayed.score == line.score);
#endif
  // Both searches' tables are freed by now.
  returnFreedMemory();
  return line;
}

Line ferryLine(const Position& start) {
  Line line;
  if (start.thing == kGoalIndex) return {{}, start.score};
  line.clicks = FerryTable().clicks(start.thing, start.hole);
  Position p = start;
  for (const Click c : line.clicks) play(p, c);
  line.score = p.score;
  return line;
}

}  // namespace gorbix::solver
