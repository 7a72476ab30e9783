// The Board Number command: the window over the main window, kept up to
// date while the board's search runs, and the board chosen there played.
#pragma once

#include <functional>

class QDialog;
class QWidget;

namespace gorbix {

class BestLines;
class Game;

// runModal shows the window and returns once it has closed.
void runBoardNumberCommand(Game& game, BestLines& bestLines, QWidget* owner,
                           const std::function<void(QDialog&)>& runModal);

}  // namespace gorbix
