#include "ui/help/tutorial_text.h"

#include <QStringList>
#include <QTextDocumentFragment>

#include <cstdint>
#include <string_view>

#include "game/scoring.h"

namespace gorbix::help {

const std::array<TutorialPageText, kPageCount>& tutorialPages() {
  static const std::array<TutorialPageText, kPageCount> pages{{
      {"Welcome to Gorbix",
       {"<p>The board has 8 columns and 6 rows of tiles and one empty cell, the <b>hole</b>. Each tile carries a "
        "piece of track.</p><p>Your goal: guide the <b>Thing</b>, the blue diamond, from its start on the top-left "
        "tile to the <b>goal</b>, the bottom-right cell. When it gets there, the level is won.</p>",
        "Start", "Goal", "Cross", "T-piece", "Straight", "Corner", "Bonus tile", "Blocker: no track", "The hole",
        "Two moves: a <b>left click</b> slides tiles, a <b>right click</b> sends the Thing."},
       "Next: sliding tiles"},
      {"Sliding tiles",
       {"<b>Left click</b> a tile in the same row or column as the hole. That tile, and every tile between it and the "
        "hole, slides one cell towards the hole. The hole ends up where you clicked.",
        "Before", "After", "hole", "\u22125 points", "for the slide",
        "<ul><li>Each slide costs <b>5 points</b>, however many tiles move.</li>"
        "<li>Columns work the same way: click above or below the hole.</li>"
        "<li>If the Thing stands on a sliding tile, it rides along, even onto the goal.</li>"
        "<li>No hole in its row or column? A buzz, or a cross on the tile with the sound off: nothing moves, and "
        "nothing is taken from your score.</li>"
        "<li>While the Thing is walking, clicks on the board are ignored.</li></ul>"},
       "Next: sending the Thing"},
      {"Sending the Thing",
       {"<b>Right click</b> a tile to send the Thing there. It can only walk along the track: to step from one tile to "
        "the next, both must be open towards each other. If the track joins up, the Thing walks there tile by tile.",
        "Before: right click the target", "After: 5 new tiles, +25",
        "<ul><li>A tile the Thing stands on for the first time turns from green to <b>red</b> and earns <b>5 "
        "points</b>. Red tiles earn nothing more.</li>"
        "<li>The Thing never enters the hole or a blocker (a tile without track).</li>"
        "<li>No way along the track? A buzz or a cross, and nothing changes.</li>"
        "<li>The game picks the way itself. Slide tiles first to join the track, then send the Thing.</li></ul>"},
       "Next: scoring and hints"},
      {"Scoring, bonus tiles and hints",
       {"Every level starts with a score of <b>100</b>. Then:",
        "Each slide: one click, however many tiles move", "\u22125",
        "Each tile the Thing stands on for the first time", "+5",
        "A bonus tile, paid once; it then turns into a red straight", "+10\u2026+25",
        "A hint, key <b>H</b>, marks the tile to click; <b>H</b> again makes the move", "\u221210",
        "<p>A hint is paid for once: until the board changes, <b>H</b> shows it again for nothing. <b>Esc</b> hides "
        "it. The score never drops below 0.</p><p><i>Tip:</i> a slide costs as much as a new tile earns.</p>"},
       "Next: levels and ratings"},
      {"Levels and ratings",
       {"<p>There are <b>25 levels</b>. Later ones have fewer crosses and T-pieces and more blockers, and each start "
        "deals a new random board.</p><p>At the goal you see your score and its rating; a new best for the level is "
        "kept in the score list, where a double click plays that level. The <b>overall rating</b> rates the average "
        "of your best scores over all 25 levels.</p>",
        "Score", "Rating"},
       "Next: keys and menus"},
      {"Keys and menus",
       {"Game menu",
        "Restart This Level", "Ctrl+R", "Jump to Level", "Ctrl+J", "Sound Effects", "Ctrl+S", "Reset All Scores", "",
        "Board Number\u2026", "Ctrl+B", "Hint", "H",
        "<b>Restart</b> deals a new board of the level. <b>Reset All Scores</b> asks first, then sets every best score "
        "to 0. <b>Board Number</b> names the board you play and its best line, and plays any board by its number.",
        "View menu",
        "Colour-Safe Tiles", "", "Zoom In", "Ctrl++", "Zoom Out", "Ctrl+\u2212", "100 %", "Ctrl+0",
        "<b>Colour-Safe Tiles</b> sets the faces apart without colour; <b>Zoom</b> makes every window larger.",
        "File and Help menus",
        "Exit", "Ctrl+X", "Tutorial", "F1", "About", "",
        "Keys on the board",
        "<b>Arrows</b> move a frame over the board, <b>Home</b> to the Thing, <b>End</b> to the goal. <b>Space</b> "
        "slides like a left click, <b>Enter</b> sends like a right click."},
       "Good luck, and bring the Thing home!"},
  }};
  return pages;
}

std::vector<RatingBand> ratingBands() {
  std::vector<RatingBand> bands;
  for (int score = 0; score < 400; ++score) {
    const std::string_view rating = RatingName(static_cast<std::int16_t>(score));
    const QString name = QString::fromUtf8(rating.data(), static_cast<qsizetype>(rating.size()));
    if (bands.empty() || bands.back().name != name) {
      bands.push_back({score, score, name});
    } else {
      bands.back().to = score;
    }
  }
  return bands;
}

QString tutorialPageDescription(int page) {
  if (page < 1 || page > kPageCount) return {};
  const TutorialPageText& text = tutorialPages()[static_cast<std::size_t>(page - 1)];
  QStringList lines = {QString::fromUtf8(text.title)};
  for (const char* item : text.texts) {
    const QString plain = QTextDocumentFragment::fromHtml(QString::fromUtf8(item)).toPlainText().trimmed();
    if (!plain.isEmpty()) lines << plain;
  }
  if (page == 5) {
    const std::vector<RatingBand> bands = ratingBands();
    for (std::size_t i = 0; i < bands.size(); ++i) {
      const RatingBand& band = bands[i];
      lines << (i + 1 == bands.size() ? QStringLiteral("%1 and more: %2").arg(band.from).arg(band.name)
                                      : QStringLiteral("%1 to %2: %3").arg(band.from).arg(band.to).arg(band.name));
    }
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace gorbix::help
