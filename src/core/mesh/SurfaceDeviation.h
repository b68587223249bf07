#pragma once

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <memory>
#include <vector>

class vtkStaticCellLocator;

namespace lumeno {

class UnitBox;

// How far apart two surfaces lie, both ways, as shares of the reference's bounding box
// diagonal. Negative while unmeasured.
struct SurfaceDeviation
{
    double maximum = -1.0;
    double mean = -1.0;
    bool IsMeasured() const { return maximum >= 0.0; }
};

// Measures models against one reference surface (the loaded model), whose search structure
// and sample points are made once. The distance is symmetric: points spread over each
// surface (its corners and points inside its triangles) are looked up on the other one.
// At most `samplesPerSurface` points per surface, so a model of a million triangles takes a
// fraction of a second.
class DeviationMeter
{
public:
    explicit DeviationMeter(vtkPolyData *reference, int samplesPerSurface = 20000);
    ~DeviationMeter();
    DeviationMeter(const DeviationMeter &) = delete;
    DeviationMeter &operator=(const DeviationMeter &) = delete;

    // Unmeasured when either model has no triangles.
    SurfaceDeviation Measure(vtkPolyData *model) const;

private:
    std::unique_ptr<UnitBox> frame; // of the reference; both surfaces are measured in it
    vtkSmartPointer<vtkPolyData> reference;
    vtkSmartPointer<vtkStaticCellLocator> referenceLocator;
    std::vector<double> referenceSamples; // x, y, z of each
    int samplesPerSurface;
};

// One measurement, for a single comparison.
SurfaceDeviation MeasureDeviation(vtkPolyData *reference, vtkPolyData *model);

} // namespace lumeno
