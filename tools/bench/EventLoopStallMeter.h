#pragma once

#include <QElapsedTimer>
#include <QJsonArray>
#include <QObject>
#include <QTimer>

// A 1 ms timer on the GUI thread that notes how late each of its own ticks comes: the
// longest gap between two ticks is the longest time the event loop could not run.
class EventLoopStallMeter : public QObject
{
    Q_OBJECT

public:
    explicit EventLoopStallMeter(QObject *parent = nullptr);

    void Start();
    // Counts the gap up to now too, then stops.
    void Stop();

    double LongestGapMs() const { return longestGapNs / 1e6; }
    int GapsLongerThan(int milliseconds) const;
    long long Ticks() const { return ticks; }
    // The gaps over 50 ms: when each began (ms after Start) and how long it was.
    QJsonArray LongGaps() const { return longGaps; }
    // Milliseconds since Start, on the meter's clock.
    double Now() const { return clock.nsecsElapsed() / 1e6; }

private:
    void Tick();
    void Note(qint64 gapNs);

    QTimer timer;
    QElapsedTimer clock;
    qint64 lastTickNs = 0;
    qint64 longestGapNs = 0;
    long long ticks = 0;
    int over16 = 0, over50 = 0, over100 = 0;
    QJsonArray longGaps;
};
