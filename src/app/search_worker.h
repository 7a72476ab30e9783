// Runs the solver off the UI thread. The search works on its own copy of the
// position and never touches a widget or the game; its line comes back on the
// worker's own thread, and only if nobody has asked for another search since.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <thread>

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
  // Cancels a running search and waits for its thread, which stops within
  // a few dozen positions of being asked.
  ~SearchWorker() override;

  // Starts a search of `start` within `budget` (its stop token is the
  // worker's own). A search still running is cancelled: its line is dropped.
  void start(const solver::Position& start, solver::Budget budget);
  // The running search stops and its line is dropped.
  void cancel();
  bool running() const { return running_; }

 signals:
  // `start` is the position the line was searched from.
  void found(const gorbix::solver::Position& start, const gorbix::solver::Line& line);

 private:
  Priority priority_;
  std::jthread thread_;
  std::uint64_t ticket_ = 0;  // which search's line is still wanted
  bool running_ = false;
};

}  // namespace gorbix
