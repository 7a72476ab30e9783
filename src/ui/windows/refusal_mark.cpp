#include "ui/windows/refusal_mark.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/art/hint_art.h"
#include "ui/art/tile_art.h"

namespace gorbix {

RefusalMark::RefusalMark(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  timer_.setSingleShot(true);
  timer_.setInterval(kShownMs);
  connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
  hide();
}

void RefusalMark::flash(const QRect& tile) {
  setGeometry(tile);
  raise();
  show();
  update();
  timer_.start();
}

void RefusalMark::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(width() / static_cast<double>(art::kTileSize), height() / static_cast<double>(art::kTileSize));
  // The hint's two colours, so it shows on every face, but a shape of its own.
  QPainterPath cross;
  cross.moveTo(10, 10);
  cross.lineTo(35, 35);
  cross.moveTo(35, 10);
  cross.lineTo(10, 35);
  painter.strokePath(cross, QPen(art::kHintDark, 9, Qt::SolidLine, Qt::RoundCap));
  painter.strokePath(cross, QPen(art::kHintLight, 5, Qt::SolidLine, Qt::RoundCap));
}

}  // namespace gorbix
