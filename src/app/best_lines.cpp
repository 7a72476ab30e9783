#include "app/best_lines.h"

#include <algorithm>
#include <chrono>

#include <QAction>

#include "app/hint.h"
#include "game/board_number.h"
#include "solver/replay.h"

namespace gorbix {

namespace {

// Enough for the boards of a long evening; the oldest make room.
constexpr std::size_t kKept = 256;
constexpr std::chrono::milliseconds kRetry{500};

}  // namespace

solver::Budget BestLines::oneSecond() { return solver::Budget::ofTime(std::chrono::seconds(1)); }

BestLines::BestLines(BudgetSource budget, QObject* parent) : QObject(parent), budget_(std::move(budget)) {
  retry_.setSingleShot(true);
  retry_.setInterval(kRetry);
  connect(&retry_, &QTimer::timeout, this, [this] {
    if (!worker_.running()) startNext();
  });
  connect(&worker_, &SearchWorker::found, this, [this](const solver::Position&, const solver::Line& line) {
    keep(searched_, line.score);
    // Whoever heard of the line may have wanted another board meanwhile.
    if (!worker_.running()) startNext();
  });
}

void BestLines::want(std::int16_t level, std::int32_t boardNumber) {
  const Key key{level, boardNumber};
  if (level < 1 || level > kLevels || !IsBoardNumber(boardNumber)) return;
  if (known_.count(key) != 0 || (worker_.running() && searched_ == key)) return;
  std::erase(waiting_, key);
  waiting_.push_back(key);
  if (!worker_.running()) startNext();
}

std::optional<int> BestLines::points(std::int16_t level, std::int32_t boardNumber) const {
  const auto it = known_.find({level, boardNumber});
  if (it == known_.end()) return std::nullopt;
  return it->second;
}

void BestLines::cancel() {
  waiting_.clear();
  retry_.stop();
  worker_.cancel();
}

void BestLines::giveWayTo(const HintController& hint, QAction& hintItem) {
  hint_ = &hint;
  // Only a press that starts a search: one that makes the shown move does not.
  connect(&hintItem, &QAction::triggered, this, [this] {
    if (hint_->state() == HintController::State::None) stepBack();
  });
}

void BestLines::stepBack() {
  if (!worker_.running()) return;
  worker_.cancel();
  waiting_.push_back(searched_);
  retry_.start();
}

void BestLines::startNext() {
  if (waiting_.empty()) return;
  if (hint_ != nullptr && hint_->state() == HintController::State::Searching) {
    retry_.start();
    return;
  }
  searched_ = waiting_.back();
  waiting_.pop_back();
  worker_.start(solver::dealtPosition(searched_.first, searched_.second), budget_());
}

void BestLines::keep(const Key& key, int points) {
  if (known_.emplace(key, points).second) order_.push_back(key);
  while (order_.size() > kKept) {
    known_.erase(order_.front());
    order_.pop_front();
  }
  emit found(key.first, key.second, points);
}

}  // namespace gorbix
