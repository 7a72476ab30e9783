// What each of the player's moves came to, told to a screen reader without
// moving the focus: the score after a slide, where the Thing stopped after
// a walk, a refusal and why, a hint as it appears and the level's end. A
// refusal that cannot be heard is shown on the cell instead.
#pragma once

#include <functional>

#include <QStringList>

#include "game/game.h"
#include "game/grid.h"

class QWidget;

namespace gorbix {

class Announcer;
class HintController;
class RefusalMark;
class SoundEffects;
class Zoom;

class PlayNarrator {
 public:
  // client: where the announcer and the refusal mark live; zoom: the
  // window's; sounds: whether a refusal can be heard.
  PlayNarrator(const Game& game, QWidget* client, const Zoom& zoom, HintController& hint, SoundEffects& sounds);

  // Runs `click`, the player's click on cell `index` (0..47), and tells
  // what it came to; a walk it starts is told when it ends.
  void play(int index, MouseButton button, const std::function<void()>& click);
  // The game sounded a refusal.
  void refused();
  // After each tick of the walk timer.
  void stepped();
  // An undo, or a redo once its walk has ended.
  void tookBack(bool redo);
  // Before the end-of-level window opens.
  void levelEnded(const EndOfLevelSummary& summary);

  const Announcer& announcer() const { return *announcer_; }
  const RefusalMark& refusalMark() const { return *refusalMark_; }

 private:
  void say(const QString& text);

  const Game& game_;
  const Zoom& zoom_;
  SoundEffects& sounds_;
  Announcer* announcer_;
  RefusalMark* refusalMark_;
  // The click being played, and what became of it.
  int index_ = -1;
  MouseButton button_ = MouseButton::Other;
  bool refused_ = false;
  bool ended_ = false;
  bool walking_ = false;
};

// The words for a refused click on cell `index` with `button`.
QString refusalWords(const Game& game, int index, MouseButton button);

}  // namespace gorbix
