#include "update/VersionOrder.h"

#include <QRegularExpression>
#include <QStringList>
#include <QVector>

namespace lumeno {

namespace {

// Up to eight fields of up to nine digits each: every field fits an int.
bool ReadVersion(const QString &text, QVector<int> &fields)
{
    static const QRegularExpression number(QStringLiteral("^\\d{1,9}(\\.\\d{1,9}){0,7}$"));
    if (!number.match(text).hasMatch())
        return false;
    for (const QString &field : text.split(QLatin1Char('.')))
        fields << field.toInt();
    return true;
}

} // namespace

bool IsNewerVersion(const QString &offered, const QString &running)
{
    QVector<int> newer;
    QVector<int> current;
    if (!ReadVersion(offered, newer) || !ReadVersion(running, current))
        return false;
    const int count = qMax(newer.size(), current.size());
    newer.resize(count);
    current.resize(count);
    return newer > current; // QVector compares lexicographically, element by element
}

} // namespace lumeno
