#include "mesh/ReductionEngine.h"

#include "mesh/MeshOperations.h"
#include "mesh/QualitySimplifier.h"

namespace lumeno {

QString EngineKey(ReductionEngine engine)
{
    return engine == ReductionEngine::Classic ? QStringLiteral("classic") : QStringLiteral("quality");
}

std::optional<ReductionEngine> EngineFromKey(const QString &key)
{
    for (ReductionEngine engine : {ReductionEngine::Classic, ReductionEngine::Quality})
        if (key == EngineKey(engine))
            return engine;
    return std::nullopt;
}

int RunLevels(ReductionEngine engine, vtkDecimatePro *decimator, vtkPolyData *model, const CascadeObserver &observer)
{
    return engine == ReductionEngine::Classic ? RunDecimationCascade(decimator, model, observer)
                                              : RunQualityLevels(model, observer);
}

vtkSmartPointer<vtkPolyData> ReduceByShare(ReductionEngine engine, vtkDecimatePro *decimator, vtkPolyData *input,
                                           double reduction)
{
    return engine == ReductionEngine::Classic ? Decimate(decimator, input, reduction)
                                              : QualitySimplifier(input).KeepShare(1.0 - reduction);
}

vtkSmartPointer<vtkPolyData> ReduceWithinError(ReductionEngine engine, vtkDecimatePro *decimator, vtkPolyData *input,
                                               double maxError)
{
    return engine == ReductionEngine::Classic ? DecimateByError(decimator, input, maxError)
                                              : QualitySimplifier(input).WithinError(maxError);
}

} // namespace lumeno
