// What a crafted record adds up to, level by level and in total.
#include <gtest/gtest.h>

#include "settings/record_statistics.h"

namespace gorbix {
namespace {

LevelRecord played(std::int16_t level, std::int16_t score, bool finished, std::optional<std::int16_t> bestLine,
                   std::int32_t hints = 0, std::int32_t seconds = 60) {
  return {.level = level, .board = 1, .score = score, .finished = finished, .hints = hints, .undos = 1,
          .seconds = seconds, .bestLine = bestLine};
}

struct Row {
  int level;
  std::int64_t played;
  std::int64_t finished;
  std::optional<int> best;
  std::optional<double> mean;
  std::optional<double> percent;
  std::optional<double> meanLine;
  std::int64_t hints;
  std::int64_t seconds;
};

TEST(RecordStatistics, ACraftedRecordGivesTheseRows) {
  RecordStatistics s;
  EXPECT_TRUE(s.empty());
  EXPECT_TRUE(s.levels().empty());
  for (const LevelRecord& r : {
           played(3, 310, true, 330, 2), played(3, 250, true, 300, 0, 3600), played(3, 400, false, 320, 1),
           played(5, 0, true, 0),                 // a best line of 0 has no percentage
           played(7, 180, true, std::nullopt),    // not known: counted, but not against a line
           played(7, 200, true, 180),             // the player beat the search
           played(1, 95, false, std::nullopt, 4)  // left: no score of a finished board
       }) {
    s.add(r);
  }
  const Row rows[] = {
      {1, 1, 0, std::nullopt, std::nullopt, std::nullopt, std::nullopt, 4, 60},
      {3, 3, 2, 310, 280.0, (100.0 * 310 / 330 + 100.0 * 250 / 300) / 2, 315.0, 3, 3720},
      {5, 1, 1, 0, 0.0, std::nullopt, 0.0, 0, 60},
      {7, 2, 2, 200, 190.0, 100.0 * 200 / 180, 180.0, 0, 120},
      {0, 7, 5, 310, 188.0, (100.0 * 310 / 330 + 100.0 * 250 / 300 + 100.0 * 200 / 180) / 3, 810.0 / 4, 7, 3960},
  };
  std::vector<const LevelStatistics*> all = s.levels();
  ASSERT_EQ(all.size(), 4u) << "only the levels played, in level order";
  all.push_back(&s.total());
  for (std::size_t i = 0; i < all.size(); ++i) {
    const LevelStatistics& got = *all[i];
    const Row& want = rows[i];
    SCOPED_TRACE(want.level);
    EXPECT_EQ(got.level, want.level);
    EXPECT_EQ(got.played, want.played);
    EXPECT_EQ(got.finished, want.finished);
    EXPECT_EQ(got.bestScore(), want.best);
    EXPECT_EQ(got.undos, want.played);
    EXPECT_EQ(got.hints, want.hints);
    EXPECT_EQ(got.seconds, want.seconds);
    for (const auto& [value, expected] : {std::pair{got.meanScore(), want.mean},
                                          std::pair{got.meanPercentOfBestLine(), want.percent},
                                          std::pair{got.meanBestLine(), want.meanLine}}) {
      ASSERT_EQ(value.has_value(), expected.has_value());
      if (value) {
        EXPECT_NEAR(*value, *expected, 1e-9);
      }
    }
  }
  EXPECT_EQ(s.level(3).latest, (std::deque<FinishedPlay>{{310, 330}, {250, 300}})) << "finished boards, in order";
  EXPECT_TRUE(s.total().latest.empty());
  EXPECT_EQ(s.latestLevel, 1);
}

}  // namespace
}  // namespace gorbix
