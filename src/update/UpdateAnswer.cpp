#include "update/UpdateAnswer.h"

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

QByteArray Sha256FromHex(const QString &field)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{64}$"));
    if (!hex.match(field).hasMatch())
        return QByteArray();
    return QByteArray::fromHex(field.toLatin1());
}

} // namespace

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

UpdateAnswer UpdateAnswer::Parse(const QByteArray &body)
{
    UpdateAnswer answer;
    const int zero = body.indexOf('\0');
    const QString text = QString::fromUtf8(zero < 0 ? body : body.left(zero));

    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() < 2)
        return answer;
    const QStringList fields = lines.at(1).split(QStringLiteral("<br>"));
    if (fields.size() < 3 || fields.at(0) != QLatin1String("OK"))
        return answer;

    // A service answering with CR LF line ends leaves a CR on the last field.
    const QString address = fields.at(2).trimmed();
    const QString name = address.split(QLatin1Char('/')).constLast();
    const QUrl url(address, QUrl::TolerantMode);
    if (!IsPlainFileName(name) || !IsSecureUpdateAddress(url))
        return answer;

    answer.newVersion = true;
    answer.installerUrl = url;
    answer.installerName = name;
    if (fields.size() > 3)
        answer.installerSha256 = Sha256FromHex(fields.at(3).trimmed());
    return answer;
}

} // namespace lumeno
