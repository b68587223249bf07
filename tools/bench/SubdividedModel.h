#pragma once

#include <QString>

// Writes `mesh` (OFF or one of the program's formats) refined by `rounds` rounds of Loop
// subdivision (four times the triangles each): a real scanned or modelled shape at the size
// of the benchmark's large models. Empty when written, else what went wrong.
QString WriteSubdividedModel(const QString &path, const QString &mesh, int rounds);
