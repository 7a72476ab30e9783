// How a hint looks on the main window: a frame round the tile to click with
// an arrow or a "send here" marker on it, and a few lines of text above the
// board. Both stay hidden, and so draw nothing, until a hint is shown.
#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

#include "ui/windows/main_layout.h"

class QLabel;

namespace gorbix {

// Which way the tiles will slide, or a send.
enum class HintMark { SlideUp, SlideDown, SlideLeft, SlideRight, Send };

// Light enough to stand out on green, red and blue tiles, with a dark edge
// that keeps it apart from the pale parts of the track.
inline QColor hintLight() { return {255, 224, 32}; }
inline QColor hintDark() { return {24, 24, 24}; }

// The frame and the arrow or marker on one tile. Clicks go through it to
// the tiles and the Thing below.
class HintTileMark : public QWidget {
  Q_OBJECT

 public:
  explicit HintTileMark(QWidget* parent);
  // Covers `tile` and a little round it; `scale` is the window's zoom.
  void place(const QRect& tile, HintMark mark, qreal scale);
  HintMark mark() const { return mark_; }
  // The tile's rectangle in this widget's own coordinates.
  QRect tileArea() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  HintMark mark_ = HintMark::Send;
  qreal scale_ = 1.0;
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
