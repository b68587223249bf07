#pragma once

#include "mesh/KeptShare.h"
#include "mesh/SurfaceDeviation.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QString>

#include <cmath>

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

// A share in percent with at most one decimal: 100, 33.3.
inline QString PercentText(double percent)
{
    return QString::number(std::round(percent * 10.0) / 10.0, 'g', 15);
}

// The warning for a result that keeps far more of the input's triangles than asked
// (lumeno::IsFarFromAskedShare); empty when it is close enough.
inline QString KeptShareWarning(const QString &output, const QString &input, double askedPercent, double keptPercent)
{
    if (!lumeno::IsFarFromAskedShare(askedPercent, keptPercent))
        return {};
    return QStringLiteral("warning: %1 keeps %2% of the triangles of %3, not the %4% asked: the model cannot be "
                          "reduced that far.")
        .arg(output, PercentText(keptPercent), input, PercentText(askedPercent));
}

// The failure of a command that ran short of memory for `work` ("reducing part.stl to 50%").
inline QString NotEnoughMemoryText(const QString &work)
{
    return QStringLiteral("there is not enough memory for %1: close other programs and try again.").arg(work);
}
