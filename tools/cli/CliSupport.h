#pragma once

#include "mesh/SurfaceDeviation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>
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

// How far a result lies from the input, as shares of the input's bounding box diagonal.
inline QJsonObject DeviationJson(const lumeno::SurfaceDeviation &deviation)
{
    if (!deviation.IsMeasured())
        return {};
    return {{QStringLiteral("max"), deviation.maximum}, {QStringLiteral("mean"), deviation.mean}};
}
