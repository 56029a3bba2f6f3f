#include <gtest/gtest.h>

#include "l10n/Translations.h"

// English is preferred to a language we speak when the user puts it first.
TEST(Language, TheCommandLineFirstThenTheUsersFirstSpokenPreference) {
  const std::tuple<const char*, QStringList, std::optional<QString>> cases[] = {
      {"", {"de-DE", "de"}, "de"}, {"", {"pt-BR", "fr-CA", "fr"}, "fr"},
      {"", {"en-GB", "de"}, "en"}, {"", {"C", "de"}, "en"},
      {"", {"pt", "ja"}, "en"},    {"fr", {"de"}, "fr"},
      {"ES", {"de"}, "es"},        {"de_AT", {}, "de"},
      {"en", {"de"}, "en"},        {"xx", {"de"}, std::nullopt}};
  for (const auto& [asked, preferred, chosen] : cases)
    EXPECT_EQ(chooseLanguage(QString::fromLatin1(asked), preferred), chosen)
        << asked << " " << qPrintable(preferred.join(QLatin1Char(' ')));
}
