#pragma once

#include "ResidentMemory.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <ctime>

// Times named phases (wall clock, and the CPU time of the whole process, which a busy
// machine distorts far less) and the peak resident memory each reaches. A phase measured
// several times keeps its shortest times and its highest peak.
class PhaseClock
{
public:
    explicit PhaseClock(int times) : repeat(std::max(1, times)) {}

    int Repeat() const { return repeat; }

    // The phase, as many times as the clock repeats.
    template <typename Work>
    void Measure(const QString &name, Work &&work)
    {
        for (int run = 0; run < repeat; ++run)
            MeasureOnce(name, work);
    }

    template <typename Work>
    void MeasureOnce(const QString &name, Work &&work)
    {
        residentMemory::ResetPeak();
        const qint64 before = residentMemory::CurrentKiB();
        const double cpuStart = CpuSeconds();
        QElapsedTimer clock;
        clock.start();
        work();
        const double seconds = clock.nsecsElapsed() / 1e9;
        const double cpuSeconds = CpuSeconds() - cpuStart;
        const qint64 peak = residentMemory::PeakKiB();

        QJsonObject phase = phases.value(name).toObject();
        if (!phase.isEmpty()) {
            phase.insert(QStringLiteral("seconds"), std::min(seconds, phase[QLatin1String("seconds")].toDouble()));
            phase.insert(QStringLiteral("cpuSeconds"),
                         std::min(cpuSeconds, phase[QLatin1String("cpuSeconds")].toDouble()));
            phase.insert(QStringLiteral("peakResidentKiB"),
                         std::max<double>(peak, phase[QLatin1String("peakResidentKiB")].toDouble()));
            phase.insert(QStringLiteral("runs"), phase[QLatin1String("runs")].toInt() + 1);
        } else {
            phase = QJsonObject{{QStringLiteral("seconds"), seconds},
                                {QStringLiteral("cpuSeconds"), cpuSeconds},
                                {QStringLiteral("residentBeforeKiB"), before},
                                {QStringLiteral("peakResidentKiB"), peak},
                                {QStringLiteral("runs"), 1}};
        }
        phases.insert(name, phase);
    }

    QJsonObject Phases() const { return phases; }

    static double CpuSeconds()
    {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return now.tv_sec + now.tv_nsec / 1e9;
    }

private:
    int repeat;
    QJsonObject phases;
};
