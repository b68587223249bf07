#pragma once

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <cstddef>
#include <vector>

namespace lumeno {

// Triangles a reduction leaves out of what it gives, by why. A reader takes a triangle with
// two corners at one place for damage, and leaves out one on the places of another: a result
// holding either could not be read back as it was written.
struct LeftOutTriangles
{
    size_t collapsed = 0; // two corners at one place: no area
    size_t repeated = 0;  // on the places of an earlier triangle, turned either way
    size_t Total() const { return collapsed + repeated; }
    LeftOutTriangles &operator+=(const LeftOutTriangles &other)
    {
        collapsed += other.collapsed, repeated += other.repeated;
        return *this;
    }
};

// Takes those triangles out of `corners` (three vertices each), keeping the others in their
// order. `place` numbers each vertex's place: vertices at one place share their number, and
// every number is below place.size(). `kept`, when given, gets the number each kept triangle had.
LeftOutTriangles LeaveOutCollapsedAndRepeated(std::vector<unsigned int> &corners, const std::vector<unsigned int> &place,
                                              std::vector<vtkIdType> *kept = nullptr);

// The place numbers of `count` points of three coordinates each (float or double), equal
// coordinates sharing one.
std::vector<unsigned int> PlacesOf(const void *coordinates, size_t count, size_t coordinateSize);

// The model without those triangles, found by the places of its points (equal coordinates):
// its points and point data shared, its cell data (materials and parts) those of the triangles
// kept. The model itself (a shallow copy, to the bit) when it holds none.
vtkSmartPointer<vtkPolyData> WithoutCollapsedAndRepeated(vtkPolyData *model, LeftOutTriangles &leftOut);

} // namespace lumeno
