#pragma once

#include <QJsonObject>
#include <QString>

// Every phase of the program's main job on one model, through lumeno_core and through the
// bare VTK reference, in this process; the cascade's peak memory in fresh child processes.
// only: empty for every phase, or one group ("load", "cascade", "reductions", "write",
// "engines": both reduction engines side by side) to look at it alone, for example under a profiler.
QJsonObject RunHeadlessBench(const QString &model, int repeat, const QString &only = QString());

// One child process's part: "cascade.core" or "cascade.bare" (load and the nine levels).
QJsonObject RunIsolatedCascade(const QString &which, const QString &model);
