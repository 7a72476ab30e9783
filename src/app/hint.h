// The Hint command: the next move of the best line the solver finds from
// where the game stands, shown on the board for 10 points; a second press
// makes that move. A hint is paid for once per position: until the player
// changes the position, H shows it again for nothing.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QObject>
#include <QStringList>

#include "app/search_worker.h"
#include "game/scoring.h"
#include "solver/position.h"
#include "solver/solver.h"
#include "ui/windows/hint_marks.h"

class QWidget;

namespace gorbix {

class Game;

class HintController : public QObject {
  Q_OBJECT

 public:
  enum class State { None, Searching, Shown };

  // click: plays a click on a tile as the mouse would; window: where the
  // busy cursor shows; zoom: the window's, read whenever a hint is shown.
  HintController(Game& game, QWidget& window, HintMarks& marks, const Zoom& zoom,
                 std::function<void(solver::Click)> click, QObject* parent = nullptr);

  // The first press searches and shows the hint; the next one makes its move.
  // Ignored while the Thing walks or a modal window is open.
  void press();
  // Anything else the player does, and Esc: the hint goes, and a search
  // still running is dropped without cost.
  void hide();

  State state() const { return state_; }
  // The move on show, if any, and the lines of text that tell it.
  std::optional<solver::Click> shownClick() const;
  const QStringList& shownText() const { return text_; }
  // Each hint's search gets a fresh budget from here; 300 ms unless set.
  void setBudget(std::function<solver::Budget()> budget) { budget_ = std::move(budget); }

 signals:
  // A hint has appeared on the tile with image index `index`.
  void hintShown(int index, bool right);

 private:
  void found(const solver::Position& start, const solver::Line& line);
  // Puts the line paid for on the board.
  void show();
  // Where the game stands with the hint's cost already paid.
  solver::Position chargedPosition() const;
  void setSearching(bool searching);

  Game& game_;
  QWidget& window_;
  HintMarks& marks_;
  const Zoom& zoom_;
  std::function<void(solver::Click)> click_;
  std::function<solver::Budget()> budget_;
  SearchWorker worker_;
  State state_ = State::None;
  solver::Line shown_;
  // Where the hint on record was paid for, with the cost paid; empty until
  // one is. The game standing there again means nothing has changed since.
  std::optional<solver::Position> paidAt_;
  QStringList text_;
  // The rest of the line whose move the last H made, and the position that
  // move leads to: the next hint keeps to it unless the new search does better.
  std::vector<solver::Click> followed_;
  solver::Position followedFrom_;
};

// How a click looks as a hint: which way the tiles slide, or a send.
HintMark hintMarkFor(const solver::Position& position, solver::Click click);

// The hint panel's lines: the move (a send or a slide), the key that makes
// it, and the best score the level can still end with.
QStringList hintText(bool send, int bestLine);

}  // namespace gorbix
