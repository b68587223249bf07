#pragma once

#include <QRegularExpression>
#include <QString>

// A menu entry's text as a title: without its shortcut marker, also where a language puts the
// marked letter in brackets after the words ("環境設定(&P)" gives "環境設定"), and without
// the dots that announce a dialog.
inline QString MenuTextAsTitle(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\s*[(\\x{FF08}]&[^&\\s][)\\x{FF09}]")));
    text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    text.remove(QRegularExpression(QStringLiteral("(\\.\\.\\.|\\x{2026})$")));
    return text.trimmed();
}
