#pragma once

#include <QLocale>
#include <QMap>
#include <QString>

// Language code -> display name of every offered interface language, ordered by code. Each
// language is named in itself ("Deutsch", "日本語"), so that anyone finds their own.
extern QMap<QString, QString> LanguageNames;

void InitLanguageNames();

// The locale a catalog code stands for ("cz" is Czech, "zh-tw" Chinese in traditional script):
// its number format and Qt's own catalog go with the interface language.
QLocale LanguageLocale(const QString &code);

// The code of the catalog for the locale's language; empty when no catalog has it.
QString LanguageCodeFor(const QLocale &locale);
