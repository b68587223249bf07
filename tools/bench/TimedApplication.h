#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>

// The application object of the window benchmark: it times every event that the event loop
// hands out (not the ones sent from inside a handler), so that a stall can be put down to
// the handler that caused it, or to none (the thread was simply not scheduled).
class TimedApplication : public QApplication
{
public:
    TimedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    void StartRecording();
    void StopRecording() { recording = false; }
    // Handlers that took longer than 20 ms: [receiver class, event type, lasted ms].
    QJsonArray LongHandlers() const { return longHandlers; }
    double LongestHandlerMs() const { return longestMs; }

private:
    int depth = 0;
    bool recording = false;
    double longestMs = 0.0;
    QJsonArray longHandlers;
};
