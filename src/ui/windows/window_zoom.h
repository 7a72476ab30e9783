// The View menu's zoom on every window of the game. The main window records
// its zoom on itself; a window it owns takes that zoom when it is built, and
// one that stays open (not modal) follows each change.
#pragma once

#include "ui/windows/main_layout.h"

class QWidget;

namespace gorbix::look {

// Records `zoom` on `owner` for the windows it will open, and zooms those of
// its own windows that are open now.
void setOwnerZoom(QWidget& owner, const Zoom& zoom);
// A window that lays itself out for each zoom: setOwnerZoom leaves it alone.
void zoomsItself(QWidget& window);
// The zoom recorded on the window of `owner`; 100 % without one.
Zoom ownerZoom(const QWidget* owner);

// Scales a window laid out in designed pixels: its fixed size, the place
// and size of every control on it, and every font set on it or on them.
// A window with a layout has only its fonts scaled; the layout does the
// rest. Each time from the designed values, so it may be called again as
// the zoom changes; a window never zoomed is left as it is at 100 %. An
// open window keeps its top-left corner, on the screen.
void zoomWindow(QWidget& window, const Zoom& zoom);

}  // namespace gorbix::look
