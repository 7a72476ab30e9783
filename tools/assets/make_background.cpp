// Writes the main window's background picture to the file given on the
// command line, its captions in the language given after it, if any.
#include <QGuiApplication>
#include <QImage>
#include <QTranslator>

#include <cstdio>

#include "ui/art/background_art.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT.BMP [LANGUAGE]\n", argv[0]);
    return 2;
  }
  QTranslator translator;
  if (argc == 3) {
    if (!translator.load(QStringLiteral(":/i18n/gorbix_%1.qm").arg(QString::fromLocal8Bit(argv[2])))) {
      std::fprintf(stderr, "no translation into %s\n", argv[2]);
      return 2;
    }
    QCoreApplication::installTranslator(&translator);
  }
  if (!gorbix::art::drawBackground().convertToFormat(QImage::Format_RGB888).save(QString::fromLocal8Bit(argv[1]), "BMP")) {
    std::fprintf(stderr, "could not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
