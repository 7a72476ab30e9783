// The core's English texts (support/translatable.h) in the player's language.
#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

#include "game/scoring.h"

namespace gorbix::coreText {

// A rating name as RatingName or OverallRating give it.
QString rating(std::string_view english);
// A line of the best-score list, with the list's word for "Level".
QString scoreLine(std::int16_t level, std::int16_t score);
QString endOfLevelCaption(const EndOfLevelSummary& summary);
QString endOfLevelComment(const EndOfLevelSummary& summary);

}  // namespace gorbix::coreText
