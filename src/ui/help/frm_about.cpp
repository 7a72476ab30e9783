#include "ui/help/frm_about.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "support/version.h"
#include "ui/windows/window_look.h"
#include "ui/windows/window_zoom.h"

namespace gorbix::help {

namespace {

QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& geometry, const QFont& font) {
  auto* l = new QLabel(text, parent);
  l->setFont(font);
  l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  l->setGeometry(geometry);
  return l;
}

}  // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
  setWindowTitle(tr("About Gorbix!"));
  // A fixed dialog frame, and unlike the game's other windows no icon: an
  // empty one of its own, or it would take its owner's or the program's.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setWindowIcon(QIcon());
  setFont(look::dialogFont(8.25, true));
  setFixedSize(421, 334);
  setModal(true);

  frame1_ = new QFrame(this);
  frame1_->setObjectName(QStringLiteral("Frame1"));
  frame1_->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame1_->setGeometry(14, 7, 393, 106);

  label1_ = makeLabel(frame1_, QStringLiteral("GORBIX!"), QRect(14, 14, 365, 29), look::dialogFont(18, false));
  QPalette blue = label1_->palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  label1_->setPalette(blue);
  const QString version = QString::fromLatin1(kVersionText.data(), static_cast<qsizetype>(kVersionText.size()));
  lblVersion_ = makeLabel(frame1_, tr("Version %1").arg(version), QRect(14, 49, 365, 15), look::dialogFont(9.75, true));
  label3_ = makeLabel(frame1_, tr("Copyright © 2026 the Gorbix developers"), QRect(14, 77, 365, 22),
                      look::dialogFont(9.75, true));

  lblNotice_ = makeLabel(this,
                         tr("Slide the tiles, lay the track and guide the Thing home.\n"
                            "Press F1 in the game to open the tutorial."),
                         QRect(14, 140, 393, 40), look::dialogFont(8.25, false));

  command1_ = new QPushButton(tr("OK"), this);
  command1_->setGeometry(329, 266, 78, 57);
  command1_->setDefault(true);
  connect(command1_, &QPushButton::clicked, this, &QDialog::accept);
  // Esc closes a dialog through reject(), which is what "OK" does here too.

  look::zoomWindow(*this, look::ownerZoom(owner));
  look::centerOnScreen(*this);
}

}  // namespace gorbix::help
