#include "ui/windows/hint_marks.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "ui/windows/window_look.h"

namespace gorbix {

namespace {

// Above the board, over the title picture: the widest free part of the window.
constexpr QRect kHintTextRect{5, 6, 360, 78};

// The light band at least 3 px wide at every zoom, with a dark edge each side.
int bandWidth(qreal scale) { return std::max(3, static_cast<int>(std::lround(4 * scale))); }
int edgeWidth(qreal scale) { return std::max(1, static_cast<int>(std::lround(scale))); }
int margin(qreal scale) { return edgeWidth(scale) + 1; }

qreal arrowAngle(HintMark mark) {
  switch (mark) {
    case HintMark::SlideRight: return 0;
    case HintMark::SlideDown: return 90;
    case HintMark::SlideLeft: return 180;
    case HintMark::SlideUp: return 270;
    case HintMark::Send: break;
  }
  return 0;
}

// An arrow pointing right, centred on the origin, for a tile `size` wide:
// a broad head on a narrow shaft, so its way shows at a glance.
QPolygonF rightArrow(qreal size) {
  const qreal half = 0.32 * size;
  const qreal shaft = 0.08 * size;
  const qreal head = 0.26 * size;
  const qreal neck = half - 0.28 * size;
  return QPolygonF({{-half, -shaft}, {neck, -shaft}, {neck, -head}, {half, 0}, {neck, head}, {neck, shaft}, {-half, shaft}});
}

}  // namespace

HintTileMark::HintTileMark(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
}

void HintTileMark::place(const QRect& tile, HintMark mark, qreal scale) {
  mark_ = mark;
  scale_ = scale;
  const int m = margin(scale);
  setGeometry(tile.adjusted(-m, -m, m, m));
  update();
}

QRect HintTileMark::tileArea() const {
  const int m = margin(scale_);
  return rect().adjusted(m, m, -m, -m);
}

void HintTileMark::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRect tile = tileArea();
  const int band = bandWidth(scale_);
  const int edge = edgeWidth(scale_);
  auto ring = [&](const QRect& outer, const QRect& inner, const QColor& colour) {
    QPainterPath path;
    path.addRect(outer);
    path.addRect(inner);
    painter.fillPath(path, colour);
  };
  // The band runs along the inside of the tile's edge; the dark edges
  // keep it apart from the tile and from its neighbours.
  ring(tile.adjusted(-edge, -edge, edge, edge), tile.adjusted(band + edge, band + edge, -band - edge, -band - edge),
       hintDark());
  ring(tile, tile.adjusted(band, band, -band, -band), hintLight());
  auto stroke = [&](const auto& draw, int width, const QColor& colour) {
    painter.setPen(QPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    draw();
  };

  painter.setRenderHint(QPainter::Antialiasing);
  const qreal size = tile.width();
  painter.translate(QRectF(tile).adjusted(0, 0, 1, 1).center());
  if (mark_ == HintMark::Send) {
    // A target: the Thing is sent to the tile, nothing moves.
    auto circle = [&] { painter.drawEllipse(QPointF(0, 0), 0.27 * size, 0.27 * size); };
    stroke(circle, band + 2 * edge, hintDark());
    stroke(circle, band, hintLight());
    painter.setPen(QPen(hintDark(), edge));
    painter.setBrush(hintLight());
    painter.drawEllipse(QPointF(0, 0), 0.09 * size, 0.09 * size);
    return;
  }
  painter.rotate(arrowAngle(mark_));
  painter.setPen(QPen(hintDark(), std::max(1.5, 1.5 * scale_), Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  painter.setBrush(hintLight());
  painter.drawPolygon(rightArrow(size));
}

HintMarks::HintMarks(QWidget* client) : tileMark_(new HintTileMark(client)), text_(new QLabel(client)) {
  text_->setAlignment(Qt::AlignCenter);
  text_->setAutoFillBackground(true);
  text_->setFrameStyle(QFrame::Box | QFrame::Plain);
  text_->setLineWidth(2);
  QPalette palette = text_->palette();
  palette.setColor(QPalette::Window, QColor(255, 250, 205));
  palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
  text_->setPalette(palette);
  text_->hide();
}

void HintMarks::show(int col, int row, HintMark mark, const QStringList& lines, const Zoom& zoom) {
  tileMark_->place(tileRect(col, row, zoom), mark, zoom.factor());
  text_->setGeometry(zoom.at(kHintTextRect));
  text_->setFont(look::fixedFont(true, zoom.factor()));
  text_->setText(lines.join(QLatin1Char('\n')));
  // Above the tiles and the Thing, whichever was made last.
  tileMark_->raise();
  text_->raise();
  tileMark_->show();
  text_->show();
}

void HintMarks::hide() {
  tileMark_->hide();
  text_->hide();
}

bool HintMarks::visible() const { return !tileMark_->isHidden(); }

}  // namespace gorbix
