// The main window's controls, placed at their designed pixel positions,
// and its menu bar.
#pragma once

#include <array>
#include <functional>
#include <span>
#include <vector>

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

class BoardSurface;

inline constexpr int kClientWidth = 559;
inline constexpr int kClientHeight = 365;

// Top-left corner of the tile image of a cell.
inline QPoint tileTopLeft(int col, int row) { return {5 + 45 * (col - 1), 90 + 45 * (row - 1)}; }
// The Thing's picture sits 8 px inside its cell, centred on the tile.
inline QPoint thingTopLeft(int col, int row) { return tileTopLeft(col, row) + QPoint(8, 8); }

// The main window drawn at a percentage of its designed size: designed
// pixels to screen pixels, halves rounded up.
class Zoom {
 public:
  explicit Zoom(int percent = 100) : percent_(percent) {}
  int percent() const { return percent_; }
  qreal factor() const { return percent_ / 100.0; }
  bool operator==(const Zoom&) const = default;

  int at(int designed) const;
  QPoint at(QPoint designed) const { return {at(designed.x()), at(designed.y())}; }
  QSize at(QSize designed) const { return {at(designed.width()), at(designed.height())}; }
  // Both edges are scaled rather than the size, so rectangles that touch
  // as designed still touch where the scaled size is not whole.
  QRect at(const QRect& designed) const;

 private:
  int percent_;
};

QRect tileRect(int col, int row, const Zoom& zoom);
// The Thing keeps one size on every cell, its corner where its designed one falls.
QRect thingRect(int col, int row, const Zoom& zoom);

// The nearest of percents above current (direction > 0) or below it that
// `offered` allows; current itself when there is none.
int nextZoom(std::span<const int> percents, int current, int direction, const std::function<bool(int)>& offered);

// Where a window of `size` with its top-left corner at `corner` goes so
// that it lies in `area`: the same corner, moved only as far as needed.
// A window larger than the area keeps its top-left corner in it.
QPoint keepOnScreen(QPoint corner, QSize size, const QRect& area);

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

// The client area: the background picture from the top-left corner, on
// the button-face colour wherever the picture does not reach. At the
// designed size the picture is drawn as it is. Zoomed, it is made again at
// the size off the UI thread (see art::zoomedBackground), and stretched
// roughly for the moment that takes.
class Backdrop : public QWidget {
  Q_OBJECT

 public:
  explicit Backdrop(QWidget* parent);
  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }
  void setZoom(const Zoom& zoom);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Makes picture_ at the zoom for the density, unless that is under way.
  void makeZoomed(QSize deviceSize, qreal ratio);

  QPixmap picture_;
  Zoom zoom_;
  QPixmap scaled_;  // picture_ at zoom_, for the density it was made at
  QSize making_;    // the device size being made; a result of another is stale
};

struct MainControls {
  Backdrop* client = nullptr;
  std::array<ClickImage*, kCells> imgTile{};
  ClickImage* imgThing = nullptr;
  BoardSurface* board = nullptr;  // above the pictures: the keyboard's way in
  QLabel* lblDifficulty = nullptr;
  QLabel* lblScore = nullptr;
  QListWidget* lstScores = nullptr;
  QLabel* lblRating = nullptr;
};

// Builds the client area and every control on it, stacked so that the
// Thing lies above the tiles and the tiles above the background.
MainControls buildMainControls(QWidget* owner);

// Places and sizes every control, and sizes the fonts, at the zoom; the
// Thing goes to the cell given. The pictures are the caller's to redraw.
void applyZoom(MainControls& controls, const Zoom& zoom, int thingCol, int thingRow);

struct MainMenus {
  QMenu* mnuFile = nullptr;
  QAction* mnuExit = nullptr;
  QMenu* mnuGame = nullptr;
  QAction* mnuRestartLevel = nullptr;
  QAction* mnuJump = nullptr;
  QAction* mnuSndFX = nullptr;
  QAction* mnuResetScores = nullptr;
  // Board Number, Hint and Statistics, after this separator; more commands
  // of the group go in before separatorBeforeUndo.
  QAction* separatorBeforeHint = nullptr;
  QAction* boardNumberItem = nullptr;
  QAction* hintItem = nullptr;
  QAction* statisticsItem = nullptr;
  // Taking moves back, then keeping the board between runs, each group
  // after its separator.
  QAction* separatorBeforeUndo = nullptr;
  QAction* undoItem = nullptr;
  QAction* redoItem = nullptr;
  QAction* keepBoardItem = nullptr;
  QMenu* viewMenu = nullptr;
  QAction* colourSafeItem = nullptr;
  QMenu* zoomMenu = nullptr;
  std::vector<QAction*> zoomItems;  // one radio item per percent
  QAction* zoomInItem = nullptr;
  QAction* zoomOutItem = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuTutorial = nullptr;
  QAction* mnuLine1 = nullptr;
  QAction* mnuAbout = nullptr;
};

// zoomPercents: the sizes the Zoom menu offers, in increasing order; the
// first, the designed size, also answers Ctrl+0.
MainMenus buildMainMenus(QMenuBar* bar, std::span<const int> zoomPercents);

}  // namespace gorbix
