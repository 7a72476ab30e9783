#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSet>
#include <QTemporaryDir>

#include "fake_translation.h"
#include "tutorial_pages.h"
#include "ui/help/tutorial_files.h"

namespace gorbix::help {
namespace {

int runGenerator(const QString& folder) {
  QProcess gen;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  gen.setProcessEnvironment(env);
  gen.start(QStringLiteral(GORBIX_TUTORIAL_GEN), {folder});
  if (!gen.waitForFinished(60000)) return -1;
  return gen.exitStatus() == QProcess::NormalExit ? gen.exitCode() : -1;
}

TEST(TutorialGenerator, WritesSixPagesOfTheDesignedSize) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  ASSERT_EQ(runGenerator(folder.path()), 0);
  for (int n = 1; n <= kPageCount; ++n) {
    const QImage page(QDir(folder.path()).filePath(pageFileName(n)), "BMP");
    ASSERT_FALSE(page.isNull()) << n;
    EXPECT_EQ(page.size(), QSize(kPageWidth, kPageHeight)) << n;
  }
  EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath(pageFileName(7))));
}

TEST(TutorialGenerator, ReportsAFolderItCannotWriteTo) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  EXPECT_EQ(runGenerator(QDir(folder.path()).filePath(QStringLiteral("no/such/folder"))), 1);
}

TEST(TutorialPages, AreSixDifferentDrawnPages) {
  QSet<QByteArray> seen;
  for (int n = 1; n <= kPageCount; ++n) {
    const QImage page = tutorial::drawTutorialPage(n);
    ASSERT_EQ(page.size(), QSize(kPageWidth, kPageHeight)) << n;
    // A page with text and pictures uses many colours (antialiasing alone
    // gives dozens); a blank or failed page uses one or two.
    QSet<QRgb> colours;
    for (int y = 40; y < page.height(); y += 2)
      for (int x = 0; x < page.width(); x += 2) colours.insert(page.pixel(x, y));
    EXPECT_GT(colours.size(), 50) << n;
    const QByteArray bytes(reinterpret_cast<const char*>(page.constBits()), page.sizeInBytes());
    EXPECT_FALSE(seen.contains(bytes)) << n;
    seen.insert(bytes);
  }
  EXPECT_TRUE(tutorial::drawTutorialPage(0).isNull());
  EXPECT_TRUE(tutorial::drawTutorialPage(kPageCount + 1).isNull());
}

// A translation too long for its box is set in smaller type while that
// helps; when it does not, no page is written and the failure names the
// page, the language and the text.
TEST(TutorialPages, ATextTooLongForItsBoxIsNamedNotCutOff) {
  struct Case {
    const char* english;
    int times;  // the translation: the English this many times over
    int page;
    bool fits;
  };
  for (const Case& c : {Case{"Next: levels and ratings", 3, 4, true}, Case{"Next: levels and ratings", 5, 4, false},
                        Case{"Welcome to Gorbix", 3, 1, false}, Case{"Before: right click the target", 2, 3, false},
                        Case{"Each tile the Thing stands on for the first time", 4, 4, false}}) {
    const testing::FakeTranslation longer([&c](const QString& english) {
      return english == QLatin1String(c.english) ? english.repeated(c.times) : QString();
    });
    QTemporaryDir folder;
    const QStringList failed = tutorial::writeTutorialPages(folder.path(), QStringLiteral("xx"));
    const QString report = failed.join(u'\n');
    const QString page = QDir(folder.path()).filePath(pageFileName(c.page, QStringLiteral("xx")));
    EXPECT_EQ(QFile::exists(page), c.fits) << c.english;
    EXPECT_EQ(report.contains(QString(c.english).left(20)), !c.fits) << report.toStdString();
    EXPECT_EQ(report.count(QStringLiteral("page %1 (xx): ").arg(c.page)), failed.size()) << report.toStdString();
  }
}

}  // namespace
}  // namespace gorbix::help
