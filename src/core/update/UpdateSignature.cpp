#include "update/UpdateSignature.h"

#include <openssl/evp.h>

#include <memory>

namespace lumeno {

namespace {

// The public half of the key the update service signs its answers with.
const unsigned char BuiltInKey[32] = {0xb6, 0xf7, 0x8a, 0xaa, 0x8f, 0x77, 0x7f, 0xd3, 0xf2, 0xe3, 0x71,
                                      0xf5, 0x31, 0x5e, 0x65, 0xa6, 0xa7, 0x29, 0x26, 0x81, 0xa2, 0xc6,
                                      0xaf, 0x52, 0x7a, 0x8b, 0x76, 0x02, 0xe3, 0x3b, 0x9e, 0xc4};

QByteArray &KeyForTesting()
{
    static QByteArray key;
    return key;
}

} // namespace

QByteArray SignedUpdateMessage(const QString &version, const QString &platform, const QString &installerName,
                               qint64 installerSize, const QByteArray &installerSha256)
{
    return QStringLiteral("Lumeno3D update\n%1\n%2\n%3\n%4\n%5")
        .arg(version, platform, installerName, QString::number(installerSize),
             QString::fromLatin1(installerSha256.toHex()))
        .toUtf8();
}

bool IsSignedByUpdateService(const QByteArray &message, const QByteArray &signature)
{
    const QByteArray key = KeyForTesting().isEmpty()
                               ? QByteArray::fromRawData(reinterpret_cast<const char *>(BuiltInKey), sizeof BuiltInKey)
                               : KeyForTesting();
    if (key.size() != 32 || signature.size() != 64)
        return false;

    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> publicKey(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, reinterpret_cast<const unsigned char *>(key.constData()),
                                    size_t(key.size())),
        &EVP_PKEY_free);
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!publicKey || !context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, publicKey.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char *>(signature.constData()),
                            size_t(signature.size()), reinterpret_cast<const unsigned char *>(message.constData()),
                            size_t(message.size())) == 1;
}

void SetUpdateSigningKeyForTesting(const QByteArray &publicKey)
{
    KeyForTesting() = publicKey;
}

} // namespace lumeno
