// The hint's mark on a tile: which one a click gets, and how it is drawn.
#include <algorithm>
#include <cmath>
#include <set>

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "../ui/pixel_probe.h"
#include "app/hint.h"
#include "ui/art/tile_art.h"
#include "ui/windows/board_cursor.h"
#include "ui/windows/hint_marks.h"

namespace gorbix {
namespace {

struct MarkCase {
  int hole;  // image index
  solver::Click click;
  HintMark mark;
};

TEST(HintMark, TheArrowPointsTheWayTheTilesSlideTowardsTheHole) {
  // The hole at (4, 3), index 19; the clicks in its row and its column,
  // next to it and at the board's edges.
  for (const MarkCase c : {MarkCase{19, {18, false}, HintMark::SlideRight}, {19, {16, false}, HintMark::SlideRight},
                           {19, {20, false}, HintMark::SlideLeft}, {19, {23, false}, HintMark::SlideLeft},
                           {19, {11, false}, HintMark::SlideDown}, {19, {3, false}, HintMark::SlideDown},
                           {19, {27, false}, HintMark::SlideUp}, {19, {43, false}, HintMark::SlideUp},
                           {0, {1, false}, HintMark::SlideLeft}, {0, {40, false}, HintMark::SlideUp},
                           {47, {46, false}, HintMark::SlideRight}, {47, {7, false}, HintMark::SlideDown},
                           {19, {20, true}, HintMark::Send}, {19, {0, true}, HintMark::Send}}) {
    solver::Position position;
    position.hole = static_cast<std::int8_t>(c.hole);
    EXPECT_EQ(hintMarkFor(position, c.click), c.mark) << "hole " << c.hole << ", click " << int{c.click.index};
  }
}

QImage tileWithThing(char code, int size, art::TileLook look, bool thing) {
  QImage image = art::tilePixmap(code, QSize(size, size), 1.0, look).toImage().convertToFormat(QImage::Format_RGB32);
  if (thing) {
    QPainter painter(&image);
    const QRect at = thingRect(1, 1, Zoom(size * 100 / 45)).translated(-tileRect(1, 1, Zoom(size * 100 / 45)).topLeft());
    painter.drawImage(at.topLeft(), art::drawThing(at.size(), 1.0));
  }
  return image;
}

QImage marked(QImage image, HintMark mark) {
  QPainter painter(&image);
  art::drawHintMark(painter, image.rect(), mark);
  return image;
}

constexpr HintMark kMarks[] = {HintMark::SlideUp, HintMark::SlideDown, HintMark::SlideLeft, HintMark::SlideRight,
                               HintMark::Send};

// What the player must still see on the marked tile: every pixel of the
// track, of its edges and of a bonus tile's figures, the frame being drawn
// over the tile's outline and bevel only; and the Thing, nearly whole.
TEST(HintMark, LeavesTheTrackTheFiguresAndTheThingInSightAtEveryZoom) {
  for (const art::TileLook look : {art::TileLook::Designed, art::TileLook::ColourSafe}) {
    const art::TilePalette& palette = art::tilePalette(look);
    for (const int size : {45, 67, 68, 90, 135}) {
      const int inset = size * 5 / 45 + 1;  // inside the line round the face
      for (char code = 'A'; code <= '`'; ++code) {
        const QImage plain = tileWithThing(code, size, look, false);
        for (const HintMark mark : kMarks) {
          const QImage seen = marked(plain, mark);
          int hidden = 0;
          for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
              const QRgb c = plain.pixel(x, y) | 0xff000000u;
              const bool face = x >= inset && y >= inset && x < size - inset && y < size - inset;
              if ((c == (palette.track | 0xff000000u) || c == (palette.trackShadow | 0xff000000u) ||
                   (face && c == (palette.line | 0xff000000u))) && seen.pixel(x, y) != plain.pixel(x, y)) ++hidden;
            }
          EXPECT_EQ(hidden, 0) << "tile " << code << " at " << size << " px, mark " << static_cast<int>(mark);
        }
      }
      // A send never goes to the Thing's own cell; a slide may carry it.
      for (const HintMark mark : {HintMark::SlideUp, HintMark::SlideDown, HintMark::SlideLeft, HintMark::SlideRight}) {
        const QImage plain = tileWithThing('A', size, look, true);
        const QImage seen = marked(plain, mark);
        const QRect thing = thingRect(1, 1, Zoom(size * 100 / 45)).translated(-tileRect(1, 1, Zoom(size * 100 / 45)).topLeft());
        int changed = 0;
        for (int y = thing.top(); y <= thing.bottom(); ++y)
          for (int x = thing.left(); x <= thing.right(); ++x) changed += seen.pixel(x, y) != plain.pixel(x, y);
        EXPECT_LT(changed, thing.width() * thing.height() / 6) << size << " px, mark " << static_cast<int>(mark);
      }
    }
  }
}

// The colours which side the chevrons stand on: light pixels in each
// quarter of the face, the frame left out.
std::array<int, 4> lightByQuarter(HintMark mark) {
  QImage blank(45, 45, QImage::Format_RGB32);
  blank.fill(Qt::gray);
  const QImage image = marked(blank, mark);
  std::array<int, 4> count{};  // top left, top right, bottom left, bottom right
  for (int y = 6; y < 39; ++y)
    for (int x = 6; x < 39; ++x)
      if (image.pixelColor(x, y).lightness() > 200) ++count[(y >= 22 ? 2 : 0) + (x >= 22 ? 1 : 0)];
  return count;
}

TEST(HintMark, TheChevronsStandOnTheSideTheTilesSlideToAndASendPointsInFromAllFour) {
  const std::vector<std::pair<HintMark, std::array<bool, 4>>> table = {
      {HintMark::SlideUp, {true, true, false, false}},   {HintMark::SlideDown, {false, false, true, true}},
      {HintMark::SlideLeft, {true, false, true, false}}, {HintMark::SlideRight, {false, true, false, true}},
      {HintMark::Send, {true, true, true, true}},
  };
  for (const auto& [mark, lit] : table) {
    const std::array<int, 4> count = lightByQuarter(mark);
    for (std::size_t q = 0; q < 4; ++q) EXPECT_EQ(count[q] > 8, lit[q]) << static_cast<int>(mark) << " quarter " << q;
  }
  EXPECT_NE(lightByQuarter(HintMark::Send), lightByQuarter(HintMark::SlideUp));
}

double luminance(QRgb c) {
  auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// WCAG 2.1 non-text contrast: on every colour a tile shows under the frame,
// one of the frame's two colours stands out by 3 : 1.
TEST(HintMark, TheFrameStandsOutThreeToOneOnEveryFaceOfEitherLook) {
  for (const art::TileLook look : {art::TileLook::Designed, art::TileLook::ColourSafe}) {
    const art::TilePalette& p = art::tilePalette(look);
    for (const QRgb face : {p.fresh.face, p.fresh.light, p.fresh.dark, p.visited.face, p.visited.light, p.visited.dark,
                            p.hole, p.line, p.track, p.trackShadow}) {
      const double best = std::max(contrast(art::kHintLight.rgb(), face), contrast(art::kHintDark.rgb(), face));
      EXPECT_GE(best, 3.0) << (look == art::TileLook::ColourSafe ? "colour-safe " : "designed ") << std::hex << face;
    }
  }
}

// Seen together on one tile, the cursor and the hint cannot be taken for
// each other: no colour in common but the dark edge, and the hint leaves
// the middle of each side, which the cursor's ring covers, alone.
TEST(HintMark, LooksNothingLikeTheKeyboardCursor) {
  QImage cursor(45, 45, QImage::Format_RGB32);
  cursor.fill(Qt::gray);
  QPainter painter(&cursor);
  drawCursorFrame(painter, cursor.rect(), Zoom());
  painter.end();
  QImage hint(45, 45, QImage::Format_RGB32);
  hint.fill(Qt::gray);
  hint = marked(hint, HintMark::Send);
  std::set<QRgb> shared;
  for (const QRgb c : test::coloursOf(cursor))
    if (test::coloursOf(hint).count(c) && c != QColor(Qt::gray).rgb()) shared.insert(c);
  EXPECT_TRUE(shared.empty() || (shared.size() == 1 && QColor(*shared.begin()).lightness() < 40));
  for (const QPoint middle : {QPoint(22, 1), QPoint(1, 22), QPoint(43, 22), QPoint(22, 43)}) {
    EXPECT_NE(cursor.pixel(middle), QColor(Qt::gray).rgb());
    EXPECT_EQ(hint.pixel(middle), QColor(Qt::gray).rgb());
  }
}

}  // namespace
}  // namespace gorbix
