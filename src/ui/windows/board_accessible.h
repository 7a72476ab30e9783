// The main window as assistive technology sees it: the board as a table of
// 6 rows and 8 columns whose cells say what lies on them, the value boxes
// with their captions, and the events that keep a screen reader up to date.
#pragma once

#include <string>

#include "game/tiles.h"

class QLabel;

namespace gorbix {

class BoardSurface;
struct MainControls;

namespace accessibility {

// "Column 3, row 5".
std::string cellName(int col, int row);
// The tile in plain words: "cross", "T-piece open up, down and right",
// "straight up-down", "corner down-right", "blocker", "bonus 20", "hole".
std::string tileWords(char code);
// What a screen reader says about a cell: the tile, whether the Thing has
// been on it, whether it stands there now, and whether the cell is the
// start or the goal.
std::string cellDescription(char code, bool thingHere, Cell cell = {});

// Makes the game's own controls answer for themselves; once per process.
void install();

// Gives the main window's controls their words: the value boxes and the
// score list take the captions the background picture shows beside them,
// and the picture controls leave the tree, since the board stands for them.
// The value boxes are read-only text: nothing a reader offers can change them.
void describe(MainControls& controls);

// Events for screen readers.
void cursorMoved(BoardSurface* board, int index);
void cellChanged(BoardSurface* board, int index);
void valueChanged(QLabel* label);

}  // namespace accessibility
}  // namespace gorbix
