#include <gtest/gtest.h>

#include <functional>

#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "fake_translation.h"
#include "fits_text.h"
#include "ui/help/frm_tutorial.h"
#include "ui/help/tutorial_files.h"
#include "ui/help/tutorial_text.h"

namespace gorbix::help {
namespace {

// Page n is a plain picture in a colour of its own, so a test can tell
// which page is shown.
QColor pageColour(int n) { return QColor(40 * n, 250 - 30 * n, 100 + 20 * n); }

void writePage(const QString& folder, int n, QSize size = {kPageWidth, kPageHeight}, QColor colour = {},
               const QString& language = {}) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour.isValid() ? colour : pageColour(n));
  ASSERT_TRUE(image.save(QDir(folder).filePath(pageFileName(n, language)), "BMP"));
}

QColor shownColour(const frmTutorial& w) {
  const QPixmap picture = w.imgHlp()->pixmap();
  if (picture.isNull()) return {};
  return picture.toImage().pixelColor(10, 10);
}

void expectButtons(const frmTutorial& w, int page) {
  EXPECT_EQ(w.CurrentPage(), page);
  EXPECT_EQ(w.btnPrev()->isEnabled(), page != 1) << "page " << page;
  EXPECT_EQ(w.btnNext()->isEnabled(), page != kPageCount) << "page " << page;
  EXPECT_TRUE(w.btnCancel()->isEnabled());
  for (int i = 0; i < kPageCount; ++i) EXPECT_EQ(w.btnJump(i)->isEnabled(), i != page - 1) << "page " << page;
}

class TutorialWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    for (int n = 1; n <= kPageCount; ++n) writePage(folder_.path(), n);
  }
  QTemporaryDir folder_;
};

TEST_F(TutorialWindow, OpensOnPageOneAsAnOwnerlessModelessWindow) {
  frmTutorial w({}, {folder_.path()});
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Gorbix Tutorial"));
  EXPECT_EQ(w.minimumSize(), w.maximumSize());
  EXPECT_FALSE(w.isModal());
  EXPECT_EQ(w.parentWidget(), nullptr);
  EXPECT_FALSE(w.windowIcon().isNull());
  EXPECT_EQ(w.btnPrev()->text(), QStringLiteral("&Previous"));
  EXPECT_EQ(w.btnNext()->text(), QStringLiteral("&Next"));
  EXPECT_EQ(w.btnCancel()->text(), QStringLiteral("OK"));
  EXPECT_TRUE(w.btnCancel()->isDefault());
  EXPECT_EQ(w.lblPage()->text(), QStringLiteral("Page"));
  for (int i = 0; i < kPageCount; ++i) EXPECT_EQ(w.btnJump(i)->text(), QString::number(i + 1));
  expectButtons(w, 1);
  EXPECT_EQ(shownColour(w), pageColour(1));
}

// The picture's words from the table the pages are drawn from, in plain text.
TEST_F(TutorialWindow, EachPageGivesAScreenReaderItsWords) {
  frmTutorial w({}, {folder_.path()});
  for (const auto& [page, words] : std::vector<std::pair<int, QString>>{
           {1, "8 columns and 6 rows"}, {2, "costs 5 points"}, {3, "turns from green to red"},
           {4, "H again makes the move"}, {5, "370 and more: Universal Overlord!"}, {6, "Board Number\u2026\nCtrl+B"}}) {
    w.ShowPage(static_cast<std::int16_t>(page));
    const QString text = QAccessible::queryAccessibleInterface(w.imgHlp())->text(QAccessible::Description);
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(tutorialPages()[static_cast<std::size_t>(page - 1)].title))) << page;
    EXPECT_TRUE(text.contains(words)) << page << ": " << text.toStdString();
    EXPECT_FALSE(text.contains(QLatin1Char('<'))) << page;
  }
}

TEST_F(TutorialWindow, NextAndPreviousMoveOnePage) {
  frmTutorial w({}, {folder_.path()});
  for (int n = 2; n <= kPageCount; ++n) {
    QTest::mouseClick(w.btnNext(), Qt::LeftButton);
    expectButtons(w, n);
    EXPECT_EQ(shownColour(w), pageColour(n));
  }
  QTest::mouseClick(w.btnNext(), Qt::LeftButton);  // disabled on the last page
  EXPECT_EQ(w.CurrentPage(), kPageCount);
  for (int n = kPageCount - 1; n >= 1; --n) {
    QTest::mouseClick(w.btnPrev(), Qt::LeftButton);
    expectButtons(w, n);
  }
  QTest::mouseClick(w.btnPrev(), Qt::LeftButton);
  EXPECT_EQ(w.CurrentPage(), 1);
}

