// The board as one control: it lies over the tile images, lets the mouse
// through to them, takes the keyboard focus, draws the keyboard cursor and
// stands for the 48 cells towards assistive technology.
#pragma once

#include <array>

#include <QWidget>

#include "game/tiles.h"
#include "ui/windows/board_cursor.h"
#include "ui/windows/main_layout.h"

namespace gorbix {

class BoardSurface : public QWidget {
  Q_OBJECT

 public:
  explicit BoardSurface(QWidget* parent);

  // Covers the tile images at the zoom.
  void setZoom(const Zoom& zoom);

  // What the cells hold, as the game reports it.
  void setCell(int col, int row, char code);
  void setThingCell(int col, int row);
  void setThingShown(bool shown);
  char code(int index) const;
  // The Thing's cell while it is on show; {0, 0} otherwise.
  Cell thingCell() const;

  const BoardCursor& cursor() const { return cursor_; }
  // Puts the cursor on the cell of a tile image (0..47) and shows it; an
  // index off the board is ignored.
  void moveCursorTo(int index);
  // A hint's tile becomes the cursor's cell. A cursor on show goes there;
  // a hidden one shows there at the next key, so that a player who uses
  // the mouse sees the window as before.
  void takeHint(int index);
  // The cursor goes out of sight.
  void hideCursor();
  // A click on the board, refused or not: the cursor goes out of sight and
  // the keys come here, so the arrows that follow move it.
  void mouseClicked();
  // The frame of a cell in this control's coordinates.
  QRect cellRect(int col, int row) const;

 signals:
  // Space and Enter on the cursor's cell, as a click there would report:
  // on the Thing's cell from the Thing's image, elsewhere from the tile's.
  void tileReleased(int index, Qt::MouseButton button);
  void thingReleased(Qt::MouseButton button);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void cursorChanged();
  void release(Qt::MouseButton button);

  Zoom zoom_;
  BoardCursor cursor_;
  std::array<char, kCells> codes_{};
  Cell thing_ = kStartCell;
  bool thingShown_ = true;
};

}  // namespace gorbix
