#include "Commands.h"
#include "LookReport.h"
#include "ModelFiles.h"

#include "io/FilePaths.h"
#include "io/read/FormatReading.h"
#include "io/read/MemoryNeed.h"
#include "reduce/DecimationLevels.h"
#include "io/write/LevelSizes.h"
#include "model/PointAttributes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QTextStream>

#include <cmath>

CommandOutcome RunInfo(const CliOptions &, const QString &path, Progress &progress)
{
    CommandOutcome outcome;
    const InputModel input = LoadInput(path, progress);
    if (!input.model)
        return {ExitUnreadableInput, input.failure, {{QStringLiteral("input"), InputJson(path, input)}}, {}};
    outcome.warnings = input.warnings;

    double bounds[6];
    input.model->GetBounds(bounds);
    // The buttons in the window's order: 100 % (the model itself), then 90 % down to 10 %,
    // with the size each would have when saved in the input's format (nominal shares).
    const QString format = QFileInfo(path).suffix();
    const qint64 triangles = input.model->GetNumberOfPolys();
    const qint64 vertices = input.model->GetNumberOfPoints();
    const lumeno::PointAttributes attributes = lumeno::AttributesOf(input.model);
    QJsonArray levels;
    const auto addLevel = [&](int percent, double share) {
        const qint64 bytes = lumeno::SavedModelSize(format, std::llround(triangles * share),
                                                    std::llround(vertices * share), attributes);
        levels.append(QJsonObject{{QStringLiteral("percent"), percent},
                                  {QStringLiteral("estimatedBytes"), bytes},
                                  {QStringLiteral("estimatedSize"), lumeno::FileSizeText(bytes)}});
    };
    addLevel(100, 1.0);
    for (const lumeno::DecimationLevel &level : lumeno::DecimationLevels)
        addLevel(level.percent, level.sizeFraction);

    // What opening it and making its levels will take, as levels and reduce estimate it before reading.
    const lumeno::MemoryNeed need = lumeno::EstimatedMemoryNeed(path);
    const qint64 available = lumeno::AvailableMemory();
    // The window draws a proxy where drawing in full would not fit, and needs less then.
    const bool windowDrawsProxy = !lumeno::DrawsInFull(need, available);
    const qint64 windowBytes = windowDrawsProxy ? need.windowProxyBytes : need.windowBytes;
    const QJsonObject memory{
        {QStringLiteral("estimatedTriangles"), need.triangles},
        {QStringLiteral("trianglesCounted"), need.counted},
        {QStringLiteral("estimatedBytes"), need.bytes},
        {QStringLiteral("estimatedSize"), lumeno::ByteSizeText(quint64(need.bytes))},
        {QStringLiteral("availableBytes"), available < 0 ? QJsonValue() : QJsonValue(available)},
        {QStringLiteral("fits"), lumeno::FitsInMemory(need, available)},
        {QStringLiteral("windowEstimatedBytes"), windowBytes},
        {QStringLiteral("windowEstimatedSize"), lumeno::ByteSizeText(quint64(windowBytes))},
        {QStringLiteral("windowDrawsProxy"), windowDrawsProxy},
        {QStringLiteral("fitsWindow"), lumeno::FitsInMemory(need, available, lumeno::MemoryUse::Window)},
    };

    const QJsonObject report{
        {QStringLiteral("input"), InputJson(path, input)},
        {QStringLiteral("memory"), memory},
        {QStringLiteral("bounds"), QJsonArray{bounds[0], bounds[1], bounds[2], bounds[3], bounds[4], bounds[5]}},
        {QStringLiteral("levels"), levels},
        {QStringLiteral("seconds"),
         QJsonObject{{QStringLiteral("load"), input.loadSeconds}, {QStringLiteral("total"), input.loadSeconds}}},
    };
    outcome.report = report;

    QTextStream text(&outcome.summary);
    text << "File:       " << lumeno::DisplayPath(path) << " (" << input.fileSize << " bytes)\n"
         << "Triangles:  " << input.model->GetNumberOfPolys() << "\n"
         << "Vertices:   " << input.model->GetNumberOfPoints() << "\n"
         << "Attributes: "
         << (attributes.Any() ? lumeno::AttributeText(attributes) : QCoreApplication::translate("lumeno3d-cli", "none"))
         << "\n";
    if (input.removedDuplicates > 0)
        text << "Removed:    " << input.removedDuplicates << " duplicate triangles\n";
    if (input.untriangulatedPolygons > 0)
        text << "Left out:   " << input.untriangulatedPolygons << " polygons without area\n";
    const QJsonArray parts = PartsJson(input.model, input.look.get());
    if (input.partsMerged > 1 && parts.size() <= 1)
        text << "Parts:      " << input.partsMerged << " parts were merged into one model\n";
    text << LookSummary(parts, MaterialsJson(input.look.get()));
    text << QStringLiteral("Bounds:     x %1 .. %2, y %3 .. %4, z %5 .. %6\n")
                .arg(bounds[0]).arg(bounds[1]).arg(bounds[2]).arg(bounds[3]).arg(bounds[4]).arg(bounds[5])
         << "Memory:     about " << lumeno::ByteSizeText(quint64(need.bytes))
         << " to open it and make its levels, " << lumeno::ByteSizeText(quint64(windowBytes))
         << (windowDrawsProxy ? " in the window, which draws it simplified" : " in the window");
    if (available >= 0)
        text << " (" << lumeno::ByteSizeText(quint64(available)) << " available)";
    text << "\n"
         << "Estimated size of each level:\n";
    for (const QJsonValue &level : levels)
        text << QStringLiteral("  %1%  %2\n")
                    .arg(level[QLatin1String("percent")].toInt(), 3)
                    .arg(level[QLatin1String("estimatedSize")].toString());
    return outcome;
}
