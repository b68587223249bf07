#include "ResidentMemory.h"

#include <QByteArray>
#include <QFile>

namespace residentMemory {

namespace {

qint64 StatusValueKiB(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLongLong();
    return -1;
}

} // namespace

qint64 CurrentKiB()
{
    return StatusValueKiB("VmRSS");
}

qint64 PeakKiB()
{
    return StatusValueKiB("VmHWM");
}

bool ResetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

} // namespace residentMemory
