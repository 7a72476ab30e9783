#include "game/scoring.h"

#include <array>

#include "support/text.h"

namespace gorbix {

namespace {

struct RatingBand {
  int upTo;  // inclusive
  std::string_view name;
};

constexpr std::array<RatingBand, 24> kRatings = {{
    {19, "Beginner Level 1"},     {39, "Beginner Level 2"},   {59, "Beginner Level 3"},
    {79, "Beginner Level 4"},     {99, "Average"},            {119, "Above Average"},
    {129, "Well Above Average"},  {139, "Very Good"},         {149, "Marvelous"},
    {159, "Excellent"},           {169, "Most Excellent"},    {179, "Professional"},
    {189, "Expert"},              {199, "Seasoned Expert"},   {219, "Accomplished Expert"},
    {239, "Masterful Expert"},    {259, "Near Genius"},       {279, "Genius"},
    {299, "National Treasure"},   {319, "World Champion"},    {339, "Stellar Master"},
    {349, "Stellar Grandmaster"}, {359, "Galactic Master"},   {369, "Galactic Overlord"},
}};

std::string padLeft(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace

std::string_view RatingName(std::int16_t score) {
  if (score >= 0) {
    for (const RatingBand& band : kRatings) {
      if (score <= band.upTo) return band.name;
    }
  }
  return "Universal Overlord!";
}

std::string_view OverallRating(const BestScores& best) {
  long sum = 0;
  for (const std::int16_t score : best) sum += score;
  // Floor, not truncation: a negative sum rounds towards minus infinity.
  long average = sum / kLevels;
  if (sum % kLevels != 0 && sum < 0) --average;
  return RatingName(static_cast<std::int16_t>(average));
}

std::string ScoreLine(std::int16_t level, std::int16_t score) {
  return "Level" + padLeft(IntStr(level), 3) + padLeft(IntStr(score), 8);
}

EndOfLevelSummary LoadEndOfLevel(std::int16_t level, std::int16_t score, BestScores& best) {
  EndOfLevelSummary summary;
  summary.caption = "End of Level " + IntStr(level);
  summary.scoreText = IntStr(score);
  summary.rating = RatingName(score);
  summary.nextEnabled = level != kLevels;

  std::int16_t& levelBest = best[static_cast<std::size_t>(level - 1)];
  if (score > levelBest) {
    summary.comment = "You beat your previous score for this level (" + IntStr(levelBest) + ")!";
    levelBest = score;
    summary.newBest = true;
  } else {
    summary.comment = "You did not beat your previous score for this level (" + IntStr(levelBest) + ")";
  }
  summary.overallRating = OverallRating(best);
  return summary;
}

}  // namespace gorbix
