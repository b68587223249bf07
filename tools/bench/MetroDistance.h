#pragma once

#include <vtkPolyData.h>

#include <cstddef>
#include <memory>
#include <vector>

namespace lumeno {
class TriangleGrid;
class UnitBox;
struct UnitTriangles;
}

// How far two surfaces lie apart over all samples of both ways, as shares of the original's
// bounding box diagonal. Negative while unmeasured.
struct MetroDistance
{
    double mean = -1.0;
    double rms = -1.0;
    double maximum = -1.0;
    size_t samples = 0; // of both ways
};

// A symmetric surface distance in the manner of Metro (Cignoni, Rocchini & Scopigno, 1998):
// on each surface every vertex and `samples` points spread by area (with a fixed seed, so a
// measurement always gives the same), each looked up exactly on the other surface's nearest
// triangle. The original's search grid and samples are made once for all the models measured
// against it. Far more samples than the program's own DeviationMeter takes, so slower: a bench
// tool's measure.
class MetroMeter
{
public:
    MetroMeter(vtkPolyData *original, size_t samples);
    ~MetroMeter();
    MetroMeter(const MetroMeter &) = delete;
    MetroMeter &operator=(const MetroMeter &) = delete;

    // Unmeasured when either surface has no triangles.
    MetroDistance Measure(vtkPolyData *model) const;

private:
    std::unique_ptr<lumeno::UnitBox> frame; // the original's: its diagonal is 1, so distances are shares
    std::unique_ptr<lumeno::UnitTriangles> original;
    std::unique_ptr<lumeno::TriangleGrid> originalGrid;
    std::vector<double> originalSamples; // x, y, z of each
    size_t samples;
};
