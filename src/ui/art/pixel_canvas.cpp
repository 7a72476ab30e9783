// A picture drawn in whole logical pixels and blown up crisply to any density.
#include "ui/art/pixel_canvas.h"

#include <algorithm>
#include <cmath>

namespace gorbix::art {

namespace {

constexpr qreal kMinRatio = 0.5;
constexpr qreal kMaxRatio = 8.0;

// For each of `device` pixels along one axis, the canvas pixel it shows.
// Canvas pixel i covers device pixels [round(i * ratio), round((i + 1) * ratio)).
std::vector<int> deviceToLogical(int logical, qreal ratio, int device) {
  std::vector<int> map(static_cast<std::size_t>(device));
  int i = 0;
  for (int d = 0; d < device; ++d) {
    while (i + 1 < logical && std::lround((i + 1) * ratio) <= d) ++i;
    map[static_cast<std::size_t>(d)] = i;
  }
  return map;
}

}  // namespace

qreal usableRatio(qreal devicePixelRatio) {
  if (!std::isfinite(devicePixelRatio)) return 1.0;
  return std::clamp(devicePixelRatio, kMinRatio, kMaxRatio);
}

PixelCanvas::PixelCanvas(int width, int height, QRgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

void PixelCanvas::set(int x, int y, QRgb colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
      colour;
}

void PixelCanvas::fill(const QRect& area, QRgb colour) {
  const QRect clipped = area.intersected(QRect(0, 0, width_, height_));
  for (int y = clipped.top(); y <= clipped.bottom(); ++y)
    for (int x = clipped.left(); x <= clipped.right(); ++x) set(x, y, colour);
}

QRgb PixelCanvas::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

QImage PixelCanvas::toImage(qreal devicePixelRatio) const { return toImage(QSize(width_, height_), devicePixelRatio); }

QImage PixelCanvas::toImage(QSize size, qreal devicePixelRatio) const {
  const qreal ratio = usableRatio(devicePixelRatio);
  const int deviceWidth = static_cast<int>(std::lround(std::max(size.width(), 0) * ratio));
  const int deviceHeight = static_cast<int>(std::lround(std::max(size.height(), 0) * ratio));
  // At the canvas's own size the ratio is used as given, so rounding at the
  // halves cannot move a block edge.
  const qreal across = size.width() == width_ || width_ == 0 ? ratio : ratio * size.width() / width_;
  const qreal down = size.height() == height_ || height_ == 0 ? ratio : ratio * size.height() / height_;
  const std::vector<int> columns = deviceToLogical(width_, across, deviceWidth);
  const std::vector<int> rows = deviceToLogical(height_, down, deviceHeight);
  QImage image(static_cast<int>(columns.size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
  for (int dy = 0; dy < image.height(); ++dy) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(dy));
    const int y = rows[static_cast<std::size_t>(dy)];
    for (int dx = 0; dx < image.width(); ++dx) line[dx] = at(columns[static_cast<std::size_t>(dx)], y);
  }
  image.setDevicePixelRatio(ratio);
  return image;
}

}  // namespace gorbix::art
