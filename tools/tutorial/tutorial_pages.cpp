#include "tutorial_pages.h"

#include <QDir>
#include <QFontMetrics>
#include <array>
#include <functional>
#include <vector>

#include "page_style.h"
#include "sketch.h"
#include "ui/art/hint_art.h"
#include "ui/help/tutorial_files.h"
#include "ui/help/tutorial_text.h"

namespace gorbix::tutorial {

namespace {

// How many pixels the type may lose, at most, to make a language fit.
constexpr int kMostSmaller = 3;
constexpr int kBodyWidth = help::kPageWidth - 2 * kMargin;

// A page's words from the one table, handed out in reading order. A page
// that asks for more than the table holds, or leaves some unused, is drawn
// wrong: the generator then writes nothing.
class Words {
 public:
  explicit Words(int page) : page_(help::tutorialPages().at(static_cast<std::size_t>(page - 1))) {}
  QString title() const { return help::tutorialText(page_.title); }
  QString footer() const { return help::tutorialText(page_.footer); }
  QString next() {
    if (used_ >= page_.texts.size()) {
      ++used_;
      return {};
    }
    return help::tutorialText(page_.texts[used_++]);
  }
  bool allUsed() const { return used_ == page_.texts.size(); }

 private:
  const help::TutorialPageText& page_;
  std::size_t used_ = 0;
};

// Leads on to the next page.
QString onward(const Words& words) { return words.footer() + QStringLiteral(" \u203A"); }

void labelHole(Page& page, const QRect& cell, const QString& hole) {
  page.centredLabel(cell.center().x(), cell.center().y() - 7, hole, kSmallPixelSize, true, Qt::white);
}

// Page 1: what the game is about.
void pageGoal(Page& page, Words& words) {
  QPainter& p = page.painter();
  int y = page.text(kMargin, kBodyTop, kBodyWidth, words.next());

  const BoardSketch board({kMargin + 2, y + 18}, 26,
                          {"QGEMBAHL", "FKAJDCGF", "BXIGANEC", "ALHKBFOJ", "IEACGDAL", "KGPIEAGA"});
  board.draw(p);
  drawThingOn(p, board.cell(1, 1));
  markCell(p, board.cell(8, 6), kHighlight);
  page.label(board.bounds().left(), y + 3, words.next() + QStringLiteral(" \u25BE"), kSmallPixelSize, true, kHeading);
  const int goalX = board.bounds().right() - 28;
  page.label(goalX, board.bounds().bottom() + 3, QStringLiteral("\u25B4 ") + words.next(), kSmallPixelSize, true, kHeading);

  // What the tiles mean, beside the board.
  static constexpr std::array<char, 7> kKinds{'A', 'B', 'F', 'K', 'P', 'H', 'X'};
  const int legendX = board.bounds().right() + 22;
  int ly = board.bounds().top() - 4;
  for (const char code : kKinds) {
    drawTile(p, QRect(legendX, ly, 22, 22), code);
    page.label(legendX + 30, ly + 4, words.next(), kBodyPixelSize);
    ly += 25;
  }

  page.text(kMargin, board.bounds().bottom() + 20, kBodyWidth, words.next());
}

// Page 2: the left click.
void pageSliding(Page& page, Words& words) {
  QPainter& p = page.painter();
  int y = page.text(kMargin, kBodyTop, kBodyWidth, words.next());

  constexpr int kSize = 40;
  const int boardX = kMargin + 56;
  const BoardSketch before({boardX, y + 14}, kSize, {"KGBELX"});
  const BoardSketch after({boardX, y + 14 + kSize + 30}, kSize, {"KXGBEL"});
  before.draw(p);
  after.draw(p);
  page.label(kMargin, before.bounds().top() + 13, words.next(), kBodyPixelSize, true, kInk, boardX - 2);
  page.label(kMargin, after.bounds().top() + 13, words.next(), kBodyPixelSize, true, kInk, boardX - 2);
  drawMouse(p, before.centre(2, 1) + QPoint(2, 4), Click::Left);
  // Every tile from the clicked one to the hole moves one cell right.
  for (int col = 2; col <= 5; ++col) {
    const QRect from = before.cell(col, 1);
    drawArrow(p, QPointF(from.center().x() + 2, from.bottom() + 8), QPointF(from.center().x() + kSize - 4, from.bottom() + 23),
              QColor(0, 90, 200), 2.0);
  }
  const QString hole = words.next();
  labelHole(page, before.cell(6, 1), hole);
  labelHole(page, after.cell(2, 1), hole);
  page.label(after.bounds().right() + 12, after.bounds().top() + 6, words.next(), 15, true, QColor(190, 0, 0));
  page.label(after.bounds().right() + 12, after.bounds().top() + 24, words.next(), kSmallPixelSize, false, kMuted);
  markCell(p, after.cell(2, 1), kHighlight);

  page.text(kMargin, after.bounds().bottom() + 12, kBodyWidth, words.next());
}

// Page 3: the right click.
void pageSending(Page& page, Words& words) {
  QPainter& p = page.painter();
  int y = page.text(kMargin, kBodyTop, kBodyWidth, words.next());

  constexpr int kSize = 36;
  const int top = y + 22;
  const BoardSketch before({kMargin + 10, top}, kSize, {"QGEL", "FHFX", "BCIG"});
  const BoardSketch after({help::kPageWidth - kMargin - 10 - 4 * kSize, top}, kSize, {"QWUL", "FHVX", "BCYW"});
  before.draw(p);
  after.draw(p);
  page.centredLabel(before.bounds().center().x(), top - 16, words.next(), kSmallPixelSize, true);
  page.centredLabel(after.bounds().center().x(), top - 16, words.next(), kSmallPixelSize, true);
  drawThingOn(p, before.cell(1, 1));
  drawRoute(p, {before.centre(1, 1), before.centre(2, 1), before.centre(3, 1), before.centre(3, 2),
                before.centre(3, 3), before.centre(4, 3)});
  drawMouse(p, before.centre(4, 3) + QPoint(6, 4), Click::Right);
  drawThingOn(p, after.cell(4, 3));
  const int midY = before.bounds().center().y();
  drawArrow(p, QPointF(before.bounds().right() + 10, midY), QPointF(after.bounds().left() - 10, midY),
            QColor(0, 90, 200), 3.0);

  page.text(kMargin, before.bounds().bottom() + 14, kBodyWidth, words.next());
}

// Page 4: where the points come from, and what a hint costs.
void pageScoring(Page& page, Words& words) {
  QPainter& p = page.painter();
  int y = page.text(kMargin, kBodyTop, kBodyWidth, words.next());

  // One row per way of scoring: a picture, what happens, the points.
  const int textX = kMargin + 132;
  const int textWidth = help::kPageWidth - kMargin - 92 - textX;
  const int pointsRight = help::kPageWidth - kMargin;
  const auto row = [&](int top, int height, const QColor& colour) {
    const QString what = words.next();
    const QString points = words.next();
    page.text(textX, top + (height - 30) / 2, textWidth, what, kBodyPixelSize, top + height + 4);
    const QFontMetrics fm(page.font(16, true));
    page.label(pointsRight - fm.horizontalAdvance(points), top + (height - 18) / 2, points, 16, true, colour);
    p.setPen(QColor(220, 225, 215));
    p.drawLine(kMargin, top + height + 4, pointsRight, top + height + 4);
  };
  const QColor loss(190, 0, 0);
  y += 8;

  constexpr int kSmall = 30;
  const BoardSketch slide({kMargin + 8, y}, kSmall, {"GBX"});
  slide.draw(p);
  drawArrow(p, QPointF(slide.centre(1, 1).x(), y + kSmall + 5), QPointF(slide.centre(2, 1).x() + 4, y + kSmall + 5),
            QColor(0, 90, 200), 2);
  drawArrow(p, QPointF(slide.centre(2, 1).x(), y + kSmall + 5), QPointF(slide.centre(3, 1).x() + 4, y + kSmall + 5),
            QColor(0, 90, 200), 2);
  row(y, 38, loss);
  y += 46;

  drawTile(p, QRect(kMargin + 8, y + 4, kSmall, kSmall), 'A');
  drawArrow(p, QPointF(kMargin + 8 + kSmall + 4, y + 19), QPointF(kMargin + 8 + kSmall + 22, y + 19),
            QColor(0, 90, 200), 2);
  drawTile(p, QRect(kMargin + 8 + kSmall + 26, y + 4, kSmall, kSmall), 'Q');
  row(y, 38, kAccent);
  y += 46;

  static constexpr std::array<char, 4> kBonus{'M', 'N', 'O', 'P'};
  for (std::size_t i = 0; i < kBonus.size(); ++i) {
    const int x = kMargin + 8 + static_cast<int>(i) * (kSmall - 1);
    drawTile(p, QRect(x, y, kSmall - 3, kSmall - 3), kBonus[i]);
    page.centredLabel(x + (kSmall - 3) / 2, y + kSmall - 1, QStringLiteral("+%1").arg(10 + 5 * static_cast<int>(i)),
                      kSmallPixelSize, true, kAccent);
  }
  row(y, 42, kAccent);
  y += 50;

  // The hint's own mark, as the game draws it, on a tile beside the hole.
  const BoardSketch hinted({kMargin + 8, y + 1}, kSmall + 6, {"KGX"});
  hinted.draw(p);
  art::drawHintMark(p, hinted.cell(2, 1), art::HintMark::SlideRight);
  row(y, 38, loss);
  y += 48;

  page.text(kMargin, y, kBodyWidth, words.next());
}

// Page 5: levels, best scores and the rating names.
void pageLevels(Page& page, Words& words) {
  int y = page.text(kMargin, kBodyTop, kBodyWidth, words.next());

  const std::vector<help::RatingBand> bands = help::ratingBands();
  const int perColumn = static_cast<int>(bands.size() + 1) / 2;
  const QString score = words.next();
  const QString rating = words.next();
  y += 2;
  for (int col = 0; col < 2; ++col) {
    page.label(kMargin + 4 + col * (kBodyWidth / 2), y + 2, score, kSmallPixelSize, true, kMuted,
               kMargin + 60 + col * (kBodyWidth / 2));
    page.label(kMargin + 62 + col * (kBodyWidth / 2), y + 2, rating, kSmallPixelSize, true, kMuted);
  }
  y += 14;
  const int lineHeight = 13;
  const int columnWidth = kBodyWidth / 2;
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const int col = static_cast<int>(i) / perColumn;
    const int row = static_cast<int>(i) % perColumn;
    const int x = kMargin + col * columnWidth;
    const int ly = y + 4 + row * lineHeight;
    const help::RatingBand& b = bands[i];
    const bool last = i + 1 == bands.size();
    const QString range = last ? QStringLiteral("%1 +").arg(b.from) : QStringLiteral("%1\u2013%2").arg(b.from).arg(b.to);
    page.label(x + 4, ly, range, kSmallPixelSize, false, kMuted, x + 60);
    page.label(x + 62, ly, b.name, kSmallPixelSize, last, last ? kAccent : kInk, x + columnWidth - 2);
  }
}

// Page 6: the keys that play the board, and every menu command with its key.
void pageKeysAndMenus(Page& page, Words& words) {
  QPainter& p = page.painter();
  constexpr int kGap = 14;
  const int columnWidth = (kBodyWidth - kGap) / 2;
  const QFontMetrics keyMetrics(page.font(kSmallPixelSize, true));
  const auto heading = [&](int x, int& y) {
    page.label(x, y, words.next(), kBodyPixelSize, true, kAccent);
    y += 17;
  };
  // Each command on a line of its own, its key on a key cap at the right.
  const auto commands = [&](int x, int& y, int count) {
    for (int i = 0; i < count; ++i) {
      const QString command = words.next();
      const QString key = words.next();
      const int right = x + columnWidth;
      int commandRight = right;
      if (!key.isEmpty()) {
        const int width = keyMetrics.horizontalAdvance(key);
        const QRect cap(right - width - 8, y - 2, width + 8, 16);
        commandRight = cap.left() - 3;
        page.label(x + 6, y, command, kSmallPixelSize, true, kInk, commandRight);
        p.setPen(QColor(150, 150, 150));
        p.setBrush(Qt::white);
        p.drawRoundedRect(cap, 3, 3);
        page.claim(cap, key);
        p.setFont(page.font(kSmallPixelSize, true));
        p.setPen(kInk);
        p.drawText(right - width - 4, y + keyMetrics.ascent(), key);
      } else {
        page.label(x + 6, y, command, kSmallPixelSize, true, kInk, commandRight);
      }
      y += 17;
    }
    y += 2;
  };
  const auto note = [&](int x, int& y) { y = page.text(x, y, columnWidth, words.next(), kSmallPixelSize) + 8; };

  const int left = kMargin;
  const int right = kMargin + columnWidth + kGap;
  int y = kBodyTop;
  heading(left, y);
  commands(left, y, 6);
  note(left, y);

  y = kBodyTop;
  heading(right, y);
  commands(right, y, 4);
  note(right, y);
  heading(right, y);
  commands(right, y, 3);
  heading(right, y);
  note(right, y);
}

}  // namespace

