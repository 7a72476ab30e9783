#include "ui/windows/text_room.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <vector>

namespace gorbix::look {

namespace {

// What a control draws of its text: an access letter's & is not drawn.
QString shown(QString text) {
  text.replace(QLatin1String("&&"), QChar(0x1));
  text.remove(QLatin1Char('&'));
  text.replace(QChar(0x1), QLatin1Char('&'));
  return text;
}

int labelMissing(const QLabel& label) {
  if (label.text().isEmpty() || label.textFormat() == Qt::RichText || !label.pixmap().isNull()) return 0;
  const QString text = label.buddy() ? shown(label.text()) : label.text();
  const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
  // Measured as the label draws it, which may stand a pixel wider than the advance.
  const auto needed = [&](int width) {
    const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return label.fontMetrics().boundingRect(QRect(0, 0, width, 100'000), flags, text);
  };
  if (!label.wordWrap()) return std::max(0, needed(room.width()).width() - room.width());
  // The least width at which the wrapped lines fit the height it has.
  for (int extra = 0; extra <= 2 * room.width(); ++extra) {
    const QRect wrapped = needed(room.width() + extra);
    if (wrapped.height() <= room.height() && wrapped.width() <= room.width() + extra) return extra;
  }
  return 0;
}

int buttonMissing(const QPushButton& button) {
  if (button.text().isEmpty()) return 0;
  QStyleOptionButton option;
  option.initFrom(&button);
  option.rect = button.rect();
  option.text = button.text();
  const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
  return std::max(0, button.fontMetrics().horizontalAdvance(shown(button.text())) - contents.width());
}

std::vector<QWidget*> placedControls(QWidget& window) {
  std::vector<QWidget*> controls;
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (!child->isWindow() && child->window() == &window && !child->objectName().startsWith(QLatin1String("qt_"))) {
      controls.push_back(child);
    }
  }
  return controls;
}

}  // namespace

int missingWidth(const QWidget& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) return labelMissing(*label);
  if (const auto* button = qobject_cast<const QPushButton*>(&control)) return buttonMissing(*button);
  return 0;
}

void makeRoom(QWidget& window) {
  if (window.layout() || window.minimumSize() != window.maximumSize()) return;
  const std::vector<QWidget*> controls = placedControls(window);
  // Rounding a stretched edge can leave a pixel short: measure again.
  for (int pass = 0; pass < 3; ++pass) {
    double factor = 1.0;
    for (const QWidget* control : controls) {
      if (const int missing = missingWidth(*control); missing > 0 && control->width() > 0) {
        factor = std::max(factor, static_cast<double>(control->width() + missing) / control->width());
      }
    }
    if (factor == 1.0) return;
    const auto stretched = [factor](int x) { return static_cast<int>(std::ceil(x * factor)); };
    for (QWidget* control : controls) {
      const QRect r = control->geometry();
      const int left = stretched(r.left());
      control->setGeometry(left, r.top(), stretched(r.left() + r.width()) - left, r.height());
    }
    window.setFixedSize(stretched(window.width()), window.height());
  }
}

}  // namespace gorbix::look
