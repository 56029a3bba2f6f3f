#include <gtest/gtest.h>

#include "l10n/Translations.h"

TEST(Language, TheCommandLineFirstThenTheUsersFirstSpokenPreference) {
  struct Case {
    const char* asked;
    QStringList preferred;
    std::optional<QString> chosen;
  };
  const Case cases[] = {
      {"", {"de-DE", "de"}, "de"}, {"", {"pt-BR", "fr-CA", "fr"}, "fr"},
      {"", {"en-GB", "de"}, "en"},  // English preferred to a language we speak
      {"", {"C"}, "en"},           {"", {"pt", "ja"}, "en"},
      {"fr", {"de"}, "fr"},        {"ES", {"de"}, "es"},
      {"de_AT", {}, "de"},         {"xx", {"de"}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(chooseLanguage(QString::fromLatin1(c.asked), c.preferred), c.chosen)
        << c.asked << " " << qPrintable(c.preferred.join(QLatin1Char(' ')));
  }
}
