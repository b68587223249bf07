#pragma once

#include <vtkPolyData.h>

#include <vector>

namespace lumeno {

// How many cells a bounding-box search (such as vtkStaticCellLocator's bins) has to examine
// around given points: on a grid of about one bin per eight cells, the number of cells whose
// bounding box covers each point's bin, averaged over the points (x, y, z of each). Near 10 on
// ordinary meshes; thousands where many triangles overlap one place (a fan around one edge).
double MeanCellsAround(vtkPolyData *surface, const std::vector<double> &points);

} // namespace lumeno
