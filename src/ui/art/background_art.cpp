// The main window's background picture.
#include "ui/art/background_art.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/art/tile_art.h"

namespace gorbix::art {

namespace {

constexpr int kPanelLeft = 371;
constexpr int kPanelRight = 553;  // last pixel
constexpr int kCaptionHeight = 18;
constexpr int kPanelPad = 6;

QFont sansFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies({"Liberation Sans", "Arial", "DejaVu Sans"});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QFont titleFont() {
  QFont font;
  font.setFamilies({"Liberation Serif", "Times New Roman", "DejaVu Serif"});
  font.setPixelSize(50);
  font.setBold(true);
  font.setItalic(true);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void drawBackdrop(QPainter& p) {
  QLinearGradient sky(0, 0, 0, kBackgroundHeight);
  sky.setColorAt(0.0, QColor(22, 62, 86));
  sky.setColorAt(1.0, QColor(8, 26, 40));
  p.fillRect(QRect(0, 0, kBackgroundWidth, kBackgroundHeight), sky);
  // A faint lattice of diamonds, echoing the Thing, keeps the field from
  // looking flat without competing with the board.
  p.setPen(QPen(QColor(255, 255, 255, 10), 1));
  for (int x = -kBackgroundHeight; x < kBackgroundWidth; x += 24) {
    p.drawLine(x, 0, x + kBackgroundHeight, kBackgroundHeight);
    p.drawLine(x + kBackgroundHeight, 0, x, kBackgroundHeight);
  }
}

// A sunken well around the board, so the tiles sit in the picture.
void drawBoardWell(QPainter& p) {
  const QRect well = kBoardArea.adjusted(-3, -3, 3, 3);
  p.fillRect(well, QColor(4, 14, 22));
  p.setPen(QColor(2, 8, 14));
  p.drawLine(well.topLeft(), well.topRight());
  p.drawLine(well.topLeft(), well.bottomLeft());
  p.setPen(QColor(70, 120, 150));
  p.drawLine(well.bottomLeft(), well.bottomRight());
  p.drawLine(well.topRight(), well.bottomRight());
  p.fillRect(kBoardArea, QColor(6, 20, 30));
}

// scale: device pixels per designed pixel, for the pixel-drawn Things.
void drawTitle(QPainter& p, qreal scale) {
  const QRect area(kBoardArea.left(), 0, kBoardArea.width(), kBoardArea.top() - 3);
  const QString title = QStringLiteral("Gorbix!");
  const QFont font = titleFont();
  const QFontMetrics metrics(font);
  const int textWidth = metrics.horizontalAdvance(title);
  const int baseline = area.center().y() + (metrics.ascent() - metrics.descent()) / 2;
  const int textLeft = area.center().x() - textWidth / 2;

  QPainterPath path;
  path.addText(textLeft, baseline, font, title);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.fillPath(path.translated(3, 3), QColor(0, 0, 0, 140));
  QLinearGradient gold(0, baseline - metrics.ascent(), 0, baseline);
  gold.setColorAt(0.0, QColor(255, 246, 190));
  gold.setColorAt(0.55, QColor(255, 204, 64));
  gold.setColorAt(1.0, QColor(214, 140, 20));
  p.fillPath(path, gold);
  p.strokePath(path, QPen(QColor(90, 50, 0), 1.2));
  p.setRenderHint(QPainter::Antialiasing, false);

  // The Thing at twice its size on either side of the title, pixel-doubled,
  // and drawn anew, pixel for pixel, for the painter's scale.
  QImage thing = drawThing(QSize(2 * kThingSize, 2 * kThingSize), scale);
  thing.setDevicePixelRatio(scale);
  const int thingTop = area.center().y() - kThingSize + 1;
  const int gap = 22;
  p.drawImage(textLeft - gap - 2 * kThingSize, thingTop, thing);
  p.drawImage(textLeft + textWidth + gap, thingTop, thing);
}

void drawPanel(QPainter& p, const Caption& caption) {
  const QRect panel(QPoint(kPanelLeft, caption.control.top() - kCaptionHeight - kPanelPad),
                    QPoint(kPanelRight, caption.control.bottom() + kPanelPad));
  p.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient shade(0, panel.top(), 0, panel.bottom());
  shade.setColorAt(0.0, QColor(60, 110, 140, 150));
  shade.setColorAt(1.0, QColor(20, 50, 70, 150));
  p.setPen(QPen(QColor(140, 200, 225, 170), 1));
  p.setBrush(shade);
  p.drawRoundedRect(QRectF(panel).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
  // A dark rim around the value, as if the label were set into the panel.
  p.setPen(QPen(QColor(4, 18, 28, 200), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(caption.control).adjusted(-1.5, -1.5, 0.5, 0.5));

  p.setFont(captionFont());
  const QRect textArea(caption.control.left(), caption.control.top() - kCaptionHeight - 2, caption.control.width(),
                       kCaptionHeight);
  p.setPen(QColor(0, 0, 0, 150));
  p.drawText(textArea.translated(1, 1), Qt::AlignCenter, caption.text);
  p.setPen(QColor(225, 245, 255));
  p.drawText(textArea, Qt::AlignCenter, caption.text);
  p.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace

QFont captionFont() { return sansFont(13, true); }

std::array<Caption, 4> backgroundCaptions() {
  return {{
      //: Caption above the box with the level in play.
      {QCoreApplication::translate("Captions", "Level"), QRect(385, 38, 156, 15)},
      //: Caption above the box with the running score.
      {QCoreApplication::translate("Captions", "Score"), QRect(385, 91, 156, 15)},
      {QCoreApplication::translate("Captions", "Best Scores"), QRect(385, 150, 155, 145)},
      {QCoreApplication::translate("Captions", "Overall Rating"), QRect(378, 336, 170, 15)},
  }};
}

QImage drawBackground(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  const qreal scale = static_cast<qreal>(size.width()) / kBackgroundWidth;
  p.scale(scale, static_cast<qreal>(size.height()) / kBackgroundHeight);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  drawBackdrop(p);
  drawBoardWell(p);
  drawTitle(p, scale);
  for (const Caption& caption : backgroundCaptions()) drawPanel(p, caption);
  p.end();
  return image;
}

QImage zoomedBackground(const QImage& picture, QSize size) {
  const QImage own = drawBackground();
  if (picture.convertToFormat(own.format()) == own) return drawBackground(size);
  return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace gorbix::art
