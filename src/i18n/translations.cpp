#include "i18n/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <string>

#include "support/translatable.h"

namespace gorbix::i18n {

namespace {

QString gameFile(const QString& language) { return QStringLiteral(":/i18n/gorbix_%1.qm").arg(language); }

// Set on the UI thread before any window is made.
QString& installed() {
  static QString language;
  return language;
}

bool isEnglish(const QString& name) { return name == u"C" || name == u"en" || name.startsWith(u"en_"); }

// Installed for the rest of the run, owned by the application.
bool install(const QString& file, const QString& folder = {}) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(file, folder) && QCoreApplication::installTranslator(translator)) return true;
  delete translator;
  return false;
}

std::string translateCore(std::string_view context, std::string_view text) {
  return QCoreApplication::translate(std::string(context).c_str(), std::string(text).c_str()).toStdString();
}

}  // namespace

void translateCoreTexts() { SetTextTranslator(&translateCore); }

QString chooseLanguage(const QStringList& uiLanguages) {
  for (QString name : uiLanguages) {
    name.replace(u'-', u'_');
    // English is the language of the texts themselves: without this, a
    // player who puts English first and German second would get German.
    if (isEnglish(name)) return {};
    while (!name.isEmpty()) {
      if (QFile::exists(gameFile(name))) return name;
      name.truncate(qMax(0, name.lastIndexOf(u'_')));  // "de_AT", then "de"
    }
  }
  return {};
}

QString installTranslations(const QLocale& locale) {
  translateCoreTexts();
  const QString language = chooseLanguage(locale.uiLanguages());
  if (language.isEmpty() || !install(gameFile(language))) return {};
  // Without it the game is still whole, only "Yes" and "No" stay English.
  install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  installed() = language;
  return language;
}

QString installedLanguage() { return installed(); }

}  // namespace gorbix::i18n
