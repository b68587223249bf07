#pragma once

#include <QJsonArray>
#include <QString>
#include <QTextStream>

// The engines of the quality bench as the report names them, in its order: ours first.
struct BenchEngine
{
    const char *key;   // in the JSON results
    const char *label; // in the report
};
extern const BenchEngine BenchEngines[5];

// Whether a level's result missed its goal: none made, or more than 1 % or 2 triangles away.
bool MissedGoal(const QJsonObject &result, qint64 goal);

// One part of the corpus summed up: per peer (CGAL's Lindstrom-Turk, vtkQuadricDecimation,
// meshoptimizer, the classic engine, and the better of the first two per measure) the quality
// engine's mean and largest distance divided by the peer's over every mesh and level (geometric
// mean, per level and worst), then how many levels of each engine missed their goal.
void WritePartSummary(QTextStream &out, const QString &part, const QJsonArray &meshes);
