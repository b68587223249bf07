#pragma once

#include <QByteArray>
#include <QString>

namespace lumeno {

// The bytes the system knows the file by. A name that is not valid in the locale's encoding
// (Latin-1 bytes under UTF-8, say) reaches Qt with U+FFFD in place of those bytes and no
// longer names the file; such a name is looked up, one component at a time, among the
// entries of its folder that decode to the same text. Empty when that finds no single entry.
QByteArray NativePath(const QString &path);

// Whether anything (a file, a folder, a pipe ...) exists under the path's NativePath.
bool PathExists(const QString &path);

// The text with every control character (line breaks, ESC and the rest of C0 and C1, the
// Unicode line and paragraph separators) written as an escape ("\n", "\x1b", "\u2028"), so
// that a name in it can neither break a message's line nor drive a terminal. Escaping twice
// changes nothing more.
QString EscapeControlCharacters(const QString &text);

// The path as a message shows it: native separators, control characters escaped.
QString DisplayPath(const QString &path);

} // namespace lumeno
