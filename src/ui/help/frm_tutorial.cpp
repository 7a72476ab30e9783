#include "ui/help/frm_tutorial.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "i18n/translations.h"
#include "ui/art/tile_art.h"
#include "ui/help/picture_file.h"
#include "ui/help/tutorial_text.h"
#include "ui/windows/text_room.h"
#include "ui/windows/window_look.h"
#include "ui/windows/window_zoom.h"

namespace gorbix::help {

QPointer<frmTutorial> frmTutorial::open_;

QStringList defaultPageFolders() {
  return {QDir::currentPath(), QCoreApplication::applicationDirPath()};
}

QString playerLanguage() { return i18n::installedLanguage(); }

namespace {

constexpr int kClientWidth = 523;
constexpr int kClientHeight = 372;
constexpr int kPictureLeft = 7;
constexpr int kPictureTop = 7;
constexpr int kBorder = 1;  // the picture's single-line frame

QPushButton* makeButton(QWidget* parent, const QString& text, int x, int y, int w, int h) {
  auto* b = new QPushButton(text, parent);
  b->setFont(look::dialogFont(8.25, true));
  b->setGeometry(x, y, w, h);
  return b;
}

}  // namespace

frmTutorial::frmTutorial(TutorialPlacement placement, QStringList pageFolders, QString language)
    : placement_(std::move(placement)), pageFolders_(std::move(pageFolders)), language_(std::move(language)) {
  setWindowTitle(QCoreApplication::translate("Tutorial", "Gorbix Tutorial"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setWindowIcon(art::windowIcon());
  setFont(look::dialogFont(8.25, true));
  setFixedSize(kClientWidth, kClientHeight);

  imgHlp_ = new QLabel(this);
  imgHlp_->setObjectName(QStringLiteral("imgHlp"));
  imgHlp_->setFrameStyle(QFrame::Box | QFrame::Plain);
  imgHlp_->setLineWidth(kBorder);
  imgHlp_->setAlignment(Qt::AlignCenter);
  imgHlp_->setWordWrap(true);
  imgHlp_->setMargin(0);

  btnPrev_ = makeButton(this, QCoreApplication::translate("Tutorial", "&Previous"), 448, 7, 71, 57);
  btnNext_ = makeButton(this, QCoreApplication::translate("Tutorial", "&Next"), 448, 70, 71, 57);
  btnCancel_ = makeButton(this, QCoreApplication::translate("Tutorial", "OK"), 448, 133, 71, 57);
  btnCancel_->setDefault(true);

  lblPage_ = new QLabel(QCoreApplication::translate("Tutorial", "Page"), this);
  lblPage_->setFont(look::dialogFont(8.25, true));
  lblPage_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  lblPage_->setGeometry(455, 262, 57, 22);

  static constexpr std::array<int, 3> kRowTop{284, 312, 340};
  for (int i = 0; i < kPageCount; ++i) {
    auto* b = makeButton(this, QString::number(i + 1), i % 2 == 0 ? 448 : 487, kRowTop[static_cast<std::size_t>(i / 2)],
                         32, 22);
    btnJump_[static_cast<std::size_t>(i)] = b;
    connect(b, &QPushButton::clicked, this, [this, i] { ShowPage(static_cast<std::int16_t>(i + 1)); });
  }

  setTabOrder(btnPrev_, btnNext_);
  setTabOrder(btnNext_, btnCancel_);
  setTabOrder(btnCancel_, btnJump_[0]);
  for (std::size_t i = 1; i < btnJump_.size(); ++i) setTabOrder(btnJump_[i - 1], btnJump_[i]);

  connect(btnPrev_, &QPushButton::clicked, this, [this] { ShowPage(static_cast<std::int16_t>(currentPage_ - 1)); });
  connect(btnNext_, &QPushButton::clicked, this, [this] { ShowPage(static_cast<std::int16_t>(currentPage_ + 1)); });
  connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

  ShowPage(1);
  // A longer translation of a button or the page line widens the window.
  look::makeRoom(*this);
  placeOnScreen();
}

frmTutorial* frmTutorial::showTutorial(TutorialPlacement placement, const Zoom& zoom) {
  if (!open_) {
    open_ = new frmTutorial(std::move(placement));
    open_->setAttribute(Qt::WA_DeleteOnClose);
  }
  open_->setZoom(zoom);
  if (open_->isMinimized()) open_->showNormal();
  open_->show();
  open_->raise();
  open_->activateWindow();
  return open_;
}

frmTutorial* frmTutorial::instance() { return open_; }

QString frmTutorial::missingPageText(int page) {
  return QCoreApplication::translate("Tutorial",
                                     "This page cannot be shown: the picture file %1 is missing or cannot be read.")
      .arg(pageFileName(page));
}

void frmTutorial::ShowPage(std::int16_t n) {
  n = std::clamp<std::int16_t>(n, 1, kPageCount);
  currentPage_ = n;
  for (auto* b : btnJump_) b->setEnabled(true);
  btnJump_[static_cast<std::size_t>(n - 1)]->setEnabled(false);

  // Whole multiples only: a page's text and lines keep their edges.
  const int times = std::max(1, zoom_.percent() / 100);
  const QSize designed(kPageWidth, kPageHeight);
  const QSize room = zoom_.at(designed);
  QSize area = room;
  const QPixmap picture = loadPage(n);
  if (!picture.isNull()) {
    imgHlp_->setMargin(0);
    area = picture.deviceIndependentSize().toSize() * times;
    imgHlp_->setPixmap(times == 1 ? picture : picture.scaled(picture.size() * times, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  } else {
    // A blank frame would leave the player guessing; name the file instead.
    imgHlp_->clear();
    imgHlp_->setMargin(zoom_.at(24));
    imgHlp_->setText(missingPageText(n));
  }
  // A page of the designed size lies in the middle of the room the zoom makes for it.
  const QPoint corner = zoom_.at(QPoint(kPictureLeft, kPictureTop)) +
                        QPoint((room.width() - designed.width() * times) / 2, (room.height() - designed.height() * times) / 2);
  imgHlp_->setGeometry(QRect(corner, area).adjusted(-kBorder, -kBorder, kBorder, kBorder));

  // The picture's words, for a reader who cannot see it.
  const TutorialPageText& words = tutorialPages()[static_cast<std::size_t>(n - 1)];
  imgHlp_->setAccessibleName(QCoreApplication::translate("Tutorial", "Page %1 of %2: %3")
                                 .arg(n)
                                 .arg(kPageCount)
                                 .arg(tutorialText(words.title)));
  imgHlp_->setAccessibleDescription(tutorialPageDescription(n));

  btnPrev_->setEnabled(n != 1);
  btnNext_->setEnabled(n != kPageCount);
}

QPixmap frmTutorial::loadPage(int page) const {
  // The player's language wherever it is, before English anywhere. A
  // damaged copy in the current folder must not hide a good one beside the
  // program, so every folder is tried in turn.
  QStringList names = {pageFileName(page)};
  if (!language_.isEmpty()) names.prepend(pageFileName(page, language_));
  for (const QString& name : names) {
    for (const QString& folder : pageFolders_) {
      QPixmap picture = loadPictureFile(QDir(folder).filePath(name));
      if (!picture.isNull()) return picture;
    }
  }
  return {};
}

void frmTutorial::setZoom(const Zoom& zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  look::zoomWindow(*this, zoom);
  ShowPage(currentPage_);
  // An open window stays where it is; one about to open is placed for the
  // size it now has: centred, or where it was stored, but on the screen.
  if (isVisible()) return;
  if (!placement_.load) {
    centre();
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(keepOnScreen(pos(), size(), screen->availableGeometry()));
  }
}

void frmTutorial::placeOnScreen() {
  if (placement_.load) {
    placement_.load(*this);
  } else {
    centre();
  }
}

void frmTutorial::centre() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
}

void frmTutorial::done(int result) {
  const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
  if (normal && placement_.save) placement_.save(*this);
  QDialog::done(result);
}

}  // namespace gorbix::help
