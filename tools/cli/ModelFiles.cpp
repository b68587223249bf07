#include "ModelFiles.h"

#include "CliOptions.h"
#include "LookReport.h"
#include "Progress.h"

#include "io/FilePaths.h"
#include "io/read/MemoryNeed.h"
#include "io/read/ModelReader.h"
#include "io/write/LookGroups.h"
#include "io/write/LookSaving.h"
#include "io/write/ModelWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

#include <algorithm>
#include <filesystem>
#include <new>
#include <system_error>

namespace {

QString OneLine(QString message)
{
    return message.replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
}

// Also true for two names of one file (a link, "..", a second hard link).
bool IsSameFile(const QString &first, const QString &second)
{
    std::error_code error;
    const bool same = std::filesystem::equivalent(QFile::encodeName(first).toStdString(),
                                                  QFile::encodeName(second).toStdString(), error);
    return same && !error;
}

// What the reading left out or changed, for a pipeline to act on; every key is always there.
QJsonObject ReadingNotes(const lumeno::ReadResult &result)
{
    const lumeno::PointAttributes leftOut = result.attributesLeftOut;
    return {
        {QStringLiteral("materialsLeftOut"), result.materialsNotKept},
        {QStringLiteral("pointsAndLinesLeftOut"), result.primitivesLeftOut},
        {QStringLiteral("attributesLeftOut"), QJsonArray::fromStringList(lumeno::AttributeKeys(leftOut))},
        {QStringLiteral("faceColoursLeftOut"), result.faceColoursNotRead},
        {QStringLiteral("unitConverted"),
         result.unitConverted.isEmpty() ? QJsonValue() : QJsonValue(result.unitConverted)},
        {QStringLiteral("notes"), QJsonArray::fromStringList(lumeno::ReadNotes(result))},
    };
}

InputModel ReadInput(const QString &path, Progress &progress, MemoryCheck memory)
{
    InputModel input;
    const QFileInfo file(path);
    const QString shownPath = lumeno::DisplayPath(path);
    progress.Begin(QStringLiteral("Reading %1").arg(file.fileName()));
    QElapsedTimer clock;
    clock.start();
    lumeno::ReadResult result;
    if (memory == MemoryCheck::First)
        result = lumeno::RefusalForMemory(path, lumeno::AvailableMemory());
    if (result.failure == lumeno::ReadFailure::None)
        result = lumeno::ReadModel(path, file.suffix(), [&progress](double done) {
            progress.Advance(done);
            return true;
        });
    input.loadSeconds = clock.nsecsElapsed() / 1e9;
    progress.Clear();

    input.fileSize = result.fileSize;
    if (result.failure == lumeno::ReadFailure::Missing)
        input.failure = QStringLiteral("The file %1 doesn't exist.").arg(shownPath);
    else if (result.failure != lumeno::ReadFailure::None)
        input.failure = shownPath + QStringLiteral(": ") + lumeno::ReadFailureText(result);
    else {
        input.model = result.model;
        input.look = result.look;
    }
    input.removedDuplicates = result.removedDuplicates;
    input.untriangulatedPolygons = result.untriangulatedPolygons;
    if (result.untriangulatedPolygons > 0)
        input.warnings << QStringLiteral("warning: %1: %2 polygons without area could not be made into triangles "
                                         "and were left out.")
                              .arg(shownPath)
                              .arg(result.untriangulatedPolygons);
    input.partsMerged = result.partsMerged;
    input.readingNotes = ReadingNotes(result);
    for (const QString &note : lumeno::ReadNotes(result))
        input.warnings << QStringLiteral("note: %1: %2").arg(shownPath, note);
    return input;
}

} // namespace

InputModel LoadInput(const QString &path, Progress &progress, MemoryCheck memory)
{
    // What surrounds the reader may run short of memory too: the input is then not read.
    try {
        return ReadInput(path, progress, memory);
    } catch (const std::bad_alloc &) {
        progress.Clear();
        lumeno::ReadResult outOfMemory;
        outOfMemory.failure = lumeno::ReadFailure::OutOfMemory;
        InputModel input;
        input.failure = lumeno::DisplayPath(path) + QStringLiteral(": ") + lumeno::ReadFailureText(outOfMemory);
        return input;
    }
}

QString OutputProblem(const QString &output, const QString &input)
{
    const QString suffix = QFileInfo(output).suffix();
    if (!lumeno::IsModelSuffix(suffix))
        return OneLine(lumeno::WriteModelFile(nullptr, output, suffix).error); // the writer's own words
    if (IsSameFile(output, input))
        return QStringLiteral("%1 is the input model: it is never written over.")
            .arg(output);
    return QString();
}

