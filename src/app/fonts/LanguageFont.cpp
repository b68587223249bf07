#include "fonts/LanguageFont.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace {

template <typename T, void (*Free)(T *)> struct Deleter
{
    void operator()(T *object) const { Free(object); }
};
using Pattern = std::unique_ptr<FcPattern, Deleter<FcPattern, FcPatternDestroy>>;
using FontSet = std::unique_ptr<FcFontSet, Deleter<FcFontSet, FcFontSetDestroy>>;

const FcChar8 *Text(const QByteArray &bytes)
{
    return reinterpret_cast<const FcChar8 *>(bytes.constData());
}

// Whether the font has every letter fontconfig lists for the language (not just those of a
// neighbour: a font with traditional Chinese letters lacks many simplified ones).
bool Covers(FcPattern *font, const QByteArray &language)
{
    FcLangSet *languages = nullptr;
    return FcPatternGetLangSet(font, FC_LANG, 0, &languages) == FcResultMatch &&
           FcLangSetHasLang(languages, Text(language)) == FcLangEqual;
}

} // namespace

QString FontconfigLanguage(const QLocale &locale)
{
    if (locale.language() == QLocale::Chinese)
        return locale.script() == QLocale::TraditionalHanScript || locale.country() == QLocale::Taiwan
                   ? QStringLiteral("zh-tw")
                   : QStringLiteral("zh-cn");
    return locale.name().section(QLatin1Char('_'), 0, 0);
}

LanguageFont FindLanguageFont(const QString &language, bool bold, bool firstFaceOnly)
{
    if (!FcInit())
        return {};
    const QByteArray languageName = language.toLatin1();
    Pattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, Text(QByteArrayLiteral("sans-serif")));
    FcPatternAddString(pattern.get(), FC_LANG, Text(languageName));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    // Best first; the first that really covers the language wins.
    FontSet fonts(FcFontSort(nullptr, pattern.get(), FcFalse, nullptr, &result));
    if (!fonts)
        return {};
    for (int i = 0; i < fonts->nfont; ++i) {
        FcPattern *font = fonts->fonts[i];
        FcChar8 *file = nullptr;
        FcChar8 *family = nullptr;
        int index = 0;
        FcBool scalable = FcFalse;
        if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch ||
            FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) != FcResultMatch || !scalable ||
            !Covers(font, languageName))
            continue;
        FcPatternGetInteger(font, FC_INDEX, 0, &index);
        if (firstFaceOnly && index != 0)
            continue;
        FcPatternGetString(font, FC_FAMILY, 0, &family);
        return {QString::fromUtf8(reinterpret_cast<const char *>(file)), index,
                family ? QString::fromUtf8(reinterpret_cast<const char *>(family)) : QString()};
    }
    return {};
}
