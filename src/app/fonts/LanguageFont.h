#pragma once

#include <QLocale>
#include <QString>

// A font on this system that has the letters of a language, as fontconfig finds it. The views
// draw their texts with VTK, whose own font has ASCII letters only and no fallback to others.
struct LanguageFont
{
    QString file;   // empty when no installed font has the language's letters
    int index = 0;  // the face within the file (collections such as .ttc hold several)
    QString family;

    bool Found() const { return !file.isEmpty(); }
};

// The fontconfig name of the language a locale writes: "ja", "ko", "th", "zh-cn" and "zh-tw"
// (the two Chinese scripts have letters of their own).
QString FontconfigLanguage(const QLocale &locale);

// A sans-serif font, bold if asked, that covers `language` (a fontconfig name). With
// `firstFaceOnly`, only fonts that are the first face of their file count: VTK opens that one.
LanguageFont FindLanguageFont(const QString &language, bool bold, bool firstFaceOnly = false);
