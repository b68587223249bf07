#include "TimedApplication.h"

#include <QEvent>
#include <QMetaEnum>

TimedApplication::TimedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

void TimedApplication::StartRecording()
{
    recording = true;
    longestMs = 0.0;
    longHandlers = QJsonArray();
}

bool TimedApplication::notify(QObject *receiver, QEvent *event)
{
    if (!recording || depth > 0)
        return QApplication::notify(receiver, event);
    ++depth;
    QElapsedTimer clock;
    clock.start();
    const QEvent::Type type = event->type(); // the event may be gone after it is handled
    const char *receiverClass = receiver->metaObject()->className();
    const bool handled = QApplication::notify(receiver, event);
    const double lasted = clock.nsecsElapsed() / 1e6;
    --depth;
    // Also when the handler itself stopped the recording: its own time still counts.
    longestMs = qMax(longestMs, lasted);
    if (lasted > 20.0)
        longHandlers.append(QJsonArray{QString::fromLatin1(receiverClass),
                                       QString::fromLatin1(QMetaEnum::fromType<QEvent::Type>().valueToKey(type)),
                                       lasted});
    return handled;
}
