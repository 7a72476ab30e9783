// Small helpers for reading pictures in tests.
#pragma once

#include <QImage>
#include <QRgb>

#include <set>

namespace gorbix::test {

// The opaque colour of a pixel, alpha stripped, for comparing with qRgb().
inline QRgb colourAt(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xff000000u; }

inline std::set<QRgb> coloursOf(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  return colours;
}

}  // namespace gorbix::test
