#include "tutorial_pages.h"

#include <QDir>
#include <QFontMetrics>
#include <array>
#include <functional>
#include <vector>

#include "game/scoring.h"
#include "page_style.h"
#include "sketch.h"
#include "ui/help/tutorial_files.h"

namespace gorbix::tutorial {

namespace {

constexpr int kBodyWidth = help::kPageWidth - 2 * kMargin;

void labelHole(Page& page, const QRect& cell) {
  page.centredLabel(cell.center().x(), cell.center().y() - 7, QStringLiteral("hole"), kSmallPixelSize, true, Qt::white);
}

// Page 1: what the game is about.
QImage pageGoal() {
  Page page(1, QStringLiteral("Welcome to Gorbix"), QStringLiteral("Next: sliding tiles \u203A"));
  QPainter& p = page.painter();
  int y = page.text(kMargin, kBodyTop,  kBodyWidth,
                    QStringLiteral("<p>The board has 8 columns and 6 rows of tiles and one empty cell, the "
                                   "<b>hole</b>. Each tile carries a piece of track.</p>"
                                   "<p>Your goal: guide the <b>Thing</b>, the blue diamond, from its start on the "
                                   "top-left tile to the <b>goal</b>, the bottom-right cell. When it gets there, "
                                   "the level is won.</p>"));

  const BoardSketch board({kMargin + 2, y + 18}, 26,
                          {"QGEMBAHL", "FKAJDCGF", "BXIGANEC", "ALHKBFOJ", "IEACGDAL", "KGPIEAGA"});
  board.draw(p);
  drawThingOn(p, board.cell(1, 1));
  markCell(p, board.cell(8, 6), kHighlight);
  page.label(board.bounds().left(), y + 3, QStringLiteral("Start \u25BE"), kSmallPixelSize, true, kHeading);
  const int goalX = board.bounds().right() - 28;
  page.label(goalX, board.bounds().bottom() + 3, QStringLiteral("\u25B4 Goal"), kSmallPixelSize, true, kHeading);

  // What the tiles mean, beside the board.
  struct Kind {
    char code;
    const char* name;
  };
  static constexpr std::array<Kind, 7> kKinds{{{'A', "Cross"},
                                                {'B', "T-piece"},
                                                {'F', "Straight"},
                                                {'K', "Corner"},
                                                {'P', "Bonus tile"},
                                                {'H', "Blocker: no track"},
                                                {'X', "The hole"}}};
  const int legendX = board.bounds().right() + 22;
  int ly = board.bounds().top() - 4;
  for (const Kind& k : kKinds) {
    drawTile(p, QRect(legendX, ly, 22, 22), k.code);
    page.label(legendX + 30, ly + 4, QString::fromLatin1(k.name), kBodyPixelSize);
    ly += 25;
  }

  page.text(kMargin, board.bounds().bottom() + 20, kBodyWidth,
            QStringLiteral("Two moves: a <b>left click</b> slides tiles, a <b>right click</b> sends the "
                           "Thing."));
  return page.finish();
}

// Page 2: the left click.
QImage pageSliding() {
  Page page(2, QStringLiteral("Sliding tiles"), QStringLiteral("Next: sending the Thing \u203A"));
  QPainter& p = page.painter();
  int y = page.text(kMargin, kBodyTop, kBodyWidth,
                    QStringLiteral("<b>Left click</b> a tile in the same row or column as the hole. That tile, "
                                   "and every tile between it and the hole, slides one cell towards the hole. "
                                   "The hole ends up where you clicked."));

  constexpr int kSize = 40;
  const int boardX = kMargin + 56;
  const BoardSketch before({boardX, y + 14}, kSize, {"KGBELX"});
  const BoardSketch after({boardX, y + 14 + kSize + 30}, kSize, {"KXGBEL"});
  before.draw(p);
  after.draw(p);
  page.label(kMargin, before.bounds().top() + 13, QStringLiteral("Before"), kBodyPixelSize, true);
  page.label(kMargin, after.bounds().top() + 13, QStringLiteral("After"), kBodyPixelSize, true);
  drawMouse(p, before.centre(2, 1) + QPoint(2, 4), Click::Left);
  // Every tile from the clicked one to the hole moves one cell right.
  for (int col = 2; col <= 5; ++col) {
    const QRect from = before.cell(col, 1);
    drawArrow(p, QPointF(from.center().x() + 2, from.bottom() + 8), QPointF(from.center().x() + kSize - 4, from.bottom() + 23),
              QColor(0, 90, 200), 2.0);
  }
  labelHole(page, before.cell(6, 1));
  labelHole(page, after.cell(2, 1));
  const QRect hole = after.cell(2, 1);
  page.label(after.bounds().right() + 12, after.bounds().top() + 6, QStringLiteral("\u22125 points"), 15, true,
             QColor(190, 0, 0));
  page.label(after.bounds().right() + 12, after.bounds().top() + 24, QStringLiteral("for the slide"),
             kSmallPixelSize, false, kMuted);
  markCell(p, hole, kHighlight);

  page.text(kMargin, after.bounds().bottom() + 12, kBodyWidth,
            QStringLiteral("<ul>"
                           "<li>Each slide costs <b>5 points</b>, however many tiles move.</li>"
                           "<li>Columns work the same way: click above or below the hole.</li>"
                           "<li>If the Thing stands on a sliding tile, it rides along, even onto the goal.</li>"
                           "<li>No hole in the tile's row or column? You hear a buzz, nothing moves and "
                           "nothing is taken from your score.</li>"
                           "<li>While the Thing is walking, clicks on the board are ignored.</li>"
                           "</ul>"));
  return page.finish();
}

// Page 3: the right click.
QImage pageSending() {
  Page page(3, QStringLiteral("Sending the Thing"), QStringLiteral("Next: scoring \u203A"));
  QPainter& p = page.painter();
  int y = page.text(kMargin, kBodyTop, kBodyWidth,
                    QStringLiteral("<b>Right click</b> a tile to send the Thing there. It can only walk along "
                                   "the track: to step from one tile to the next, both must be open towards "
                                   "each other. If the track joins up, the Thing walks there tile by tile."));

  constexpr int kSize = 36;
  const int top = y + 22;
  const BoardSketch before({kMargin + 10, top}, kSize, {"QGEL", "FHFX", "BCIG"});
  const BoardSketch after({help::kPageWidth - kMargin - 10 - 4 * kSize, top}, kSize, {"QWUL", "FHVX", "BCYW"});
  before.draw(p);
  after.draw(p);
  page.centredLabel(before.bounds().center().x(), top - 16, QStringLiteral("Before: right click the target"),
                    kSmallPixelSize, true);
  page.centredLabel(after.bounds().center().x(), top - 16, QStringLiteral("After: 5 new tiles, +25"),
                    kSmallPixelSize, true);
  drawThingOn(p, before.cell(1, 1));
  drawRoute(p, {before.centre(1, 1), before.centre(2, 1), before.centre(3, 1), before.centre(3, 2),
                before.centre(3, 3), before.centre(4, 3)});
  drawMouse(p, before.centre(4, 3) + QPoint(6, 4), Click::Right);
  drawThingOn(p, after.cell(4, 3));
  const int midY = before.bounds().center().y();
  drawArrow(p, QPointF(before.bounds().right() + 10, midY), QPointF(after.bounds().left() - 10, midY),
            QColor(0, 90, 200), 3.0);

  page.text(kMargin, before.bounds().bottom() + 14, kBodyWidth,
            QStringLiteral("<ul>"
                           "<li>A tile the Thing stands on for the first time turns from green to <b>red</b> "
                           "and earns <b>5 points</b>. Red tiles earn nothing more.</li>"
                           "<li>The Thing never enters the hole or a blocker (a tile without track).</li>"
                           "<li>No way along the track? You hear a buzz and nothing changes.</li>"
                           "<li>The game picks the way itself. Slide tiles first to join the track, then "
                           "send the Thing.</li>"
                           "</ul>"));
  return page.finish();
}

// Page 4: where the points come from.
QImage pageScoring() {
  Page page(4, QStringLiteral("Scoring and bonus tiles"), QStringLiteral("Next: levels and ratings \u203A"));
  QPainter& p = page.painter();
  int y = page.text(kMargin, kBodyTop, kBodyWidth,
                    QStringLiteral("Every level starts with a score of <b>100</b>. Then:"));

  // One row per way of scoring: a picture, what happens, the points.
  const int textX = kMargin + 132;
  const int textWidth = help::kPageWidth - kMargin - 92 - textX;
  const int pointsRight = help::kPageWidth - kMargin;
  const auto row = [&](int top, int height, const QString& what, const QString& points, const QColor& colour) {
    const int textTop = top + (height - 30) / 2;
    page.text(textX, textTop, textWidth, what);
    const QFontMetrics fm(pageFont(16, true));
    page.label(pointsRight - fm.horizontalAdvance(points), top + (height - 18) / 2, points, 16, true, colour);
    p.setPen(QColor(220, 225, 215));
    p.drawLine(kMargin, top + height + 4, pointsRight, top + height + 4);
  };
  y += 10;

  constexpr int kSmall = 30;
  const BoardSketch slide({kMargin + 8, y}, kSmall, {"GBX"});
  slide.draw(p);
  drawArrow(p, QPointF(slide.centre(1, 1).x(), y + kSmall + 6), QPointF(slide.centre(2, 1).x() + 4, y + kSmall + 6),
            QColor(0, 90, 200), 2);
  drawArrow(p, QPointF(slide.centre(2, 1).x(), y + kSmall + 6), QPointF(slide.centre(3, 1).x() + 4, y + kSmall + 6),
            QColor(0, 90, 200), 2);
  row(y, 40, QStringLiteral("Each slide: one click, however many tiles move"), QStringLiteral("\u22125"),
      QColor(190, 0, 0));
  y += 52;

  drawTile(p, QRect(kMargin + 8, y + 5, kSmall, kSmall), 'A');
  drawArrow(p, QPointF(kMargin + 8 + kSmall + 4, y + 20), QPointF(kMargin + 8 + kSmall + 22, y + 20),
            QColor(0, 90, 200), 2);
  drawTile(p, QRect(kMargin + 8 + kSmall + 26, y + 5, kSmall, kSmall), 'Q');
  row(y, 40, QStringLiteral("Each tile the Thing stands on for the first time"), QStringLiteral("+5"), kAccent);
  y += 52;

  static constexpr std::array<char, 4> kBonus{'M', 'N', 'O', 'P'};
  for (std::size_t i = 0; i < kBonus.size(); ++i) {
    const int x = kMargin + 8 + static_cast<int>(i) * (kSmall - 1);
    drawTile(p, QRect(x, y, kSmall - 3, kSmall - 3), kBonus[i]);
    page.centredLabel(x + (kSmall - 3) / 2, y + kSmall, QStringLiteral("+%1").arg(10 + 5 * static_cast<int>(i)),
                      kSmallPixelSize, true, kAccent);
  }
  row(y, 44, QStringLiteral("A bonus tile, paid once; it then turns into a red straight"),
      QStringLiteral("+10\u2026+25"), kAccent);
  y += 60;

  page.text(kMargin, y, kBodyWidth,
            QStringLiteral("<p>The score never drops below 0, and time plays no part. When the Thing reaches "
                           "the goal, the score at that moment is your result for the level.</p>"
                           "<p><i>Tip:</i> a slide costs as much as a new tile earns. Plan your slides, walk "
                           "over many green tiles and pick up the bonus tiles on the way.</p>"));
  return page.finish();
}

// Page 5: levels, best scores and the rating names.
QImage pageLevels() {
  Page page(5, QStringLiteral("Levels and ratings"), QStringLiteral("Next: menus and keys \u203A"));
  int y = page.text(kMargin, kBodyTop, kBodyWidth,
                    QStringLiteral("<p>There are <b>25 levels</b>. Later ones have fewer crosses and T-pieces and "
                                   "more blockers, and each start deals a new random board.</p>"
                                   "<p>At the goal you see your score and its rating; a new best for the level "
                                   "is kept. Then play it again, go on, jump or quit. The <b>overall rating</b> "
                                   "rates the average of your best scores over all 25 levels.</p>"));

  // The names come from the game's own table, so they always agree.
  struct Band {
    int from;
    int to;
    QString name;
  };
  std::vector<Band> bands;
  for (int s = 0; s < 400; ++s) {
    const std::string_view rating = RatingName(static_cast<std::int16_t>(s));
    const QString name = QString::fromUtf8(rating.data(), static_cast<qsizetype>(rating.size()));
    if (bands.empty() || bands.back().name != name)
      bands.push_back({s, s, name});
    else
      bands.back().to = s;
  }
  const int perColumn = static_cast<int>(bands.size() + 1) / 2;
  y += 4;
  for (int col = 0; col < 2; ++col) {
    page.label(kMargin + 4 + col * (kBodyWidth / 2), y + 2, QStringLiteral("Score"), kSmallPixelSize, true, kMuted);
    page.label(kMargin + 62 + col * (kBodyWidth / 2), y + 2, QStringLiteral("Rating"), kSmallPixelSize, true, kMuted);
  }
  y += 14;
  const int lineHeight = 13;
  const int columnWidth = kBodyWidth / 2;
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const int col = static_cast<int>(i) / perColumn;
    const int row = static_cast<int>(i) % perColumn;
    const int x = kMargin + col * columnWidth;
    const int ly = y + 4 + row * lineHeight;
    const Band& b = bands[i];
    const bool last = i + 1 == bands.size();
    const QString range = last ? QStringLiteral("%1 +").arg(b.from) : QStringLiteral("%1\u2013%2").arg(b.from).arg(b.to);
    page.label(x + 4, ly, range, kSmallPixelSize, false, kMuted);
    page.label(x + 62, ly, b.name, kSmallPixelSize, last, last ? kAccent : kInk);
  }
  return page.finish();
}

// Page 6: the menus, their keys and the score list.
QImage pageMenus() {
  Page page(6, QStringLiteral("Menus and shortcuts"), QStringLiteral("Good luck, and bring the Thing home!"));
  QPainter& p = page.painter();
  struct Command {
    const char* command;
    const char* key;
    const char* what;
  };
  struct Menu {
    const char* name;
    std::vector<Command> commands;
  };
  const std::array<Menu, 3> menus{{
      {"File", {{"Exit", "Ctrl+X", "keeps your scores and ends the game"}}},
      {"Game",
       {{"Restart This Level", "Ctrl+R", "a new board, the score back to 100"},
        {"Jump to Level", "Ctrl+J", "play any level from 1 to 25"},
        {"Sound Effects", "Ctrl+S", "sound on or off (a tick: on)"},
        {"Reset All Scores", "", "all best scores back to 0; asks first"}}},
      {"Help",
       {{"Tutorial", "F1", "these pages; play on while they are open"},
        {"About", "", "the version of the game"}}},
  }};
  const int commandX = kMargin + 10;
  const int keyX = kMargin + 130;
  const int whatX = kMargin + 186;
  const QFontMetrics keyMetrics(pageFont(kSmallPixelSize, true));
  int y = kBodyTop;
  for (const Menu& m : menus) {
    page.label(kMargin, y, QStringLiteral("%1 menu").arg(QString::fromLatin1(m.name)), kBodyPixelSize, true, kAccent);
    y += 17;
    for (const Command& c : m.commands) {
      page.label(commandX, y, QString::fromLatin1(c.command), kSmallPixelSize, true);
      const QString key = QString::fromLatin1(c.key);
      if (!key.isEmpty()) {
        p.setPen(QColor(150, 150, 150));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRect(keyX - 4, y - 2, keyMetrics.horizontalAdvance(key) + 8, 16), 3, 3);
        page.label(keyX, y, key, kSmallPixelSize, true);
      }
      page.label(whatX, y, QString::fromLatin1(c.what), kSmallPixelSize);
      y += 19;
    }
    y += 3;
  }

  y += 2;
  page.text(kMargin, y, kBodyWidth,
            QStringLiteral("<p><b>Score list:</b> your best score for each level; double click a line to "
                           "play that level. Your level and scores are kept for the next time you play.</p>"
                           "<p><b>Mouse:</b> left click a tile to slide, right click a tile to send the Thing.</p>"
                           "<p><b>Keys:</b> the arrows move a frame over the board (Home: to the Thing, End: to "
                           "the goal); Space slides like a left click, Enter sends like a right click.</p>"));
  return page.finish();
}

}  // namespace

QImage drawTutorialPage(int page) {
  switch (page) {
    case 1: return pageGoal();
    case 2: return pageSliding();
    case 3: return pageSending();
    case 4: return pageScoring();
    case 5: return pageLevels();
    case 6: return pageMenus();
    default: return {};
  }
}

QStringList writeTutorialPages(const QString& folder) {
  QStringList failed;
  const QDir dir(folder);
  for (int n = 1; n <= help::kPageCount; ++n) {
    const QString path = dir.filePath(help::pageFileName(n));
    if (!drawTutorialPage(n).save(path, "BMP")) failed << path;
  }
  return failed;
}

}  // namespace gorbix::tutorial
