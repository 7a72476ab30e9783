#include "ui/windows/frm_eogame.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/windows/core_text.h"
#include "ui/windows/window_look.h"
#include "ui/windows/window_zoom.h"

namespace gorbix {

namespace {

QLabel* addLabel(QWidget* parent, const QString& text, QRect geometry, Qt::Alignment align) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setAlignment(align | Qt::AlignVCenter);
  return label;
}

QString qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

frmEOGame::frmEOGame(const EndOfLevelSummary& summary, QWidget* owner) : QDialog(owner) {
  setWindowTitle(coreText::endOfLevelCaption(summary));
  setFont(look::dialogFont());
  setFixedSize(443, 260);
  setModal(true);

  Frame1 = new QGroupBox(this);
  Frame1->setGeometry(14, 7, 414, 99);
  Label1[0] = addLabel(Frame1, tr("Score for This Level:"), {91, 28, 134, 15}, Qt::AlignRight);
  lblScoreThisLevel = addLabel(Frame1, qs(summary.scoreText), {238, 28, 99, 15}, Qt::AlignLeft);
  Label1[1] = addLabel(Frame1, tr("Rating for This Level:"), {91, 49, 134, 15}, Qt::AlignRight);
  lblRatingForLevel = addLabel(Frame1, coreText::rating(summary.rating), {238, 49, 148, 15}, Qt::AlignLeft);
  lblComment = addLabel(Frame1, coreText::endOfLevelComment(summary), {14, 70, 379, 22}, Qt::AlignHCenter);
  look::setTextColor(*lblComment, look::blueText());

  Frame2 = new QGroupBox(this);
  Frame2->setGeometry(14, 119, 414, 71);
  Label3 = addLabel(Frame2, tr("Overall Rating for All 25 Levels"), {14, 21, 386, 15}, Qt::AlignHCenter);
  lblRatingForAll = addLabel(Frame2, coreText::rating(summary.overallRating), {14, 42, 386, 15}, Qt::AlignHCenter);
  look::setTextColor(*lblRatingForAll, look::blueText());

  cmdTryAgain = addButton(tr("Try &Again"), 14, EndChoice::Again);
  cmdNextLevel = addButton(tr("&Next Level"), 119, EndChoice::Next);
  //: The button (99 px) that opens the window to pick any level.
  cmdJump = addButton(tr("&Jump to Level"), 224, EndChoice::Jump);
  cmdQuit = addButton(tr("&Quit Game"), 329, EndChoice::Quit);
  cmdNextLevel->setDefault(true);
  cmdNextLevel->setEnabled(summary.nextEnabled);
  setTabOrder(cmdTryAgain, cmdNextLevel);
  setTabOrder(cmdNextLevel, cmdJump);
  setTabOrder(cmdJump, cmdQuit);
  cmdTryAgain->setFocus();

  look::zoomWindow(*this, look::ownerZoom(owner));
  look::centerOnScreen(*this);
}

QPushButton* frmEOGame::addButton(const QString& caption, int left, EndChoice choice) {
  auto* button = new QPushButton(caption, this);
  button->setGeometry(left, 210, 99, 36);
  connect(button, &QPushButton::clicked, this, [this, choice] {
    EndChoice_ = choice;
    accept();
  });
  return button;
}

void frmEOGame::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace gorbix
