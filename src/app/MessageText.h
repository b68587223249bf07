#pragma once

#include <QString>
#include <QStringList>

// The sentences of a message box's text, each a paragraph of its own; empty ones are left out.
inline QString Paragraphs(QStringList sentences)
{
    sentences.removeAll(QString());
    return sentences.join(QStringLiteral("\n\n"));
}
