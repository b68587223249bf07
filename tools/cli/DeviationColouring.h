#pragma once

#include "measure/SurfaceDeviation.h"

#include <QString>

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

// How --deviation-colours writes the colours of each point's distance to MODEL.
enum class DeviationColouring {
    Add,     // a colour set of their own beside the model's colours; its colours where it has none
    Replace, // instead of the model's colours
};

// Whether files of this suffix hold deviation colours: PLY, GLB and glTF.
bool KeepsDeviationColours(const QString &suffix);

// The model (sharing its arrays) with its points coloured as the window's picture colours
// them: by their distance to the meter's reference, from none to the largest of them and of
// the measured deviation. The model itself is not changed.
vtkSmartPointer<vtkPolyData> WithDeviationColours(vtkPolyData *model, const lumeno::DeviationMeter &meter,
                                                  const lumeno::SurfaceDeviation &deviation,
                                                  DeviationColouring colouring);

// The warning that files of this suffix, named as given, cannot hold the deviation colours;
// empty for those that do.
QString DeviationColoursWarning(const QString &file, const QString &suffix);