TEST_F(TutorialWindow, PageButtonsJumpToTheirPage) {
  frmTutorial w({}, {folder_.path()});
  for (int i : {5, 2, 3, 0, 4, 1}) {
    QTest::mouseClick(w.btnJump(i), Qt::LeftButton);
    expectButtons(w, i + 1);
    EXPECT_EQ(shownColour(w), pageColour(i + 1));
  }
}

TEST_F(TutorialWindow, PageNumbersOutsideTheRangeStayOnTheFirstOrLastPage) {
  frmTutorial w({}, {folder_.path()});
  w.ShowPage(0);
  expectButtons(w, 1);
  w.ShowPage(7);
  expectButtons(w, kPageCount);
}

// A missing or unreadable page names its file in the picture area; the
// pages that are there still show.
TEST_F(TutorialWindow, AMissingOrUnreadablePageNamesItsFileInThePictureArea) {
  ASSERT_TRUE(QFile::remove(QDir(folder_.path()).filePath(pageFileName(3))));
  QFile damaged(QDir(folder_.path()).filePath(pageFileName(2)));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
  damaged.write("BM not a picture");
  damaged.close();
  frmTutorial w({}, {folder_.path()});
  for (std::int16_t page : {3, 2}) {
    w.ShowPage(page);
    expectButtons(w, page);
    EXPECT_TRUE(w.imgHlp()->pixmap().isNull());
    EXPECT_TRUE(w.imgHlp()->text().contains(QStringLiteral("Hlp%1_256.bmp").arg(page)));
    EXPECT_EQ(w.imgHlp()->size(), QSize(kPageWidth + 2, kPageHeight + 2));
    EXPECT_TRUE(testing::fitsText(*w.imgHlp()));
  }
  w.ShowPage(4);
  EXPECT_EQ(shownColour(w), pageColour(4));
  EXPECT_TRUE(w.imgHlp()->text().isEmpty());
}

TEST_F(TutorialWindow, LooksInTheFirstFolderFirstAndFallsBackToTheNext) {
  QTemporaryDir first;
  ASSERT_TRUE(first.isValid());
  writePage(first.path(), 1, {kPageWidth, kPageHeight}, Qt::black);
  QFile damaged(QDir(first.path()).filePath(pageFileName(2)));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("garbage");
  damaged.close();

  frmTutorial w({}, {first.path(), folder_.path()});
  EXPECT_EQ(shownColour(w), QColor(Qt::black));
  w.ShowPage(2);  // damaged in the first folder: the good copy behind it wins
  EXPECT_EQ(shownColour(w), pageColour(2));
  w.ShowPage(5);  // only in the second folder
  EXPECT_EQ(shownColour(w), pageColour(5));
}

// The player's language wins wherever its page lies; English stands in for
// a page it lacks. The screen reader's words are translated like the page.
TEST_F(TutorialWindow, ShowsThePagesOfThePlayersLanguageWhereThereAreAny) {
  QTemporaryDir first;
  ASSERT_TRUE(first.isValid());
  writePage(first.path(), 1, {kPageWidth, kPageHeight}, Qt::black);
  writePage(folder_.path(), 1, {kPageWidth, kPageHeight}, Qt::red, QStringLiteral("de"));
  const testing::FakeTranslation bracketed([](const QString& english) { return '[' + english + ']'; });

  frmTutorial w({}, {first.path(), folder_.path()}, QStringLiteral("de"));
  EXPECT_EQ(shownColour(w), QColor(Qt::red));
  EXPECT_EQ(w.btnNext()->text(), QStringLiteral("[&Next]"));
  w.ShowPage(5);
  EXPECT_EQ(shownColour(w), pageColour(5));
  const QString text = QAccessible::queryAccessibleInterface(w.imgHlp())->text(QAccessible::Description);
  EXPECT_TRUE(text.startsWith(QStringLiteral("[Levels and ratings]\n"))) << text.toStdString();
  EXPECT_TRUE(text.endsWith(QStringLiteral("[370 and more: [Universal Overlord!]]"))) << text.toStdString();
  const frmTutorial english({}, {first.path(), folder_.path()}, QString());
  EXPECT_EQ(shownColour(english), QColor(Qt::black));
}

