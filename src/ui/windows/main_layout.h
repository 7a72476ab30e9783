// The main window's controls, placed at their designed pixel positions,
// and its menu bar.
#pragma once

#include <array>

#include <QLabel>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include "game/tiles.h"

class QAction;
class QListWidget;
class QMenu;
class QMenuBar;

namespace gorbix {

inline constexpr int kClientWidth = 559;
inline constexpr int kClientHeight = 365;

// Top-left corner of the tile image of a cell.
inline QPoint tileTopLeft(int col, int row) { return {5 + 45 * (col - 1), 90 + 45 * (row - 1)}; }
// The Thing's picture sits 8 px inside its cell, centred on the tile.
inline QPoint thingTopLeft(int col, int row) { return tileTopLeft(col, row) + QPoint(8, 8); }

// An image control that reports which mouse button was released over it.
class ClickImage : public QLabel {
  Q_OBJECT

 public:
  explicit ClickImage(QWidget* parent);

 signals:
  void released(Qt::MouseButton button);

 protected:
  // The press must be taken, or the release would go to the window behind.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// The client area: the background picture, unscaled from the top-left
// corner, on the button-face colour wherever the picture does not reach.
class Backdrop : public QWidget {
  Q_OBJECT

 public:
  explicit Backdrop(QWidget* parent);
  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

struct MainControls {
  Backdrop* client = nullptr;
  std::array<ClickImage*, kCells> imgTile{};
  ClickImage* imgThing = nullptr;
  QLabel* lblDifficulty = nullptr;
  QLabel* lblScore = nullptr;
  QListWidget* lstScores = nullptr;
  QLabel* lblRating = nullptr;
};

// Builds the client area and every control on it, stacked so that the
// Thing lies above the tiles and the tiles above the background.
MainControls buildMainControls(QWidget* owner);

struct MainMenus {
  QMenu* mnuFile = nullptr;
  QAction* mnuExit = nullptr;
  QMenu* mnuGame = nullptr;
  QAction* mnuRestartLevel = nullptr;
  QAction* mnuJump = nullptr;
  QAction* mnuSndFX = nullptr;
  QAction* mnuResetScores = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuTutorial = nullptr;
  QAction* mnuLine1 = nullptr;
  QAction* mnuAbout = nullptr;
};

MainMenus buildMainMenus(QMenuBar* bar);

}  // namespace gorbix
