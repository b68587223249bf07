#pragma once

#include <QString>

// A closed sphere of about `triangles` triangles with smooth bumps of 15 % of its radius:
// flat areas and ridges, where it matters which triangles a simplifier removes.
// Written as binary STL; false when it could not be written.
bool WriteBumpySphereModel(const QString &path, long long triangles);
