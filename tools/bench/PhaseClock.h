#pragma once

#include "ResidentMemory.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <ctime>

// Times named phases (wall clock, and the CPU time of the whole process, which a busy
// machine distorts far less) and the peak resident memory each reaches. A phase run
// several times keeps its shortest times and its highest peak.
class PhaseClock
{
public:
    explicit PhaseClock(int repeat) : repeat(std::max(1, repeat)) {}

    template <typename Work>
    double Measure(const QString &name, Work &&work)
    {
        double best = -1.0;
        double bestCpu = -1.0;
        qint64 peak = 0;
        qint64 before = 0;
        for (int run = 0; run < repeat; ++run) {
            residentMemory::ResetPeak();
            before = residentMemory::CurrentKiB();
            const double cpuStart = CpuSeconds();
            QElapsedTimer clock;
            clock.start();
            work();
            const double seconds = clock.nsecsElapsed() / 1e9;
            const double cpuSeconds = CpuSeconds() - cpuStart;
            best = best < 0 ? seconds : std::min(best, seconds);
            bestCpu = bestCpu < 0 ? cpuSeconds : std::min(bestCpu, cpuSeconds);
            peak = std::max(peak, residentMemory::PeakKiB());
        }
        phases.insert(name, QJsonObject{{QStringLiteral("seconds"), best},
                                        {QStringLiteral("cpuSeconds"), bestCpu},
                                        {QStringLiteral("residentBeforeKiB"), before},
                                        {QStringLiteral("peakResidentKiB"), peak}});
        return best;
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
