#pragma once

#include "reduce/KeptShare.h"
#include "model/LeftOutTriangles.h"
#include "measure/SurfaceDeviation.h"

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

// The warning for a result whose triangles are not the count asked
// (lumeno::ReachesAskedTriangles); empty when they are.
inline QString KeptShareWarning(const QString &output, const QString &input, vtkIdType asked, vtkIdType kept)
{
    if (lumeno::ReachesAskedTriangles(asked, kept))
        return {};
    return QStringLiteral("warning: %1 keeps %2 triangles of %3, not the %4 asked%5")
        .arg(output, QString::number(kept), input, QString::number(asked),
             kept > asked ? QStringLiteral(": the model cannot be reduced that far.") : QStringLiteral("."));
}

// The warning and the report's entry for the triangles a reduction left out of its results
// (lumeno::LeftOutTriangles): none when it left out none.
inline QString LeftOutWarning(const QString &input, const lumeno::LeftOutTriangles &leftOut)
{
    if (leftOut.Total() == 0)
        return {};
    return QStringLiteral("warning: %1: %2 triangles with two corners at one place and %3 repeated triangles were "
                          "left out of the reduction.")
        .arg(input, QString::number(leftOut.collapsed), QString::number(leftOut.repeated));
}

// The warning for a reduction that let borders and seams leave their lines to reach its count
// (Reducer::RelaxedGuards): none when it did not.
inline QString RelaxedGuardsWarning(const QString &input, bool relaxed)
{
    if (!relaxed)
        return {};
    return QStringLiteral("warning: %1: to reach the triangle count, borders and texture seams were allowed to move "
                          "off their lines.")
        .arg(input);
}

inline QJsonObject LeftOutJson(const lumeno::LeftOutTriangles &leftOut)
{
    return {{QStringLiteral("withoutArea"), qint64(leftOut.collapsed)},
            {QStringLiteral("repeated"), qint64(leftOut.repeated)}};
}

// The failure of a command that ran short of memory for `work` ("reducing part.stl to 50%").
inline QString NotEnoughMemoryText(const QString &work)
{
    return QStringLiteral("there is not enough memory for %1: close other programs and try again.").arg(work);
}
