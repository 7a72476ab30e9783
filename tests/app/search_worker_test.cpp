#include "app/search_worker.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <memory>

#include "game/random.h"
#include "solver/replay.h"

namespace gorbix {
namespace {

solver::Position dealt(std::int16_t level, std::uint64_t seed) {
  SeededRandom random(seed);
  return solver::dealtPosition(level, random);
}

TEST(SearchWorker, DeliversTheLineOfTheLastSearchAskedForOnly) {
  SearchWorker worker;
  QSignalSpy spy(&worker, &SearchWorker::found);
  const solver::Position first = dealt(3, 1);
  const solver::Position second = dealt(9, 2);
  worker.start(first, solver::Budget::ofNodes(2'000'000));
  worker.start(second, solver::Budget::ofNodes(20'000));
  ASSERT_TRUE(worker.running());
  ASSERT_TRUE(spy.wait(10'000));
  EXPECT_FALSE(worker.running());
  // A late line of the first search would arrive within this wait.
  EXPECT_FALSE(spy.wait(300));
  ASSERT_EQ(spy.count(), 1);
  const auto from = spy.at(0).at(0).value<solver::Position>();
  const auto line = spy.at(0).at(1).value<solver::Line>();
  EXPECT_EQ(from, second);
  EXPECT_EQ(line.score, solver::solve(second, solver::Budget::ofNodes(20'000)).score);
}

TEST(SearchWorker, ACancelledSearchEndsAtOnceAndSaysNothing) {
  SearchWorker worker(SearchWorker::Priority::Idle);
  QSignalSpy spy(&worker, &SearchWorker::found);
  // Left alone this search would run for minutes.
  worker.start(dealt(25, 3), solver::Budget::ofNodes(std::int64_t{1} << 40));
  worker.cancel();
  EXPECT_FALSE(worker.running());
  EXPECT_FALSE(spy.wait(300));
  EXPECT_EQ(spy.count(), 0);
}

// The gate stands for a busy processor that never runs the search: each
// search waits at it until the test lets go. Should a caller wait for one,
// the gate opens after a while and says so.
TEST(SearchWorker, NoCallWaitsForASearchThatGetsNoProcessor) {
  for (const auto priority : {SearchWorker::Priority::Normal, SearchWorker::Priority::Idle}) {
    SCOPED_TRACE(priority == SearchWorker::Priority::Idle ? "idle" : "normal");
    // Left open: a thread let go at the end may still be reading them.
    int hold[2];
    int opened[2];
    ASSERT_EQ(::pipe2(hold, O_CLOEXEC), 0);
    ASSERT_EQ(::pipe2(opened, O_CLOEXEC | O_NONBLOCK), 0);
    auto worker = std::make_unique<SearchWorker>(priority);
    worker->setGate([hold = hold[0], opened = opened[1]] {
      pollfd let{hold, POLLIN, 0};
      if (::poll(&let, 1, 10'000) == 0) [[maybe_unused]] const ssize_t said = ::write(opened, "!", 1);
    });
    worker->start(dealt(25, 3), solver::Budget::ofNodes(std::int64_t{1} << 40));
    worker->cancel();
    worker->start(dealt(9, 2), solver::Budget::ofNodes(std::int64_t{1} << 40));
    worker->start(dealt(3, 1), solver::Budget::ofNodes(std::int64_t{1} << 40));
    worker.reset();
    char said = 0;
    EXPECT_EQ(::read(opened[0], &said, 1), -1) << "a held search was waited for";
    ::close(hold[1]);
  }
}

}  // namespace
}  // namespace gorbix
