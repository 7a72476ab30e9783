// The background picture names each value where the window shows it.
#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include "ui/art/background_art.h"

namespace gorbix::art {
namespace {

int lightness(QRgb pixel) { return QColor(pixel).lightness(); }

// Pixels bright enough to be caption or title text on the dark picture.
int brightPixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += lightness(image.pixel(x, y)) > 170 ? 1 : 0;
  return count;
}

class Background : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { picture_ = new QImage(drawBackground()); }
  static void TearDownTestSuite() {
    delete picture_;
    picture_ = nullptr;
  }
  static const QImage& picture() { return *picture_; }

 private:
  static QImage* picture_;
};
QImage* Background::picture_ = nullptr;

TEST_F(Background, FillsTheDesignedClientArea) {
  EXPECT_EQ(picture().size(), QSize(559, 365));
  EXPECT_FALSE(picture().hasAlphaChannel());
}

TEST_F(Background, CaptionsNameTheFourValuesAtTheWindowsPlaces) {
  const std::array<Caption, 4> captions = backgroundCaptions();
  EXPECT_EQ(captions[0].text, "Level");
  EXPECT_EQ(captions[0].control, QRect(385, 38, 156, 15));
  EXPECT_EQ(captions[1].text, "Score");
  EXPECT_EQ(captions[1].control, QRect(385, 91, 156, 15));
  EXPECT_EQ(captions[2].text, "Best Scores");
  EXPECT_EQ(captions[2].control, QRect(385, 150, 155, 145));
  EXPECT_EQ(captions[3].text, "Overall Rating");
  EXPECT_EQ(captions[3].control, QRect(378, 336, 170, 15));
}

TEST_F(Background, EachCaptionStandsJustAboveItsValueAndNotUnderIt) {
  for (const Caption& caption : backgroundCaptions()) {
    SCOPED_TRACE(caption.text.toStdString());
    const QRect above(caption.control.left(), caption.control.top() - 20, caption.control.width(), 18);
    EXPECT_GT(brightPixels(picture(), above), 20);
    // Whatever lies under a label is hidden by it; text there would be lost.
    EXPECT_EQ(brightPixels(picture(), caption.control), 0);
  }
  // Longer words make more ink: the captions are really different texts.
  const auto captions = backgroundCaptions();
  auto ink = [&](const Caption& c) {
    return brightPixels(picture(), QRect(c.control.left(), c.control.top() - 20, c.control.width(), 18));
  };
  EXPECT_GT(ink(captions[3]), ink(captions[0]));
  EXPECT_GT(ink(captions[2]), ink(captions[1]));
}

TEST_F(Background, BehindTheBoardItIsPlainAndDark) {
  const QRgb first = picture().pixel(kBoardArea.topLeft());
  for (int y = kBoardArea.top(); y <= kBoardArea.bottom(); ++y)
    for (int x = kBoardArea.left(); x <= kBoardArea.right(); ++x) ASSERT_EQ(picture().pixel(x, y), first) << x << "," << y;
  EXPECT_LT(lightness(first), 40);
  EXPECT_EQ(kBoardArea, QRect(5, 90, 360, 270));
}

TEST_F(Background, CarriesTheTitleAboveTheBoard) {
  EXPECT_GT(brightPixels(picture(), QRect(5, 0, 360, 88)), 300);
}

}  // namespace
}  // namespace gorbix::art
