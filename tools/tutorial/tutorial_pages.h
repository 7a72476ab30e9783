// The six pages of the tutorial, drawn with the game's own pictures.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace gorbix::tutorial {

// Page 1..6 at the designed picture size in the language installed, its
// type as large as lets every text keep to its box; a null image for other
// numbers, or when some text does not fit even in the smallest type: then
// overflows, if given, names those texts.
QImage drawTutorialPage(int page, QStringList* overflows = nullptr);

// Writes Hlp1_256.bmp ... Hlp6_256.bmp into folder, in the language
// installed; given a language, under its names (Hlp1_256.de.bmp). Returns
// what went wrong, each naming the page and language or the file; empty on
// success.
QStringList writeTutorialPages(const QString& folder, const QString& language = {});

}  // namespace gorbix::tutorial
