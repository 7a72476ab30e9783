// The main window's background picture, drawn by code for the generator
// that writes it beside the program.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <array>

namespace gorbix::art {

inline constexpr int kBackgroundWidth = 559;
inline constexpr int kBackgroundHeight = 365;
// Covered by the tiles; the picture stays plain and dark there.
inline constexpr QRect kBoardArea{5, 90, 360, 270};

// The value labels carry no captions of their own, so the picture names
// each one just above the place the window puts it.
struct Caption {
  QString text;
  QRect control;  // where the window shows the value
};
std::array<Caption, 4> backgroundCaptions();
// The font the picture writes a caption in, centred over its control's width.
QFont captionFont();

// Needs a GUI application (fonts); works on the offscreen platform. At
// another size than the designed one the picture is drawn anew at that
// size, so it is as sharp as the designed one.
QImage drawBackground(QSize size = QSize(kBackgroundWidth, kBackgroundHeight));

// `picture`, the main window's background, at `size`: the game's own drawn
// anew, as sharp as at its designed size, a player's own smoothly scaled.
// Takes some tens of milliseconds: never on the UI thread.
QImage zoomedBackground(const QImage& picture, QSize size);

}  // namespace gorbix::art
