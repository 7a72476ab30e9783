// Where the tutorial's page pictures live and what they are called.
#pragma once

#include <QString>
#include <QStringList>

#include "i18n/translations.h"

namespace gorbix::help {

inline constexpr int kPageCount = 6;
// The designed picture area; a page of another size resizes only the frame.
inline constexpr int kPageWidth = 431;
inline constexpr int kPageHeight = 355;

// "Hlp1_256.bmp" ... "Hlp6_256.bmp"; in a language of its own the page
// adds that language's name: "Hlp1_256.de.bmp", "Hlp1_256.pt_BR.bmp".
inline QString pageFileName(int page, const QString& language = {}) {
  return i18n::localName(QStringLiteral("Hlp%1_256.bmp").arg(page), language);
}

// The folders searched for a page, in order: the current folder first, then
// the program's own folder, where the build puts the generated pages.
QStringList defaultPageFolders();

// The language the game speaks to the player, empty for English.
QString playerLanguage();

}  // namespace gorbix::help
