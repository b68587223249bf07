#pragma once

#include "model/LeftOutTriangles.h"
#include "model/PointAttributes.h"
#include "model/TriangleLooks.h"
#include "model/UnitBox.h"
#include "reduce/collapse/EdgeCollapse.h"

#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>
#include <vtkTypeInt32Array.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace lumeno {

// The quality engine's edge collapse (CollapseEdges) on one model. The model is welded once (corners equal in position, colour and
// texture coordinates, with normals less than 30 degrees apart, become one vertex with their
// mean normal: an STL file never shares corners, and a model shaded flat has a normal per
// triangle) into an indexed triangle list in a box of unit diagonal. Corners at one place that
// differ in colour or texture coordinates, or meet at a hard edge, stay apart: a seam, which
// the edge collapse shortens along itself, so that it stays closed and the vertices keep
// colours, normals and texture coordinates. Triangles of different materials or parts
// (TriangleLooks) never share a vertex either: their border is a seam too, so each result's
// triangle keeps its material and part, written back as the model's cell data arrays.
// Out of memory, its methods throw std::bad_alloc.
class QualitySimplifier
{
public:
    // `collapseThreads`: 1 for a set-up on this thread alone, 0 for two on a large model
    // (CollapseGoals::threads); the results are the same.
    explicit QualitySimplifier(vtkPolyData *model, unsigned collapseThreads = 0);

    vtkIdType Triangles() const { return vtkIdType(indices.size() / 3); }
    // The model's triangles left out on welding, which no simplification is given, and of all
    // results made so far, those that restoring their places left with two corners at one.
    LeftOutTriangles LeftOut() const
    {
        LeftOutTriangles all = leftOut;
        all.collapsed += collapsedOnOutput;
        return all;
    }

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

    // A level as the edge collapse made it, before it becomes a model: its arrays, of which no
    // reference stays behind, so that it may be assembled on another thread.
    struct MadeLevel
    {
        size_t goal = 0;
        CollapseMesh mesh;
        vtkSmartPointer<vtkTypeInt32Array> connectivity;
        vtkSmartPointer<vtkPoints> points;
    };
    using Made = std::function<void(MadeLevel &&level)>;
    // Collapse for a simplifier used once, handing over each level unassembled.
    size_t CollapseUnassembled(const std::vector<size_t> &triangleCounts, double maxError, const Made &made,
                               const std::function<bool()> &cancelled, const std::function<void(double)> &progress) &&;
    // The model of a made level, in the input's place and precision. May run on any thread
    // while a collapse goes on.
    vtkSmartPointer<vtkPolyData> Assemble(MadeLevel &&level) const;

    // How far the last collapse relaxed its guards to reach its counts (CollapseReport).
    int RelaxStage() const { return relaxStage; }

private:
    // The arrays of the attributes the model has, named as the model's, empty.
    struct AttributeArrays;
    AttributeArrays EmptyAttributeArrays() const;
    // The values the edge collapse carries per vertex: colour components, normal, texture
    // coordinates, those the model has.
    size_t ValueWidth() const;
    size_t Collapse(CollapseMesh &&mesh, const std::vector<size_t> &triangleCounts, double maxError,
                    const Made &made, const std::function<bool()> &cancelled,
                    const std::function<void(double)> &progress) const;
    Made AssembledFor(const Reached &reached) const;
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
    std::string colourName, normalName, textureName;
    // The model's materials and parts (its keys let go after welding), and each welded
    // vertex's key; empty for a model without them.
    TriangleLooks looks;
    std::vector<uint32_t> vertexKeys;
    LeftOutTriangles leftOut;
    mutable std::atomic<size_t> collapsedOnOutput{0};
    mutable std::atomic<int> relaxStage{0};
    unsigned threads = 0;
};

} // namespace lumeno
