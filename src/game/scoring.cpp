#include "game/scoring.h"

#include <algorithm>
#include <array>

#include "support/text.h"
#include "support/translatable.h"

namespace gorbix {

namespace {

struct RatingBand {
  int upTo;  // inclusive
  std::string_view name;
};

constexpr std::array<RatingBand, 24> kRatings = {{
    {19, GORBIX_TEXT("Rating", "Beginner Level 1")},        {39, GORBIX_TEXT("Rating", "Beginner Level 2")},
    {59, GORBIX_TEXT("Rating", "Beginner Level 3")},        {79, GORBIX_TEXT("Rating", "Beginner Level 4")},
    {99, GORBIX_TEXT("Rating", "Average")},                 {119, GORBIX_TEXT("Rating", "Above Average")},
    {129, GORBIX_TEXT("Rating", "Well Above Average")},     {139, GORBIX_TEXT("Rating", "Very Good")},
    {149, GORBIX_TEXT("Rating", "Marvelous")},              {159, GORBIX_TEXT("Rating", "Excellent")},
    {169, GORBIX_TEXT("Rating", "Most Excellent")},         {179, GORBIX_TEXT("Rating", "Professional")},
    {189, GORBIX_TEXT("Rating", "Expert")},                 {199, GORBIX_TEXT("Rating", "Seasoned Expert")},
    {219, GORBIX_TEXT("Rating", "Accomplished Expert")},    {239, GORBIX_TEXT("Rating", "Masterful Expert")},
    {259, GORBIX_TEXT("Rating", "Near Genius")},            {279, GORBIX_TEXT("Rating", "Genius")},
    {299, GORBIX_TEXT("Rating", "National Treasure")},      {319, GORBIX_TEXT("Rating", "World Champion")},
    {339, GORBIX_TEXT("Rating", "Stellar Master")},         {349, GORBIX_TEXT("Rating", "Stellar Grandmaster")},
    {359, GORBIX_TEXT("Rating", "Galactic Master")},        {369, GORBIX_TEXT("Rating", "Galactic Overlord")},
}};

std::string padLeft(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// The text with its "%1" replaced by n, as QString::arg fills it in the shell.
std::string withNumber(std::string_view text, std::int16_t n) {
  std::string result(text);
  if (const std::size_t at = result.find("%1"); at != std::string::npos) result.replace(at, 2, IntStr(n));
  return result;
}

}  // namespace

std::string_view RatingName(std::int16_t score) {
  if (score >= 0) {
    for (const RatingBand& band : kRatings) {
      if (score <= band.upTo) return band.name;
    }
  }
  return GORBIX_TEXT("Rating", "Universal Overlord!");
}

std::string_view OverallRating(const BestScores& best) {
  long sum = 0;
  for (const std::int16_t score : best) sum += score;
  // Floor, not truncation: a negative sum rounds towards minus infinity.
  long average = sum / kLevels;
  if (sum % kLevels != 0 && sum < 0) --average;
  return RatingName(static_cast<std::int16_t>(average));
}

std::string ScoreLine(std::int16_t level, std::int16_t score, std::string_view word) {
  // The line keeps its 16 characters: a longer word takes its room from the
  // score's, which needs 7 for "-32768" and a blank.
  const auto letters = static_cast<std::size_t>(
      std::count_if(word.begin(), word.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
  const std::size_t scoreWidth = std::max<std::size_t>(7, 13 - std::min<std::size_t>(letters, 13));
  return std::string(word) + padLeft(IntStr(level), 3) + padLeft(IntStr(score), scoreWidth);
}

EndOfLevelSummary LoadEndOfLevel(std::int16_t level, std::int16_t score, BestScores& best) {
  EndOfLevelSummary summary;
  summary.level = level;
  summary.caption = withNumber(kEndOfLevelCaption, level);
  summary.scoreText = IntStr(score);
  summary.rating = RatingName(score);
  summary.nextEnabled = level != kLevels;

  std::int16_t& levelBest = best[static_cast<std::size_t>(level - 1)];
  summary.previousBest = levelBest;
  if (score > levelBest) {
    summary.comment = withNumber(kBeatBestComment, levelBest);
    levelBest = score;
    summary.newBest = true;
  } else {
    summary.comment = withNumber(kBestNotBeatenComment, levelBest);
  }
  summary.overallRating = OverallRating(best);
  return summary;
}

}  // namespace gorbix
