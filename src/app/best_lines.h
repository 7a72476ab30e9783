// The best line of each board dealt, searched in the background from the
// board's start and kept for the Board Number window.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <utility>

#include <QObject>

#include "app/search_worker.h"
#include "solver/position.h"
#include "solver/solver.h"

namespace gorbix {

class BestLines : public QObject {
  Q_OBJECT

 public:
  // Each search's budget, asked for when it starts.
  using BudgetSource = std::function<solver::Budget()>;
  static solver::Budget oneSecond();

  explicit BestLines(BudgetSource budget = oneSecond, QObject* parent = nullptr);

  // A board has been dealt: it is searched from `start` unless its line is
  // known already. A search of another board still running is given up.
  void dealt(std::int16_t level, std::int32_t boardNumber, const solver::Position& start);
  // The points of the best line found for the board, once its search is done.
  std::optional<int> points(std::int16_t level, std::int32_t boardNumber) const;
  // Stops the running search; its line is dropped. Never waits for its thread.
  void cancel();
  bool searching() const { return worker_.running(); }

 signals:
  void found(std::int16_t level, std::int32_t boardNumber, int points);

 private:
  using Key = std::pair<std::int16_t, std::int32_t>;
  void keep(const Key& key, int points);

  BudgetSource budget_;
  SearchWorker worker_{SearchWorker::Priority::Idle};
  Key searched_{0, 0};
  std::map<Key, int> known_;
  std::deque<Key> order_;  // oldest first, so the memory stays bounded over a long run
};

}  // namespace gorbix
