#include "app/hint.h"

#include <algorithm>
#include <chrono>

#include <QApplication>
#include <QCoreApplication>
#include <QShortcut>
#include <QWidget>

#include "game/game.h"
#include "solver/replay.h"
#include "solver/rules.h"

namespace gorbix {

namespace {

constexpr std::chrono::milliseconds kHintSearchTime{300};

// The score `clicks` end the level with from `start`, if they do, click
// for click as the game would play them.
std::optional<int> endingScore(solver::Position start, const std::vector<solver::Click>& clicks) {
  for (std::size_t i = 0; i < clicks.size(); ++i) {
    const solver::Outcome outcome = solver::play(start, clicks[i]);
    if (outcome == solver::Outcome::Ended) return i + 1 == clicks.size() ? std::optional(int{start.score}) : std::nullopt;
    if (outcome == solver::Outcome::Refused) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

QStringList hintText(bool send, int bestLine) {
  return {send ? QCoreApplication::translate("Hint", "Send the Thing here (right click)")
               : QCoreApplication::translate("Hint", "Slide this tile (left click)"),
          QCoreApplication::translate("Hint", "H again: make this move"),
          QCoreApplication::translate("Hint", "Best line from here: %n points", nullptr, bestLine)};
}

HintMark hintMarkFor(const solver::Position& position, solver::Click click) {
  if (click.right) return HintMark::Send;
  const int col = click.index % kCols;
  const int row = click.index / kCols;
  const int holeCol = position.hole % kCols;
  const int holeRow = position.hole / kCols;
  if (row == holeRow) return holeCol < col ? HintMark::SlideLeft : HintMark::SlideRight;
  return holeRow < row ? HintMark::SlideUp : HintMark::SlideDown;
}

HintController::HintController(Game& game, QWidget& window, HintMarks& marks, const Zoom& zoom,
                               std::function<void(solver::Click)> click, QObject* parent)
    : QObject(parent),
      game_(game),
      window_(window),
      marks_(marks),
      zoom_(zoom),
      click_(std::move(click)),
      budget_([] { return solver::Budget::ofTime(kHintSearchTime); }) {
  connect(&worker_, &SearchWorker::found, this, &HintController::found);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), &window_), &QShortcut::activated, this, &HintController::hide);
}

std::optional<solver::Click> HintController::shownClick() const {
  if (state_ != State::Shown) return std::nullopt;
  return shown_.clicks.front();
}

solver::Position HintController::chargedPosition() const {
  solver::Position position = solver::positionOf(game_);
  position.score = static_cast<std::int16_t>(std::max(0, position.score - kHintCost));
  return position;
}

void HintController::setSearching(bool searching) {
  if (searching) {
    window_.setCursor(Qt::BusyCursor);
  } else {
    window_.unsetCursor();
  }
}

void HintController::press() {
  // Refused as a click is: during a walk the board is still changing.
  if (game_.walkTimerEnabled() || QApplication::activeModalWidget() != nullptr) return;
  if (state_ == State::Searching) return;
  const solver::Position here = solver::positionOf(game_);
  // A hint shown for another position would make a move it never showed.
  if (state_ == State::Shown && here != paidAt_) hide();
  if (state_ == State::Shown) {
    const solver::Click click = shown_.clicks.front();
    solver::Position after = *paidAt_;
    const bool ends = solver::play(after, click) == solver::Outcome::Ended;
    followed_.assign(ends ? shown_.clicks.end() : shown_.clicks.begin() + 1, shown_.clicks.end());
    followedFrom_ = after;
    hide();
    click_(click);
    return;
  }
  if (here == paidAt_) {
    show();
    return;
  }
  if (here.thing == solver::kGoalIndex) return;
  if (here != followedFrom_) followed_.clear();
  // Searched with the cost paid, so the points shown are what the line
  // really ends with, also where the score cannot pay all of it.
  state_ = State::Searching;
  setSearching(true);
  worker_.start(chargedPosition(), budget_());
}

void HintController::found(const solver::Position& start, const solver::Line& line) {
  if (state_ != State::Searching) return;
  setSearching(false);
  state_ = State::None;
  if (start != chargedPosition() || line.clicks.empty()) return;
  solver::Line best = line;
  // Following hints must finish the level: a line once followed is left
  // only for a better one, so the hints cannot go round in circles.
  if (const std::optional<int> kept = endingScore(start, followed_); kept && *kept >= line.score) {
    best = {followed_, *kept};
  }
  game_.payHint();
  shown_ = std::move(best);
  paidAt_ = start;
  text_ = hintText(shown_.clicks.front().right, shown_.score);
  show();
}

void HintController::show() {
  state_ = State::Shown;
  const solver::Click click = shown_.clicks.front();
  const Cell cell = IndexToCell(click.index);
  marks_.show(cell.col, cell.row, hintMarkFor(*paidAt_, click), text_, zoom_);
  emit hintShown(click.index, click.right);
}

void HintController::hide() {
  if (state_ == State::Searching) {
    worker_.cancel();
    setSearching(false);
  }
  state_ = State::None;
  marks_.hide();
}

}  // namespace gorbix
