// The tutorial window: six picture pages, browsed without leaving the game.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

#include "ui/help/tutorial_files.h"
#include "ui/windows/main_layout.h"

class QLabel;
class QPushButton;

namespace gorbix::help {

// How the window finds its place. The settings store supplies both; left
// empty, the window opens centred and remembers nothing.
struct TutorialPlacement {
  // Called once before the window is first shown; places it.
  std::function<void(QWidget& window)> load;
  // Called when the window closes in its normal state (not minimised or
  // maximised).
  std::function<void(const QWidget& window)> save;
};

class frmTutorial : public QDialog {
  Q_OBJECT

 public:
  // Shows the one tutorial window at the zoom: opens it on page 1, or,
  // when it is open already, brings it to the front on the page it shows.
  static frmTutorial* showTutorial(TutorialPlacement placement = {}, const Zoom& zoom = Zoom());
  // The open window, or nullptr.
  static frmTutorial* instance();

  // pageFolders: where to look for the page pictures, in order; language:
  // whose pages to show where they exist ("de": Hlp1_256.de.bmp), else the
  // English ones.
  explicit frmTutorial(TutorialPlacement placement = {}, QStringList pageFolders = defaultPageFolders(),
                       QString language = playerLanguage());

  void ShowPage(std::int16_t n);
  std::int16_t CurrentPage() const { return currentPage_; }
  // The View menu's zoom: the window and its controls grow with it, the
  // page by the largest whole multiple the zoom holds, so it stays sharp.
  void setZoom(const Zoom& zoom);
  const Zoom& zoom() const { return zoom_; }

  QLabel* imgHlp() const { return imgHlp_; }
  QPushButton* btnPrev() const { return btnPrev_; }
  QPushButton* btnNext() const { return btnNext_; }
  QPushButton* btnCancel() const { return btnCancel_; }
  QLabel* lblPage() const { return lblPage_; }
  QPushButton* btnJump(int index) const { return btnJump_.at(static_cast<std::size_t>(index)); }

  // The text shown in place of a page whose picture cannot be loaded.
  static QString missingPageText(int page);

 public slots:
  void done(int result) override;

 private:
  void placeOnScreen();
  void centre();
  QPixmap loadPage(int page) const;

  TutorialPlacement placement_;
  QStringList pageFolders_;
  QString language_;
  std::int16_t currentPage_ = 1;
  Zoom zoom_;
  QLabel* imgHlp_ = nullptr;
  QPushButton* btnPrev_ = nullptr;
  QPushButton* btnNext_ = nullptr;
  QPushButton* btnCancel_ = nullptr;
  QLabel* lblPage_ = nullptr;
  std::array<QPushButton*, kPageCount> btnJump_{};

  static QPointer<frmTutorial> open_;  // the single instance
};

}  // namespace gorbix::help
