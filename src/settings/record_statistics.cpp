#include "settings/record_statistics.h"

namespace gorbix {

namespace {

void count(LevelStatistics& s, const LevelRecord& r) {
  ++s.played;
  s.hints += r.hints;
  s.undos += r.undos;
  s.seconds += r.seconds;
}

}  // namespace

std::optional<int> LevelStatistics::bestScore() const { return best_ < 0 ? std::nullopt : std::optional(best_); }

std::optional<double> LevelStatistics::meanScore() const {
  if (finished == 0) return std::nullopt;
  return static_cast<double>(scoreSum_) / static_cast<double>(finished);
}

std::optional<double> LevelStatistics::meanPercentOfBestLine() const {
  if (judged_ == 0) return std::nullopt;
  return percentSum_ / static_cast<double>(judged_);
}

std::optional<double> LevelStatistics::meanBestLine() const {
  if (lined_ == 0) return std::nullopt;
  return static_cast<double>(lineSum_) / static_cast<double>(lined_);
}

RecordStatistics::RecordStatistics() {
  for (std::size_t i = 0; i < byLevel_.size(); ++i) byLevel_[i].level = static_cast<std::int16_t>(i + 1);
}

void RecordStatistics::add(const LevelRecord& r) {
  if (r.level < 1 || r.level > kLevelCount) return;
  LevelStatistics& level = byLevel_[static_cast<std::size_t>(r.level - 1)];
  latestLevel = r.level;
  for (LevelStatistics* s : {&level, &total_}) {
    count(*s, r);
    if (!r.finished) continue;
    ++s->finished;
    s->scoreSum_ += r.score;
    if (r.score > s->best_) s->best_ = r.score;
    if (!r.bestLine) continue;
    ++s->lined_;
    s->lineSum_ += *r.bestLine;
    if (*r.bestLine > 0) {
      ++s->judged_;
      s->percentSum_ += 100.0 * r.score / *r.bestLine;
    }
  }
  if (r.finished) {
    level.latest.push_back({r.score, r.bestLine});
    if (level.latest.size() > kChartPlays) level.latest.pop_front();
  }
}

std::vector<const LevelStatistics*> RecordStatistics::levels() const {
  std::vector<const LevelStatistics*> played;
  for (const LevelStatistics& s : byLevel_) {
    if (s.played > 0) played.push_back(&s);
  }
  return played;
}

}  // namespace gorbix
