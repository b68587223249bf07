#pragma once

#include <QString>

// The nine levels of a model as one LOD GLB (MSFT_lod) against nine separate GLB files, in
// this process: the model read, given texture coordinates, `materials` materials (at least
// one) sharing one 1024×1024 PNG texture, its levels made by the quality engine and measured;
// then the file sizes, the write times and the load times through ReadModel (the best of
// three) of the LOD file, the nine files and the model's own GLB, each written into `folder`.
// False, with `error` set, when the model cannot be read or a file not written.
bool PrintLodGlbFigures(const QString &model, int materials, const QString &folder, QString &error);
