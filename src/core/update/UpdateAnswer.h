#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <QString>
#include <QUrl>

namespace lumeno {

// No installer is downloaded or kept beyond this size, whatever the answer says.
constexpr qint64 MaxInstallerBytes = qint64(512) * 1024 * 1024;

// The update service's answer to the update query, checked before anything acts on it.
// Line 0 of the body is ignored; line 1 holds fields separated by "<br>":
//   OK<br><version><br><installer address><br><SHA-256, hex><br><size><br><ed25519 signature, hex>
// The format and what the signature covers are described in docs/update-answer.md.
// Anything else, or an answer that fails a check, means there is no update.
struct UpdateAnswer
{
    bool newVersion = false;    // every check passed: a signed offer of a newer version
    QString version;
    QUrl installerUrl;
    QString installerName;      // the address's last segment, a plain file name
    QByteArray installerSha256; // 32 bytes
    qint64 installerSize = 0;   // 1 to MaxInstallerBytes

    // Offers only a version newer than `runningVersion`, for this platform.
    static UpdateAnswer Parse(const QByteArray &body, const QString &runningVersion);
};

// "linux", "win" or "mac": sent with the query and covered by the answer's signature.
QString UpdatePlatform();

// https, or plain http to this machine only (where the tests run their server).
bool IsSecureUpdateAddress(const QUrl &url);

// Letters, digits, '.', '_' and '-', and not "." or "..": safe to join to a folder.
bool IsPlainFileName(const QString &name);

} // namespace lumeno
