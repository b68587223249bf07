#include "settings/LanguageNames.h"

QMap<QString, QString> LanguageNames;

void InitLanguageNames()
{
    LanguageNames.insert(QStringLiteral("es"), QStringLiteral("Espa\u00f1ol"));
    LanguageNames.insert(QStringLiteral("ca"), QStringLiteral("Catal\u00e0"));
    LanguageNames.insert(QStringLiteral("en"), QStringLiteral("English"));
    LanguageNames.insert(QStringLiteral("pt"), QStringLiteral("Portuguese"));
    LanguageNames.insert(QStringLiteral("de"), QStringLiteral("German"));
    LanguageNames.insert(QStringLiteral("fr"), QStringLiteral("French"));
    LanguageNames.insert(QStringLiteral("it"), QStringLiteral("Italiano"));
    LanguageNames.insert(QStringLiteral("ja"), QStringLiteral("Japanese"));
    LanguageNames.insert(QStringLiteral("ko"), QStringLiteral("Korean"));
    LanguageNames.insert(QStringLiteral("th"), QStringLiteral("Thai"));
    LanguageNames.insert(QStringLiteral("zh-tw"), QStringLiteral("Chinese Traditional"));
    LanguageNames.insert(QStringLiteral("zh-cn"), QStringLiteral("Chinese Simplified"));
    LanguageNames.insert(QStringLiteral("cz"), QStringLiteral("Czech"));
}
