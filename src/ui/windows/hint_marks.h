// How a hint looks on the main window: the mark on the tile to click (see
// ui/art/hint_art.h), and a few lines of text above the board. Both stay
// hidden, and so draw nothing, until a hint is shown.
#pragma once

#include <QStringList>
#include <QWidget>

#include "ui/art/hint_art.h"
#include "ui/windows/main_layout.h"

class QLabel;

namespace gorbix {

using art::HintMark;

// The mark on one tile. Clicks go through it to the tiles and the Thing below.
class HintTileMark : public QWidget {
  Q_OBJECT

 public:
  explicit HintTileMark(QWidget* parent);
  // Covers `tile` and the mark's edge round it.
  void place(const QRect& tile, HintMark mark);
  HintMark mark() const { return mark_; }
  // The tile's rectangle in this widget's own coordinates.
  QRect tileArea() const { return tile_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  HintMark mark_ = HintMark::Send;
  QRect tile_;
};

class HintMarks {
 public:
  // client: the window's client area, above whose tiles the marks lie.
  explicit HintMarks(QWidget* client);

  void show(int col, int row, HintMark mark, const QStringList& lines, const Zoom& zoom);
  void hide();
  bool visible() const;

  const HintTileMark& tileMark() const { return *tileMark_; }
  const QLabel& text() const { return *text_; }

 private:
  HintTileMark* tileMark_;
  QLabel* text_;
};

}  // namespace gorbix
