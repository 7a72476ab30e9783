// The font the help windows are designed for, with fallbacks of similar width.
#pragma once

#include <QFont>

namespace gorbix::help {

inline QFont dialogFont(qreal pointSize, bool bold) {
  QFont f;
  f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  f.setPointSizeF(pointSize);
  f.setBold(bold);
  return f;
}

}  // namespace gorbix::help
