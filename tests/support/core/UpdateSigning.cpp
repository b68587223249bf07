#include "UpdateSigning.h"

#include "update/UpdateSignature.h"

#include <QCryptographicHash>

#include <openssl/evp.h>

namespace testing {

UpdateSigner::UpdateSigner() : key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"), &EVP_PKEY_free)
{
    QByteArray publicKey(32, '\0');
    size_t length = size_t(publicKey.size());
    EVP_PKEY_get_raw_public_key(key.get(), reinterpret_cast<unsigned char *>(publicKey.data()), &length);
    lumeno::SetUpdateSigningKeyForTesting(publicKey);
}

UpdateSigner::~UpdateSigner()
{
    lumeno::SetUpdateSigningKeyForTesting(QByteArray());
}

QByteArray UpdateSigner::Signature(const QByteArray &version, const QByteArray &name, qint64 size,
                                   const QByteArray &sha256Hex) const
{
    // Composed here as docs/update-answer.md describes it, not with the program's own function.
    const QByteArray message = "Lumeno3D update\n" + version + "\nlinux\n" + name + "\n" + QByteArray::number(size) +
                               "\n" + sha256Hex.toLower();
    QByteArray signature(64, '\0');
    size_t length = size_t(signature.size());
    EVP_MD_CTX *context = EVP_MD_CTX_new();
    EVP_DigestSignInit(context, nullptr, nullptr, nullptr, key.get());
    EVP_DigestSign(context, reinterpret_cast<unsigned char *>(signature.data()), &length,
                   reinterpret_cast<const unsigned char *>(message.constData()), size_t(message.size()));
    EVP_MD_CTX_free(context);
    return signature.toHex();
}

QByteArray UpdateSigner::Offer(const QString &address, const QByteArray &installer, const QByteArray &version) const
{
    const QByteArray name = address.section(QLatin1Char('/'), -1).toUtf8();
    const QByteArray hash = Sha256Hex(installer);
    return UpdateAnswerBody({"OK", version, address.toUtf8(), hash, QByteArray::number(installer.size()),
                             Signature(version, name, installer.size(), hash)});
}

QByteArray UpdateAnswerBody(const QByteArrayList &fields)
{
    return "Lumeno3D update service\n" + fields.join("<br>") + "\n";
}

QByteArray Sha256Hex(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

} // namespace testing
