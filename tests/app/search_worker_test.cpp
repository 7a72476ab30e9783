#include "app/search_worker.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

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

}  // namespace
}  // namespace gorbix
