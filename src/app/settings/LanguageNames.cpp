#include "settings/LanguageNames.h"

#include <utility>

QMap<QString, QString> LanguageNames;

namespace {

// The catalog codes predate the standard names of some languages; the stored codes stay.
const std::pair<const char *, const char *> CatalogLocales[] = {
    {"ca", "ca_ES"}, {"cz", "cs_CZ"}, {"de", "de_DE"}, {"en", "en_US"}, {"es", "es_ES"},
    {"fr", "fr_FR"}, {"it", "it_IT"}, {"ja", "ja_JP"}, {"ko", "ko_KR"}, {"pt", "pt_BR"},
    {"th", "th_TH"}, {"zh-cn", "zh_CN"}, {"zh-tw", "zh_TW"},
};

QString NativeName(const QLocale &locale)
{
    const QString name = locale.nativeLanguageName();
    // Names such as "español" begin a line of the list; scripts without case stay as they are.
    return locale.toUpper(name.left(1)) + name.mid(1);
}

} // namespace

void InitLanguageNames()
{
    for (const auto &[code, locale] : CatalogLocales)
        LanguageNames.insert(QString::fromLatin1(code), NativeName(QLocale(QString::fromLatin1(locale))));
}

QLocale LanguageLocale(const QString &code)
{
    for (const auto &[catalog, locale] : CatalogLocales)
        if (code == QLatin1String(catalog))
            return QLocale(QString::fromLatin1(locale));
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QString LanguageCodeFor(const QLocale &locale)
{
    if (locale.language() == QLocale::Chinese)
        return QString::fromLatin1(locale.script() == QLocale::TraditionalHanScript ? "zh-tw" : "zh-cn");
    for (const auto &[catalog, name] : CatalogLocales)
        if (QLocale(QString::fromLatin1(name)).language() == locale.language())
            return QString::fromLatin1(catalog);
    return QString();
}
