// The layouts are fixed in pixels while the fonts are whatever the system
// resolves the asked-for families to: every text must still fit.
#include <set>

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "ui/windows/frm_eogame.h"
#include "ui/windows/frm_jump.h"

namespace gorbix {
namespace {

std::set<std::string> allRatingNames() {
  std::set<std::string> names;
  for (int score = -1; score <= 400; ++score) names.emplace(RatingName(static_cast<std::int16_t>(score)));
  return names;
}

void expectFits(const QLabel& label, const QString& text) {
  const int needed = QFontMetrics(label.font()).horizontalAdvance(text);
  EXPECT_LE(needed, label.contentsRect().width())
      << '"' << text.toStdString() << "\" needs " << needed << " px in " << label.objectName().toStdString();
}

void expectFits(const QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.rect = button.rect();
  option.text = button.text();
  const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
  QString shown = button.text();
  shown.remove('&');
  const int needed = QFontMetrics(button.font()).horizontalAdvance(shown);
  EXPECT_LE(needed, contents.width()) << '"' << shown.toStdString() << "\" needs " << needed << " px";
}

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

TEST(TextFit, MainWindowLabelsShowTheirLongestTexts) {
  testing::CountingTrap trap;
  testing::FakeSounds sounds;
  testing::TestMain window(trap, sounds);
  const MainControls& ui = window.controls();
  ASSERT_TRUE(allRatingNames().count("Universal Overlord!"));
  ASSERT_TRUE(allRatingNames().count("Accomplished Expert"));
  for (const std::string& name : allRatingNames()) expectFits(*ui.lblRating, qs(name));
  expectFits(*ui.lblScore, "32767");
  expectFits(*ui.lblDifficulty, "25");
}

TEST(TextFit, ScoreListLinesAreFixedPitchAndFitTheList) {
  testing::CountingTrap trap;
  testing::FakeSounds sounds;
  testing::TestMain window(trap, sounds);
  for (int level = 0; level < kLevels; ++level) {
    window.storedBest[static_cast<std::size_t>(level)] = static_cast<std::int16_t>(level * 1311 % 32768);
  }
  window.storedBest[3] = -32768;
  window.Form_Load();
  const QListWidget& list = *window.controls().lstScores;
  EXPECT_TRUE(QFontInfo(list.font()).fixedPitch()) << QFontInfo(list.font()).family().toStdString();
  const QFontMetrics metrics(list.font());
  ASSERT_EQ(list.count(), kLevels);
  const int width = metrics.horizontalAdvance(list.item(0)->text());
  for (int line = 0; line < list.count(); ++line) {
    EXPECT_EQ(metrics.horizontalAdvance(list.item(line)->text()), width) << line;
  }
  EXPECT_LE(width, list.viewport()->width() - list.verticalScrollBar()->sizeHint().width());
}

TEST(TextFit, EndOfLevelDialogShowsItsLongestTexts) {
  BestScores best{};
  best[0] = -32768;
  frmEOGame dialog(LoadEndOfLevel(1, 0, best), nullptr);
  expectFits(*dialog.Label1[0], dialog.Label1[0]->text());
  expectFits(*dialog.Label1[1], dialog.Label1[1]->text());
  expectFits(*dialog.Label3, dialog.Label3->text());
  expectFits(*dialog.lblScoreThisLevel, "-32768");
  for (const std::string& name : allRatingNames()) {
    expectFits(*dialog.lblRatingForLevel, qs(name));
    expectFits(*dialog.lblRatingForAll, qs(name));
  }
  expectFits(*dialog.lblComment, "You did not beat your previous score for this level (-32768)");
  expectFits(*dialog.lblComment, "You beat your previous score for this level (-32768)!");
  for (const QPushButton* button : {dialog.cmdTryAgain, dialog.cmdNextLevel, dialog.cmdJump, dialog.cmdQuit}) {
    expectFits(*button);
  }
}

TEST(TextFit, JumpWindowShowsItsTexts) {
  frmJump dialog(25, nullptr);
  expectFits(*dialog.lblNow, dialog.lblNow->text());
  expectFits(*dialog.Label2, dialog.Label2->text());
  expectFits(*dialog.Command1);
  for (const QPushButton* button : dialog.btnNewLevel) expectFits(*button);
}

}  // namespace
}  // namespace gorbix
