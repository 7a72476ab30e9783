// Every window grows with the View menu's zoom: its size, each control's
// place and size, every font; pictures are drawn anew or by whole pixels.
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "ui/art/background_art.h"
#include "ui/help/frm_about.h"
#include "ui/help/frm_tutorial.h"
#include "ui/windows/frm_board_number.h"
#include "ui/windows/frm_eogame.h"
#include "ui/windows/frm_jump.h"
#include "ui/windows/window_zoom.h"

namespace gorbix {
namespace {

TEST(WindowZoom, EveryWindowTheMainWindowOwnsGrowsWithItsZoom) {
  const EndOfLevelSummary summary{"End of Level 3", "120", "Average", "A new best", "Beginner Level 2", true, true};
  // Each with its designed size; a message box's layout sizes it.
  const std::vector<std::pair<QSize, std::function<std::unique_ptr<QWidget>(QWidget*)>>> windows = {
      {{443, 260}, [&](QWidget* owner) { return std::make_unique<frmEOGame>(summary, owner); }},
      {{373, 240}, [](QWidget* owner) { return std::make_unique<frmJump>(3, owner); }},
      {{400, 142}, [](QWidget* owner) { return std::make_unique<BoardNumberWindow>(3, 77, std::nullopt, owner); }},
      {{421, 334}, [](QWidget* owner) { return std::make_unique<help::frmAbout>(owner); }},
      {{}, [](QWidget* owner) {
         auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, "Gorbix!", "Sure?", QMessageBox::Ok, owner);
         look::zoomWindow(*box, look::ownerZoom(owner));
         return box;
       }}};
  QWidget owner;
  for (const auto& [designedSize, make] : windows) {
    look::setOwnerZoom(owner, Zoom());
    const std::unique_ptr<QWidget> designed = make(&owner);
    const QList<QWidget*> controls = designed->findChildren<QWidget*>();
    for (const int percent : kZoomPercents) {
      SCOPED_TRACE(designed->windowTitle().toStdString() + " at " + std::to_string(percent) + " %");
      const Zoom zoom(percent);
      look::setOwnerZoom(owner, zoom);
      const std::unique_ptr<QWidget> zoomed = make(&owner);
      EXPECT_EQ(zoomed->size(), designedSize.isValid() ? zoom.at(designedSize) : zoomed->size());
      EXPECT_DOUBLE_EQ(zoomed->font().pointSizeF(), designed->font().pointSizeF() * zoom.factor());
      const QList<QWidget*> grown = zoomed->findChildren<QWidget*>();
      ASSERT_EQ(grown.size(), controls.size());
      for (qsizetype i = 0; i < grown.size(); ++i) {
        if (grown[i]->objectName().startsWith("qt_")) continue;
        EXPECT_EQ(grown[i]->geometry(), designedSize.isValid() ? zoom.at(controls[i]->geometry()) : grown[i]->geometry());
        EXPECT_DOUBLE_EQ(grown[i]->font().pointSizeF(), controls[i]->font().pointSizeF() * zoom.factor()) << i;
      }
    }
  }
}

TEST(WindowZoom, TheTutorialGrowsAndItsPageByWholeMultiplesPixelForPixel) {
  // A page of single pixels in two colours: any smoothing would blend them.
  QImage checked(help::kPageWidth, help::kPageHeight, QImage::Format_RGB32);
  for (int y = 0; y < checked.height(); ++y)
    for (int x = 0; x < checked.width(); ++x) checked.setPixel(x, y, (x + y) % 2 ? qRgb(0, 96, 0) : qRgb(251, 251, 245));
  QTemporaryDir folder;
  checked.save(QDir(folder.path()).filePath(help::pageFileName(1)), "BMP");
  help::frmTutorial tutorial({}, {folder.path()});
  const QImage page = tutorial.imgHlp()->pixmap().toImage();
  const QImage at100 = tutorial.grab().toImage();
  for (const auto& [percent, times] : {std::pair{150, 1}, {200, 2}, {300, 3}, {100, 1}}) {
    SCOPED_TRACE(percent);
    const Zoom zoom(percent);
    tutorial.setZoom(zoom);
    EXPECT_EQ(tutorial.size(), zoom.at(QSize(523, 372)));
    EXPECT_EQ(tutorial.btnNext()->geometry(), zoom.at(QRect(448, 70, 71, 57)));
    const QImage shown = tutorial.imgHlp()->pixmap().toImage().convertToFormat(page.format());
    EXPECT_EQ(shown, page.scaled(page.size() * times));
    EXPECT_FALSE(tutorial.imgHlp()->geometry().intersects(tutorial.btnNext()->geometry()));
  }
  EXPECT_EQ(tutorial.grab().toImage(), at100) << "back at 100 % as it was";
}

TEST(WindowZoom, TheGamesOwnTitlePictureIsDrawnAnewAtTheZoomAnotherIsScaled) {
  const QImage own = art::drawBackground();
  QImage other = own;
  other.setPixel(0, 0, qRgb(255, 0, 0));
  const QImage sharp = art::drawBackground(QSize(1118, 730));
  EXPECT_EQ(art::zoomedBackground(other, QSize(1118, 730)), other.scaled(1118, 730, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  // The window shows it as soon as it is made, off the UI thread.
  Backdrop backdrop(nullptr);
  backdrop.setPicture(QPixmap::fromImage(own));
  backdrop.setZoom(Zoom(200));
  backdrop.grab();
  QTRY_VERIFY_WITH_TIMEOUT(backdrop.grab().toImage().convertToFormat(own.format()) == sharp, 5000);
}

class ZoomFit : public testing::MainWindowTest {};

TEST_F(ZoomFit, WithoutAWindowManagersFrameToMeasureFortyPixelsAreKeptForIt) {
  const QSize needed = Zoom(200).at(QSize(kClientWidth, kClientHeight)) + QSize(40, 40 + window.menuBar()->sizeHint().height());
  for (const auto& [area, offered] : {std::pair{needed, true}, {needed - QSize(1, 0), false}, {needed - QSize(0, 1), false}}) {
    window.area = QRect(QPoint(), area);
    EXPECT_EQ(window.zoomFits(200), offered) << area.width() << " x " << area.height();
  }
  // An open tutorial follows the zoom.
  window.area = QRect(0, 0, 3840, 2160);
  window.mnuTutorial_Click();
  window.zoomTo(200);
  ASSERT_NE(help::frmTutorial::instance(), nullptr);
  EXPECT_EQ(help::frmTutorial::instance()->size(), QSize(1046, 744));
  help::frmTutorial::instance()->close();
}

}  // namespace
}  // namespace gorbix
