#include "ui/windows/board_surface.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include "ui/windows/board_accessible.h"

namespace gorbix {

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent) {
  accessibility::install();
  // The tiles and the Thing below keep every click; only the keys are ours.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(tr("Board"));
}

void BoardSurface::setZoom(const Zoom& zoom) {
  zoom_ = zoom;
  setGeometry(tileRect(1, 1, zoom).united(tileRect(kCols, kRows, zoom)));
  update();
}

void BoardSurface::setCell(int col, int row, char code) {
  if (!OnBoard(col, row)) return;
  const int index = CellToIndex(col, row);
  if (codes_[static_cast<std::size_t>(index)] == code) return;
  codes_[static_cast<std::size_t>(index)] = code;
  accessibility::cellChanged(this, index);
}

void BoardSurface::setThingCell(int col, int row) {
  if (!OnBoard(col, row)) return;
  const Cell was = thing_;
  thing_ = {static_cast<std::int16_t>(col), static_cast<std::int16_t>(row)};
  if (was == thing_ || !thingShown_) return;
  accessibility::cellChanged(this, CellToIndex(was.col, was.row));
  accessibility::cellChanged(this, CellToIndex(col, row));
}

void BoardSurface::setThingShown(bool shown) {
  if (shown == thingShown_) return;
  thingShown_ = shown;
  accessibility::cellChanged(this, CellToIndex(thing_.col, thing_.row));
}

char BoardSurface::code(int index) const {
  return index >= 0 && index < kCells ? codes_[static_cast<std::size_t>(index)] : '\0';
}

Cell BoardSurface::thingCell() const { return thingShown_ ? thing_ : Cell{}; }

void BoardSurface::moveCursorTo(int index) {
  if (index < 0 || index >= kCells) return;
  cursor_.placeAt(IndexToCell(index));
  cursorChanged();
}

void BoardSurface::takeHint(int index) {
  if (index < 0 || index >= kCells) return;
  cursor_.setCell(IndexToCell(index));
  if (cursor_.visible()) cursorChanged();
}

void BoardSurface::hideCursor() {
  if (!cursor_.visible()) return;
  cursor_.hide();
  update();
}

void BoardSurface::mouseClicked() {
  hideCursor();
  setFocus(Qt::MouseFocusReason);
}

QRect BoardSurface::cellRect(int col, int row) const { return tileRect(col, row, zoom_).translated(-pos()); }

void BoardSurface::keyPressEvent(QKeyEvent* event) {
  // With a modifier the key belongs to the menus' shortcuts.
  if (event->modifiers() & ~(Qt::KeypadModifier)) {
    QWidget::keyPressEvent(event);
    return;
  }
  const Cell thing = thingShown_ ? thing_ : cursor_.cell();
  switch (event->key()) {
    case Qt::Key_Left: cursor_.step(-1, 0, thing); break;
    case Qt::Key_Right: cursor_.step(1, 0, thing); break;
    case Qt::Key_Up: cursor_.step(0, -1, thing); break;
    case Qt::Key_Down: cursor_.step(0, 1, thing); break;
    case Qt::Key_Home: cursor_.placeAt(thing); break;
    case Qt::Key_End: cursor_.placeAt(kGoalCell); break;
    case Qt::Key_Space: release(Qt::LeftButton); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: release(Qt::RightButton); return;
    default: QWidget::keyPressEvent(event); return;
  }
  cursorChanged();
}

void BoardSurface::release(Qt::MouseButton button) {
  // A hidden cursor is first shown where it would act.
  if (!cursor_.visible()) {
    cursor_.step(0, 0, thingShown_ ? thing_ : cursor_.cell());
    cursorChanged();
    return;
  }
  if (thingShown_ && cursor_.cell() == thing_) {
    emit thingReleased(button);
  } else {
    emit tileReleased(cursor_.index(), button);
  }
}

void BoardSurface::cursorChanged() {
  update();
  if (hasFocus()) accessibility::cursorMoved(this, cursor_.index());
}

void BoardSurface::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // After the window system has heard of the board's own focus, so that
  // the reader lands on the cell.
  QTimer::singleShot(0, this, [this] {
    if (hasFocus() && cursor_.visible()) accessibility::cursorMoved(this, cursor_.index());
  });
}

void BoardSurface::paintEvent(QPaintEvent* /*event*/) {
  if (!cursor_.visible()) return;
  QPainter painter(this);
  drawCursorFrame(painter, cellRect(cursor_.cell().col, cursor_.cell().row), zoom_);
}

}  // namespace gorbix
