#pragma once

#include <QString>

// A smooth closed torus of about `triangles` triangles: a coarse parametric torus refined
// by Loop subdivision (four rounds, 256 triangles for each coarse one).
// Written as binary STL; false when it could not be written.
bool WriteTorusModel(const QString &path, long long triangles);