TEST_F(TutorialWindow, APictureOfAnotherSizeResizesTheFrameNotTheWindow) {
  writePage(folder_.path(), 2, {200, 100});
  frmTutorial w({}, {folder_.path()});
  w.ShowPage(2);
  EXPECT_EQ(w.imgHlp()->size(), QSize(202, 102));
  EXPECT_EQ(w.imgHlp()->pos(), QPoint(6, 6));
  EXPECT_EQ(w.size(), QSize(523, 372));
  w.ShowPage(1);
  EXPECT_EQ(w.imgHlp()->size(), QSize(kPageWidth + 2, kPageHeight + 2));
}

TEST_F(TutorialWindow, LoadsItsPlacementOnceAndSavesItOnCloseInTheNormalState) {
  int loads = 0;
  int saves = 0;
  QPoint saved;
  TutorialPlacement placement{[&](QWidget& window) {
                                ++loads;
                                window.move(120, 80);
                              },
                              [&](const QWidget& window) {
                                ++saves;
                                saved = window.pos();
                              }};
  frmTutorial w(placement, {folder_.path()});
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(w.pos(), QPoint(120, 80));
  w.show();
  QTest::mouseClick(w.btnCancel(), Qt::LeftButton);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(saved, QPoint(120, 80));
  EXPECT_EQ(loads, 1);
}

// Esc and Enter close it like OK; a window minimised or maximised when it
// closes keeps its earlier stored placement.
TEST_F(TutorialWindow, SavesItsPlacementOnlyWhenClosedInTheNormalState) {
  const std::function<void(frmTutorial&)> closings[] = {
      [](frmTutorial& w) { QTest::keyClick(&w, Qt::Key_Escape); },
      [](frmTutorial& w) { QTest::keyClick(&w, Qt::Key_Return); },
      [](frmTutorial& w) { w.setWindowState(Qt::WindowMinimized); w.close(); },
      [](frmTutorial& w) { w.setWindowState(Qt::WindowMaximized); w.close(); }};
  const int expectedSaves[] = {1, 1, 0, 0};
  for (std::size_t i = 0; i < std::size(closings); ++i) {
    int saves = 0;
    frmTutorial w({{}, [&](const QWidget&) { ++saves; }}, {folder_.path()});
    w.show();
    closings[i](w);
    EXPECT_FALSE(w.isVisible()) << i;
    EXPECT_EQ(saves, expectedSaves[i]) << i;
  }
}

TEST(TutorialInstance, OpeningTwiceGivesTheSameWindowOnItsPage) {
  int loads = 0;
  frmTutorial* first = frmTutorial::showTutorial({[&](QWidget&) { ++loads; }, {}});
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(frmTutorial::instance(), first);
  first->ShowPage(4);

  frmTutorial* second = frmTutorial::showTutorial({[&](QWidget&) { ++loads; }, {}});
  EXPECT_EQ(second, first);
  EXPECT_EQ(second->CurrentPage(), 4);
  EXPECT_TRUE(second->isVisible());
  EXPECT_EQ(loads, 1);

  // Closed, it is gone; the next opening starts on page 1 again.
  first->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(frmTutorial::instance(), nullptr);
  frmTutorial* third = frmTutorial::showTutorial();
  EXPECT_EQ(third->CurrentPage(), 1);
  third->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(frmTutorial::instance(), nullptr);
}

TEST_F(TutorialWindow, EveryCaptionFitsItsControl) {
  frmTutorial w({}, {folder_.path()});
  EXPECT_TRUE(testing::fitsText(*w.lblPage()));
  for (QPushButton* b : {w.btnPrev(), w.btnNext(), w.btnCancel()}) EXPECT_TRUE(testing::fitsText(*b)) << b->text().toStdString();
  for (int i = 0; i < kPageCount; ++i) EXPECT_TRUE(testing::fitsText(*w.btnJump(i)));
}

}  // namespace
}  // namespace gorbix::help
