// Writes the tutorial's page pictures into the folder given on the command line.
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "tutorial_pages.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const QStringList failed = gorbix::tutorial::writeTutorialPages(args.at(1));
  for (const QString& f : failed) std::fprintf(stderr, "cannot write %s\n", qPrintable(f));
  return failed.isEmpty() ? 0 : 1;
}
