#include "settings/form_posn.h"

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <limits>

#include "support/text.h"

namespace gorbix {

namespace {

// Rounds to the nearest whole number, halves to even (the default mode).
double roundEven(double v) { return std::nearbyint(v); }

// v rounded into the range of T; a value that is no number at all gives 0.
template <typename T>
T roundInto(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<T>(std::clamp(roundEven(v), double{std::numeric_limits<T>::min()},
                                   double{std::numeric_limits<T>::max()}));
}

std::int16_t toTwips(double pixels) { return roundInto<std::int16_t>(pixels * kTwipsPerPixel); }

// Pixel values the shell may add and subtract without overflow.
int toPixels(double v) { return roundInto<std::int16_t>(v); }

int floorHalf(int v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }

FormPosition centred(const ScreenRect& screen, const FormGeometry& window) {
  const int width = toPixels(window.width);
  const int height = toPixels(window.height);
  const int top = screen.top + floorHalf(screen.height - height);
  return {screen.left + floorHalf(screen.width - width), std::max(top, screen.top)};
}

// How far the window must move for its title bar to be usable on screen:
// kTitleBarGrip pixels of its width (all of it when narrower) and its whole
// height on the screen.
struct Move {
  int dx = 0;
  int dy = 0;
  long distance() const { return std::labs(dx) + std::labs(dy); }
};

Move moveOntoScreen(const FormPosition& at, const FormGeometry& window, const ScreenRect& screen) {
  const int width = std::max(toPixels(window.width), 1);
  const int bar = std::clamp(toPixels(window.height), 1, kTitleBarHeight);
  const int grip = std::min({kTitleBarGrip, width, std::max(screen.width, 1)});
  const int right = screen.left + screen.width;
  const int bottom = screen.top + screen.height;
  Move move;
  if (at.top < screen.top || bar > screen.height) {
    move.dy = screen.top - at.top;
  } else if (at.top + bar > bottom) {
    move.dy = bottom - bar - at.top;
  }
  const int overlap = std::min(at.left + width, right) - std::max(at.left, screen.left);
  if (overlap < grip) {
    move.dx = (at.left + width / 2 < screen.left + screen.width / 2) ? screen.left + grip - (at.left + width)
                                                                     : right - grip - at.left;
  }
  return move;
}

}  // namespace

StoredPosition ParseFormPosn(std::string entry) {
  StoredPosition at;
  at.left = NextIntField(" ", entry, 0);
  at.top = NextIntField(" ", entry, 0);
  return at;
}

FormPosition LoadFormPosn(Settings& ini, const std::string& IniFile, const FormGeometry& window,
                          const std::vector<ScreenRect>& screens, std::string_view section) {
  const std::string entry = ini.GetIniStr(section, window.name, "", IniFile, false);
  if (entry.empty()) {
    if (screens.empty()) return {toPixels(window.left), toPixels(window.top)};
    return centred(screens.front(), window);
  }
  const StoredPosition stored = ParseFormPosn(entry);
  FormPosition at{toPixels(static_cast<double>(stored.left) / kTwipsPerPixel),
                  toPixels(static_cast<double>(stored.top) / kTwipsPerPixel)};
  if (screens.empty()) return at;
  Move least = moveOntoScreen(at, window, screens.front());
  for (const ScreenRect& screen : screens) {
    const Move move = moveOntoScreen(at, window, screen);
    if (move.distance() < least.distance()) least = move;
  }
  at.left += least.dx;
  at.top += least.dy;
  return at;
}

std::optional<std::string> FormPosnEntry(const FormGeometry& window) {
  if (window.minimised || window.maximised) return std::nullopt;
  return IntStr(toTwips(window.left)) + " " + IntStr(toTwips(window.top)) + " " + IntStr(toTwips(window.width)) +
         " " + IntStr(toTwips(window.height));
}

void SaveFormPosn(Settings& ini, const std::string& IniFile, const FormGeometry& window, std::string_view section) {
  if (const auto entry = FormPosnEntry(window)) ini.PutIniStr(section, window.name, *entry, IniFile);
}

}  // namespace gorbix
