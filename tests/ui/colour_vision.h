// How a colour looks to a viewer with normal vision or with one kind of
// cone missing, as CIELAB, for judging whether two colours can be told apart.
#pragma once

#include <QRgb>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace gorbix::test {

struct Lab {
  double L;
  double a;
  double b;
};

using Matrix = std::array<std::array<double, 3>, 3>;

struct Vision {
  std::string_view name;
  bool simulated;
  Matrix m;  // applied to linear sRGB
};

// Machado, Oliveira and Fernandes (2009), severity 1.
inline const std::array<Vision, 4>& visions() {
  static const std::array<Vision, 4> all{{
      {"normal", false, {}},
      {"protanopia", true,
       {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
      {"deuteranopia", true,
       {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
      {"tritanopia", true,
       {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
  }};
  return all;
}

inline double linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

inline Lab seenAs(QRgb colour, const Vision& vision) {
  std::array<double, 3> rgb{linear(qRed(colour)), linear(qGreen(colour)), linear(qBlue(colour))};
  if (vision.simulated) {
    std::array<double, 3> out{};
    for (std::size_t i = 0; i < 3; ++i) {
      const double v = vision.m[i][0] * rgb[0] + vision.m[i][1] * rgb[1] + vision.m[i][2] * rgb[2];
      out[i] = std::clamp(v, 0.0, 1.0);
    }
    rgb = out;
  }
  // XYZ under D65, then CIELAB against the D65 white.
  const double x = 0.4124564 * rgb[0] + 0.3575761 * rgb[1] + 0.1804375 * rgb[2];
  const double y = 0.2126729 * rgb[0] + 0.7151522 * rgb[1] + 0.0721750 * rgb[2];
  const double z = 0.0193339 * rgb[0] + 0.1191920 * rgb[1] + 0.9503041 * rgb[2];
  auto f = [](double t) {
    constexpr double d = 6.0 / 29.0;
    return t > d * d * d ? std::cbrt(t) : t / (3 * d * d) + 4.0 / 29.0;
  };
  const double fx = f(x / 0.95047), fy = f(y / 1.0), fz = f(z / 1.08883);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

inline double deltaE(const Lab& p, const Lab& q) { return std::hypot(p.L - q.L, p.a - q.a, p.b - q.b); }

}  // namespace gorbix::test
