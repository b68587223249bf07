#include "CollapseLevels.h"

#include "mesh/QualitySimplifier.h"

std::vector<vtkSmartPointer<vtkPolyData>> CollapseLevels(vtkPolyData *model, const std::vector<size_t> &goals)
{
    std::vector<vtkSmartPointer<vtkPolyData>> levels(goals.size());
    const lumeno::QualitySimplifier simplifier(model);
    simplifier.Collapse(
        goals, HUGE_VAL, [&levels](size_t goal, const vtkSmartPointer<vtkPolyData> &made) { levels[goal] = made; }, {},
        {});
    return levels;
}

vtkSmartPointer<vtkPolyData> MeshoptimizerLevel(vtkPolyData *model, double share)
{
    const lumeno::QualitySimplifier simplifier(model);
    return simplifier.Model(simplifier.KeepShare(share));
}
