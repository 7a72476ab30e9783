#include "page_style.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QTextDocument>

#include "ui/help/tutorial_files.h"

namespace gorbix::tutorial {

QFont pageFont(int pixelSize, bool bold, bool italic) {
  QFont f;
  f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setItalic(italic);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

Page::Page(int number, const QString& title, const QString& footer)
    : image_(help::kPageWidth, help::kPageHeight, QImage::Format_RGB32) {
  image_.fill(kPaper);
  painter_.begin(&image_);
  painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);

  painter_.fillRect(0, 0, image_.width(), 36, kHeading);
  painter_.fillRect(0, 36, image_.width(), 2, QColor(0, 183, 0));
  painter_.setFont(pageFont(18, true));
  painter_.setPen(Qt::white);
  painter_.drawText(QRect(kMargin, 0, image_.width() - 2 * kMargin, 36), Qt::AlignVCenter | Qt::AlignLeft, title);
  painter_.setFont(pageFont(kSmallPixelSize, true));
  painter_.setPen(QColor(200, 255, 200));
  painter_.drawText(QRect(kMargin, 0, image_.width() - 2 * kMargin, 36), Qt::AlignVCenter | Qt::AlignRight,
                    QStringLiteral("Page %1 of %2").arg(number).arg(help::kPageCount));

  painter_.setPen(QColor(200, 210, 200));
  painter_.drawLine(kMargin, kFooterTop, image_.width() - kMargin, kFooterTop);
  painter_.setFont(pageFont(kSmallPixelSize, false, true));
  painter_.setPen(kMuted);
  painter_.drawText(QRect(kMargin, kFooterTop + 2, image_.width() - 2 * kMargin, image_.height() - kFooterTop - 3),
                    Qt::AlignVCenter | Qt::AlignRight, footer);
  painter_.drawText(QRect(kMargin, kFooterTop + 2, image_.width() - 2 * kMargin, image_.height() - kFooterTop - 3),
                    Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Gorbix Tutorial"));
}

int Page::text(int x, int y, int w, const QString& html, int pixelSize) {
  QTextDocument doc;
  doc.setDefaultFont(pageFont(pixelSize));
  doc.setDocumentMargin(0);
  doc.setIndentWidth(14);
  doc.setDefaultStyleSheet(QStringLiteral("p { margin-top: 0px; margin-bottom: 5px; } "
                                          "b { color: #006e00; } "
                                          "li { margin-bottom: 3px; } "
                                          "ul { margin-left: 0px; }"));
  doc.setHtml(QStringLiteral("<div style=\"color:#202020\">%1</div>").arg(html));
  doc.setTextWidth(w);
  painter_.save();
  painter_.translate(x, y);
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette.setColor(QPalette::Text, kInk);
  doc.documentLayout()->draw(&painter_, context);
  painter_.restore();
  return y + static_cast<int>(doc.size().height());
}

int Page::label(int x, int y, const QString& s, int pixelSize, bool bold, const QColor& colour) {
  const QFont f = pageFont(pixelSize, bold);
  painter_.setFont(f);
  painter_.setPen(colour);
  const QFontMetrics fm(f);
  painter_.drawText(x, y + fm.ascent(), s);
  return fm.horizontalAdvance(s);
}

void Page::centredLabel(int cx, int y, const QString& s, int pixelSize, bool bold, const QColor& colour) {
  const QFontMetrics fm(pageFont(pixelSize, bold));
  label(cx - fm.horizontalAdvance(s) / 2, y, s, pixelSize, bold, colour);
}

QImage Page::finish() {
  painter_.end();
  return image_;
}

}  // namespace gorbix::tutorial
