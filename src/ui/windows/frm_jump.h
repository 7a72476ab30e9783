// The jump-to-level window: one button per level and a Cancel button.
#pragma once

#include <array>
#include <cstdint>

#include <QDialog>

#include "game/tiles.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace gorbix {

class frmJump : public QDialog {
  Q_OBJECT

 public:
  frmJump(std::int16_t currentLevel, QWidget* owner);

  // The level chosen, 1..25, or 0 when the window closed without a choice.
  std::int16_t JumpLevel() const { return JumpLevel_; }

  QLabel* lblNow;
  QPushButton* Command1;
  QGroupBox* Frame1;
  QLabel* Label2;
  std::array<QPushButton*, kLevels> btnNewLevel;

 private:
  void btnNewLevel_Click(int index);
  void Command1_Click();

  // Esc and the title bar's close command reject the dialog and leave it 0.
  std::int16_t JumpLevel_ = 0;
};

}  // namespace gorbix
