// The player's language: the game's own translation and Qt's, chosen once at start.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace gorbix::i18n {

// The game's translation for a list of languages in the player's order of
// preference (QLocale::uiLanguages(): "de-DE", "de", ...): the language of
// the first one the game speaks ("de", "pt_BR"), or an empty text when
// English or the C locale comes first or none fits. A region the game has no
// translation for falls back to its language ("de_AT" gives "de").
QString chooseLanguage(const QStringList& uiLanguages);

// Makes the Qt-free code's texts (GORBIX_TR) go through the application's
// translators; installTranslations does it too.
void translateCoreTexts();

// Installs into the running application the game's translation for `locale`
// and Qt's own in the same language, which the buttons of standard message
// boxes use. Installs nothing for English. Call before any window is made.
// Returns the language installed, as chooseLanguage names it.
QString installTranslations(const QLocale& locale = QLocale());

// The language installTranslations installed last ("de"), empty for
// English: what pictures of words (the tutorial, the background) are picked by.
QString installedLanguage();

// The name of a file's own version in `language`, which the build writes
// beside the English one where the file shows text: the language before the
// extension ("BG_256.de.BMP"). In English (no language), `name`.
inline QString localName(const QString& name, const QString& language) {
  if (language.isEmpty()) return name;
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? name + u'.' + language : name.left(dot) + u'.' + language + name.mid(dot);
}
// The same in the installed language.
inline QString localName(const QString& name) { return localName(name, installedLanguage()); }

}  // namespace gorbix::i18n
