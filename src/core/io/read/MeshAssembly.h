#pragma once

#include "model/PointAttributes.h"

#include <QString>

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace lumeno {

// One mesh of a file as its reader finds it, before it is placed: positions, what its points
// carry (each empty or one value set per point), and its triangles as point indices.
struct MeshPart
{
    std::vector<float> positions;          // x y z per point
    std::vector<float> normals;            // x y z per point
    std::vector<std::uint8_t> colours;     // r g b a per point
    std::vector<float> textureCoordinates; // u v per point, v upwards as VTK has it
    std::vector<std::uint32_t> triangles;  // three point indices each, all below the point count
    // The material of every triangle (an index into the look's materials, -1 for none), or of
    // each triangle by itself (then one value per triangle).
    std::int32_t material = -1;
    std::vector<std::int32_t> triangleMaterials;

    size_t PointCount() const { return positions.size() / 3; }
};

// A 4x4 matrix that maps column vectors, stored column by column as glTF stores it.
using Matrix4 = std::array<double, 16>;
Matrix4 IdentityMatrix();
Matrix4 Multiply(const Matrix4 &left, const Matrix4 &right);

// Gathers placed parts into one model. An attribute stays only when every part carries it
// (LeftOut tells what some parts carried); colours are the exception: a part without them is
// white, as a renderer shows it.
class MeshAssembly
{
public:
    // A small file can place one mesh many times, and the model must fit in memory: the
    // points and triangles in all are at most 16 million and 64 for each byte of the file,
    // and never 2^31 (the corners are 32-bit indices); the parts at most MaxParts.
    explicit MeshAssembly(size_t fileSize = 0)
        : limit(std::min((size_t(1) << 24) + 64 * std::min<size_t>(fileSize, size_t(1) << 32), size_t(1) << 31))
    {
    }

    static constexpr int MaxParts = 1000000;

    // The bound a part did not fit in.
    enum class Limit { None, Parts, PointsOrTriangles };

    // Whether a part of these counts still fits.
    bool Fits(size_t points, size_t triangles) const;
    // Adds the part moved by the matrix (normals turned with it); a mirroring matrix keeps the
    // triangles facing outwards. Its triangles take `partId` (the cell data "PartIds") and their
    // materials ("MaterialIds"). False when it does not fit (nothing is added then; LimitHit
    // tells which bound it passed).
    bool Add(const MeshPart &part, const Matrix4 &matrix, std::int32_t partId = 0);

    int PartCount() const { return parts; }
    Limit LimitHit() const { return limitHit; }
    // The bound passed, for ReadFailure::OverLimit's detail: "1,000,000 placed parts".
    QString LimitText() const { return LimitText(limitHit); }
    QString LimitText(Limit which) const;
    // What some parts carried but not all, so left out of the model.
    PointAttributes LeftOut() const;
    // The model of every part added: float points, triangles, the attributes all parts carry,
    // and the triangles' MaterialIds and PartIds where any is not -1 or 0.
    // The assembly is empty afterwards (its memory goes to the model).
    vtkSmartPointer<vtkPolyData> Build();

private:
    size_t limit;
    MeshPart whole;
    std::vector<std::int32_t> triangleParts;
    bool anyMaterial = false;
    bool anyPart = false;
    int parts = 0;
    Limit limitHit = Limit::None;
    bool allNormals = true;
    bool anyNormals = false;
    bool allTextureCoordinates = true;
    bool anyTextureCoordinates = false;
    bool anyColours = false;
};

} // namespace lumeno
