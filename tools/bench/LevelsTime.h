#pragma once

#include <QString>

// The quality engine's nine levels in one run against meshoptimizer's single 10 % level of the
// same model, `rounds` times in turn: one line per round with both wall times and their ratio,
// then the median ratio. On a shared machine the ratio within a round is steadier than either
// time; comparing two builds, run each build's bench in turn. False, with `error` set, when the
// model cannot be read.
bool PrintLevelsTime(const QString &model, int rounds, QString &error);
