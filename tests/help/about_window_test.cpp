#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

#include "fits_text.h"
#include "ui/help/frm_about.h"

namespace gorbix::help {
namespace {

TEST(AboutWindow, ShowsTheNameVersionAndCopyright) {
  frmAbout about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About Gorbix!"));
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
  EXPECT_EQ(about.Label1()->text(), QStringLiteral("GORBIX!"));
  EXPECT_EQ(about.lblVersion()->text(), QStringLiteral("Version 1.03A"));
  EXPECT_TRUE(about.Label3()->text().startsWith(QStringLiteral("Copyright \u00A9 2026")));
  EXPECT_EQ(about.Command1()->text(), QStringLiteral("OK"));
  EXPECT_TRUE(about.Command1()->isDefault());
}

TEST(AboutWindow, EveryTextFitsItsControl) {
  frmAbout about;
  for (QLabel* l : {about.Label1(), about.lblVersion(), about.Label3(), about.lblNotice()})
    EXPECT_TRUE(testing::fitsText(*l)) << l->text().toStdString();
  EXPECT_TRUE(testing::fitsText(*about.Command1()));
  // The notice stays in the room between the frame and the button.
  EXPECT_GE(about.lblNotice()->y(), 119);
  EXPECT_LE(about.lblNotice()->geometry().bottom(), 266);
}

TEST(AboutWindow, OkEscAndEnterCloseIt) {
  {
    frmAbout about;
    about.show();
    QTest::mouseClick(about.Command1(), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
  }
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
    frmAbout about;
    about.show();
    QTest::keyClick(&about, key);
    EXPECT_FALSE(about.isVisible()) << key;
  }
}

// Built over its owner and run, as the Help menu does; neither the owner's
// icon nor the program's may reach it.
TEST(AboutWindow, OpensModallyOverItsOwnerCentredFrameIncludedAndWithoutAnIcon) {
  QPixmap red(16, 16);
  red.fill(Qt::red);
  const QIcon programIcon = QApplication::windowIcon();
  QApplication::setWindowIcon(QIcon(red));
  QWidget owner;
  owner.setWindowIcon(QIcon(red));
  owner.show();
  frmAbout about(&owner);
  QWidget* seen = nullptr;
  bool seenModal = false;
  QRect frame, client;
  QIcon icon(red);
  QTimer::singleShot(0, &about, [&] {
    seen = QApplication::activeModalWidget();
    seenModal = about.isModal();
    frame = about.frameGeometry();
    client = about.geometry();
    icon = about.windowIcon();
    about.close();
  });
  about.exec();
  QApplication::setWindowIcon(programIcon);

  ASSERT_EQ(seen, &about);
  EXPECT_TRUE(seenModal);
  EXPECT_EQ(about.parentWidget(), &owner);
  ASSERT_NE(frame, client) << "the platform draws no window frame";
  const QPoint offCentre = frame.center() - owner.screen()->geometry().center();
  EXPECT_LE(std::abs(offCentre.x()), 1) << offCentre.x();
  EXPECT_LE(std::abs(offCentre.y()), 1) << offCentre.y();
  EXPECT_TRUE(icon.isNull());
}

}  // namespace
}  // namespace gorbix::help
