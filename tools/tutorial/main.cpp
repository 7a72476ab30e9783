// Writes the tutorial's page pictures into the folder given on the command
// line: in English, or in the language named after it.
#include <QGuiApplication>
#include <QLocale>
#include <QStringList>
#include <cstdio>

#include "i18n/translations.h"
#include "tutorial_pages.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 2 && args.size() != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [LANGUAGE]\n", argv[0]);
    return 2;
  }
  const QString language = args.value(2);
  // One language a run: a text one translation lacks must fall back to
  // English, not to another language installed before it.
  if (!language.isEmpty() && gorbix::i18n::installTranslations(QLocale(language)) != language) {
    std::fprintf(stderr, "no translation for %s\n", qPrintable(language));
    return 1;
  }
  const QStringList failed = gorbix::tutorial::writeTutorialPages(args.at(1), language);
  for (const QString& f : failed) std::fprintf(stderr, "%s\n", qPrintable(f));
  return failed.isEmpty() ? 0 : 1;
}
