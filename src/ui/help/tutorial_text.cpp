#include "ui/help/tutorial_text.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextDocumentFragment>

#include <cstdint>
#include <string_view>

#include "game/scoring.h"
#include "support/translatable.h"

namespace gorbix::help {

const std::array<TutorialPageText, kPageCount>& tutorialPages() {
  // Marked for lupdate in the context "Tutorial"; numbers and the names of
  // keys the same on every keyboard are left as they are.
  static const std::array<TutorialPageText, kPageCount> pages{{
      {GORBIX_TEXT("Tutorial", "Welcome to Gorbix"),
       {GORBIX_TEXT("Tutorial",
                    "<p>The board has 8 columns and 6 rows of tiles and one empty cell, the <b>hole</b>. Each tile "
                    "carries a piece of track.</p><p>Your goal: guide the <b>Thing</b>, the blue diamond, from its "
                    "start on the top-left tile to the <b>goal</b>, the bottom-right cell. When it gets there, the "
                    "level is won.</p>"),
        GORBIX_TEXT("Tutorial", "Start"), GORBIX_TEXT("Tutorial", "Goal"), GORBIX_TEXT("Tutorial", "Cross"),
        GORBIX_TEXT("Tutorial", "T-piece"), GORBIX_TEXT("Tutorial", "Straight"), GORBIX_TEXT("Tutorial", "Corner"),
        GORBIX_TEXT("Tutorial", "Bonus tile"), GORBIX_TEXT("Tutorial", "Blocker: no track"),
        GORBIX_TEXT("Tutorial", "The hole"),
        GORBIX_TEXT("Tutorial", "Two moves: a <b>left click</b> slides tiles, a <b>right click</b> sends the Thing.")},
       GORBIX_TEXT("Tutorial", "Next: sliding tiles")},
      {GORBIX_TEXT("Tutorial", "Sliding tiles"),
       {GORBIX_TEXT("Tutorial",
                    "<b>Left click</b> a tile in the same row or column as the hole. That tile, and every tile "
                    "between it and the hole, slides one cell towards the hole. The hole ends up where you clicked."),
        GORBIX_TEXT("Tutorial", "Before"), GORBIX_TEXT("Tutorial", "After"), GORBIX_TEXT("Tutorial", "hole"),
        // Split after the escape: lupdate would read "\u22125" as one character.
        GORBIX_TEXT("Tutorial", "\u2212" "5 points"), GORBIX_TEXT("Tutorial", "for the slide"),
        GORBIX_TEXT("Tutorial",
                    "<ul><li>Each slide costs <b>5 points</b>, however many tiles move.</li>"
                    "<li>Columns work the same way: click above or below the hole.</li>"
                    "<li>If the Thing stands on a sliding tile, it rides along, even onto the goal.</li>"
                    "<li>No hole in its row or column? A buzz, or a cross on the tile with the sound off: nothing "
                    "moves, and nothing is taken from your score.</li>"
                    "<li>While the Thing is walking, clicks on the board are ignored.</li></ul>")},
       GORBIX_TEXT("Tutorial", "Next: sending the Thing")},
      {GORBIX_TEXT("Tutorial", "Sending the Thing"),
       {GORBIX_TEXT("Tutorial",
                    "<b>Right click</b> a tile to send the Thing there. It can only walk along the track: to step "
                    "from one tile to the next, both must be open towards each other. If the track joins up, the "
                    "Thing walks there tile by tile."),
        GORBIX_TEXT("Tutorial", "Before: right click the target"), GORBIX_TEXT("Tutorial", "After: 5 new tiles, +25"),
        GORBIX_TEXT("Tutorial",
                    "<ul><li>A tile the Thing stands on for the first time turns from green to <b>red</b> and earns "
                    "<b>5 points</b>. Red tiles earn nothing more.</li>"
                    "<li>The Thing never enters the hole or a blocker (a tile without track).</li>"
                    "<li>No way along the track? A buzz or a cross, and nothing changes.</li>"
                    "<li>The game picks the way itself. Slide tiles first to join the track, then send the "
                    "Thing.</li></ul>")},
       GORBIX_TEXT("Tutorial", "Next: scoring and hints")},
      {GORBIX_TEXT("Tutorial", "Scoring, bonus tiles and hints"),
       {GORBIX_TEXT("Tutorial", "Every level starts with a score of <b>100</b>. Then:"),
        GORBIX_TEXT("Tutorial", "Each slide: one click, however many tiles move"), "\u22125",
        GORBIX_TEXT("Tutorial", "Each tile the Thing stands on for the first time"), "+5",
        GORBIX_TEXT("Tutorial", "A bonus tile, paid once; it then turns into a red straight"), "+10\u2026+25",
        GORBIX_TEXT("Tutorial", "A hint, key <b>H</b>, marks the tile to click; <b>H</b> again makes the move"),
        "\u221210",
        GORBIX_TEXT("Tutorial",
                    "<p>A hint is paid for once: until the board changes, <b>H</b> shows it again for nothing. "
                    "<b>Esc</b> hides it. The score never drops below 0.</p><p><i>Tip:</i> a slide costs as much as "
                    "a new tile earns.</p>")},
       GORBIX_TEXT("Tutorial", "Next: levels and ratings")},
      {GORBIX_TEXT("Tutorial", "Levels and ratings"),
       {GORBIX_TEXT("Tutorial",
                    "<p>There are <b>25 levels</b>. Later ones have fewer crosses and T-pieces and more blockers, "
                    "and each start deals a new random board.</p><p>At the goal you see your score and its rating; "
                    "a new best for the level is kept in the score list, where a double click plays that level. The "
                    "<b>overall rating</b> rates the average of your best scores over all 25 levels.</p>"),
        GORBIX_TEXT("Tutorial", "Score"), GORBIX_TEXT("Tutorial", "Rating")},
       GORBIX_TEXT("Tutorial", "Next: keys and menus")},
      {GORBIX_TEXT("Tutorial", "Keys and menus"),
       {GORBIX_TEXT("Tutorial", "Game menu"),
        GORBIX_TEXT("Tutorial", "Restart This Level"), GORBIX_TEXT("Tutorial", "Ctrl+R"),
        GORBIX_TEXT("Tutorial", "Jump to Level"), GORBIX_TEXT("Tutorial", "Ctrl+J"),
        GORBIX_TEXT("Tutorial", "Sound Effects"), GORBIX_TEXT("Tutorial", "Ctrl+S"),
        GORBIX_TEXT("Tutorial", "Reset All Scores"), "",
        GORBIX_TEXT("Tutorial", "Board Number\u2026"), GORBIX_TEXT("Tutorial", "Ctrl+B"),
        GORBIX_TEXT("Tutorial", "Hint"), "H",
        GORBIX_TEXT("Tutorial",
                    "<b>Restart</b> deals a new board of the level. <b>Reset All Scores</b> asks first, then sets "
                    "every best score to 0. <b>Board Number</b> names the board you play and its best line, and "
                    "plays any board by its number."),
        GORBIX_TEXT("Tutorial", "View menu"),
        GORBIX_TEXT("Tutorial", "Colour-Safe Tiles"), "",
        GORBIX_TEXT("Tutorial", "Zoom In"), GORBIX_TEXT("Tutorial", "Ctrl++"),
        GORBIX_TEXT("Tutorial", "Zoom Out"), GORBIX_TEXT("Tutorial", "Ctrl+\u2212"),
        GORBIX_TEXT("Tutorial", "100 %"), GORBIX_TEXT("Tutorial", "Ctrl+0"),
        GORBIX_TEXT("Tutorial",
                    "<b>Colour-Safe Tiles</b> sets the faces apart without colour; <b>Zoom</b> makes every window "
                    "larger."),
        GORBIX_TEXT("Tutorial", "File and Help menus"),
        GORBIX_TEXT("Tutorial", "Exit"), GORBIX_TEXT("Tutorial", "Ctrl+X"),
        GORBIX_TEXT("Tutorial", "Tutorial"), "F1",
        GORBIX_TEXT("Tutorial", "About"), "",
        GORBIX_TEXT("Tutorial", "Keys on the board"),
        GORBIX_TEXT("Tutorial",
                    "<b>Arrows</b> move a frame over the board, <b>Home</b> to the Thing, <b>End</b> to the goal. "
                    "<b>Space</b> slides like a left click, <b>Enter</b> sends like a right click.")},
       GORBIX_TEXT("Tutorial", "Good luck, and bring the Thing home!")},
  }};
  return pages;
}

QString tutorialText(const char* text) {
  return *text ? QCoreApplication::translate("Tutorial", text) : QString();
}

std::vector<RatingBand> ratingBands() {
  std::vector<RatingBand> bands;
  std::string_view last;
  for (int score = 0; score < 400; ++score) {
    // The game's names are whole literals, so each ends in a null.
    const std::string_view rating = RatingName(static_cast<std::int16_t>(score));
    if (bands.empty() || rating != last) {
      bands.push_back({score, score, QCoreApplication::translate("Rating", rating.data())});
      last = rating;
    } else {
      bands.back().to = score;
    }
  }
  return bands;
}

QString tutorialPageDescription(int page) {
  if (page < 1 || page > kPageCount) return {};
  const TutorialPageText& text = tutorialPages()[static_cast<std::size_t>(page - 1)];
  QStringList lines = {tutorialText(text.title)};
  for (const char* item : text.texts) {
    const QString plain = QTextDocumentFragment::fromHtml(tutorialText(item)).toPlainText().trimmed();
    if (!plain.isEmpty()) lines << plain;
  }
  if (page == 5) {
    const std::vector<RatingBand> bands = ratingBands();
    for (std::size_t i = 0; i < bands.size(); ++i) {
      const RatingBand& band = bands[i];
      if (i + 1 == bands.size()) {
        lines << QCoreApplication::translate("Tutorial", "%1 and more: %2").arg(band.from).arg(band.name);
      } else {
        lines << QCoreApplication::translate("Tutorial", "%1 to %2: %3").arg(band.from).arg(band.to).arg(band.name);
      }
    }
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace gorbix::help
