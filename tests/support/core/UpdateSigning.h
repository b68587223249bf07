#pragma once

#include <QByteArrayList>
#include <QString>

#include <memory>

struct evp_pkey_st;

namespace testing {

// A key pair made for the test run, whose public half replaces the program's update signing
// key while this object lives; it signs answers as the update service does.
class UpdateSigner
{
public:
    UpdateSigner();
    ~UpdateSigner();

    // Hexadecimal signature of the signed message for these fields (this machine's platform).
    QByteArray Signature(const QByteArray &version, const QByteArray &name, qint64 size,
                         const QByteArray &sha256Hex) const;

    // A complete signed answer offering `installer` as the file at `address`.
    QByteArray Offer(const QString &address, const QByteArray &installer, const QByteArray &version = "99.0") const;

private:
    std::unique_ptr<evp_pkey_st, void (*)(evp_pkey_st *)> key;
};

// An answer whose line 1 holds these fields.
QByteArray UpdateAnswerBody(const QByteArrayList &fields);

QByteArray Sha256Hex(const QByteArray &bytes);

} // namespace testing
