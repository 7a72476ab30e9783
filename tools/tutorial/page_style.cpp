#include "page_style.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QTextDocument>
#include <cmath>

#include "ui/help/tutorial_files.h"

namespace gorbix::tutorial {

namespace {

// The page's body: under the heading band, above the footer's rule.
QRect bodyBox(int pageWidth) { return QRect(kMargin, 38, pageWidth - 2 * kMargin, kFooterTop - 38); }

}  // namespace

QFont pageFont(int pixelSize, bool bold, bool italic, int smaller) {
  QFont f;
  f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  f.setPixelSize(pixelSize - smaller);
  f.setBold(bold);
  f.setItalic(italic);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

Page::Page(int number, const QString& title, const QString& footer, int smaller)
    : image_(help::kPageWidth, help::kPageHeight, QImage::Format_RGB32), smaller_(smaller) {
  image_.fill(kPaper);
  painter_.begin(&image_);
  painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);

  painter_.fillRect(0, 0, image_.width(), 36, kHeading);
  painter_.fillRect(0, 36, image_.width(), 2, QColor(0, 183, 0));
  const QRect heading(kMargin, 0, image_.width() - 2 * kMargin, 36);
  painter_.setFont(font(18, true));
  painter_.setPen(Qt::white);
  bandText(heading, Qt::AlignLeft, title);
  painter_.setFont(font(kSmallPixelSize, true));
  painter_.setPen(QColor(200, 255, 200));
  bandText(heading, Qt::AlignRight,
           QCoreApplication::translate("Tutorial", "Page %1 of %2").arg(number).arg(help::kPageCount));

  painter_.setPen(QColor(200, 210, 200));
  painter_.drawLine(kMargin, kFooterTop, image_.width() - kMargin, kFooterTop);
  painter_.setFont(font(kSmallPixelSize, false, true));
  painter_.setPen(kMuted);
  const QRect foot(kMargin, kFooterTop + 2, image_.width() - 2 * kMargin, image_.height() - kFooterTop - 3);
  bandText(foot, Qt::AlignRight, footer);
  bandText(foot, Qt::AlignLeft, QCoreApplication::translate("Tutorial", "Gorbix Tutorial"));
}

void Page::bandText(const QRect& band, int align, const QString& s) {
  QRect used;
  painter_.drawText(band, Qt::AlignVCenter | align, s, &used);
  place(used, band, s);
}

int Page::text(int x, int y, int w, const QString& html, int pixelSize, int bottom) {
  QTextDocument doc;
  doc.setDefaultFont(font(pixelSize));
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
  const int height = static_cast<int>(doc.size().height());
  // A word longer than the line sticks out to the right.
  place(QRect(x, y, static_cast<int>(std::ceil(doc.idealWidth())), height), QRect(x, y, w, bottom - y),
        doc.toPlainText());
  return y + height;
}

int Page::label(int x, int y, const QString& s, int pixelSize, bool bold, const QColor& colour, int right) {
  const QFont f = font(pixelSize, bold);
  painter_.setFont(f);
  painter_.setPen(colour);
  const QFontMetrics fm(f);
  painter_.drawText(x, y + fm.ascent(), s);
  const int advance = fm.horizontalAdvance(s);
  QRect box = bodyBox(image_.width());
  if (right > 0) box.setRight(right);
  place(QRect(x, y, advance, fm.ascent() + fm.descent()), box, s);
  return advance;
}

void Page::centredLabel(int cx, int y, const QString& s, int pixelSize, bool bold, const QColor& colour) {
  const QFontMetrics fm(font(pixelSize, bold));
  label(cx - fm.horizontalAdvance(s) / 2, y, s, pixelSize, bold, colour);
}

void Page::claim(const QRect& area, const QString& s) { place(area, bodyBox(image_.width()), s); }

void Page::place(const QRect& used, const QRect& box, const QString& s) {
  const QString shown = s.simplified().left(40);
  if (!box.contains(used)) overflows_ << QStringLiteral("\"%1\" runs out of its box").arg(shown);
  for (const auto& [other, text] : placed_) {
    if (other.intersects(used)) overflows_ << QStringLiteral("\"%1\" runs into \"%2\"").arg(shown, text);
  }
  placed_.emplace_back(used, shown);
}

QImage Page::finish() {
  painter_.end();
  return image_;
}

QStringList Page::overflows() const { return overflows_; }

}  // namespace gorbix::tutorial
