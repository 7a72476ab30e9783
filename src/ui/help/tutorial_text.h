// The words of the six tutorial pages, kept in one table: tools/tutorial
// draws the pages from it, and the tutorial window gives each page's words
// to a screen reader, so both always say the same.
#pragma once

#include <QString>

#include <array>
#include <vector>

#include "ui/help/tutorial_files.h"

namespace gorbix::help {

// Each text is English, marked for translation in the context "Tutorial";
// tutorialText gives it in the language installed.
struct TutorialPageText {
  const char* title;
  // In reading order, each drawn once: paragraphs and lists in a small
  // HTML subset, headings, captions and the keys of commands.
  std::vector<const char*> texts;
  const char* footer;
};

const std::array<TutorialPageText, kPageCount>& tutorialPages();

// A text of the table (or any text of the context "Tutorial") in the
// language installed; an empty text stays empty.
QString tutorialText(const char* text);

// A run of scores that share a rating name; the last one has no end.
struct RatingBand {
  int from;
  int to;
  QString name;
};
// From the game's own table, so the tutorial always agrees with it; the
// names in the language installed.
std::vector<RatingBand> ratingBands();

// Page n (1 to 6) in plain text, one line for each of its texts: what a
// screen reader reads, in the language installed. The ratings page names every rating band too.
QString tutorialPageDescription(int page);

}  // namespace gorbix::help
