// The end-of-level dialog: the level's score and rating, the best-score
// comment, the overall rating, and the four ways on.
#pragma once

#include <array>

#include <QDialog>

#include "game/game.h"
#include "game/scoring.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace gorbix {

class frmEOGame : public QDialog {
  Q_OBJECT

 public:
  frmEOGame(const EndOfLevelSummary& summary, QWidget* owner);

  // The button chosen; None until one is pressed.
  EndChoice choice() const { return EndChoice_; }

  QGroupBox* Frame1;
  std::array<QLabel*, 2> Label1;
  QLabel* lblScoreThisLevel;
  QLabel* lblRatingForLevel;
  QLabel* lblComment;
  QGroupBox* Frame2;
  QLabel* Label3;
  QLabel* lblRatingForAll;
  QPushButton* cmdTryAgain;
  QPushButton* cmdNextLevel;
  QPushButton* cmdJump;
  QPushButton* cmdQuit;

 protected:
  // There is no cancel button: Esc must not close the dialog.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPushButton* addButton(const QString& caption, int left, EndChoice choice);

  EndChoice EndChoice_ = EndChoice::None;
};

}  // namespace gorbix
