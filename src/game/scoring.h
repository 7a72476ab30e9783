// Ratings, the score list's lines and the end-of-level summary.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/tiles.h"
#include "support/translatable.h"

namespace gorbix {

using BestScores = std::array<std::int16_t, kLevels>;  // index level - 1

inline constexpr std::int16_t kStartScore = 100;
// What a hint costs, and what taking a move back costs: never free.
inline constexpr int kHintCost = 10;
inline constexpr int kUndoCost = kHintCost;

// The words the lines below are built from, in English; the shell shows them
// translated, in these contexts ("Rating" for the names RatingName gives).
// "%1" stands for a number.
inline constexpr std::string_view kScoreLineWord = GORBIX_TEXT("ScoreList", "Level");
inline constexpr std::string_view kEndOfLevelCaption = GORBIX_TEXT("EndOfLevel", "End of Level %1");
inline constexpr std::string_view kBeatBestComment =
    GORBIX_TEXT("EndOfLevel", "You beat your previous score for this level (%1)!");
inline constexpr std::string_view kBestNotBeatenComment =
    GORBIX_TEXT("EndOfLevel", "You did not beat your previous score for this level (%1)");

std::string_view RatingName(std::int16_t score);

// Rating of the average best score, the average floored.
std::string_view OverallRating(const BestScores& best);

// "Level" (or `word`, its translation), the level right-aligned in 3, the
// score right-aligned in 8.
std::string ScoreLine(std::int16_t level, std::int16_t score, std::string_view word = kScoreLineWord);

// What the end-of-level dialog shows.
// The texts are English; level and previousBest let the shell fill in its
// translation of them.
struct EndOfLevelSummary {
  std::string caption;
  std::string scoreText;
  std::string rating;
  std::string comment;
  std::string overallRating;
  bool nextEnabled = true;
  bool newBest = false;
  std::int16_t level = 0;
  std::int16_t previousBest = 0;  // the level's best before this score
};

// The dialog's load: rates the score and, when it beats the level's best,
// stores it in `best`.
EndOfLevelSummary LoadEndOfLevel(std::int16_t level, std::int16_t score, BestScores& best);

}  // namespace gorbix
