#include "ui/windows/hint_marks.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

#include "ui/windows/window_look.h"

namespace gorbix {

namespace {

// Above the board, over the title picture: the widest free part of the window.
constexpr QRect kHintTextRect{5, 6, 360, 78};

int margin(const QRect& tile) { return art::hintEdgeWidth(std::min(tile.width(), tile.height())); }

}  // namespace

HintTileMark::HintTileMark(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
}

void HintTileMark::place(const QRect& tile, HintMark mark) {
  mark_ = mark;
  const int m = margin(tile);
  setGeometry(tile.adjusted(-m, -m, m, m));
  tile_ = QRect(QPoint(m, m), tile.size());
  update();
}

void HintTileMark::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  art::drawHintMark(painter, tile_, mark_);
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
  tileMark_->place(tileRect(col, row, zoom), mark);
  text_->setFont(look::fixedFont(true, zoom.factor()));
  text_->setText(lines.join(QLatin1Char('\n')));
  // A longer translation widens the panel to the right, over the rest of
  // the title, as far as the window goes.
  QRect panel = zoom.at(kHintTextRect);
  const int needed = text_->fontMetrics().boundingRect(QRect(), Qt::AlignCenter, text_->text()).width() +
                     2 * (text_->frameWidth() + text_->margin());
  const int widest = text_->parentWidget()->width() - 2 * panel.left();
  if (needed > panel.width()) panel.setWidth(std::min(needed, widest));
  text_->setGeometry(panel);
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
