// Runs the solver off the UI thread. The search works on its own copy of the
// position and never touches a widget or the game; its line comes back on the
// worker's own thread, and only if nobody has asked for another search since.
#pragma once

#include <functional>
#include <memory>

#include <QObject>

#include "solver/position.h"
#include "solver/solver.h"

namespace gorbix {

class SearchWorker : public QObject {
  Q_OBJECT

 public:
  // Idle: the search only takes what the processor would otherwise not use.
  enum class Priority { Normal, Idle };

  explicit SearchWorker(Priority priority = Priority::Normal, QObject* parent = nullptr);
  // Never waits for a search: like cancel(), it only ends it.
  ~SearchWorker() override;

  // Starts a search of `start` within `budget` (its stop token is the
  // worker's own). A search still running is cancelled: its line is dropped.
  void start(const solver::Position& start, solver::Budget budget);
  // The running search is ended and its line dropped, without waiting for
  // it: an idle search on a busy processor may take seconds to run again.
  void cancel();
  bool running() const { return search_ != nullptr; }

  // Runs on each later search's thread, or in its process, before it
  // searches. Tests hold a search back here, as a busy processor would.
  void setGate(std::function<void()> gate) { gate_ = std::move(gate); }

 signals:
  // `start` is the position the line was searched from.
  void found(const gorbix::solver::Position& start, const gorbix::solver::Line& line);

 private:
  struct Search;
  void collect();

  Priority priority_;
  std::unique_ptr<Search> search_;  // the one whose line is still wanted
  std::function<void()> gate_;
};

}  // namespace gorbix
