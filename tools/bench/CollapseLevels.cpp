#include "CollapseLevels.h"

#include "reduce/QualitySimplifier.h"

#include <utility>

std::vector<vtkSmartPointer<vtkPolyData>> CollapseLevels(vtkPolyData *model, const std::vector<size_t> &goals)
{
    std::vector<vtkSmartPointer<vtkPolyData>> levels(goals.size());
    // Given up to the run, as the window gives it: the welded model is not copied.
    lumeno::QualitySimplifier simplifier(model);
    std::move(simplifier).Collapse(
        goals, HUGE_VAL, [&levels](size_t goal, const vtkSmartPointer<vtkPolyData> &made) { levels[goal] = made; }, {},
        {});
    return levels;
}

vtkSmartPointer<vtkPolyData> MeshoptimizerLevel(vtkPolyData *model, double share)
{
    const lumeno::QualitySimplifier simplifier(model);
    return simplifier.Model(simplifier.KeepShare(share));
}
