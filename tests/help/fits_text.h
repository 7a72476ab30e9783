// Whether a fixed-size label or button shows its whole text.
#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace gorbix::help::testing {

inline QString shownText(QString text) { return text.remove(QLatin1Char('&')); }

inline bool fitsText(const QLabel& label) {
  const QFontMetrics fm(label.font());
  const QRect area = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
  const QRect needed = fm.boundingRect(area, static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0),
                                       shownText(label.text()));
  return needed.width() <= area.width() && needed.height() <= area.height();
}

inline bool fitsText(const QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  const QRect area = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
  const QFontMetrics fm(button.font());
  const QString text = shownText(button.text());
  return fm.horizontalAdvance(text) <= area.width() && fm.height() <= area.height();
}

}  // namespace gorbix::help::testing
