// The look every tutorial page shares: heading band, body text, footer.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

namespace gorbix::tutorial {

inline constexpr int kMargin = 14;
inline constexpr int kBodyTop = 48;      // first line under the heading band
inline constexpr int kFooterTop = 334;   // the footer's rule
inline constexpr int kBodyPixelSize = 12;
inline constexpr int kSmallPixelSize = 11;

inline const QColor kInk{32, 32, 32};
inline const QColor kHeading{0, 96, 0};      // the tiles' dark-green outline
inline const QColor kAccent{0, 110, 0};
inline const QColor kPaper{251, 251, 245};
inline const QColor kMuted{96, 96, 96};
inline const QColor kRoute{255, 170, 0};
inline const QColor kHighlight{255, 214, 0};

QFont pageFont(int pixelSize, bool bold = false, bool italic = false);

// A page being drawn: the heading and footer are painted on creation, the
// body by the page's own code through painter().
class Page {
 public:
  Page(int number, const QString& title, const QString& footer);
  QPainter& painter() { return painter_; }
  int width() const { return image_.width(); }

  // Rich text (a small HTML subset) set in the body font within width w,
  // top-left at (x, y); returns the y just below it.
  int text(int x, int y, int w, const QString& html, int pixelSize = kBodyPixelSize);
  // One line of plain text; returns its advance.
  int label(int x, int y, const QString& s, int pixelSize = kSmallPixelSize, bool bold = false,
            const QColor& colour = kInk);
  // Centred on cx.
  void centredLabel(int cx, int y, const QString& s, int pixelSize = kSmallPixelSize, bool bold = false,
                    const QColor& colour = kInk);

  QImage finish();

 private:
  QImage image_;
  QPainter painter_;
};

}  // namespace gorbix::tutorial
