#include "LevelsTime.h"

#include "BenchNotes.h"
#include "MeshoptimizerPeer.h"
#include "QualityBench.h"

#include "reduce/Reducer.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

bool PrintLevelsTime(const QString &model, int rounds, QString &error)
{
    const vtkSmartPointer<vtkPolyData> mesh = ReadBenchMesh(model, error);
    if (!mesh)
        return false;
    const size_t triangles = size_t(mesh->GetNumberOfCells());
    std::printf("%s: %zu triangles, load average %.2f\n", model.toLocal8Bit().constData(), triangles, LoadAverage());
    std::vector<double> ratios;
    for (int round = 1; round <= rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        lumeno::MakeReducer(lumeno::ReductionEngine::Quality)->MakeLevels(mesh, {}, {});
        const double levels = double(clock.nsecsElapsed()) * 1e-9;
        clock.restart();
        MeshoptimizerKeep(mesh, size_t(std::llround(double(triangles) * 0.1)));
        const double single = double(clock.nsecsElapsed()) * 1e-9;
        ratios.push_back(levels / single);
        std::printf("round %d: nine levels %.3f s, meshoptimizer 10 %% %.3f s, ratio %.3f\n", round, levels, single,
                    ratios.back());
        std::fflush(stdout);
    }
    std::sort(ratios.begin(), ratios.end());
    const size_t middle = ratios.size() / 2;
    const double median = ratios.size() % 2 ? ratios[middle] : (ratios[middle - 1] + ratios[middle]) / 2;
    std::printf("median ratio %.3f (%.3f to %.3f), load average %.2f\n", median, ratios.front(), ratios.back(),
                LoadAverage());
    return true;
}
