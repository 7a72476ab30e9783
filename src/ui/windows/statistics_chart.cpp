#include "ui/windows/statistics_chart.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "ui/windows/window_look.h"

namespace gorbix {

namespace {

// How many of a level's latest boards the description reads out.
constexpr std::size_t kSpokenPlays = 10;

// The scale's top: the first of 1, 2, 2.5 and 5 times a power of ten that
// takes the value in at most five steps.
int scaleTop(double value) {
  const double least = std::max(value, 10.0) / 5;
  double power = std::pow(10.0, std::floor(std::log10(least)));
  for (;;) {
    for (const double step : {1.0, 2.0, 2.5, 5.0}) {
      if (step * power >= least) return static_cast<int>(std::lround(step * power * 5));
    }
    power *= 10;
  }
}

QString number(std::optional<double> value) { return value ? QString::number(std::lround(*value)) : QString(); }

}  // namespace

struct StatisticsChart::Palette {
  QColor best;
  QColor mean;
  QColor line;  // the best line, as a mark and as a series
  QColor grid{220, 220, 220};
};

StatisticsChart::StatisticsChart(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(StatisticsChart::tr("Chart"));
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  describe();
}

QString StatisticsChart::emptyText() {
  return StatisticsChart::tr(
      "No levels played yet. Each level you finish or leave will appear here: your scores level by level, "
      "against the best line of each board.");
}

QString describeLevel(const LevelStatistics& level) {
  if (level.finished == 0) return StatisticsChart::tr("Level %1: none finished").arg(level.level);
  const auto line = level.meanBestLine();
  return StatisticsChart::tr("Level %1: best %2, mean %3, best line %4")
      .arg(level.level)
      .arg(level.bestScore().value_or(0))
      .arg(number(level.meanScore()))
      .arg(line ? number(line) : StatisticsChart::tr("not known"));
}

void StatisticsChart::show(const RecordStatistics& statistics, int level) {
  statistics_ = statistics;
  level_ = level;
  reading_ = false;
  describe();
  update();
}

void StatisticsChart::showReading() {
  statistics_ = RecordStatistics();
  reading_ = true;
  describe();
  update();
}

void StatisticsChart::setLook(const Zoom& zoom, bool colourSafe) {
  zoom_ = zoom;
  colourSafe_ = colourSafe;
  setFont(look::dialogFont(8.25 * zoom.factor(), false));
  update();
}

void StatisticsChart::describe() {
  if (reading_) {
    description_ = StatisticsChart::tr("Reading the record…");
  } else if (statistics_.empty()) {
    description_ = emptyText();
  } else {
    QStringList sentences;
    for (const LevelStatistics* level : statistics_.levels()) sentences << describeLevel(*level);
    if (level_ >= 1 && level_ <= kLevelCount && !statistics_.level(level_).latest.empty()) {
      const auto& latest = statistics_.level(level_).latest;
      const std::size_t from = latest.size() - std::min(latest.size(), kSpokenPlays);
      QStringList scores;
      QStringList lines;
      for (std::size_t i = from; i < latest.size(); ++i) {
        scores << QString::number(latest[i].score);
        lines << (latest[i].bestLine ? QString::number(*latest[i].bestLine) : StatisticsChart::tr("not known"));
      }
      sentences << StatisticsChart::tr("Level %1, boards in order of play (%2): scores %3; best lines %4")
                       .arg(level_)
                       .arg(scores.size())
                       .arg(scores.join(QStringLiteral(", ")), lines.join(QStringLiteral(", ")));
    }
    description_ = sentences.join(QStringLiteral(". ")) + QLatin1Char('.');
  }
  setAccessibleDescription(description_);
}

StatisticsChart::Palette StatisticsChart::palette() const {
  // Colour-safe: blue, orange and black, which every kind of colour
  // blindness tells apart; the series also differ in fill, line and mark.
  if (colourSafe_) return {QColor(0, 114, 178), QColor(230, 159, 0), QColor(0, 0, 0)};
  return {QColor(0, 0, 192), QColor(0, 128, 0), QColor(192, 0, 0)};
}

namespace {

struct Painter {
  QPainter& p;
  qreal z;  // the zoom factor: every length is designed at 100 %
  const QFontMetricsF metrics;

  qreal at(qreal designed) const { return designed * z; }

  QBrush hatched(const QColor& colour) const {
    QBrush brush(colour, Qt::BDiagPattern);
    // The pattern's lines grow with the zoom, so it reads the same at every size.
    brush.setTransform(QTransform::fromScale(z, z));
    return brush;
  }

  void diamond(QPointF centre, qreal r, const QColor& colour) {
    QPainterPath path;
    path.moveTo(centre + QPointF(0, -r));
    path.lineTo(centre + QPointF(r, 0));
    path.lineTo(centre + QPointF(0, r));
    path.lineTo(centre + QPointF(-r, 0));
    path.closeSubpath();
    p.fillPath(path, colour);
  }

