#pragma once

#include <QByteArray>
#include <QString>

namespace lumeno {

// The message an update answer's ed25519 signature covers (see docs/update-answer.md).
QByteArray SignedUpdateMessage(const QString &version, const QString &platform, const QString &installerName,
                               qint64 installerSize, const QByteArray &installerSha256);

// True when `signature` (64 bytes) is a valid ed25519 signature of `message` under the
// update signing key: the one built into the program, or the one set for testing.
bool IsSignedByUpdateService(const QByteArray &message, const QByteArray &signature);

// Replaces the built-in public key (32 raw bytes) for the running process; an empty key
// restores it. Only the tests call this: they sign answers with a key pair of their own.
void SetUpdateSigningKeyForTesting(const QByteArray &publicKey);

} // namespace lumeno
