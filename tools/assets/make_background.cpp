// Writes the main window's background picture to the file given on the command line.
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "ui/art/background_art.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.BMP\n", argv[0]);
    return 2;
  }
  if (!gorbix::art::drawBackground().convertToFormat(QImage::Format_RGB888).save(QString::fromLocal8Bit(argv[1]), "BMP")) {
    std::fprintf(stderr, "could not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