  // The plot area inside `area`, after its title, the score axis on the
  // left and the tick labels and axis name below; the scale drawn.
  QRectF axes(const QRectF& area, const QString& title, const QString& xName, int top) {
    const qreal line = metrics.height();
    const qreal left = area.left() + line + metrics.horizontalAdvance(QStringLiteral("00000")) + at(4);
    const QRectF plot(QPointF(left, area.top() + line * 1.4), QPointF(area.right() - at(6), area.bottom() - line * 2.2));
    p.setPen(QPalette().color(QPalette::WindowText));
    QFont bold = p.font();
    bold.setBold(true);
    p.save();
    p.setFont(bold);
    p.drawText(QRectF(plot.left(), area.top(), plot.width(), line * 1.2), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.restore();
    p.drawText(QRectF(plot.left(), plot.bottom() + line, plot.width(), line * 1.2), Qt::AlignHCenter | Qt::AlignVCenter,
               xName);
    p.save();
    p.translate(area.left(), plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line), Qt::AlignCenter, StatisticsChart::tr("Score"));
    p.restore();
    for (int step = 0; step <= 5; ++step) {
      const int value = top * step / 5;
      const qreal y = plot.bottom() - plot.height() * step / 5;
      p.setPen(QPen(QColor(220, 220, 220), at(1)));
      if (step > 0) p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
      p.setPen(QPalette().color(QPalette::WindowText));
      p.drawText(QRectF(plot.left() - line * 4, y - line / 2, line * 4 - at(4), line), Qt::AlignRight | Qt::AlignVCenter,
                 QString::number(value));
    }
    p.setPen(QPen(QPalette().color(QPalette::WindowText), at(1)));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    return plot;
  }

