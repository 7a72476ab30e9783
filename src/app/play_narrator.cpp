#include "app/play_narrator.h"

#include <QCoreApplication>

#include "app/hint.h"
#include "app/sound_fx.h"
#include "ui/windows/announcer.h"
#include "ui/windows/core_text.h"
#include "ui/windows/main_layout.h"
#include "ui/windows/refusal_mark.h"

namespace gorbix {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

// A cell's name inside a sentence: its own text, as languages differ in
// whether a sentence's inner words keep their capitals.
QString cellWords(Cell cell) {
  return QCoreApplication::translate("Narrator", "column %1, row %2").arg(cell.col).arg(cell.row);
}

}  // namespace

QString refusalWords(const Game& game, int index, MouseButton button) {
  const Cell cell = IndexToCell(index);
  const bool hole = OnBoard(cell.col, cell.row) && game.Board(cell.col, cell.row) == kHole;
  if (button == MouseButton::Left) {
    return hole ? QCoreApplication::translate("Narrator", "Cannot slide the hole")
                : QCoreApplication::translate("Narrator", "Cannot slide: not in line with the hole");
  }
  if (hole) return QCoreApplication::translate("Narrator", "The Thing cannot go into the hole");
  if (cell.col == game.ThingCol() && cell.row == game.ThingRow()) {
    return QCoreApplication::translate("Narrator", "The Thing is already there");
  }
  return QCoreApplication::translate("Narrator", "The Thing cannot get there");
}

PlayNarrator::PlayNarrator(const Game& game, QWidget* client, const Zoom& zoom, HintController& hint,
                           SoundEffects& sounds)
    : game_(game),
      zoom_(zoom),
      sounds_(sounds),
      announcer_(new Announcer(client)),
      refusalMark_(new RefusalMark(client)) {
  QObject::connect(&hint, &HintController::hintShown, announcer_, [this, &hint](int index, bool) {
    const QStringList& lines = hint.shownText();
    if (lines.isEmpty()) return;
    //: Said when a hint is shown: %1 the hint's first line, %2 the cell, %3 the other lines.
    say(QCoreApplication::translate("Narrator", "%1: %2. %3")
            .arg(lines.front(), cellWords(IndexToCell(index)), lines.mid(1).join(QStringLiteral(". "))));
  });
}

void PlayNarrator::play(int index, MouseButton button, const std::function<void()>& click) {
  index_ = index;
  button_ = button;
  refused_ = ended_ = walking_ = false;
  const BoardGrid before = game_.board();
  const std::int16_t score = game_.Score();
  click();
  index_ = -1;
  if (refused_ || ended_) return;
  walking_ = game_.walkTimerEnabled();
  if (!walking_ && (game_.board() != before || game_.Score() != score)) {
    say(QCoreApplication::translate("Narrator", "Score %1").arg(game_.Score()));
  }
}

void PlayNarrator::refused() {
  if (index_ < 0) return;
  refused_ = true;
  say(refusalWords(game_, index_, button_));
  // Switched off, or a player that never opened: nothing is heard.
  const bool heard = sounds_.SoundsOn() && sounds_.sndFX(static_cast<int>(SoundIndex::Error)).Mode() != kModeNotReady;
  if (!heard) {
    const Cell cell = IndexToCell(index_);
    refusalMark_->flash(tileRect(cell.col, cell.row, zoom_));
  }
}

void PlayNarrator::stepped() {
  if (!walking_ || game_.walkTimerEnabled()) return;
  walking_ = false;
  if (ended_) return;
  say(QCoreApplication::translate("Narrator", "The Thing stopped on %1. Score %2")
          .arg(cellWords({game_.ThingCol(), game_.ThingRow()}))
          .arg(game_.Score()));
}

void PlayNarrator::levelEnded(const EndOfLevelSummary& summary) {
  ended_ = true;
  say(QCoreApplication::translate("Narrator", "%1. Score %2, %3. %4")
          .arg(coreText::endOfLevelCaption(summary), qs(summary.scoreText), coreText::rating(summary.rating),
               coreText::endOfLevelComment(summary)));
}

void PlayNarrator::tookBack(bool redo) {
  say((redo ? QCoreApplication::translate("Narrator", "Move made again. Score %1")
              : QCoreApplication::translate("Narrator", "Move taken back. Score %1"))
          .arg(game_.Score()));
}

void PlayNarrator::say(const QString& text) { announcer_->say(text); }

}  // namespace gorbix
