#include "game/scoring.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gorbix {
namespace {

TEST(RatingName, EveryBoundary) {
  const std::vector<std::pair<int, std::string_view>> cases = {
      {0, "Beginner Level 1"},       {19, "Beginner Level 1"},    {20, "Beginner Level 2"},
      {59, "Beginner Level 3"},      {60, "Beginner Level 4"},    {80, "Average"},
      {99, "Average"},               {100, "Above Average"},      {119, "Above Average"},
      {120, "Well Above Average"},   {130, "Very Good"},          {140, "Marvelous"},
      {150, "Excellent"},            {160, "Most Excellent"},     {170, "Professional"},
      {180, "Expert"},               {199, "Seasoned Expert"},    {200, "Accomplished Expert"},
      {220, "Masterful Expert"},     {240, "Near Genius"},        {260, "Genius"},
      {280, "National Treasure"},    {300, "World Champion"},     {339, "Stellar Master"},
      {340, "Stellar Grandmaster"},  {350, "Galactic Master"},    {369, "Galactic Overlord"},
      {370, "Universal Overlord!"},  {32767, "Universal Overlord!"}, {-1, "Universal Overlord!"},
      {-32768, "Universal Overlord!"},
  };
  for (const auto& [score, name] : cases) EXPECT_EQ(RatingName(static_cast<std::int16_t>(score)), name) << score;
}

TEST(OverallRating, AverageIsFloored) {
  BestScores best{};
  EXPECT_EQ(OverallRating(best), "Beginner Level 1");
  best[24] = 499;
  EXPECT_EQ(OverallRating(best), "Beginner Level 1");
  best[24] = 500;
  EXPECT_EQ(OverallRating(best), "Beginner Level 2");
  best.fill(100);
  EXPECT_EQ(OverallRating(best), "Above Average");
}

TEST(OverallRating, NegativeSumFloorsTowardsMinusInfinityAndNoOverflow) {
  BestScores best{};
  best[0] = -1;  // average -0.04 floors to -1, not 0
  EXPECT_EQ(OverallRating(best), "Universal Overlord!");
  best.fill(32767);  // 25 x 32767 overflows 16 bits
  EXPECT_EQ(OverallRating(best), "Universal Overlord!");
  best.fill(369);
  EXPECT_EQ(OverallRating(best), "Galactic Overlord");
}

TEST(ScoreLine, FixedColumns) {
  EXPECT_EQ(ScoreLine(1, 100), "Level  1     100");
  EXPECT_EQ(ScoreLine(25, 0), "Level 25       0");
  EXPECT_EQ(ScoreLine(9, -32768), "Level  9  -32768");
  for (int level = 1; level <= kLevels; ++level) {
    for (int score = 0; score <= 32767; score += 97) {
      ASSERT_EQ(ScoreLine(static_cast<std::int16_t>(level), static_cast<std::int16_t>(score)).size(), 16u);
    }
    ASSERT_EQ(ScoreLine(static_cast<std::int16_t>(level), 32767).size(), 16u);
  }
}

// A translated word keeps the line at 16 characters, the lowest score whole.
TEST(ScoreLine, ATranslatedWordKeepsTheLineAndTheScoreWhole) {
  const std::vector<std::pair<std::string_view, std::string>> cases = {
      {"Poziom", "Poziom  9 -32768"}, {"Liv.", "Liv.  9   -32768"}, {"N\u00edvel", "N\u00edvel  9  -32768"}};
  for (const auto& [word, line] : cases) EXPECT_EQ(ScoreLine(9, -32768, word), line) << word;
}

TEST(LoadEndOfLevel, NewBestIsStoredAndRated) {
  BestScores best{};
  const EndOfLevelSummary s = LoadEndOfLevel(3, 110, best);
  EXPECT_EQ(s.caption, "End of Level 3");
  EXPECT_EQ(s.scoreText, "110");
  EXPECT_EQ(s.rating, "Above Average");
  EXPECT_EQ(s.comment, "You beat your previous score for this level (0)!");
  EXPECT_TRUE(s.newBest);
  EXPECT_TRUE(s.nextEnabled);
  EXPECT_EQ(best[2], 110);
  EXPECT_EQ(s.overallRating, "Beginner Level 1");
}

TEST(LoadEndOfLevel, EqualScoreIsNotABest) {
  BestScores best{};
  best[24] = 140;
  const EndOfLevelSummary s = LoadEndOfLevel(25, 140, best);
  EXPECT_EQ(s.comment, "You did not beat your previous score for this level (140)");
  EXPECT_FALSE(s.newBest);
  EXPECT_FALSE(s.nextEnabled);
  EXPECT_EQ(best[24], 140);
}

}  // namespace
}  // namespace gorbix
