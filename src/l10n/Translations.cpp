#include "l10n/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// "de_DE", "de-AT" and "de" all mean German here.
QString baseLanguage(const QString& name) {
  return name.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
}

void load(QCoreApplication& app, const QString& file, const QString& folder) {
  auto* translator = new QTranslator(&app);
  if (translator->load(file, folder)) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace

QStringList translatedLanguages() {
  return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

std::optional<QString> chooseLanguage(const QString& asked, const QStringList& userLanguages) {
  const QString english = QStringLiteral("en");
  if (!asked.isEmpty()) {
    const QString language = baseLanguage(asked);
    if (language == english || translatedLanguages().contains(language)) return language;
    return std::nullopt;
  }
  // The user's list is in order of preference; English anywhere before a language we speak
  // wins, and so does the C locale.
  for (const QString& preferred : userLanguages) {
    const QString language = baseLanguage(preferred);
    if (language == english || language == QStringLiteral("c")) return english;
    if (translatedLanguages().contains(language)) return language;
  }
  return english;
}

void installTranslations(QCoreApplication& app, const QString& language) {
  if (!translatedLanguages().contains(language)) return;
  load(app, QStringLiteral("kalyra_") + language, QStringLiteral(":/i18n"));
  load(app, QStringLiteral("qtbase_") + language,
       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
