// Fonts and small placement helpers shared by the game's windows.
#pragma once

#include <QColor>
#include <QFont>

class QLabel;
class QWidget;

namespace gorbix::look {

// The dialogs' font, "MS Sans Serif" with fallbacks of similar width; the
// standard is 8.25 point bold.
QFont dialogFont(qreal pointSize = 8.25, bool bold = true);
// The main window's value labels (bold) and score list (regular):
// fixed pitch, so that the list's columns line up; scale enlarges it with
// the zoomed window.
QFont fixedFont(bool bold, qreal scale = 1.0);

inline QColor blueText() { return {0, 0, 255}; }

void setTextColor(QLabel& label, const QColor& colour);

// Centres the whole window, frame included, on the screen it will open on.
// A window not shown yet has no frame of its own; its owner's, drawn by the
// same window manager, stands in for it.
void centerOnScreen(QWidget& window);
// Centres the whole window on its owner's whole window, kept on the owner's
// screen; without a shown owner, on the screen.
void centerOnOwner(QWidget& window);

}  // namespace gorbix::look
