#pragma once

#include <QFile>
#include <QString>

#include <cstdio>

// A line on standard error, at once: what the bench is doing while the JSON goes to stdout.
inline void Note(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

// The machine's one-minute load average: above its two cores, wall times are stretched.
inline double LoadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').first().toDouble() : -1.0;
}
