#pragma once

#include <vtkPolyData.h>

#include <memory>
#include <vector>

namespace lumeno {

struct SamplePoint;
class TriangleGrid;
class UnitBox;
struct UnitTriangles;

// How far apart two surfaces lie, both ways, as shares of the reference's bounding box
// diagonal. Negative while unmeasured.
struct SurfaceDeviation
{
    double maximum = -1.0;
    double mean = -1.0;
    bool IsMeasured() const { return maximum >= 0.0; }
};

// The top of a picture of these point distances: the largest of them and of the measured
// maximum, so that the picture and the deviation numbers agree.
double LargestDistance(const std::vector<float> &pointDistances, const SurfaceDeviation &deviation);

// Measures models against one reference surface (the loaded model), whose search grid and
// sample points are made once. The distance is symmetric: points spread over each surface
// (its corners and points inside its triangles) are looked up on the other one. At most
// `samplesPerSurface` points per surface, so a model of a million triangles takes a small
// fraction of a second. Measure changes nothing: several threads may measure at once.
class DeviationMeter
{
public:
    explicit DeviationMeter(vtkPolyData *reference, int samplesPerSurface = 20000);
    ~DeviationMeter();
    DeviationMeter(const DeviationMeter &) = delete;
    DeviationMeter &operator=(const DeviationMeter &) = delete;

    // Unmeasured when either model has no triangles.
    SurfaceDeviation Measure(vtkPolyData *model) const;

    // How far each of the model's points lies from the reference surface, in the same unit as
    // Measure's numbers (a share of the reference's diagonal), in the model's point order.
    // Every point is looked up, not a sample: several times the cost of Measure, which is
    // why it is asked for apart. Empty when either model has no triangles.
    std::vector<float> PointDistances(vtkPolyData *model) const;

private:
    std::unique_ptr<UnitBox> frame; // of the reference; both surfaces are measured in it
    std::unique_ptr<UnitTriangles> reference;
    std::unique_ptr<TriangleGrid> referenceGrid;
    std::vector<SamplePoint> referenceSamples; // each point once
    int samplesPerSurface;
};

} // namespace lumeno
