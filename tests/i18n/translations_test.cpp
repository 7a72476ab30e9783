#include "i18n/translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <utility>
#include <vector>

namespace gorbix::i18n {
namespace {

TEST(ChooseLanguage, FirstLanguageTheGameSpeaksOrEnglish) {
  const std::vector<std::pair<QStringList, QString>> cases = {
      {{"de-DE", "de"}, "de"},        {{"de-AT"}, "de"},     {{"pt-BR", "pt"}, "pt_BR"},
      {{"pt-PT", "pt"}, ""},          {{"pt-PT", "es"}, "es"}, {{"en-GB", "de"}, ""},
      {{"C"}, ""},                    {{"eo", "nl-BE"}, "nl"}, {{}, ""},
  };
  for (const auto& [ui, language] : cases) {
    EXPECT_EQ(chooseLanguage(ui).toStdString(), language.toStdString()) << ui.join(',').toStdString();
  }
}

// German, embedded, and Qt's own beside it: the message boxes' buttons.
TEST(Translations, InstalledForTheLocaleOrNotAtAll) {
  EXPECT_EQ(installTranslations(QLocale(QLocale::English, QLocale::UnitedStates)), QString());
  EXPECT_EQ(QCoreApplication::translate("Rating", "Average"), QStringLiteral("Average"));
  EXPECT_EQ(localName(QStringLiteral("BG_256.BMP")), QStringLiteral("BG_256.BMP"));
  ASSERT_EQ(installTranslations(QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("de"));
  EXPECT_EQ(QCoreApplication::translate("Rating", "Average"), QStringLiteral("Durchschnitt"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
  EXPECT_EQ(localName(QStringLiteral("BG_256.BMP")), QStringLiteral("BG_256.de.BMP"));
}

}  // namespace
}  // namespace gorbix::i18n

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
