#include "io/write/LodGlbWriter.h"

#include "io/FilePaths.h"
#include "io/write/GltfBuilder.h"
#include "io/write/GltfFileOutput.h"
#include "io/write/LookGroups.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <vtkCellArray.h>
#include <vtkPolyData.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumeno {

namespace {

// The screen the coverages are made for: a full-HD one.
constexpr double ScreenWidth = 1920.0;
constexpr double ScreenHeight = 1080.0;

qint64 Triangles(vtkPolyData *model, const PartGroup &group)
{
    qint64 triangles = 0;
    for (const MaterialRun &run : group.runs)
        for (const vtkIdType polygon : run.polygons)
            triangles += std::max<vtkIdType>(model->GetPolys()->GetCellSize(polygon) - 2, 0);
    return triangles;
}

// The bounding box diagonal of the group's corners, as the model places them.
double Diagonal(vtkPolyData *model, const PartGroup &group)
{
    double low[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL};
    double high[3] = {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    vtkCellArray *polys = model->GetPolys();
    vtkIdType size = 0;
    const vtkIdType *ids = nullptr;
    for (const MaterialRun &run : group.runs)
        for (const vtkIdType polygon : run.polygons) {
            polys->GetCellAtId(polygon, size, ids);
            for (vtkIdType i = 0; i < size; ++i) {
                double point[3];
                model->GetPoint(ids[i], point);
                for (int c = 0; c < 3; ++c) {
                    low[c] = std::min(low[c], point[c]);
                    high[c] = std::max(high[c], point[c]);
                }
            }
        }
    if (low[0] > high[0])
        return 0.0;
    return std::sqrt((high[0] - low[0]) * (high[0] - low[0]) + (high[1] - low[1]) * (high[1] - low[1]) +
                     (high[2] - low[2]) * (high[2] - low[2]));
}

// What a node of the chain tells of its level.
QJsonObject LevelExtras(int percent, qint64 triangles, double maxShare, double meanShare, double diagonal)
{
    return {{"percent", percent},
            {"triangles", triangles},
            {"deviation", QJsonObject{{"max", maxShare * diagonal},
                                      {"mean", meanShare * diagonal},
                                      {"maxShare", maxShare},
                                      {"meanShare", meanShare}}}};
}

// The polygons grouped by part: the model's first, then each level's.
using LevelGroups = std::vector<std::vector<PartGroup>>;

// The whole file's content, the same whether planned or written.
class LodBuilder
{
public:
    LodBuilder(vtkPolyData *fullModel, const std::vector<LodLevel> &lodLevels, const ModelLook &look,
               const LevelGroups &levelGroups, BufferOutput *out)
        : model(fullModel), levels(lodLevels), groups(levelGroups), builder(look, out)
    {
    }

    void Build()
    {
        builder.AddLook();
        const double modelDiagonal = model->GetLength();
        // Each part's base node, then the nodes of every chain; the indices of the latter
        // are known once the bases are counted.
        std::vector<QJsonObject> bases;
        std::vector<std::vector<QJsonObject>> chains;
        const std::vector<PartGroup> &parts = groups.front();
        for (size_t part = 0; part < parts.size(); ++part) {
            std::optional<QJsonObject> base = builder.AddMesh(model, parts[part]);
            if (!base)
                continue;
            const double partDiagonal = Diagonal(model, parts[part]);
            base->insert(QStringLiteral("extras"),
                         LevelExtras(100, Triangles(model, parts[part]), 0.0, 0.0, modelDiagonal));
            std::vector<QJsonObject> chain;
            std::vector<double> deviations;
            for (size_t l = 0; l < levels.size(); ++l) {
                vtkPolyData *level = levels[l].model;
                const PartGroup &group = groups[l + 1][part];
                QJsonObject node = *base;
                node.remove(QStringLiteral("mesh"));
                if (const std::optional<QJsonObject> made = builder.AddMesh(level, group))
                    node.insert(QStringLiteral("mesh"), made->value(QStringLiteral("mesh")));
                const QString name = base->value(QStringLiteral("name")).toString();
                node.insert(QStringLiteral("name"),
                            (name.isEmpty() ? QString() : name + QLatin1Char('_')) + QStringLiteral("LOD%1").arg(l + 1));
                node.insert(QStringLiteral("extras"),
                            LevelExtras(levels[l].percent, Triangles(level, group), levels[l].maxDeviation,
                                        levels[l].meanDeviation, modelDiagonal));
                chain.push_back(node);
                deviations.push_back(levels[l].maxDeviation * modelDiagonal);
            }
            QJsonArray coverage;
            for (const double value : ScreenCoverages(partDiagonal, deviations))
                coverage.append(value);
            QJsonObject extras = base->value(QStringLiteral("extras")).toObject();
            extras.insert(QStringLiteral("MSFT_screencoverage"), coverage);
            base->insert(QStringLiteral("extras"), extras);
            bases.push_back(*base);
            chains.push_back(chain);
        }
        int next = int(bases.size());
        for (size_t part = 0; part < bases.size(); ++part) {
            QJsonArray ids;
            for (size_t l = 0; l < chains[part].size(); ++l)
                ids.append(next++);
            bases[part].insert(QStringLiteral("extensions"),
                               QJsonObject{{QLatin1String(LodExtension), QJsonObject{{"ids", ids}}}});
            scene.append(builder.AddNode(bases[part]));
        }
        for (const std::vector<QJsonObject> &chain : chains)
            for (const QJsonObject &node : chain)
                builder.AddNode(node);
    }

    qint64 Size() const { return builder.Size(); }
    QByteArray Json() const { return builder.Json(true, scene, {QLatin1String(LodExtension)}); }

private:
    vtkPolyData *model;
    const std::vector<LodLevel> &levels;
    const LevelGroups &groups;
    GltfBuilder builder;
    QJsonArray scene;
};

bool FitsGltf(vtkPolyData *model)
{
    return model && model->GetPoints() && model->GetNumberOfPoints() <= std::numeric_limits<quint32>::max();
}

} // namespace

// A level is good enough where its largest deviation d spans at most one pixel. An object of
// bounding box diagonal D whose bounding sphere (of diameter D) is drawn h pixels wide has
// pixels of D / h: d stays under a pixel while h <= D / d. Engines compare the share of the
// screen's area the bounding sphere covers, which is then at most pi / 4 * (D / d)^2 /
// (1920 * 1080) on a full-HD screen. Each node of the chain is drawn from the coverage on
// which the next, coarser one would still be good enough; the coarsest is drawn down to 0, so
// that the object never vanishes. A level coarser yet closer than the one before it does not
// raise the value again: the values never grow along the chain.
std::vector<double> ScreenCoverages(double diagonal, const std::vector<double> &deviations)
{
    std::vector<double> coverages;
    double previous = 1.0;
    for (const double deviation : deviations) {
        const double span = deviation > 0 ? diagonal / deviation : HUGE_VAL;
        const double coverage = std::min(1.0, M_PI / 4.0 * span * span / (ScreenWidth * ScreenHeight));
        previous = std::min(previous, coverage);
        coverages.push_back(previous);
    }
    coverages.push_back(0.0);
    return coverages;
}

ModelWriteResult WriteLodGlb(vtkPolyData *model, const std::vector<LodLevel> &levels, const QString &fileName,
                             const ModelWriteOptions &options)
{
    if (QFileInfo(fileName).suffix().compare(QLatin1String("glb"), Qt::CaseInsensitive) != 0)
        return {false, QCoreApplication::translate("ModelWriter",
                                                   "%1 was not saved: the levels are saved in one file as GLB only.")
                           .arg(DisplayPath(fileName))};
    const ModelLook empty;
    const ModelLook *look = WritesLook(options.look.get(), options.mergeParts) ? options.look.get() : nullptr;
    return WriteModelFileWith(model, fileName, QStringLiteral("glb"), [&](const QString &path) {
        if (!FitsGltf(model) || std::any_of(levels.begin(), levels.end(),
                                            [](const LodLevel &level) { return !FitsGltf(level.model); }))
            return false;
        LevelGroups groups;
        groups.push_back(GroupPolygons(model, look, options.mergeParts));
        for (const LodLevel &level : levels)
            groups.push_back(GroupPolygons(level.model, look, options.mergeParts));
        // Planned first, then written as it is made: the buffer is never held whole.
        LodBuilder plan(model, levels, look ? *look : empty, groups, nullptr);
        plan.Build();
        return WriteGltfFile(path, plan.Json(), plan.Size(), true,
                             [&](BufferOutput &out) {
                                 LodBuilder(model, levels, look ? *look : empty, groups, &out).Build();
                             }) &&
               IsCompleteGlb(path);
    });
}

} // namespace lumeno
