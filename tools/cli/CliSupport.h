#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

// A text of the tool's own, from the catalog context the tool shares with no window.
inline QString Translate(const char *text)
{
    return QCoreApplication::translate("lumeno3d-cli", text);
}

inline double SecondsSince(const QElapsedTimer &clock)
{
    return clock.nsecsElapsed() / 1e9;
}
