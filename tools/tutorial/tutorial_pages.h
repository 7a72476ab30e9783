// The six pages of the tutorial, drawn with the game's own pictures.
#pragma once

#include <QImage>
#include <QString>

namespace gorbix::tutorial {

// Page 1..6 at the designed picture size; a null image for other numbers.
QImage drawTutorialPage(int page);

// Writes Hlp1_256.bmp ... Hlp6_256.bmp into folder; returns the files that
// could not be written, empty on success.
QStringList writeTutorialPages(const QString& folder);

}  // namespace gorbix::tutorial
