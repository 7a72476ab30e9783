// The look every tutorial page shares: heading band, body text, footer.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

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

// The page font; `smaller` takes that many pixels off the size, for a
// language whose words need the room.
QFont pageFont(int pixelSize, bool bold = false, bool italic = false, int smaller = 0);

// A page being drawn: the heading and footer are painted on creation, the
// body by the page's own code through painter(). Every text keeps to a box
// (the body, unless the call names a tighter one) and clear of every other
// text; one that does not is named in overflows(), so a translation can
// never be cut off or drawn over unseen.
class Page {
 public:
  // In the heading, the page's number and the program's words are the
  // language installed.
  Page(int number, const QString& title, const QString& footer, int smaller = 0);
  QPainter& painter() { return painter_; }
  int width() const { return image_.width(); }
  QFont font(int pixelSize, bool bold = false, bool italic = false) const {
    return pageFont(pixelSize, bold, italic, smaller_);
  }

  // Rich text (a small HTML subset) set in the body font within width w,
  // top-left at (x, y), ending above `bottom`; returns the y just below it.
  int text(int x, int y, int w, const QString& html, int pixelSize = kBodyPixelSize, int bottom = kFooterTop - 2);
  // One line of plain text, ending left of `right` (0: the body's edge);
  // returns its advance.
  int label(int x, int y, const QString& s, int pixelSize = kSmallPixelSize, bool bold = false,
            const QColor& colour = kInk, int right = 0);
  // Centred on cx.
  void centredLabel(int cx, int y, const QString& s, int pixelSize = kSmallPixelSize, bool bold = false,
                    const QColor& colour = kInk);
  // A drawn frame that holds a text (a key cap): no other text may cross it.
  void claim(const QRect& area, const QString& s);

  QImage finish();
  // What ran out of its box or into another text; empty when all fits.
  QStringList overflows() const;

 private:
  // One line at one end of the heading band or the footer.
  void bandText(const QRect& band, int align, const QString& s);
  void place(const QRect& used, const QRect& box, const QString& s);

  QImage image_;
  QPainter painter_;
  int smaller_;
  std::vector<std::pair<QRect, QString>> placed_;
  QStringList overflows_;
};

}  // namespace gorbix::tutorial
