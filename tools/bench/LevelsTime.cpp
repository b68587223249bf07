#include "LevelsTime.h"

#include "BenchNotes.h"
#include "MeshoptimizerPeer.h"
#include "QualityBench.h"

#include "io/write/PlyFileWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The wall time of a process, or a negative number when it fails.
double TimedRun(const QString &program, const QStringList &arguments, QString &error)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        error = QStringLiteral("%1 %2 failed: %3")
                    .arg(program, arguments.join(QLatin1Char(' ')), QString::fromLocal8Bit(process.readAll()));
        return -1;
    }
    return double(clock.nsecsElapsed()) * 1e-9;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

bool RunMeshoptimizerTenPercent(const QString &model, const QString &output, QString &error)
{
    const vtkSmartPointer<vtkPolyData> mesh = ReadBenchMesh(model, error);
    if (!mesh)
        return false;
    const vtkSmartPointer<vtkPolyData> level =
        MeshoptimizerKeep(mesh, size_t(std::llround(double(mesh->GetNumberOfCells()) * 0.1)));
    if (!level || !lumeno::WriteBinaryPly(level, output)) {
        error = QStringLiteral("cannot write %1").arg(output);
        return false;
    }
    return true;
}

bool PrintLevelsTime(const QString &model, int rounds, QString &error)
{
    QTemporaryDir folder;
    const QString tools = QCoreApplication::applicationDirPath();
    const QString cli = tools + QStringLiteral("/lumeno3d-cli");
    const QString bench = QCoreApplication::applicationFilePath();
    const QStringList levels{QStringLiteral("levels"), model, QStringLiteral("--output-dir"),
                             folder.filePath(QStringLiteral("levels")), QStringLiteral("--format"),
                             QStringLiteral("ply")};
    const QStringList meshoptimizer{QStringLiteral("--meshoptimizer"), model, folder.filePath(QStringLiteral("10.ply"))};
    std::printf("%s, load average %.2f\n", model.toLocal8Bit().constData(), LoadAverage());
    std::vector<double> measured, unmeasured;
    for (int round = 1; round <= rounds; ++round) {
        const double single = TimedRun(bench, meshoptimizer, error);
        const double withMeasuring = TimedRun(cli, levels, error);
        const double without = TimedRun(cli, levels + QStringList{QStringLiteral("--no-measure")}, error);
        if (single < 0 || withMeasuring < 0 || without < 0)
            return false;
        measured.push_back(withMeasuring / single);
        unmeasured.push_back(without / single);
        std::printf("round %d: meshoptimizer 10 %% %.3f s; levels %.3f s (ratio %.2f), without measuring %.3f s "
                    "(ratio %.2f, measuring %.0f %%)\n",
                    round, single, withMeasuring, measured.back(), without, unmeasured.back(),
                    100 * (withMeasuring - without) / withMeasuring);
        std::fflush(stdout);
    }
    std::printf("median ratio %.2f, without measuring %.2f, load average %.2f\n", Median(measured),
                Median(unmeasured), LoadAverage());
    return true;
}
