#include "update/UpdateAnswer.h"

#include "update/UpdateSignature.h"
#include "update/VersionOrder.h"

#include <QRegularExpression>
#include <QStringList>

namespace lumeno {

namespace {

bool IsLoopbackHost(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || host == QLatin1String("::1"))
        return true;
    static const QRegularExpression ipv4(QStringLiteral("^127\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})$"));
    const QRegularExpressionMatch match = ipv4.match(host);
    if (!match.hasMatch())
        return false;
    for (int part = 1; part <= 3; ++part) {
        if (match.captured(part).toInt() > 255)
            return false;
    }
    return true;
}

// Exactly `digits` hexadecimal digits, else empty.
QByteArray BytesFromHex(const QString &field, int digits)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]+$"));
    if (field.size() != digits || !hex.match(field).hasMatch())
        return QByteArray();
    return QByteArray::fromHex(field.toLatin1());
}

// A decimal count from 1 to MaxInstallerBytes, written without sign or leading zero; else 0.
qint64 SizeFromDecimal(const QString &field)
{
    static const QRegularExpression decimal(QStringLiteral("^[1-9]\\d{0,9}$"));
    if (!decimal.match(field).hasMatch())
        return 0;
    const qint64 size = field.toLongLong();
    return size <= MaxInstallerBytes ? size : 0;
}

} // namespace

QString UpdatePlatform()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("win");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("mac");
#else
    return QStringLiteral("linux");
#endif
}

bool IsSecureUpdateAddress(const QUrl &url)
{
    if (!url.isValid() || url.isRelative() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    return scheme == QLatin1String("http") && IsLoopbackHost(url.host());
}

bool IsPlainFileName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._-]+$"));
    return name != QLatin1String(".") && name != QLatin1String("..") && plain.match(name).hasMatch();
}

UpdateAnswer UpdateAnswer::Parse(const QByteArray &body, const QString &runningVersion)
{
    UpdateAnswer answer;
    const int zero = body.indexOf('\0');
    const QString text = QString::fromUtf8(zero < 0 ? body : body.left(zero));

    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() < 2)
        return answer;
    QStringList fields = lines.at(1).split(QStringLiteral("<br>"));
    if (fields.size() < 6 || fields.at(0) != QLatin1String("OK"))
        return answer;
    // A service answering with CR LF line ends leaves a CR on the last field.
    for (QString &field : fields)
        field = field.trimmed();

    const QString version = fields.at(1);
    const QString address = fields.at(2);
    const QString name = address.split(QLatin1Char('/')).constLast();
    const QUrl url(address, QUrl::TolerantMode);
    const QByteArray sha256 = BytesFromHex(fields.at(3), 64);
    const qint64 size = SizeFromDecimal(fields.at(4));
    const QByteArray signature = BytesFromHex(fields.at(5), 128);
    if (!IsNewerVersion(version, runningVersion) || !IsPlainFileName(name) || !IsSecureUpdateAddress(url) ||
        sha256.isEmpty() || size == 0 || signature.isEmpty())
        return answer;
    if (!IsSignedByUpdateService(SignedUpdateMessage(version, UpdatePlatform(), name, size, sha256), signature))
        return answer;

    answer.newVersion = true;
    answer.version = version;
    answer.installerUrl = url;
    answer.installerName = name;
    answer.installerSha256 = sha256;
    answer.installerSize = size;
    return answer;
}

} // namespace lumeno
