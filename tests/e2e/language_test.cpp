// The real gorbix speaks the desktop's language: its menus, read through the
// accessibility bus as a screen reader hears them, in English and in German.
#include <gtest/gtest.h>

#include <QFile>
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

// A caption as a reader hears it: without its access letter.
std::string heard(QString caption) { return caption.remove(QLatin1Char('&')).toStdString(); }

// Each English text of gorbix_de.ts with its German ones (one a context).
std::map<std::string, std::set<std::string>> germanTexts() {
  std::map<std::string, std::set<std::string>> texts;
  QFile file(QStringLiteral(GORBIX_TRANSLATIONS_DIR "/gorbix_de.ts"));
  if (!file.open(QIODevice::ReadOnly)) return texts;
  QXmlStreamReader xml(&file);
  QString source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"source") source = xml.readElementText();
    // A count's translation holds its forms as elements of their own.
    if (xml.name() == u"translation") {
      texts[heard(source)].insert(heard(xml.readElementText(QXmlStreamReader::IncludeChildElements)));
    }
  }
  return texts;
}

// The reader's lines "menu<TAB>title<TAB>command", in menu order.
std::vector<std::string> readMenus(const XServer& x, const AccessibilityBus& bus, const std::string& lang) {
  ProgramRunner program;
  for (const auto& [name, value] : bus.clientEnv()) program.setEnv(name, value);
  program.setEnv("QT_QPA_PLATFORM", "xcb");
  program.setEnv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
  program.setEnv("LANG", lang);
  std::vector<std::string> menus;
  if (!program.start() || !x.xdotool({"search", "--sync", "--onlyvisible", "--name", "^Gorbix!$"}, milliseconds(60000)))
    return menus;
  for (int i = 0; menus.empty() && i < 60; ++i) {
    std::stringstream out(runCommand({"/usr/bin/python3", GORBIX_READ_ACCESSIBLE, "menus"}, bus.clientEnv(),
                                     milliseconds(20000)).value_or(""));
    for (std::string line; std::getline(out, line);) menus.push_back(line);
    if (menus.empty()) std::this_thread::sleep_for(milliseconds(500));
  }
  program.signal(SIGTERM);
  EXPECT_EQ(program.waitFor(milliseconds(60000)), 0) << lang;
  return menus;
}

TEST(Language, AGermanDesktopGetsGermanMenusAndTheCLocaleEnglishOnes) {
  XServer x;
  AccessibilityBus bus{x};
  ASSERT_TRUE(bus.ready()) << bus.log();
  const auto german = germanTexts();
  const std::vector<std::string> english = readMenus(x, bus, "C.UTF-8");
  const std::vector<std::string> shown = readMenus(x, bus, "de_DE.UTF-8");
  ASSERT_FALSE(english.empty()) << bus.log();
  EXPECT_EQ(english.front(), "menu\tFile\t");
  ASSERT_EQ(shown.size(), english.size());
  for (std::size_t i = 0; i < english.size(); ++i) {
    // A menu's own line names it, a command's line names the command.
    const bool title = english[i].ends_with('\t');
    const auto last = [title](const std::string& line) {
      const std::size_t end = title ? line.size() - 1 : line.size();
      const std::size_t start = line.rfind('\t', end - 1) + 1;
      return line.substr(start, end - start);
    };
    const std::string text = last(english[i]);
    const std::string shownText = last(shown[i]);
    const auto found = german.find(text);
    // Without a translation (a number) the text stays; every menu has a German title.
    EXPECT_TRUE(found == german.end() ? shownText == text && !title : found->second.contains(shownText))
        << text << " shows as " << shownText;
    if (found != german.end() && title) {
      EXPECT_NE(shownText, text);
    }
  }
}

}  // namespace
}  // namespace gorbix::e2e
