#include "app/best_lines.h"

#include <chrono>

namespace gorbix {

namespace {

// Enough for the boards of a long evening; the oldest make room.
constexpr std::size_t kKept = 256;

}  // namespace

solver::Budget BestLines::oneSecond() { return solver::Budget::ofTime(std::chrono::seconds(1)); }

BestLines::BestLines(BudgetSource budget, QObject* parent) : QObject(parent), budget_(std::move(budget)) {
  connect(&worker_, &SearchWorker::found, this,
          [this](const solver::Position&, const solver::Line& line) { keep(searched_, line.score); });
}

void BestLines::dealt(std::int16_t level, std::int32_t boardNumber, const solver::Position& start) {
  const Key key{level, boardNumber};
  if (known_.count(key) != 0) {
    worker_.cancel();
    return;
  }
  if (worker_.running() && searched_ == key) return;
  searched_ = key;
  worker_.start(start, budget_());
}

std::optional<int> BestLines::points(std::int16_t level, std::int32_t boardNumber) const {
  const auto it = known_.find({level, boardNumber});
  if (it == known_.end()) return std::nullopt;
  return it->second;
}

void BestLines::cancel() { worker_.cancel(); }

void BestLines::keep(const Key& key, int points) {
  if (known_.emplace(key, points).second) order_.push_back(key);
  while (order_.size() > kKept) {
    known_.erase(order_.front());
    order_.pop_front();
  }
  emit found(key.first, key.second, points);
}

}  // namespace gorbix
