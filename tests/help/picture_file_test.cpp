#include "ui/help/picture_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace gorbix::help {
namespace {

class PictureFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
  QString path(const char* name) const { return QDir(folder_.path()).filePath(QString::fromLatin1(name)); }
  void write(const char* name, const QByteArray& bytes) const {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir folder_;
};

TEST_F(PictureFile, APictureLoadsWhateverItsNameAndAnythingElseGivesNone) {
  QImage image(30, 20, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  ASSERT_TRUE(image.save(path("page.bmp"), "BMP"));
  ASSERT_TRUE(QFile::copy(path("page.bmp"), path("NO_SUFFIX")));
  for (const char* name : {"page.bmp", "NO_SUFFIX"}) {
    const QPixmap picture = loadPictureFile(path(name));
    ASSERT_FALSE(picture.isNull()) << name;
    EXPECT_EQ(picture.size(), QSize(30, 20));
    EXPECT_EQ(picture.toImage().pixelColor(5, 5), QColor(Qt::darkCyan));
  }

  write("empty.bmp", {});
  write("text.bmp", "BM not a picture");
  ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("folder.bmp")));
  ASSERT_EQ(::mkfifo(path("pipe.bmp").toLocal8Bit().constData(), 0600), 0);
  for (const char* name : {"empty.bmp", "text.bmp", "folder.bmp", "missing.bmp", "pipe.bmp"}) {
    EXPECT_TRUE(loadPictureFile(path(name)).isNull()) << name;
  }
}

}  // namespace
}  // namespace gorbix::help
