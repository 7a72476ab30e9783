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

// Each caption stands just above the label it names, and never under it:
// whatever lies under a label is hidden by it.
TEST_F(Background, CaptionsNameTheFourValuesJustAboveTheirLabels) {
  EXPECT_EQ(picture().size(), QSize(559, 365));
  EXPECT_FALSE(picture().hasAlphaChannel());
  const std::array<Caption, 4> captions = backgroundCaptions();
  const std::pair<QString, QRect> expected[] = {{"Level", {385, 38, 156, 15}},
                                                {"Score", {385, 91, 156, 15}},
                                                {"Best Scores", {385, 150, 155, 145}},
                                                {"Overall Rating", {378, 336, 170, 15}}};
  int ink[4] = {};
  for (std::size_t i = 0; i < captions.size(); ++i) {
    SCOPED_TRACE(expected[i].first.toStdString());
    EXPECT_EQ(captions[i].text, expected[i].first);
    const QRect control = captions[i].control;
    EXPECT_EQ(control, expected[i].second);
    ink[i] = brightPixels(picture(), QRect(control.left(), control.top() - 20, control.width(), 18));
    EXPECT_GT(ink[i], 20);
    EXPECT_EQ(brightPixels(picture(), control), 0);
  }
  // Longer words make more ink: the captions are really different texts.
  EXPECT_GT(ink[3], ink[0]);
  EXPECT_GT(ink[2], ink[1]);
}

TEST_F(Background, BehindTheBoardItIsPlainAndDarkUnderATitle) {
  ASSERT_EQ(kBoardArea, QRect(5, 90, 360, 270));
  const QRgb first = picture().pixel(kBoardArea.topLeft());
  for (int y = kBoardArea.top(); y <= kBoardArea.bottom(); ++y)
    for (int x = kBoardArea.left(); x <= kBoardArea.right(); ++x) ASSERT_EQ(picture().pixel(x, y), first) << x << "," << y;
  EXPECT_LT(lightness(first), 40);
  EXPECT_GT(brightPixels(picture(), QRect(5, 0, 360, 88)), 300);
}

}  // namespace
}  // namespace gorbix::art
