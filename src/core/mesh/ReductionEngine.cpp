#include "mesh/ReductionEngine.h"

#include "mesh/MeshOperations.h"
#include "mesh/QualitySimplifier.h"

#include <functional>

namespace lumeno {

namespace {

using QualityWork = std::function<vtkSmartPointer<vtkPolyData>(QualitySimplifier &)>;

// Out of memory the quality engine gives no model, as the classic one does.
vtkSmartPointer<vtkPolyData> Quality(vtkPolyData *input, const QualityWork &work)
{
    try {
        QualitySimplifier simplifier(input);
        return work(simplifier);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

} // namespace

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
    return engine == ReductionEngine::Classic
               ? Decimate(decimator, input, reduction)
               : Quality(input, [reduction](QualitySimplifier &quality) { return quality.KeepShare(1.0 - reduction); });
}

vtkSmartPointer<vtkPolyData> ReduceWithinError(ReductionEngine engine, vtkDecimatePro *decimator, vtkPolyData *input,
                                               double maxError, const DeviationMeter *meter)
{
    if (engine == ReductionEngine::Classic)
        return DecimateByError(decimator, input, maxError);
    return Quality(input, [input, maxError, meter](QualitySimplifier &quality) {
        return meter ? quality.WithinError(maxError, *meter) : quality.WithinError(maxError, DeviationMeter(input));
    });
}

} // namespace lumeno