QImage drawTutorialPage(int page, QStringList* overflows) {
  using Draw = void (*)(Page&, Words&);
  static constexpr std::array<Draw, help::kPageCount> kPages{pageGoal, pageSliding, pageSending,
                                                             pageScoring, pageLevels, pageKeysAndMenus};
  if (page < 1 || page > help::kPageCount) return {};
  // Type a pixel smaller at a time, for a language whose words need the room.
  for (int smaller = 0;; ++smaller) {
    Words words(page);
    Page drawn(page, words.title(), page < help::kPageCount ? onward(words) : words.footer(), smaller);
    kPages[static_cast<std::size_t>(page - 1)](drawn, words);
    const QImage image = drawn.finish();
    if (!words.allUsed()) return {};
    if (drawn.overflows().isEmpty()) return image;
    if (smaller == kMostSmaller) {
      if (overflows) *overflows = drawn.overflows();
      return {};
    }
  }
}

QStringList writeTutorialPages(const QString& folder, const QString& language) {
  QStringList failed;
  const QDir dir(folder);
  const QString in = language.isEmpty() ? QStringLiteral("English") : language;
  for (int n = 1; n <= help::kPageCount; ++n) {
    QStringList overflows;
    const QImage page = drawTutorialPage(n, &overflows);
    for (const QString& overflow : overflows) failed << QStringLiteral("page %1 (%2): %3").arg(n).arg(in, overflow);
    const QString path = dir.filePath(help::pageFileName(n, language));
    if (overflows.isEmpty() && !page.save(path, "BMP")) failed << QStringLiteral("cannot write %1").arg(path);
  }
  return failed;
}

}  // namespace gorbix::tutorial
