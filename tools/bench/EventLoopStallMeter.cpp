#include "EventLoopStallMeter.h"

EventLoopStallMeter::EventLoopStallMeter(QObject *parent) : QObject(parent)
{
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(1);
    connect(&timer, &QTimer::timeout, this, &EventLoopStallMeter::Tick);
}

void EventLoopStallMeter::Start()
{
    clock.start();
    lastTickNs = 0;
    timer.start();
}

void EventLoopStallMeter::Stop()
{
    Tick();
    timer.stop();
}

int EventLoopStallMeter::GapsLongerThan(int milliseconds) const
{
    switch (milliseconds) {
    case 16: return over16;
    case 50: return over50;
    default: return over100;
    }
}

void EventLoopStallMeter::Tick()
{
    const qint64 now = clock.nsecsElapsed();
    Note(now - lastTickNs);
    if (now - lastTickNs > 50000000)
        longGaps.append(QJsonArray{lastTickNs / 1e6, (now - lastTickNs) / 1e6});
    lastTickNs = now;
    ++ticks;
}

void EventLoopStallMeter::Note(qint64 gapNs)
{
    longestGapNs = qMax(longestGapNs, gapNs);
    over16 += gapNs > 16000000 ? 1 : 0;
    over50 += gapNs > 50000000 ? 1 : 0;
    over100 += gapNs > 100000000 ? 1 : 0;
}
