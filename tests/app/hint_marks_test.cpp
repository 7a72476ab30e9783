// The hint's mark on a tile: which one a click gets, and how it is drawn.
#include <algorithm>
#include <cmath>
#include <functional>

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

QImage marked(QImage image, HintMark mark) {
  QPainter painter(&image);
  art::drawHintMark(painter, image.rect(), mark);
  return image;
}

QImage tile(char code, int size, art::TileLook look) {
  return art::tilePixmap(code, QSize(size, size), 1.0, look).toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether the mark changes any pixel of `image` inside `area` that `keep` picks.
int hiddenPixels(const QImage& image, HintMark mark, const QRect& area, const std::function<bool(QRgb)>& keep) {
  const QImage seen = marked(image, mark);
  int hidden = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) hidden += keep(image.pixel(x, y)) && seen.pixel(x, y) != image.pixel(x, y);
  return hidden;
}

// The track, its edges and a bonus tile's figures stay whole under the
// mark, which covers only the outline, the bevel and the face's corners;
// the Thing, which a slide may carry, nearly so.
TEST(HintMark, LeavesTheTrackTheFiguresAndTheThingInSightAtEveryZoom) {
  for (const art::TileLook look : {art::TileLook::Designed, art::TileLook::ColourSafe}) {
    const art::TilePalette& p = art::tilePalette(look);
    const auto track = [&p](QRgb c) { return c == (p.track | 0xff000000u) || c == (p.trackShadow | 0xff000000u); };
    const auto trackOrLine = [&](QRgb c) { return track(c) || c == (p.line | 0xff000000u); };
    for (const int size : {45, 67, 68, 90, 135}) {
      const QRect face = QRect(0, 0, size, size).adjusted(size / 9 + 1, size / 9 + 1, -size / 9 - 1, -size / 9 - 1);
      const Zoom zoom(size * 100 / 45);
      const QRect thing = thingRect(1, 1, zoom).translated(-tileRect(1, 1, zoom).topLeft());
      QImage carrying = tile('A', size, look);
      QPainter(&carrying).drawImage(thing.topLeft(), art::drawThing(thing.size(), 1.0));
      for (const HintMark mark : {HintMark::SlideUp, HintMark::SlideDown, HintMark::SlideLeft, HintMark::SlideRight, HintMark::Send}) {
        for (char code = 'A'; code <= '`'; ++code) {
          const QImage plain = tile(code, size, look);
          EXPECT_EQ(hiddenPixels(plain, mark, plain.rect(), track) + hiddenPixels(plain, mark, face, trackOrLine), 0)
              << code << " at " << size << " px, mark " << static_cast<int>(mark);
        }
        if (mark != HintMark::Send) {  // a send never goes to the Thing's cell
          EXPECT_LT(hiddenPixels(carrying, mark, thing, [](QRgb) { return true; }), thing.width() * thing.height() / 6) << size;
        }
      }
    }
  }
}

// Light pixels in each quarter of the face show where the chevrons stand.
TEST(HintMark, TheChevronsStandOnTheSideTheTilesSlideToAndASendPointsInFromAllFour) {
  for (const auto& [mark, lit] : std::vector<std::pair<HintMark, std::array<bool, 4>>>{
           {HintMark::SlideUp, {true, true, false, false}},   {HintMark::SlideDown, {false, false, true, true}},
           {HintMark::SlideLeft, {true, false, true, false}}, {HintMark::SlideRight, {false, true, false, true}},
           {HintMark::Send, {true, true, true, true}}}) {
    QImage blank(45, 45, QImage::Format_RGB32);
    blank.fill(Qt::gray);
    const QImage image = marked(blank, mark);
    std::array<int, 4> count{};  // top left, top right, bottom left, bottom right
    for (int y = 6; y < 39; ++y)
      for (int x = 6; x < 39; ++x) count[(y >= 22 ? 2 : 0) + (x >= 22 ? 1 : 0)] += image.pixelColor(x, y).lightness() > 200;
    for (std::size_t q = 0; q < 4; ++q) EXPECT_EQ(count[q] > 8, lit[q]) << static_cast<int>(mark) << " quarter " << q;
  }
}

// WCAG 2.1 non-text contrast: on every colour a tile shows under the frame,
// one of the frame's two colours stands out by 3 : 1.
TEST(HintMark, TheFrameStandsOutThreeToOneOnEveryFaceOfEitherLook) {
  const auto luminance = [](QRgb c) {
    const auto linear = [](int v) { return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c)) + 0.05;
  };
  const auto contrast = [&](QRgb a, QRgb b) { return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b)); };
  for (const art::TileLook look : {art::TileLook::Designed, art::TileLook::ColourSafe}) {
    const art::TilePalette& p = art::tilePalette(look);
    for (const QRgb face : {p.fresh.face, p.fresh.light, p.fresh.dark, p.visited.face, p.visited.light, p.visited.dark,
                            p.hole, p.line, p.track, p.trackShadow}) {
      EXPECT_GE(std::max(contrast(art::kHintLight.rgb(), face), contrast(art::kHintDark.rgb(), face)), 3.0) << std::hex << face;
    }
  }
}

// On one tile, the cursor and the hint cannot be taken for each other: the
// hint has no yellow, and leaves alone the middle of each side, where the
// cursor's ring shows through it.
TEST(HintMark, LooksNothingLikeTheKeyboardCursor) {
  QImage blank(45, 45, QImage::Format_RGB32);
  blank.fill(Qt::gray);
  QImage cursor = blank;
  QPainter painter(&cursor);
  drawCursorFrame(painter, cursor.rect(), Zoom());
  painter.end();
  EXPECT_EQ(test::coloursOf(marked(blank, HintMark::Send)).count(kCursorBandColour.rgb()), 0u);
  const QImage both = marked(cursor, HintMark::Send);
  for (const QPoint middle : {QPoint(22, 2), QPoint(2, 22), QPoint(42, 22), QPoint(22, 42)}) {
    EXPECT_EQ(both.pixel(middle), kCursorBandColour.rgb());
  }
}

}  // namespace
}  // namespace gorbix
