// A picture drawn in whole logical pixels and blown up crisply to any density.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QRgb>

#include <vector>

namespace gorbix::art {

// The tiles and the Thing are the game's own pixel designs; painting them on
// this grid first keeps every pixel one of their few colours, and the
// enlargement to device pixels copies whole blocks so no blend ever appears.
class PixelCanvas {
 public:
  PixelCanvas(int width, int height, QRgb fill);

  int width() const { return width_; }
  int height() const { return height_; }

  // Out-of-range pixels are ignored, so drawing code need not clip.
  void set(int x, int y, QRgb colour);
  void fill(const QRect& area, QRgb colour);
  QRgb at(int x, int y) const;

  // devicePixelRatio is clamped to a usable range; the image carries it.
  QImage toImage(qreal devicePixelRatio) const;
  // The picture at `size` logical pixels: each canvas pixel becomes a block
  // of whole device pixels, a pixel or so wider or narrower than its
  // neighbours where the size is not a whole multiple.
  QImage toImage(QSize size, qreal devicePixelRatio) const;

 private:
  int width_;
  int height_;
  std::vector<QRgb> pixels_;
};

// The ratio actually drawn for a requested one: non-finite or absurd values
// fall back to something drawable instead of failing.
qreal usableRatio(qreal devicePixelRatio);

}  // namespace gorbix::art
