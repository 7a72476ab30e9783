// What the record of levels played adds up to, level by level: the rows of
// the Statistics window's table and what its chart draws. Built one line at
// a time, so a record of any length takes the same memory.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "settings/level_record.h"
#include "settings/settings_layout.h"

namespace gorbix {

// A finished board as the chart draws it.
struct FinishedPlay {
  std::int16_t score = 0;
  std::optional<std::int16_t> bestLine;
  friend bool operator==(const FinishedPlay&, const FinishedPlay&) = default;
};

// The chart shows this many of a level's latest finished boards.
inline constexpr std::size_t kChartPlays = 200;

struct LevelStatistics {
  std::int16_t level = 0;  // 0 for the total of every level
  std::int64_t played = 0;
  std::int64_t finished = 0;
  std::int64_t hints = 0;
  std::int64_t undos = 0;
  std::int64_t seconds = 0;
  std::deque<FinishedPlay> latest;  // oldest first; empty in the total

  // Over the finished boards.
  std::optional<int> bestScore() const;
  std::optional<double> meanScore() const;
  // Over the finished boards whose best line is known: the mean of each
  // board's score as a percentage of its best line (boards whose line
  // scores 0 have no percentage), and the mean of the lines themselves.
  std::optional<double> meanPercentOfBestLine() const;
  std::optional<double> meanBestLine() const;

 private:
  friend class RecordStatistics;
  int best_ = -1;
  std::int64_t scoreSum_ = 0;
  std::int64_t lined_ = 0;  // finished boards with a known best line
  std::int64_t lineSum_ = 0;
  std::int64_t judged_ = 0;  // of them, those with a line above 0
  double percentSum_ = 0;
};

class RecordStatistics {
 public:
  RecordStatistics();

  void add(const LevelRecord& record);
  // The levels with at least one board played, in level order.
  std::vector<const LevelStatistics*> levels() const;
  const LevelStatistics& level(int level) const { return byLevel_.at(static_cast<std::size_t>(level - 1)); }
  const LevelStatistics& total() const { return total_; }
  bool empty() const { return total_.played == 0; }

  // Lines of the file that did not parse (damage, a line cut short).
  std::size_t skipped = 0;
  // The level of the latest line; 0 for none.
  std::int16_t latestLevel = 0;

 private:
  std::array<LevelStatistics, kLevelCount> byLevel_;
  LevelStatistics total_;
};

}  // namespace gorbix
