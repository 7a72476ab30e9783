// Room for translated texts in windows laid out in pixels: a longer
// translation widens its window as little as it needs, English never.
#pragma once

class QWidget;

namespace gorbix::look {

// The pixels a label or button on a pixel-placed window lacks to show its
// text whole (a wrapped label: in the lines its height holds); 0 when it fits.
int missingWidth(const QWidget& control);

// Widens a window of fixed size without a layout, and every control on it
// in proportion, by the least factor that shows every text whole. A window
// whose texts all fit is left exactly as it is.
void makeRoom(QWidget& window);

}  // namespace gorbix::look
