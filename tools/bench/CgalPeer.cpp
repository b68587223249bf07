#include "CgalPeer.h"

#include "QualityBench.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>

#include <cstdio>

namespace {

// Points and triangles at full precision: every engine starts from the same surface.
bool WriteOff(vtkPolyData *model, const QString &path)
{
    FILE *file = std::fopen(QFile::encodeName(path).constData(), "w");
    if (!file)
        return false;
    std::fprintf(file, "OFF\n%lld %lld 0\n", (long long)model->GetNumberOfPoints(),
                 (long long)model->GetNumberOfPolys());
    for (vtkIdType p = 0; p < model->GetNumberOfPoints(); ++p) {
        double point[3];
        model->GetPoint(p, point);
        std::fprintf(file, "%.17g %.17g %.17g\n", point[0], point[1], point[2]);
    }
    auto cells = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
        vtkIdType count;
        const vtkIdType *ids;
        cells->GetCurrentCell(count, ids);
        std::fprintf(file, "%lld", (long long)count);
        for (vtkIdType k = 0; k < count; ++k)
            std::fprintf(file, " %lld", (long long)ids[k]);
        std::fputc('\n', file);
    }
    return std::fclose(file) == 0;
}

} // namespace

CgalPeer::CgalPeer(const QString &peerProgram) : program(peerProgram) {}

bool CgalPeer::Load(vtkPolyData *model)
{
    input = folder.filePath(QStringLiteral("input.off"));
    return WriteOff(model, input);
}

CgalPeerResult CgalPeer::Reduce(size_t triangles) const
{
    CgalPeerResult result;
    const QString output = folder.filePath(QStringLiteral("output.off"));
    QFile::remove(output);
    QProcess peer;
    peer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    peer.start(program, {input, output, QString::number(triangles)});
    // Generous: a million triangles take CGAL about a minute.
    if (!peer.waitForFinished(30 * 60 * 1000)) {
        peer.kill();
        peer.waitForFinished();
        result.error = QStringLiteral("the CGAL peer did not finish: %1").arg(peer.errorString());
        return result;
    }
    const QJsonObject report = QJsonDocument::fromJson(peer.readAllStandardOutput()).object();
    result.changes = report[QLatin1String("changes")].toArray();
    result.seconds = report[QLatin1String("seconds")].toDouble();
    if (peer.exitStatus() != QProcess::NormalExit || peer.exitCode() != 0) {
        const QString said = report[QLatin1String("error")].toString();
        result.error = said.isEmpty() ? QStringLiteral("the CGAL peer failed (exit code %1)").arg(peer.exitCode())
                                      : said;
        return result;
    }
    result.model = ReadBenchMesh(output, result.error);
    return result;
}
