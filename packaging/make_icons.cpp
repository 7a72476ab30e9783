// Writes the window icon at each size a desktop's icon theme asks for, and
// as a scalable picture.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "ui/art/tile_art.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icons OUTPUT_FOLDER\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    const QImage icon = gorbix::art::drawIcon(size);
    if (!QDir().mkpath(folder) || icon.size() != QSize(size, size) ||
        !icon.save(folder + QStringLiteral("/gorbix.png"), "PNG")) {
      std::fprintf(stderr, "make_icons: cannot write the %dx%d icon\n", size, size);
      return 1;
    }
  }
  const QString scalable = root + QStringLiteral("/scalable/apps");
  QFile svg(scalable + QStringLiteral("/gorbix.svg"));
  const QByteArray text = gorbix::art::iconSvg().toUtf8();
  if (!QDir().mkpath(scalable) || !svg.open(QIODevice::WriteOnly) || svg.write(text) != text.size()) {
    std::fprintf(stderr, "make_icons: cannot write the scalable icon\n");
    return 1;
  }
  return 0;
}
