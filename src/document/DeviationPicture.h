#pragma once

#include "measure/SurfaceDeviation.h"

#include <QLocale>
#include <QMetaType>
#include <QString>

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>
#include <vtkStaticCellLocator.h>

#include <memory>
#include <vector>

// A model's points with their distance to the loaded model, made whole on the worker's thread
// so that the window only draws it: a model to draw them on and a search structure that finds
// the triangle under the mouse without a walk over all of them.
struct DeviationPicture
{
    vtkSmartPointer<vtkPolyData> model;   // the model pictured
    std::vector<float> distances;         // per point, a share of the loaded model's diagonal
    double largest = 0.0;                 // the top of the colour ramp, the legend's upper end
    // The model's points and cells, with each point's place on the colour ramp (its distance
    // over `largest`) as its texture coordinate: drawn with the ramp as a texture, the colours
    // between the points are the ramp's too, and the GUI thread maps nothing.
    vtkSmartPointer<vtkPolyData> drawing;
    vtkSmartPointer<vtkStaticCellLocator> cells; // over what is drawn of `drawing` (DrawnModel)

    // The distance at the point (an index into the model's points); negative for none.
    double DistanceAt(vtkIdType point) const
    {
        return point >= 0 && size_t(point) < distances.size() ? double(distances[size_t(point)]) : -1.0;
    }
};

using SharedDeviationPicture = std::shared_ptr<const DeviationPicture>;
Q_DECLARE_METATYPE(SharedDeviationPicture)

// On any thread; null when the meter cannot measure the model (no triangles). Above
// `drawLimit` triangles (when above 0) the drawing gets a proxy (PrepareForDrawing).
SharedDeviationPicture MakeDeviationPicture(const lumeno::DeviationMeter &meter, vtkPolyData *model,
                                            const lumeno::SurfaceDeviation &deviation, qint64 drawLimit = 0);

// The texts of the legend beside the picture: the title, and a distance at either end.
QString DeviationLegendTitle();
QString DeviationLegendValue(double share, const QLocale &locale = QLocale());
// What the tooltip says of the point under the mouse.
QString DeviationHereText(double share, const QLocale &locale = QLocale());
