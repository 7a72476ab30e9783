#include "ui/windows/frm_board_number.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "game/board_number.h"
#include "ui/windows/announcer.h"
#include "ui/windows/text_room.h"
#include "ui/windows/window_look.h"
#include "ui/windows/window_zoom.h"

namespace gorbix {

namespace {

QLabel* addLabel(QWidget* parent, const QString& text, QRect geometry) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

// Ten digits hold every board number, and no more are needed to see that a
// longer one is out of range.
constexpr int kDigits = 10;

}  // namespace

BoardNumberWindow::BoardNumberWindow(std::int16_t level, std::int32_t boardNumber, std::optional<int> bestLine,
                                     QWidget* owner)
    : QDialog(owner) {
  setWindowTitle(tr("Board Number"));
  setFont(look::dialogFont());
  setFixedSize(400, 142);
  setModal(true);

  boardLabel = addLabel(this, tr("Level %1, board %2").arg(level).arg(boardNumber), {14, 12, 372, 17});
  bestLineLabel = addLabel(this, QString(), {14, 33, 372, 17});
  look::setTextColor(*bestLineLabel, look::blueText());
  setBestLine(bestLine);

  numberLabel = addLabel(this, tr("Board &number:"), {14, 66, 98, 22});
  numberField = new QLineEdit(this);
  numberField->setGeometry(114, 66, 96, 22);
  numberField->setMaxLength(kDigits);
  numberField->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), numberField));
  numberField->setText(QString::number(boardNumber));
  numberField->selectAll();
  numberLabel->setBuddy(numberField);
  messageLabel = addLabel(this, QString(), {218, 58, 168, 38});
  messageLabel->setWordWrap(true);
  look::setTextColor(*messageLabel, QColor(176, 0, 0));
  connect(numberField, &QLineEdit::textEdited, messageLabel, &QLabel::clear);
  announcer = new Announcer(this);

  playButton = //: The button that plays the board whose number is typed in.
  new QPushButton(tr("&Play"), this);
  playButton->setGeometry(224, 104, 76, 26);
  playButton->setDefault(true);
  connect(playButton, &QPushButton::clicked, this, &BoardNumberWindow::play);
  closeButton = new QPushButton(tr("Close"), this);
  closeButton->setGeometry(310, 104, 76, 26);
  closeButton->setAutoDefault(false);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

  setTabOrder(numberField, playButton);
  setTabOrder(playButton, closeButton);
  numberField->setFocus();

  look::zoomWindow(*this, look::ownerZoom(owner));
  look::centerOnOwner(*this);
}

void BoardNumberWindow::setBestLine(std::optional<int> points) {
  bestLineLabel->setText(points ? tr("Best line: %n points", nullptr, *points) : tr("Searching…"));
  look::makeRoom(*this);
}

void BoardNumberWindow::play() {
  bool ok = false;
  const qlonglong number = numberField->text().toLongLong(&ok);
  if (!ok || !IsBoardNumber(number)) {
    messageLabel->setText(tr("Type a number from 1 to %1.").arg(kLastBoardNumber));
    look::makeRoom(*this);
    announcer->say(messageLabel->text());
    numberField->setFocus();
    numberField->selectAll();
    return;
  }
  chosen_ = static_cast<std::int32_t>(number);
  accept();
}

}  // namespace gorbix
