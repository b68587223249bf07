#pragma once

#include "model/LeftOutTriangles.h"
#include "model/PointAttributes.h"
#include "model/UnitBox.h"

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace lumeno {

struct CollapseMesh;

// The simplifiers of the quality engine on one model: our own edge collapse (CollapseEdges)
// and meshoptimizer's. The model is welded once (corners equal in position, colour and
// texture coordinates, with normals less than 30 degrees apart, become one vertex with their
// mean normal: an STL file never shares corners, and a model shaded flat has a normal per
// triangle) into an indexed triangle list in a box of unit diagonal. Corners at one place that
// differ in colour or texture coordinates, or meet at a hard edge, stay apart: a seam. The
// edge collapse keeps a seam's vertices in place; meshoptimizer shortens a seam along itself,
// which it alone can do. Either way the seam stays closed, and the vertices keep colours,
// normals and texture coordinates. Out of memory, its methods throw std::bad_alloc.
class QualitySimplifier
{
public:
    explicit QualitySimplifier(vtkPolyData *model);

    vtkIdType Triangles() const { return vtkIdType(indices.size() / 3); }
    // The model's triangles left out on welding, which no simplification is given, and of all
    // results made so far, those that restoring their places left with two corners at one.
    LeftOutTriangles LeftOut() const
    {
        LeftOutTriangles all = leftOut;
        all.collapsed += collapsedOnOutput;
        return all;
    }

    // Whether the edge collapse suits the model: its seams, which stay in place, hold few of
    // the vertices (a textured asset's many seams would keep the small levels from their count).
    bool Collapses() const { return seamVertices * 100 <= positions.size() / 3; }

    // The edge collapse, one run to every triangle count given (largest first) and no collapse
    // beyond maxError (its own estimate, a share of the diagonal); each model is handed over as
    // it is reached, in the input's place and precision. Returns how many were handed over.
    using Reached = std::function<void(size_t goal, const vtkSmartPointer<vtkPolyData> &model)>;
    size_t Collapse(const std::vector<size_t> &triangleCounts, double maxError, const Reached &reached,
                    const std::function<bool()> &cancelled, const std::function<void(double)> &progress) const &;
    // The same for a simplifier used once: the welded model is let go on the way, and the
    // simplifier is empty afterwards.
    size_t Collapse(const std::vector<size_t> &triangleCounts, double maxError, const Reached &reached,
                    const std::function<bool()> &cancelled, const std::function<void(double)> &progress) &&;

    // The simplifications give the corners of the triangles they keep, as indices of the welded
    // vertices; they touch no VTK object and may run on several threads at once.
    using Corners = std::vector<unsigned int>;
    // About `share` (0..1] of the triangles, whatever the error. Empty when nothing is left.
    Corners KeepShare(double share) const;
    // As many triangles removed as the simplifier's own error estimate allows. That estimate
    // can be exceeded twofold near ridges: measure the result.
    Corners WithinEstimatedError(double error) const;

    // The kept triangles as a model in the input's place and precision. Null when `cancelled`,
    // polled on the way (a million triangles take a tenth of a second), answers true.
    vtkSmartPointer<vtkPolyData> Model(const Corners &kept, const std::function<bool()> &cancelled = {}) const;

private:
    Corners Simplify(size_t targetIndices, float targetError) const;
    // The arrays of the attributes the model has, named as the model's, empty.
    struct AttributeArrays;
    AttributeArrays EmptyAttributeArrays() const;
    // The values the edge collapse carries per vertex: colour components, normal, texture
    // coordinates, those the model has.
    size_t ValueWidth() const;
    size_t Collapse(CollapseMesh &&mesh, const std::vector<size_t> &triangleCounts, double maxError,
                    const Reached &reached, const std::function<bool()> &cancelled,
                    const std::function<void(double)> &progress) const;
    // The points at these places in the unit box (x, y, z each), in the model's precision and
    // place; the places are freed.
    vtkSmartPointer<vtkPoints> RestoredPoints(std::vector<float> &&unit) const;
    template <typename Coordinate>
    void Restore(const float *unit, Coordinate *to, size_t count) const;
    vtkSmartPointer<vtkPolyData> Assembled(vtkPoints *points, vtkCellArray *triangles,
                                           const AttributeArrays &arrays) const;

    UnitBox box;
    std::vector<float> positions; // x, y, z per welded vertex, in the unit box
    std::vector<unsigned int> indices;
    // Per welded vertex, beside the positions, as AttributesOf describes them.
    PointAttributes attributes;
    int colourComponents = 0;
    std::vector<unsigned char> colours;
    std::vector<float> normals;
    std::vector<float> textureCoordinates;
    std::vector<uint8_t> seam; // per welded vertex: another stands at its place
    size_t seamVertices = 0;
    std::string colourName, normalName, textureName;
    LeftOutTriangles leftOut;
    mutable std::atomic<size_t> collapsedOnOutput{0};
    float errorScale = 1.0f; // the simplifier's errors are relative to this length, the box's diagonal is 1
};

} // namespace lumeno
