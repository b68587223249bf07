#pragma once

#include "mesh/Cascade.h"
#include "mesh/SurfaceDeviation.h"

#include <QString>

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <optional>

class vtkDecimatePro;

namespace lumeno {

// Classic: vtkDecimatePro, each level from the one before. Quality: meshoptimizer's
// quadric-error simplifier, each level from the model itself, several at once.
enum class ReductionEngine { Classic, Quality };

// The quality engine by default: on the benchmark's 1.2M-triangle models it computes the nine
// levels in 0.3-0.4 of the time on two cores and a custom or by-error reduction in 0.1-0.2, its
// largest deviation is lower where the surface has features, and a by-error result respects its
// bound. On smooth dense surfaces its mean deviation is higher (both stay below 0.004 % of the
// diagonal there).
constexpr ReductionEngine DefaultEngine = ReductionEngine::Quality;

// "classic" or "quality": the settings' and the command line's word for an engine.
QString EngineKey(ReductionEngine engine);
std::optional<ReductionEngine> EngineFromKey(const QString &key);

// The operations by engine. The classic engine runs `decimator`, whose progress events and
// abort flag the caller may use; the quality engine cannot be stopped within one simplification.
int RunLevels(ReductionEngine engine, vtkDecimatePro *decimator, vtkPolyData *model, const CascadeObserver &observer);
vtkSmartPointer<vtkPolyData> ReduceByShare(ReductionEngine engine, vtkDecimatePro *decimator, vtkPolyData *input,
                                           double reduction);
// The quality engine measures its result against the input with `meter` (one is made when none
// is given): build it once for all the reductions of one model.
vtkSmartPointer<vtkPolyData> ReduceWithinError(ReductionEngine engine, vtkDecimatePro *decimator, vtkPolyData *input,
                                               double maxError, const DeviationMeter *meter = nullptr);

} // namespace lumeno
