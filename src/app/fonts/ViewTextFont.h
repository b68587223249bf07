#pragma once

#include <QByteArray>
#include <QFont>
#include <QLocale>
#include <QStringList>

class vtkTextProperty;

// The font file for the views' texts in the locale's language: VTK's own font draws ASCII
// only, so every language but English gets an installed font, bold if asked, that has all its
// letters (found through fontconfig). Empty where VTK's own font serves, or no font has them.
QByteArray ViewTextFontFile(const QLocale &locale, bool bold);

// Draws the property's text with the font file, or with VTK's own font when it is empty.
void ApplyViewTextFont(vtkTextProperty *property, const QByteArray &fontFile);

// The base font, falling back to installed fonts that have the letters of each of these
// locales' languages: a list that names every language in itself (日本語, 한국어, ไทย) shows each
// name, even where the default font lacks its letters.
QFont FontForLanguages(const QFont &base, const QList<QLocale> &locales);
