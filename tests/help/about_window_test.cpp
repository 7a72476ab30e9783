#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

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

TEST(AboutWindow, OpensModallyOverItsOwnerCentredOnTheScreen) {
  QWidget owner;
  owner.show();
  QWidget* seen = nullptr;
  QPoint seenAt;
  bool seenModal = false;
  QWidget* seenOwner = nullptr;
  QTimer::singleShot(0, [&] {
    seen = QApplication::activeModalWidget();
    if (seen == nullptr) return;
    seenAt = seen->pos();
    seenModal = seen->isModal();
    seenOwner = seen->parentWidget();
    seen->close();
  });
  frmAbout::showAbout(&owner);
  ASSERT_NE(seen, nullptr);
  EXPECT_TRUE(seenModal);
  EXPECT_EQ(seenOwner, &owner);
  const QRect screen = owner.screen()->geometry();
  EXPECT_EQ(seenAt, QPoint(screen.x() + (screen.width() - 421) / 2, screen.y() + (screen.height() - 334) / 2));
}

}  // namespace
}  // namespace gorbix::help
