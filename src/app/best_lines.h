// The best line of each board, searched only when something needs it: the
// record when a level ends, the Board Number window. Never at the deal, so
// a new board costs no processor or memory.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <utility>

#include <QObject>
#include <QTimer>

#include "app/search_worker.h"
#include "solver/position.h"
#include "solver/solver.h"

class QAction;

namespace gorbix {

class HintController;

class BestLines : public QObject {
  Q_OBJECT

 public:
  // Each search's budget, asked for when it starts.
  using BudgetSource = std::function<solver::Budget()>;
  static solver::Budget oneSecond();

  explicit BestLines(BudgetSource budget = oneSecond, QObject* parent = nullptr);

  // Searches the board from its start unless its line is known or it is
  // wanted already. One board is searched at a time, at low priority; the
  // board wanted last goes next, as a window may be waiting for it.
  void want(std::int16_t level, std::int32_t boardNumber);
  // The points of the best line found for the board, once its search is done.
  std::optional<int> points(std::int16_t level, std::int32_t boardNumber) const;
  // Stops the running search, its line dropped, and forgets the waiting
  // ones. Never waits for the search's thread.
  void cancel();
  bool searching() const { return worker_.running(); }

  // The hint's search and this one never run at once: together they would
  // take twice the memory. A hint asked for (hintItem) stops this search,
  // which starts again once the hint's is done.
  void giveWayTo(const HintController& hint, QAction& hintItem);

 signals:
  void found(std::int16_t level, std::int32_t boardNumber, int points);

 private:
  using Key = std::pair<std::int16_t, std::int32_t>;
  void keep(const Key& key, int points);
  void startNext();
  void stepBack();

  BudgetSource budget_;
  SearchWorker worker_{SearchWorker::Priority::Idle};
  const HintController* hint_ = nullptr;
  QTimer retry_;  // runs only while a board waits for the hint's search
  Key searched_{0, 0};
  std::deque<Key> waiting_;  // the next to search at the back
  std::map<Key, int> known_;
  std::deque<Key> order_;  // oldest first, so the memory stays bounded over a long run
};

}  // namespace gorbix
