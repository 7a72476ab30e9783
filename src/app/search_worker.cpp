#include "app/search_worker.h"

#include <sched.h>

#include <QMetaObject>

namespace gorbix {

namespace {

// SCHED_IDLE applies to the calling thread only on Linux.
void lowerThisThread() {
  sched_param param{};
  param.sched_priority = 0;
  sched_setscheduler(0, SCHED_IDLE, &param);
}

}  // namespace

SearchWorker::SearchWorker(Priority priority, QObject* parent) : QObject(parent), priority_(priority) {}

SearchWorker::~SearchWorker() { cancel(); }

void SearchWorker::cancel() {
  ++ticket_;
  running_ = false;
  if (thread_.joinable()) {
    thread_.request_stop();
    thread_.join();
  }
}

void SearchWorker::start(const solver::Position& start, solver::Budget budget) {
  cancel();
  running_ = true;
  const std::uint64_t ticket = ticket_;
  const bool idle = priority_ == Priority::Idle;
  thread_ = std::jthread([this, start, budget, ticket, idle](std::stop_token stop) mutable {
    if (idle) lowerThisThread();
    budget.stop = stop;
    solver::Line line = solver::solve(start, budget);
    if (stop.stop_requested()) return;
    // The destructor joins this thread first, so the worker is alive here.
    // The call runs later on the worker's thread, where tickets change; Qt
    // drops it if the worker is gone by then.
    QMetaObject::invokeMethod(
        this,
        [this, start, line = std::move(line), ticket] {
          if (ticket_ != ticket) return;
          running_ = false;
          emit found(start, line);
        },
        Qt::QueuedConnection);
  });
}

}  // namespace gorbix
