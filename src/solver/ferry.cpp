#include "solver/ferry.h"

#include <cassert>

namespace gorbix::solver {

bool FerryTable::move(int& thing, int& hole, int index) {
  int step = 0;
  if (index != hole && index / kCols == hole / kCols) step = index > hole ? 1 : -1;
  else if (index != hole && index % kCols == hole % kCols) step = index > hole ? kCols : -kCols;
  if (step == 0) return false;
  // The Thing rides when its tile lies between the hole and the clicked cell.
  for (int at = hole + step;; at += step) {
    if (at == thing) {
      thing -= step;
      break;
    }
    if (at == index) break;
  }
  hole = index;
  return true;
}

FerryTable::FerryTable() {
  constexpr std::uint8_t kUnknown = 0xFF;
  distance_.fill(kUnknown);
  next_.fill(-1);
  // Predecessors of every state, gathered forwards, then a breadth-first
  // search backwards from the clicks that carry the Thing onto the goal.
  std::vector<int> count(distance_.size() + 1, 0);
  std::vector<std::pair<int, int>> edges;  // (successor, predecessor * kCells + click)
  std::vector<int> queue;
  for (int thing = 0; thing < kCells; ++thing) {
    for (int hole = 0; hole < kCells; ++hole) {
      if (thing == hole) continue;
      const int from = static_cast<int>(state(thing, hole));
      if (thing == kGoalIndex) {
        distance_[static_cast<std::size_t>(from)] = 0;
        continue;
      }
      for (int click = 0; click < kCells; ++click) {
        int t = thing;
        int h = hole;
        if (!move(t, h, click)) continue;
        if (t == kGoalIndex) {
          if (distance_[static_cast<std::size_t>(from)] != 1) {
            distance_[static_cast<std::size_t>(from)] = 1;
            next_[static_cast<std::size_t>(from)] = static_cast<std::int8_t>(click);
            queue.push_back(from);
          }
          continue;
        }
        edges.emplace_back(static_cast<int>(state(t, h)), from * kCells + click);
      }
    }
  }
  for (const auto& e : edges) ++count[static_cast<std::size_t>(e.first) + 1];
  for (std::size_t i = 1; i < count.size(); ++i) count[i] += count[i - 1];
  std::vector<int> preds(edges.size());
  std::vector<int> fill(count.begin(), count.end() - 1);
  for (const auto& e : edges) preds[static_cast<std::size_t>(fill[static_cast<std::size_t>(e.first)]++)] = e.second;

  for (std::size_t head = 0; head < queue.size(); ++head) {
    const int s = queue[head];
    for (int k = count[static_cast<std::size_t>(s)]; k < count[static_cast<std::size_t>(s) + 1]; ++k) {
      const int pred = preds[static_cast<std::size_t>(k)] / kCells;
      if (distance_[static_cast<std::size_t>(pred)] != kUnknown) continue;
      distance_[static_cast<std::size_t>(pred)] = static_cast<std::uint8_t>(distance_[static_cast<std::size_t>(s)] + 1);
      next_[static_cast<std::size_t>(pred)] = static_cast<std::int8_t>(preds[static_cast<std::size_t>(k)] % kCells);
      queue.push_back(pred);
    }
  }
}

std::vector<Click> FerryTable::clicks(int thing, int hole) const {
  std::vector<Click> line;
  while (thing != kGoalIndex) {
    const int click = firstClick(thing, hole);
    assert(click >= 0);
    line.push_back({static_cast<std::uint8_t>(click), false});
    move(thing, hole, click);
  }
  return line;
}

}  // namespace gorbix::solver
