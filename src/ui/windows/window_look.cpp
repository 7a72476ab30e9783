#include "ui/windows/window_look.h"

#include <QFontDatabase>
#include <QLabel>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include "ui/windows/main_layout.h"

namespace gorbix::look {

QFont dialogFont(qreal pointSize, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

QFont fixedFont(bool bold, qreal scale) {
  QFont font;
  font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                    QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  font.setPointSizeF(9.75 * scale);
  font.setBold(bold);
  return font;
}

void setTextColor(QLabel& label, const QColor& colour) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
}

namespace {

QMargins frameOf(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

QMargins expectedFrame(const QWidget& window) {
  const QMargins own = frameOf(window);
  if (!own.isNull()) return own;
  const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
  return owner && owner->isVisible() ? frameOf(*owner) : QMargins();
}

}  // namespace

void centerOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  const QSize whole = window.size().grownBy(expectedFrame(window));
  // A window's position is its frame's corner.
  window.move(area.x() + (area.width() - whole.width()) / 2, area.y() + (area.height() - whole.height()) / 2);
}

void centerOnOwner(QWidget& window) {
  const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
  if (owner == nullptr || !owner->isVisible() || owner->screen() == nullptr) {
    centerOnScreen(window);
    return;
  }
  const QSize whole = window.size().grownBy(expectedFrame(window));
  const QPoint centre = owner->frameGeometry().center();
  const QPoint corner(centre.x() - (whole.width() - 1) / 2, centre.y() - (whole.height() - 1) / 2);
  window.move(keepOnScreen(corner, whole, owner->screen()->availableGeometry()));
}

}  // namespace gorbix::look
