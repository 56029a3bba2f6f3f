#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QCoreApplication;

// The languages the program speaks besides English, which its texts are written in.
QStringList translatedLanguages();

// The language to show: the one asked for on the command line if any (nullopt when the program
// does not speak it), otherwise the first of the user's preferred languages that the program
// speaks, otherwise English ("en").
std::optional<QString> chooseLanguage(const QString& asked, const QStringList& userLanguages);

// Makes the program and Qt's own dialogs speak `language`. English needs nothing; Qt's texts
// are used when the system has them.
void installTranslations(QCoreApplication& app, const QString& language);
