#pragma once

#include <QString>

// The nine levels as a user makes them, `lumeno3d-cli levels MODEL` (with and without
// measuring), against one meshoptimizer 10 % simplification in a process of its own that reads
// the same model and writes its level as binary PLY: whole processes, `rounds` times in turn.
// One line per round with the wall times and the ratios, then the median ratios. On a shared
// machine the ratio within a round is steadier than either time. False, with `error` set, when
// a run fails.
bool PrintLevelsTime(const QString &model, int rounds, QString &error);

// The meshoptimizer process of PrintLevelsTime: reads `model`, keeps 10 % of its triangles with
// meshopt_simplify and writes them to `output` as binary PLY.
bool RunMeshoptimizerTenPercent(const QString &model, const QString &output, QString &error);
