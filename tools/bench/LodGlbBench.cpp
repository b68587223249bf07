#include "LodGlbBench.h"

#include "LookLevels.h"
#include "QualityBench.h"

#include "io/read/ModelReader.h"
#include "io/write/LodGlbWriter.h"
#include "io/write/ModelWriter.h"
#include "measure/SurfaceDeviation.h"
#include "model/ModelLook.h"
#include "reduce/DecimationLevels.h"
#include "reduce/Reducer.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double SecondsOf(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) * 1e-9;
}

// Noise, so that the PNG stays about as large as a photographed texture.
QByteArray TexturePng()
{
    QImage image(1024, 1024, QImage::Format_RGB32);
    QRandomGenerator noise(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x / 4, y / 4, int(noise.bounded(64))));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

lumeno::SharedLook SharedTextureLook(int materials)
{
    auto look = std::make_shared<lumeno::ModelLook>();
    look->images = {{QStringLiteral("texture.png"), QStringLiteral("image/png"), TexturePng(), QString()}};
    for (int m = 0; m < materials; ++m) {
        lumeno::Material material;
        material.name = QStringLiteral("material %1").arg(m + 1);
        material.baseColourTexture.image = 0;
        look->materials.push_back(material);
    }
    return look;
}

// The best of three reads, and the triangles read.
double LoadSeconds(const QString &file, vtkIdType *triangles)
{
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        lumeno::ReadResult read;
        best = std::min(best, SecondsOf([&] { read = lumeno::ReadModel(file, QStringLiteral("glb")); }));
        *triangles = read.model ? read.model->GetNumberOfPolys() : -1;
    }
    return best;
}

} // namespace

bool PrintLodGlbFigures(const QString &path, int materials, const QString &folder, QString &error)
{
    const vtkSmartPointer<vtkPolyData> model = ReadBenchMesh(path, error);
    if (!model)
        return false;
    materials = std::max(materials, 1);
    ProjectTextureCoordinates(model);
    AssignMaterials(model, materials);
    const lumeno::ModelWriteOptions options{SharedTextureLook(materials)};
    std::printf("%s: %lld triangles, %d materials sharing one PNG of %lld bytes\n", path.toLocal8Bit().constData(),
                static_cast<long long>(model->GetNumberOfPolys()), materials,
                static_cast<long long>(options.look->images[0].bytes.size()));

    std::vector<vtkSmartPointer<vtkPolyData>> levels(lumeno::LevelCount);
    lumeno::LevelReceiver receiver;
    receiver.ready = [&levels](int step, const vtkSmartPointer<vtkPolyData> &level) { levels[size_t(step)] = level; };
    if (lumeno::MakeReducer(lumeno::ReductionEngine::Quality)->MakeLevels(model, receiver, {}) != lumeno::LevelCount) {
        error = QStringLiteral("the levels could not be made");
        return false;
    }
    const lumeno::DeviationMeter meter(model);
    std::vector<lumeno::LodLevel> chain;
    for (int step = 0; step < lumeno::LevelCount; ++step) {
        const lumeno::SurfaceDeviation deviation = meter.Measure(levels[size_t(step)]);
        chain.push_back({levels[size_t(step)], lumeno::DecimationLevels[step].percent, deviation.maximum, deviation.mean});
    }

    QDir().mkpath(folder);
    const QDir out(folder);
    const auto failed = [&error](const lumeno::ModelWriteResult &result) {
        error = result.error;
        return !result.written;
    };
    lumeno::ModelWriteResult result;
    const QString lodFile = out.filePath(QStringLiteral("levels_lod.glb"));
    const double lodWrite = SecondsOf([&] { result = lumeno::WriteLodGlb(model, chain, lodFile, options); });
    if (failed(result))
        return false;
    const QString modelFile = out.filePath(QStringLiteral("model.glb"));
    const double modelWrite = SecondsOf([&] { result = lumeno::WriteModelFile(model, modelFile, "glb", options); });
    if (failed(result))
        return false;
    double levelsWrite = 0;
    qint64 levelsBytes = 0;
    double levelsLoad = 0;
    vtkIdType levelsTriangles = 0;
    for (const lumeno::LodLevel &level : chain) {
        const QString file = out.filePath(QStringLiteral("level_%1.glb").arg(level.percent));
        levelsWrite += SecondsOf([&] { result = lumeno::WriteModelFile(level.model, file, "glb", options); });
        if (failed(result))
            return false;
        levelsBytes += QFileInfo(file).size();
        vtkIdType triangles = 0;
        levelsLoad += LoadSeconds(file, &triangles);
        levelsTriangles += triangles;
    }
    vtkIdType lodTriangles = 0;
    vtkIdType modelTriangles = 0;
    const double lodLoad = LoadSeconds(lodFile, &lodTriangles);
    const double modelLoad = LoadSeconds(modelFile, &modelTriangles);
    const qint64 lodBytes = QFileInfo(lodFile).size();
    const qint64 modelBytes = QFileInfo(modelFile).size();
    std::printf("%-28s %14s %10s %10s %12s\n", "", "bytes", "write s", "load s", "triangles");
    std::printf("%-28s %14lld %10.3f %10.3f %12lld\n", "LOD GLB (model + 9 levels)", static_cast<long long>(lodBytes),
                lodWrite, lodLoad, static_cast<long long>(lodTriangles));
    std::printf("%-28s %14lld %10.3f %10.3f %12lld\n", "nine level GLBs", static_cast<long long>(levelsBytes),
                levelsWrite, levelsLoad, static_cast<long long>(levelsTriangles));
    std::printf("%-28s %14lld %10.3f %10.3f %12lld\n", "the model's GLB", static_cast<long long>(modelBytes),
                modelWrite, modelLoad, static_cast<long long>(modelTriangles));
    std::printf("%-28s %14lld %10.3f\n", "nine GLBs + model's GLB", static_cast<long long>(levelsBytes + modelBytes),
                levelsWrite + modelWrite);
    std::printf("The LOD file's size is %.3f of the ten files' (the texture once instead of ten times).\n",
                double(lodBytes) / double(levelsBytes + modelBytes));
    return true;
}
