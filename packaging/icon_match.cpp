// Compares two pictures of the same size pixel by pixel, as the install
// check does with the scalable icon rendered beside the bitmap one: the mean
// and the largest difference of a pixel, each on a scale of 0 to 255.
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Largest difference of one channel, colour channels weighted by opacity so
// that a colour under a transparent pixel does not count.
int pixelDifference(QRgb a, QRgb b) {
  const QRgb pa = qPremultiply(a), pb = qPremultiply(b);
  return std::max({std::abs(qRed(pa) - qRed(pb)), std::abs(qGreen(pa) - qGreen(pb)), std::abs(qBlue(pa) - qBlue(pb)),
                   std::abs(qAlpha(pa) - qAlpha(pb))});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: icon_match A.png B.png MAX_MEAN MAX_PIXEL\n");
    return 2;
  }
  const QImage a = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
  const QImage b = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_ARGB32);
  if (a.isNull() || b.isNull() || a.size() != b.size()) {
    std::fprintf(stderr, "icon_match: two readable pictures of one size are needed\n");
    return 2;
  }
  double sum = 0;
  long over = 0;
  int largest = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const int d = pixelDifference(a.pixel(x, y), b.pixel(x, y));
      sum += d;
      over += d > 32;
      largest = std::max(largest, d);
    }
  }
  const double pixels = static_cast<double>(a.width()) * a.height();
  const double mean = sum / pixels;
  const double percentOver = 100.0 * static_cast<double>(over) / pixels;
  std::printf("mean difference %.2f of 255, largest %d, %.2f%% of pixels more than 32 apart\n", mean, largest,
              percentOver);
  return mean <= std::atof(argv[3]) && largest <= std::atoi(argv[4]) ? 0 : 1;
}
