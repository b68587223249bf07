#include "fonts/ViewTextFont.h"

#include "fonts/LanguageFont.h"

#include <QFile>

#include <vtkTextProperty.h>

QByteArray ViewTextFontFile(const QLocale &locale, bool bold)
{
    // VTK's own fonts draw ASCII only: they drop accented letters (é, ñ, ß, ř) as they drop
    // Chinese, Japanese, Korean and Thai ones. English texts keep the look of VTK's own.
    if (locale.language() == QLocale::English)
        return {};
    // VTK opens the first face of a font file only; in a collection (.ttc) that face must
    // have the letters too.
    const LanguageFont font = FindLanguageFont(FontconfigLanguage(locale), bold, true);
    return font.Found() ? QFile::encodeName(font.file) : QByteArray();
}

void ApplyViewTextFont(vtkTextProperty *property, const QByteArray &fontFile)
{
    if (fontFile.isEmpty())
        return;
    property->SetFontFamily(VTK_FONT_FILE);
    property->SetFontFile(fontFile.constData());
}

QFont FontForLanguages(const QFont &base, const QList<QLocale> &locales)
{
    QStringList families{base.family()};
    for (const QLocale &locale : locales) {
        if (locale.script() == QLocale::LatinScript)
            continue;
        const LanguageFont font = FindLanguageFont(FontconfigLanguage(locale), base.bold());
        if (font.Found() && !families.contains(font.family))
            families << font.family;
    }
    QFont font = base;
    font.setFamilies(families);
    return font;
}
