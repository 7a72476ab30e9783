// Alt and a letter reach one thing only: within each real menu and window,
// in every language, no two captions share their access letter (&).
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <map>

#include "languages.h"
#include "settings/settings_layout.h"
#include "ui/help/frm_about.h"
#include "ui/windows/frm_board_number.h"
#include "ui/windows/frm_eogame.h"
#include "ui/windows/frm_jump.h"
#include "ui/windows/frm_statistics.h"

namespace gorbix {
namespace {

// The letter after a single &, lower case; none for a caption without one.
std::optional<QChar> accessLetter(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] != u'&') return caption[i + 1].toLower();
    ++i;
  }
  return std::nullopt;
}

void expectUnique(const std::string& group, const QStringList& captions, const std::string& language) {
  std::map<QChar, QString> taken;
  for (const QString& caption : captions) {
    const auto letter = accessLetter(caption);
    if (!letter) continue;
    const auto [was, fresh] = taken.emplace(*letter, caption);
    EXPECT_TRUE(fresh) << group << ": letter '" << QString(*letter).toStdString() << "' of \"" << caption.toStdString()
                       << "\" and \"" << was->second.toStdString() << "\" in " << language;
  }
}

QStringList captionsOf(const QList<QAction*>& actions) {
  QStringList captions;
  for (const QAction* action : actions) captions << action->text();
  return captions;
}

// A window's buttons and the labels that lend their letter to a field.
QStringList captionsOf(const QWidget& window) {
  QStringList captions;
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) captions << button->text();
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->buddy()) captions << label->text();
  }
  return captions;
}

TEST(AccessLetters, UniqueInEveryMenuAndWindowInEveryLanguage) {
  for (const testing::Language& language : testing::allLanguages()) {
    const testing::Speaking speaking(language);
    QMenuBar bar;
    const MainMenus menus = buildMainMenus(&bar, kZoomPercents);
    expectUnique("menu bar", captionsOf(bar.actions()), language.name);
    for (const QMenu* menu : {menus.mnuFile, menus.mnuGame, menus.viewMenu, menus.zoomMenu, menus.mnuHelp}) {
      expectUnique("menu " + menu->title().toStdString(), captionsOf(menu->actions()), language.name);
    }

    BestScores best{};
    const frmEOGame eog(LoadEndOfLevel(3, 120, best), nullptr);
    const frmJump jump(3, nullptr);
    const BoardNumberWindow number(3, 77, 330, nullptr);
    const StatisticsWindow statistics(nullptr);
    const help::frmAbout about(nullptr);
    for (const QWidget* window : std::initializer_list<const QWidget*>{&eog, &jump, &number, &statistics, &about}) {
      expectUnique("window " + window->windowTitle().toStdString(), captionsOf(*window), language.name);
    }
  }
}

}  // namespace
}  // namespace gorbix
