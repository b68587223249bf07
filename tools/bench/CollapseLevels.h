#pragma once

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <cstddef>
#include <vector>

// lumeno::CollapseEdges on a model as the bench measures it: the model's points welded by
// position, moved into a box of unit diagonal around their centre, one run with every goal
// (triangle counts, largest first), and each goal's mesh moved back to the model's place and
// size. One model per goal; null for a goal the run did not reach.
std::vector<vtkSmartPointer<vtkPolyData>> CollapseLevels(vtkPolyData *model, const std::vector<size_t> &goals);
