// Where the main window and the tutorial window reopen: their placement as
// stored in the settings file, worked out without touching a real window.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "settings/settings_layout.h"

namespace gorbix {

inline constexpr int kTwipsPerPixel = 15;
// The strip along a window's top edge that must stay on some screen, so the
// user can still grab the window by its title bar: its whole height, and at
// least this much of its width.
inline constexpr int kTitleBarHeight = 30;
inline constexpr int kTitleBarGrip = 48;

// A screen's available area, in device-independent pixels.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// What the shell tells about a window: its name ("frmMain", "frmTutorial")
// and its frame geometry (title bar and border included) in
// device-independent pixels.
struct FormGeometry {
  std::string name;
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  bool minimised = false;
  bool maximised = false;
};

struct FormPosition {
  int left = 0;
  int top = 0;
};

// The left and top of a stored entry, in twips. Empty fields, and fields
// beyond the 16-bit range, read as 0.
struct StoredPosition {
  std::int16_t left = 0;
  std::int16_t top = 0;
};
StoredPosition ParseFormPosn(std::string entry);

// Where to put the window, its size unchanged. screens[0] is the primary
// screen. Without an entry the window is centred on it. A stored position
// is kept as it is, even partly off the screens, as long as the title bar
// strip can be grabbed on some screen; otherwise the window moves the least
// distance that makes it so, so a screen unplugged since the last run
// cannot strand it. Centring keeps the title bar below the screen's top
// edge. With no screens known, the stored position (or else the current
// one) stands.
// section: where the entry is kept; the game's first windows keep theirs in
// "PosnSize", windows added later each in a section of their own.
FormPosition LoadFormPosn(Settings& ini, const std::string& IniFile, const FormGeometry& window,
                          const std::vector<ScreenRect>& screens, std::string_view section = kPosnSizeSection);

// Stores "left top width height" in twips under "PosnSize", unless the
// window is minimised or maximised: then its entry stays as it was. Values
// beyond the 16-bit range are stored as its nearest end, so the entry always
// reads back as numbers (and the reachability check in LoadFormPosn decides).
void SaveFormPosn(Settings& ini, const std::string& IniFile, const FormGeometry& window,
                  std::string_view section = kPosnSizeSection);

// The text SaveFormPosn stores, or nothing for a minimised or maximised window.
std::optional<std::string> FormPosnEntry(const FormGeometry& window);

}  // namespace gorbix
