// Pictures the game reads from files beside it: the tutorial's pages and
// the main window's background.
#pragma once

#include <QPixmap>
#include <QString>

namespace gorbix::help {

// The picture in the file, or a null pixmap when it is missing, damaged or
// not a regular file (a named pipe under a picture's name must not stall
// the game).
QPixmap loadPictureFile(const QString& path);

}  // namespace gorbix::help
