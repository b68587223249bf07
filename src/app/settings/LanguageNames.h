#pragma once

#include <QMap>
#include <QString>

// Language code -> display name of every offered interface language, ordered by code.
extern QMap<QString, QString> LanguageNames;

void InitLanguageNames();
