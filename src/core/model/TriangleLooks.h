#pragma once

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <array>
#include <cstdint>
#include <vector>

namespace lumeno {

// The material and part of each triangle (the cell data arrays "MaterialIds" and "PartIds" of
// ModelLook.h) as one key per triangle: triangles of one key are alike, and an operation that
// makes new triangles gives each the key of the triangles it came from.
struct TriangleLooks
{
    bool materials = false; // the model has "MaterialIds"
    bool parts = false;     // the model has "PartIds"
    // (material, part) of each key, in the order the triangles first use them.
    std::vector<std::array<int, 2>> kinds;
    // Per polygon, in order.
    std::vector<uint32_t> keys;

    bool Any() const { return materials || parts; }

    // Nothing when the model has neither array.
    static TriangleLooks Of(vtkPolyData *model);
    // Gives the model's cells (polygons only, in order) the arrays of these looks, from one
    // key per polygon; the arrays this model had are replaced.
    void WriteTo(vtkPolyData *model, const uint32_t *polygonKeys) const;
    // The polygons of each key, in order.
    std::vector<std::vector<vtkIdType>> PolygonsByKey() const;
    // The keys of each part (kinds[key][1]), by part in ascending order.
    std::vector<std::vector<uint32_t>> KeysByPart() const;
};

// These polygons of a model that holds polygons only, as a model of their own: the points they
// use, in the order they first use them, with their point data and their cell data.
vtkSmartPointer<vtkPolyData> ModelOfPolygons(vtkPolyData *model, const std::vector<vtkIdType> &polygons);

} // namespace lumeno