  void tick(qreal x, qreal bottom, const QString& label) {
    const qreal line = metrics.height();
    p.drawLine(QPointF(x, bottom), QPointF(x, bottom + at(3)));
    p.drawText(QRectF(x - line * 2, bottom + at(3), line * 4, line), Qt::AlignHCenter | Qt::AlignTop, label);
  }
};

}  // namespace

void StatisticsChart::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(font());
  Painter d{p, zoom_.factor(), QFontMetricsF(font())};
  const Palette colours = palette();
  const QColor text = QPalette().color(QPalette::WindowText);
  const QRectF whole = QRectF(rect()).adjusted(d.at(6), d.at(4), -d.at(6), -d.at(4));

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
  }
  if (reading_ || statistics_.empty()) {
    p.setPen(text);
    p.drawText(whole.adjusted(d.at(20), 0, -d.at(20), 0), Qt::AlignCenter | Qt::TextWordWrap, description_);
    return;
  }

  // The legend: each series with its fill, line or mark.
  const qreal line = d.metrics.height();
  const qreal swatch = d.at(14);
  qreal x = whole.left();
  const qreal legendY = whole.top() + line / 2;
  const auto label = [&](const QString& name) {
    x += swatch + d.at(4);
    p.setPen(text);
    p.drawText(QPointF(x, legendY + d.metrics.ascent() / 2 - d.at(1)), name);
    x += d.metrics.horizontalAdvance(name) + d.at(14);
  };
  const QRectF box(0, legendY - swatch / 2 + d.at(2), swatch, swatch - d.at(4));
  p.fillRect(box.translated(x, 0), colours.best);
  label(StatisticsChart::tr("Best score"));
  p.setPen(QPen(colours.mean, d.at(1)));
  p.setBrush(d.hatched(colours.mean));
  p.drawRect(box.translated(x, 0));
  p.setBrush(Qt::NoBrush);
  label(StatisticsChart::tr("Mean score"));
  d.diamond(QPointF(x + swatch / 2, legendY + d.at(1)), d.at(5), colours.line);
  label(StatisticsChart::tr("Mean best line"));
  p.setPen(QPen(colours.best, d.at(2)));
  p.drawLine(QPointF(x, legendY + d.at(1)), QPointF(x + swatch, legendY + d.at(1)));
  p.setBrush(colours.best);
  p.drawEllipse(QPointF(x + swatch / 2, legendY + d.at(1)), d.at(3), d.at(3));
  label(StatisticsChart::tr("Score"));
  p.setPen(QPen(colours.line, d.at(1.5), Qt::DashLine));
  p.drawLine(QPointF(x, legendY + d.at(1)), QPointF(x + swatch, legendY + d.at(1)));
  p.fillRect(QRectF(x + swatch / 2 - d.at(2.5), legendY + d.at(1) - d.at(2.5), d.at(5), d.at(5)), colours.line);
  label(StatisticsChart::tr("Best line"));
  p.setBrush(Qt::NoBrush);

  const qreal top = whole.top() + line * 1.6;
  const qreal split = top + (whole.bottom() - top) * 0.55;
  const std::vector<const LevelStatistics*> played = statistics_.levels();

  // Every level: best and mean score, and the mean best line of the same boards.
  double highest = 0;
  for (const LevelStatistics* level : played) {
    highest = std::max({highest, double(level->bestScore().value_or(0)), level->meanBestLine().value_or(0)});
  }
  const int levelsTop = scaleTop(highest);
  const QRectF bars = d.axes(QRectF(whole.left(), top, whole.width(), split - top), StatisticsChart::tr("Every level"),
                             StatisticsChart::tr("Level"), levelsTop);
  const qreal slot = bars.width() / kLevelCount;
  const bool everyLabel = d.metrics.horizontalAdvance(QStringLiteral("25")) + d.at(4) < slot;
  const auto height = [&](double value, int scale, const QRectF& plot) { return plot.height() * value / scale; };
  for (int n = 1; n <= kLevelCount; ++n) {
    const qreal left = bars.left() + slot * (n - 1);
    if (n == level_) p.fillRect(QRectF(left, bars.top(), slot, bars.height()), QColor(235, 235, 235));
    p.setPen(QPen(text, d.at(1)));
    if (everyLabel || n == 1 || n % 5 == 0) d.tick(left + slot / 2, bars.bottom(), QString::number(n));
  }
  for (const LevelStatistics* level : played) {
    const qreal left = bars.left() + slot * (level->level - 1) + slot * 0.12;
    const qreal width = slot * 0.38;
    if (const auto best = level->bestScore()) {
      const qreal h = height(*best, levelsTop, bars);
      p.fillRect(QRectF(left, bars.bottom() - h, width, h), colours.best);
    }
    if (const auto mean = level->meanScore()) {
      const qreal h = height(*mean, levelsTop, bars);
      p.setPen(QPen(colours.mean, d.at(1)));
      p.setBrush(d.hatched(colours.mean));
      p.drawRect(QRectF(left + width, bars.bottom() - h, width, h));
      p.setBrush(Qt::NoBrush);
    }
    if (const auto mark = level->meanBestLine()) {
      const qreal y = bars.bottom() - height(*mark, levelsTop, bars);
      p.setPen(QPen(colours.line, d.at(2)));
      p.drawLine(QPointF(left - slot * 0.06, y), QPointF(left + 2 * width + slot * 0.06, y));
      d.diamond(QPointF(left + width, y), d.at(4), colours.line);
    }
  }

  // One level, board by board.
  const QRectF lower(whole.left(), split + line * 0.4, whole.width(), whole.bottom() - split - line * 0.4);
  const bool chosen = level_ >= 1 && level_ <= kLevelCount;
  const std::deque<FinishedPlay> none;
  const std::deque<FinishedPlay>& plays = chosen ? statistics_.level(level_).latest : none;
  double most = 0;
  for (const FinishedPlay& play : plays) most = std::max({most, double(play.score), double(play.bestLine.value_or(0))});
  const QString title = !chosen        ? StatisticsChart::tr("Choose a level in the table to see its boards")
                        : plays.empty() ? StatisticsChart::tr("Level %1: no board finished yet").arg(level_)
                                        : StatisticsChart::tr("Level %1, boards finished in order of play").arg(level_);
  const int playsTop = scaleTop(most);
  const QRectF graph = d.axes(lower, title, StatisticsChart::tr("Board"), playsTop);
  if (plays.empty()) return;
  const qreal step = graph.width() / static_cast<qreal>(plays.size());
  const auto point = [&](std::size_t i, double value) {
    return QPointF(graph.left() + step * (static_cast<qreal>(i) + 0.5), graph.bottom() - height(value, playsTop, graph));
  };
  const bool marks = step >= d.at(6);
  p.setPen(QPen(text, d.at(1)));
  const std::size_t every = std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(line * 2.5 / step)));
  for (std::size_t i = 0; i < plays.size(); i += every) d.tick(point(i, 0).x(), graph.bottom(), QString::number(i + 1));
  // The best lines: dashed, broken where a board's line is not known.
  p.setPen(QPen(colours.line, d.at(1.5), Qt::DashLine));
  for (std::size_t i = 0; i < plays.size(); ++i) {
    if (!plays[i].bestLine) continue;
    const QPointF here = point(i, *plays[i].bestLine);
    if (i > 0 && plays[i - 1].bestLine) p.drawLine(point(i - 1, *plays[i - 1].bestLine), here);
    if (marks) p.fillRect(QRectF(here.x() - d.at(2.5), here.y() - d.at(2.5), d.at(5), d.at(5)), colours.line);
  }
  p.setPen(QPen(colours.best, d.at(2)));
  p.setBrush(colours.best);
  QPolygonF scores;
  for (std::size_t i = 0; i < plays.size(); ++i) scores << point(i, plays[i].score);
  p.drawPolyline(scores);
  if (marks || plays.size() == 1) {
    for (const QPointF& at : scores) p.drawEllipse(at, d.at(3), d.at(3));
  }
}

}  // namespace gorbix
