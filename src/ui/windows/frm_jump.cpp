#include "ui/windows/frm_jump.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "support/text.h"
#include "ui/windows/window_look.h"
#include "ui/windows/window_zoom.h"

namespace gorbix {

frmJump::frmJump(std::int16_t currentLevel, QWidget* owner) : QDialog(owner) {
  setWindowTitle(tr("Jump to New Level"));
  setFont(look::dialogFont());
  setFixedSize(373, 240);
  setModal(true);

  lblNow = new QLabel(this);
  lblNow->setGeometry(14, 14, 274, 15);
  lblNow->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lblNow->setText(tr("You are currently on level %1").arg(QString::fromStdString(IntStr(currentLevel))));
  look::setTextColor(*lblNow, look::blueText());

  Command1 = new QPushButton(tr("Cancel"), this);
  Command1->setGeometry(301, 7, 57, 29);
  connect(Command1, &QPushButton::clicked, this, &frmJump::Command1_Click);

  Frame1 = new QGroupBox(this);
  Frame1->setGeometry(14, 42, 344, 183);
  Label2 = new QLabel(tr("Pick a Level"), Frame1);
  Label2->setGeometry(14, 14, 316, 22);
  Label2->setAlignment(Qt::AlignCenter);

  for (int index = 0; index < kLevels; ++index) {
    const int row = index / 5;
    const int col = index % 5;
    auto* button = new QPushButton(QString::number(index + 1), Frame1);
    button->setGeometry(21 + 63 * col, 35 + 28 * row, 50, 22);
    connect(button, &QPushButton::clicked, this, [this, index] { btnNewLevel_Click(index); });
    btnNewLevel[static_cast<std::size_t>(index)] = button;
  }
  for (std::size_t i = 1; i < btnNewLevel.size(); ++i) setTabOrder(btnNewLevel[i - 1], btnNewLevel[i]);
  setTabOrder(btnNewLevel.back(), Command1);

  // A level outside 1..25 has no button to mark; every level stays choosable.
  if (currentLevel >= 1 && currentLevel <= kLevels) {
    QPushButton* current = btnNewLevel[static_cast<std::size_t>(currentLevel - 1)];
    current->setDefault(true);
    current->setFocus();
  }

  look::zoomWindow(*this, look::ownerZoom(owner));
  look::centerOnScreen(*this);
}

void frmJump::btnNewLevel_Click(int index) {
  JumpLevel_ = static_cast<std::int16_t>(index + 1);
  accept();
}

void frmJump::Command1_Click() {
  JumpLevel_ = 0;
  reject();
}

}  // namespace gorbix
