#pragma once

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <vector>

namespace lumeno {

// Pieces of one surface (triangles only), reduced each on its own, meet again along their
// borders: where one piece's border edge passes by border points that a neighbour kept (the
// reduction took them from this piece's border alone), the edge's triangle is split at them, so
// that every border edge of a piece is one of its neighbour's and no gap opens between them.
// Two pieces' triangles on the same three border points go. The new points take the point data
// mixed along the edge. Borders meet by their points'
// positions, which a reduction that only removes points leaves as they were.
void CloseBorders(std::vector<vtkSmartPointer<vtkPolyData>> &pieces);

} // namespace lumeno
