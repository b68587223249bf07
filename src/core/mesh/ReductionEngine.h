#pragma once

#include "mesh/Cascade.h"

#include <QString>

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <optional>

class vtkDecimatePro;

namespace lumeno {

// Classic: vtkDecimatePro, each level from the one before. Quality: meshoptimizer's
// quadric-error simplifier, each level from the model itself, several at once.
enum class ReductionEngine { Classic, Quality };

// Measured on scanned and CAD models and the benchmark's torus: at 10 % the quality engine
// deviates 3 to 5 times less and computes the nine levels faster.
constexpr ReductionEngine DefaultEngine = ReductionEngine::Quality;

// "classic" or "quality": the settings' and the command line's word for an engine.
QString EngineKey(ReductionEngine engine);
std::optional<ReductionEngine> EngineFromKey(const QString &key);

// The operations by engine. The classic engine runs `decimator`, whose progress events and
// abort flag the caller may use; the quality engine cannot be stopped within one simplification.
int RunLevels(ReductionEngine engine, vtkDecimatePro *decimator, vtkPolyData *model, const CascadeObserver &observer);
vtkSmartPointer<vtkPolyData> ReduceByShare(ReductionEngine engine, vtkDecimatePro *decimator, vtkPolyData *input,
                                           double reduction);
vtkSmartPointer<vtkPolyData> ReduceWithinError(ReductionEngine engine, vtkDecimatePro *decimator, vtkPolyData *input,
                                               double maxError);

} // namespace lumeno
