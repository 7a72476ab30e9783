// The real gorbix speaks the desktop's language: its menus, read through the
// accessibility bus as a screen reader reads them, in German and in English.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QXmlStreamReader>

#include <csignal>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include "accessibility_bus.h"

namespace gorbix::e2e {
namespace {

using std::chrono::milliseconds;

// (menu, command) in menu order; a menu's own line has no command.
using Menus = std::vector<std::pair<std::string, std::string>>;

// As a reader hears a caption: without its access letter.
std::string heard(QString caption) {
  caption.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
  return caption.replace(QLatin1Char('\x01'), QLatin1Char('&')).toStdString();
}

// Every English text of the German translation file, with the German ones
// it may show as (one text may have a translation per context).
std::map<std::string, std::set<std::string>> germanTexts() {
  std::map<std::string, std::set<std::string>> texts;
  QFile file(QStringLiteral(GORBIX_TRANSLATIONS_DIR "/gorbix_de.ts"));
  if (!file.open(QIODevice::ReadOnly)) return texts;
  QXmlStreamReader xml(&file);
  QString source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"source") {
      source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      texts[heard(source)].insert(heard(xml.readElementText(QXmlStreamReader::IncludeChildElements)));
    }
  }
  return texts;
}

Menus readMenus(const XServer& x, const AccessibilityBus& bus, const std::string& lang) {
  ProgramRunner program;
  program.setEnv("QT_QPA_PLATFORM", "xcb");
  for (const auto& [name, value] : bus.clientEnv()) program.setEnv(name, value);
  program.setEnv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
  program.setEnv("LANG", lang);
  if (!program.start()) return {};
  Menus menus;
  const auto found = x.xdotool({"search", "--sync", "--onlyvisible", "--name", "^Gorbix!$"}, milliseconds(60000));
  for (int i = 0; found && menus.empty() && i < 60; ++i) {
    std::stringstream lines(runCommand({"/usr/bin/python3", GORBIX_READ_ACCESSIBLE, "menus"}, bus.clientEnv(),
                                       milliseconds(20000))
                                .value_or(""));
    for (std::string line; std::getline(lines, line);) {
      const std::size_t menu = line.find('\t');
      const std::size_t command = line.find('\t', menu + 1);
      if (line.starts_with("menu\t") && command != std::string::npos)
        menus.emplace_back(line.substr(menu + 1, command - menu - 1), line.substr(command + 1));
    }
    if (menus.empty()) std::this_thread::sleep_for(milliseconds(500));
  }
  program.signal(SIGTERM);
  EXPECT_EQ(program.waitFor(milliseconds(60000)), 0) << lang;
  return menus;
}

TEST(Language, AGermanDesktopGetsGermanMenusAndTheCLocaleEnglishOnes) {
  XServer x;
  ASSERT_TRUE(x.ready());
  AccessibilityBus bus{x};
  ASSERT_TRUE(bus.ready()) << bus.log();
  const auto german = germanTexts();
  ASSERT_FALSE(german.empty());
  std::set<std::string> germanOnly;
  for (const auto& [english, translations] : german)
    for (const std::string& text : translations)
      if (!german.contains(text)) germanOnly.insert(text);

  const Menus english = readMenus(x, bus, "C.UTF-8");
  const Menus shown = readMenus(x, bus, "de_DE.UTF-8");
  ASSERT_FALSE(english.empty()) << bus.log();
  EXPECT_EQ(english.front(), Menus::value_type("File", ""));
  ASSERT_EQ(shown.size(), english.size());
  for (std::size_t i = 0; i < english.size(); ++i) {
    const auto& [menu, command] = english[i];
    const std::string& text = command.empty() ? menu : command;
    const std::string& germanText = command.empty() ? shown[i].first : shown[i].second;
    EXPECT_FALSE(germanOnly.contains(text)) << text << " is German on an English desktop";
    const auto translations = german.find(text);
    if (translations == german.end()) {
      EXPECT_EQ(germanText, text) << "a text without translation";
    } else {
      EXPECT_TRUE(translations->second.contains(germanText)) << text << " shows as " << germanText;
    }
    // Every menu's own title has a German word of its own.
    if (command.empty()) {
      EXPECT_NE(germanText, text);
    }
  }
}

}  // namespace
}  // namespace gorbix::e2e
