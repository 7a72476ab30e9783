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

// Page 1: what the game is about.
QImage pageGoal() {
  Page page(1, QStringLiteral("Welcome to Gorbix"), QStringLiteral("Next: sliding tiles \u203A"));
  QPainter& p = page.painter();
  int y = page.text(kMargin, kBodyTop,  kBodyWidth,
                    QStringLiteral("<p>The board has 8 columns and 6 rows of tiles and one empty cell, the "
                                   "<b>hole</b>. Each tile carries a piece of track.</p>"
                                   "<p>Your goal: guide the <b>Thing</b> from its start on the top-left tile to "
                                   "the <b>goal</b>, the bottom-right cell. When it gets there, the level is "
                                   "won.</p>"));

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
            QStringLiteral("You have two moves: a <b>left click</b> slides tiles, a <b>right click</b> "
                           "sends the Thing. The next pages show both."));
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
                           "<li>If the Thing stands on a tile that slides, it rides along.</li>"
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

  struct Row {
    std::function<void(QPoint)> picture;
    QString what;
    QString points;
    QColor colour;
  };
  const std::vector<Row> rows{
      {[&](QPoint at) { drawMouse(p, at + QPoint(4, 2), Click::Left); }, QStringLiteral("Each slide, one click"),
       QStringLiteral("\u22125"), QColor(190, 0, 0)},
      {[&](QPoint at) {
         drawTile(p, QRect(at, QSize(30, 30)), 'A');
         drawArrow(p, at + QPointF(33, 15), at + QPointF(47, 15), QColor(0, 90, 200), 2);
         drawTile(p, QRect(at + QPoint(50, 0), QSize(30, 30)), 'Q');
       },
       QStringLiteral("Each new tile the Thing stands on"), QStringLiteral("+5"), kAccent},
  };
  const int pointsX = help::kPageWidth - kMargin - 40;
  y += 6;
  for (const Row& r : rows) {
    r.picture(QPoint(kMargin + 8, y));
    page.label(kMargin + 100, y + 8, r.what, kBodyPixelSize);
    page.label(pointsX, y + 5, r.points, 16, true, r.colour);
    y += 38;
  }

  // The four bonus tiles with what each pays.
  page.label(kMargin + 100, y + 2, QStringLiteral("Bonus tiles, paid once when the Thing"), kBodyPixelSize);
  page.label(kMargin + 100, y + 17, QStringLiteral("steps on them:"), kBodyPixelSize);
  y += 40;
  static constexpr std::array<char, 4> kBonus{'M', 'N', 'O', 'P'};
  for (std::size_t i = 0; i < kBonus.size(); ++i) {
    const int x = kMargin + 100 + static_cast<int>(i) * 56;
    drawTile(p, QRect(x, y, 38, 38), kBonus[i]);
    page.centredLabel(x + 19, y + 42, QStringLiteral("+%1").arg(10 + 5 * static_cast<int>(i)), 14, true, kAccent);
  }
  const int afterX = kMargin + 100 + 4 * 56 + 6;
  drawArrow(p, QPointF(afterX - 8, y + 19), QPointF(afterX + 12, y + 19), QColor(0, 90, 200), 2);
  drawTile(p, QRect(afterX + 16, y, 38, 38), 'W');
  page.centredLabel(afterX + 35, y + 42, QStringLiteral("taken"), kSmallPixelSize, false, kMuted);
  y += 66;

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
                                   "<p>At the goal you see your score and its rating; a score above your best for "
                                   "the level is kept. Then try again or go on. The <b>overall rating</b> rates "
                                   "the average of your best scores over all 25 levels.</p>"));

  // The names come from the game's own table, so they always agree.
  struct Band {
    int from;
    int to;
    QString name;
  };
  std::vector<Band> bands;
  for (int s = 0; s < 400; ++s) {
    const QString name = QString::fromUtf8(RatingName(static_cast<std::int16_t>(s)).data(),
                                           static_cast<qsizetype>(RatingName(static_cast<std::int16_t>(s)).size()));
    if (bands.empty() || bands.back().name != name)
      bands.push_back({s, s, name});
    else
      bands.back().to = s;
  }
  const int perColumn = static_cast<int>(bands.size() + 1) / 2;
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
    page.label(x + 58, ly, b.name, kSmallPixelSize, last, last ? kAccent : kInk);
  }
  return page.finish();
}

// Page 6: the menus, their keys and the score list.
QImage pageMenus() {
  Page page(6, QStringLiteral("Menus and shortcuts"), QStringLiteral("Good luck, and bring the Thing home!"));
  QPainter& p = page.painter();
  struct Command {
    const char* menu;
    const char* command;
    const char* key;
    const char* what;
  };
  static constexpr std::array<Command, 7> kCommands{{
      {"Game", "Restart This Level", "Ctrl+R", "a new board, score back to 100"},
      {"Game", "Jump to Level", "Ctrl+J", "play any level from 1 to 25"},
      {"Game", "Sound Effects", "Ctrl+S", "sound on or off (ticked: on)"},
      {"Game", "Reset All Scores", "", "all best scores back to 0; asks first"},
      {"Help", "Tutorial", "F1", "these pages; play on while open"},
      {"Help", "About", "", "the version of the game"},
      {"File", "Exit", "Ctrl+X", "keeps your scores and ends the game"},
  }};
  int y = kBodyTop + 2;
  const int keyX = kMargin + 126;
  const int whatX = kMargin + 180;
  page.label(kMargin, y, QStringLiteral("Menu command"), kSmallPixelSize, true, kMuted);
  page.label(keyX, y, QStringLiteral("Key"), kSmallPixelSize, true, kMuted);
  page.label(whatX, y, QStringLiteral("What it does"), kSmallPixelSize, true, kMuted);
  y += 17;
  for (const Command& c : kCommands) {
    page.label(kMargin, y, QStringLiteral("%1 \u25B8 ").arg(QString::fromLatin1(c.menu)), kSmallPixelSize, false, kMuted);
    page.label(kMargin + 38, y, QString::fromLatin1(c.command), kSmallPixelSize, true);
    if (*c.key != '\0') {
      const QFontMetrics fm(pageFont(kSmallPixelSize, true));
      const QRect cap(keyX - 3, y - 2, fm.horizontalAdvance(QString::fromLatin1(c.key)) + 8, 16);
      p.setPen(QColor(150, 150, 150));
      p.setBrush(Qt::white);
      p.drawRoundedRect(cap, 3, 3);
      page.label(keyX + 1, y, QString::fromLatin1(c.key), kSmallPixelSize, true);
    }
    page.label(whatX, y, QString::fromLatin1(c.what), kSmallPixelSize);
    y += 20;
  }

  y += 4;
  page.text(kMargin, y, kBodyWidth,
            QStringLiteral("<p><b>Score list:</b> the list beside the board shows your best score for each "
                           "level. Double click a line to play that level.</p>"
                           "<p><b>Mouse:</b> left click a tile to slide, right click a tile to send the Thing.</p>"
                           "<p>Your level and best scores are kept for the next time you play.</p>"));
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
