#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace lumeno {

// The update service's answer to the update query, checked before anything acts on it.
// Line 0 of the body is ignored; line 1 holds fields separated by "<br>":
//   OK<br><version><br><installer address>[<br><SHA-256 of the installer, hexadecimal>]
// Anything else, or an answer that fails a check, means there is no update.
struct UpdateAnswer
{
    bool newVersion = false;
    QUrl installerUrl;
    QString installerName;      // the address's last segment, a plain file name
    QByteArray installerSha256; // 32 bytes, or empty when the answer names no hash

    static UpdateAnswer Parse(const QByteArray &body);
};

// https, or plain http to this machine only (where the tests run their server).
bool IsSecureUpdateAddress(const QUrl &url);

// Letters, digits, '.', '_' and '-', and not "." or "..": safe to join to a folder.
bool IsPlainFileName(const QString &name);

} // namespace lumeno