QJsonObject InputJson(const QString &path, const InputModel &input)
{
    QJsonObject json{{QStringLiteral("file"), path}};
    if (input.fileSize > 0)
        json.insert(QStringLiteral("fileSize"), input.fileSize);
    if (!input.model)
        return json;
    json.insert(QStringLiteral("triangles"), static_cast<qint64>(input.model->GetNumberOfPolys()));
    json.insert(QStringLiteral("vertices"), static_cast<qint64>(input.model->GetNumberOfPoints()));
    json.insert(QStringLiteral("attributes"),
                QJsonArray::fromStringList(lumeno::AttributeKeys(lumeno::AttributesOf(input.model))));
    json.insert(QStringLiteral("duplicateTrianglesRemoved"), input.removedDuplicates);
    json.insert(QStringLiteral("polygonsWithoutAreaLeftOut"), input.untriangulatedPolygons);
    json.insert(QStringLiteral("partsMerged"), input.partsMerged);
    json.insert(QStringLiteral("parts"), PartsJson(input.model, input.look.get()));
    json.insert(QStringLiteral("materials"), MaterialsJson(input.look.get()));
    for (auto note = input.readingNotes.begin(); note != input.readingNotes.end(); ++note)
        json.insert(note.key(), note.value());
    return json;
}

QString MakeFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder))
        return QString();
    return QStringLiteral("%1: the folder cannot be created.").arg(lumeno::DisplayPath(folder));
}

QString WriteOutput(vtkPolyData *model, const QString &output, const lumeno::ModelWriteOptions &options)
{
    const lumeno::ModelWriteResult result = lumeno::WriteModelFile(model, output, QFileInfo(output).suffix(), options);
    return result.written ? QString() : OneLine(result.error);
}

QString WriteLodOutput(vtkPolyData *model, const std::vector<lumeno::LodLevel> &levels, const QString &output,
                       const lumeno::ModelWriteOptions &options)
{
    const lumeno::ModelWriteResult result = lumeno::WriteLodGlb(model, levels, output, options);
    return result.written ? QString() : OneLine(result.error);
}

lumeno::ModelWriteOptions WriteOptionsOf(const InputModel &input, const CliOptions &options)
{
    return {input.look, options.textures.value_or(lumeno::ModelWriteOptions::Textures::Copy), options.mergeParts};
}

QJsonObject OutputJson(const QString &file, vtkPolyData *model, const lumeno::ModelWriteOptions &options)
{
    const QString suffix = QFileInfo(file).suffix();
    const lumeno::PointAttributes carried = lumeno::AttributesOf(model);
    const lumeno::PointAttributes writable = lumeno::AttributesWritable(suffix);
    QJsonObject json = Counts(model);
    json.insert(QStringLiteral("file"), file);
    json.insert(QStringLiteral("fileSize"), QFileInfo(file).size());
    json.insert(QStringLiteral("attributes"), QJsonArray::fromStringList(lumeno::AttributeKeys(carried.Within(writable))));
    json.insert(QStringLiteral("droppedAttributes"),
                QJsonArray::fromStringList(lumeno::AttributeKeys(carried.Without(writable))));
    const lumeno::LookSaving look = lumeno::LookSaved(model, options.look.get(), suffix, options.mergeParts);
    json.insert(QStringLiteral("materials"), QJsonArray::fromStringList(look.kept.materials));
    json.insert(QStringLiteral("droppedMaterials"), QJsonArray::fromStringList(look.dropped.materials));
    json.insert(QStringLiteral("textures"), QJsonArray::fromStringList(look.kept.textures));
    json.insert(QStringLiteral("droppedTextures"), QJsonArray::fromStringList(look.dropped.textures));
    json.insert(QStringLiteral("parts"), std::max(look.kept.parts, 1));
    json.insert(QStringLiteral("droppedParts"), look.dropped.parts + look.mergedParts);
    return json;
}

QString LookNotSavedWarning(vtkPolyData *model, const lumeno::ModelWriteOptions &options, const QString &file,
                            const QString &suffix)
{
    const QString text = lumeno::LookNotSavedText(
        lumeno::LookSaved(model, options.look.get(), suffix, options.mergeParts).dropped, suffix);
    return text.isEmpty() ? text
                          : QCoreApplication::translate("lumeno3d-cli", "warning: %1: %2")
                                .arg(lumeno::DisplayPath(file), text);
}

QString NotSavedWarning(const lumeno::PointAttributes &carried, const QString &file, const QString &suffix)
{
    const QString text =
        lumeno::AttributesNotSavedText(carried.Without(lumeno::AttributesWritable(suffix)), suffix);
    return text.isEmpty() ? text
                          : QCoreApplication::translate("lumeno3d-cli", "warning: %1: %2")
                                .arg(lumeno::DisplayPath(file), text);
}

QJsonObject Counts(vtkPolyData *model)
{
    return {{QStringLiteral("triangles"), static_cast<qint64>(model->GetNumberOfPolys())},
            {QStringLiteral("vertices"), static_cast<qint64>(model->GetNumberOfPoints())}};
}
