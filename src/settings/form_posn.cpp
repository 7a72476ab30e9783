#include "settings/form_posn.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "support/text.h"

namespace gorbix {

namespace {

constexpr std::string_view kPosnSize = "PosnSize";

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

bool titleBarOnScreen(const FormPosition& at, const FormGeometry& window, const ScreenRect& screen) {
  const int right = at.left + std::max(toPixels(window.width), 1);
  const int bottom = at.top + std::clamp(toPixels(window.height), 1, kTitleBarHeight);
  return at.left < screen.left + screen.width && right > screen.left && at.top < screen.top + screen.height &&
         bottom > screen.top;
}

}  // namespace

StoredPosition ParseFormPosn(std::string entry) {
  StoredPosition at;
  at.left = NextIntField(" ", entry, 0);
  at.top = NextIntField(" ", entry, 0);
  return at;
}

FormPosition LoadFormPosn(Settings& ini, const std::string& IniFile, const FormGeometry& window,
                          const std::vector<ScreenRect>& screens) {
  const std::string entry = ini.GetIniStr(kPosnSize, window.name, "", IniFile, false);
  if (entry.empty()) {
    if (screens.empty()) return {toPixels(window.left), toPixels(window.top)};
    return centred(screens.front(), window);
  }
  const StoredPosition stored = ParseFormPosn(entry);
  const FormPosition at{toPixels(static_cast<double>(stored.left) / kTwipsPerPixel),
                        toPixels(static_cast<double>(stored.top) / kTwipsPerPixel)};
  if (screens.empty() ||
      std::any_of(screens.begin(), screens.end(), [&](const ScreenRect& s) { return titleBarOnScreen(at, window, s); })) {
    return at;
  }
  return centred(screens.front(), window);
}

void SaveFormPosn(Settings& ini, const std::string& IniFile, const FormGeometry& window) {
  if (window.minimised || window.maximised) return;
  const std::string text = IntStr(toTwips(window.left)) + " " + IntStr(toTwips(window.top)) + " " +
                           IntStr(toTwips(window.width)) + " " + IntStr(toTwips(window.height));
  ini.PutIniStr(kPosnSize, window.name, text, IniFile);
}

}  // namespace gorbix
