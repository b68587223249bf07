#include "io/write/ModelWriter.h"

#include "io/FilePaths.h"
#include "io/write/GltfFileOutput.h"
#include "io/write/GltfWriter.h"
#include "io/write/LookGroups.h"
#include "io/write/MtlText.h"
#include "io/write/OffWriter.h"
#include "io/write/TextureFiles.h"
#include "io/write/ThreeMfWriter.h"
#include "io/read/ModelReader.h"
#include "model/ModelChecks.h"
#include "io/write/ObjFileWriter.h"
#include "io/write/PlyFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSaveFile>

#include <vtkCellArray.h>
#include <vtkErrorCode.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSTLWriter.h>
#include <vtkSmartPointer.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <new>
#include <optional>

namespace lumeno {

namespace {

ModelWriteResult Failure(const QString &fileName, const QString &reason)
{
    return {false, QCoreApplication::translate("ModelWriter", "The model could not be saved to %1.\n%2")
                       .arg(DisplayPath(fileName), reason)};
}

} // namespace

ModelWriteResult NotEnoughMemoryToWrite(const QString &fileName)
{
    return Failure(fileName, QCoreApplication::translate("ModelWriter", "There is not enough memory for writing "
                                                                        "it: close other programs and save again."));
}

namespace {

// A symbolic link is kept: its target gets the new content.
QString FinalTarget(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : fileName;
}

// The permission bits of an existing file, or -1.
int ModeOf(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

// A file the user may not write, or one that grants no write permission to anyone: the
// superuser may write anything, but a file protected like this is not meant to be replaced.
bool IsWriteProtected(const QString &path)
{
    const int mode = ModeOf(path);
    return mode >= 0 && ((mode & 0222) == 0 || ::access(QFile::encodeName(path).constData(), W_OK) != 0);
}

QString WriteProtected()
{
    return QCoreApplication::translate("ModelWriter", "The file is write-protected.");
}

// Why the model is no model worth a file, or empty: every reader refuses a file without a
// triangle or with a coordinate that is no finite number.
QString ModelProblem(vtkPolyData *model)
{
    if (model->GetNumberOfPolys() + model->GetNumberOfStrips() == 0)
        return QCoreApplication::translate("ModelWriter", "The model has no triangles.");
    if (model->GetNumberOfPoints() > 0 && !HasFiniteCoordinates(model->GetPoints()))
        return QCoreApplication::translate("ModelWriter", "The model has coordinates that are not finite numbers.");
    return QString();
}

// A new empty file beside the target, so that renaming it over the target is atomic;
// it ends in the format's suffix, which the PLY writer insists on.
// It is created like any new file, so it gets the user's default permissions.
QString CreateSibling(const QString &target, const QString &suffix, QString *reason)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 16; ++attempt) {
        // Short, so that it fits wherever the target's own name fits.
        const QString name =
            QStringLiteral("%1/.lumeno-%2.%3")
                .arg(info.absolutePath(), QString::number(QRandomGenerator::global()->generate(), 36), suffix);
        QFile file(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return name;
        if (!file.exists()) {
            *reason = file.errorString();
            return QString();
        }
    }
    *reason = QCoreApplication::translate("ModelWriter", "No temporary file could be created beside it.");
    return QString();
}

// A binary STL holds 84 bytes of header and count, then 50 bytes per triangle.
bool IsCompleteStl(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(80))
        return false;
    unsigned char count[4];
    if (file.read(reinterpret_cast<char *>(count), 4) != 4)
        return false;
    const quint64 triangles = count[0] | (count[1] << 8) | (count[2] << 16) | (quint64(count[3]) << 24);
    return triangles > 0 && static_cast<quint64>(file.size()) == 84 + 50 * triangles;
}

bool WriteStl(vtkPolyData *model, const QString &path)
{
    auto writer = vtkSmartPointer<vtkSTLWriter>::New();
    writer->SetFileName(QFile::encodeName(path).constData());
    writer->SetFileTypeToBinary();
    writer->SetInputData(model);
    return writer->Write() == 1 && writer->GetErrorCode() == vtkErrorCode::NoError && IsCompleteStl(path);
}

bool WriteObj(vtkPolyData *model, const QString &path, const ObjLayout *layout = nullptr)
{
    auto writer = vtkSmartPointer<lumeno::ObjFileWriter>::New();
    writer->SetInputData(model);
    writer->SetLayout(layout);
    writer->SetFileName(QFile::encodeName(path).constData());
    writer->Update();
    return writer->GetErrorCode() == vtkErrorCode::NoError;
}

int PlyScalarSize(const QByteArray &type)
{
    static const QHash<QByteArray, int> sizes = {
        {"char", 1},  {"uchar", 1},  {"int8", 1},   {"uint8", 1},   {"short", 2},  {"ushort", 2},
        {"int16", 2}, {"uint16", 2}, {"int", 4},    {"uint", 4},    {"int32", 4},  {"uint32", 4},
        {"float", 4}, {"float32", 4}, {"double", 8}, {"float64", 8}};
    return sizes.value(type, 0);
}

// The size a binary PLY of the model must have, from its header: every element's count
// times its record size, the face lists holding the model's polygons. 0 when the header
// holds something else than the writer writes.
qint64 ExpectedPlySize(QFile &file, vtkPolyData *model)
{
    qint64 size = 0;
    qint64 count = 0;
    QByteArray element;
    for (int line = 0; line < 64 && !file.atEnd(); ++line) {
        const QList<QByteArray> words = file.readLine().trimmed().split(' ');
        if (words[0] == "end_header")
            return size + file.pos();
        if (words[0] == "element" && words.size() == 3) {
            element = words[1];
            count = words[2].toLongLong();
        } else if (words[0] == "property" && words.size() == 3 && PlyScalarSize(words[1]) > 0) {
            size += count * PlyScalarSize(words[1]);
        } else if (words[0] == "property" && words.size() == 5 && words[1] == "list" && element == "face" &&
                   count == model->GetNumberOfPolys() && PlyScalarSize(words[2]) > 0 &&
                   PlyScalarSize(words[3]) > 0) {
            size += count * PlyScalarSize(words[2]) +
                    model->GetPolys()->GetNumberOfConnectivityIds() * PlyScalarSize(words[3]);
        } else if (words[0] == "property") {
            return 0;
        }
    }
    return 0;
}

// A written PLY file must have exactly the size its header and the model call for, like a
// complete STL: a full disk may cut it short. Reading the body through again would cost a
// third of the write.
bool IsCompletePly(const QString &path, vtkPolyData *model)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 expected = ExpectedPlySize(file, model);
    return expected > 0 && expected == file.size();
}

bool WritePly(vtkPolyData *model, const QString &path)
{
    return WriteBinaryPly(model, path) && IsCompletePly(path, model);
}

// Why the target or the model is refused before anything is written, or empty.
QString TargetProblem(const QString &target, vtkPolyData *model)
{
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isFile())
        return QCoreApplication::translate("ModelWriter", "It is not a regular file.");
    if (IsWriteProtected(target))
        return WriteProtected();
    return ModelProblem(model);
}

// The writer fills a file of its own beside the target, which then replaces the target.
ModelWriteResult WriteBeside(const QString &fileName, const QString &target, const QString &suffix,
                             const std::function<bool(const QString &)> &write)
{
    QString reason;
    const QString temporary = CreateSibling(target, suffix, &reason);
    if (temporary.isEmpty())
        return Failure(fileName, reason);

    bool written = false;
    try {
        written = write(temporary);
    } catch (const std::bad_alloc &) {
        QFile::remove(temporary);
        return NotEnoughMemoryToWrite(fileName);
    }
    if (!written) {
        QFile::remove(temporary);
        return Failure(fileName, QCoreApplication::translate("ModelWriter", "Writing the file failed."));
    }
    // The file keeps its mode. Not through QFile::setPermissions: it would add the owner's
    // write permission to a file that only the superuser may write.
    const int mode = ModeOf(target);
    if (mode >= 0)
        ::chmod(QFile::encodeName(temporary).constData(), mode_t(mode));
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporary);
        return Failure(fileName, reason);
    }
    return {true, QString()};
}

// The material file beside the model, with the textures it names, before the model that names it.
ModelWriteResult WriteObjWithLook(vtkPolyData *model, const QString &fileName, const QString &target,
                                  const ModelWriteOptions &options)
{
    const ModelLook &look = *options.look;
    ObjLayout layout;
    layout.groups = GroupPolygons(model, &look, options.mergeParts);
    std::vector<QString> names;
    for (const Material &material : look.materials)
        names.push_back(material.name);
    layout.materialNames = WordNames(names, QStringLiteral("material"));
    names.clear();
    for (const ModelPart &part : look.parts)
        names.push_back(part.name);
    layout.partNames = WordNames(names, QStringLiteral("part"));
    layout.materialLibrary = QStringLiteral("NONE");
    if (look.HasMaterials()) {
        try {
            const QFileInfo output(fileName);
            TextureFiles files(look, output.absolutePath(), options.textures);
            QString reason;
            if (!files.Place(&reason))
                return Failure(fileName, reason);
            // mtllib lists its files apart by blanks.
            layout.materialLibrary = WordNames({output.completeBaseName()}, QStringLiteral("materials")).front() +
                                     QStringLiteral(".mtl");
            const QByteArray mtl = MtlText(look, layout.materialNames, files);
            if (!ReplaceFileContent(output.dir().filePath(layout.materialLibrary), mtl.constData(), mtl.size(),
                                    &reason))
                return Failure(fileName, layout.materialLibrary + QStringLiteral(": ") + reason);
        } catch (const std::bad_alloc &) {
            return NotEnoughMemoryToWrite(fileName);
        }
    }
    return WriteBeside(fileName, target, QStringLiteral("obj"),
                       [&](const QString &path) { return WriteObj(model, path, &layout); });
}

} // namespace

bool ReplaceFileContent(const QString &fileName, const char *data, qint64 size, QString *reason)
{
    const QString target = FinalTarget(fileName);
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isFile()) {
        *reason = QCoreApplication::translate("ModelWriter", "It is not a regular file.");
        return false;
    }
    if (IsWriteProtected(target)) {
        *reason = WriteProtected();
        return false;
    }
    const int mode = ModeOf(target);
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    // commit() misses a failed flush of the last buffered bytes (a full disk takes part of
    // them) and would put the cut file in place: flush first and check. The partial write
    // leaves no error text of its own.
    if (file.write(data, size) != size || !file.flush()) {
        *reason = QCoreApplication::translate("ModelWriter", "Writing the file failed.");
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    // QSaveFile copies the permissions as Qt sees them, which adds the owner's write
    // permission when the superuser writes.
    if (mode >= 0)
        ::chmod(QFile::encodeName(target).constData(), mode_t(mode));
    return true;
}

PointAttributes AttributesNotSaved(vtkPolyData *model, const QString &suffix)
{
    return IsModelSuffix(suffix) ? AttributesOf(model).Without(AttributesWritable(suffix)) : PointAttributes();
}

QString AttributesNotSavedText(const PointAttributes &dropped, const QString &suffix)
{
    if (!dropped.Any())
        return QString();
    const QString format = suffix.toLower();
    if (format == QLatin1String("stl"))
        return QCoreApplication::translate("ModelWriter", "%1 are not saved: STL files hold the triangles only.")
            .arg(AttributeText(dropped));
    if (format == QLatin1String("off"))
        return QCoreApplication::translate("ModelWriter", "%1 are not saved: OFF files hold vertex colours only.")
            .arg(AttributeText(dropped));
    if (format == QLatin1String("3mf"))
        return QCoreApplication::translate("ModelWriter", "%1 are not saved: 3MF files hold vertex colours only.")
            .arg(AttributeText(dropped));
    return QCoreApplication::translate("ModelWriter", "%1 are not saved: OBJ files hold normals and texture "
                                                      "coordinates only.")
        .arg(AttributeText(dropped));
}

bool IsModelSuffix(const QString &suffix)
{
    for (const char *known : {"stl", "ply", "obj", "glb", "gltf", "3mf", "off"})
        if (suffix.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

namespace {

// The failure of a save that cannot start: no model, or a target that may not be written;
// else none, and `target` is the file the save replaces.
std::optional<ModelWriteResult> RefusedTarget(vtkPolyData *model, const QString &fileName, QString &target)
{
    if (!model)
        return Failure(fileName, QCoreApplication::translate("ModelWriter", "There is no model to save."));
    target = FinalTarget(fileName);
    const QString refused = TargetProblem(target, model);
    if (!refused.isEmpty())
        return Failure(fileName, refused);
    return std::nullopt;
}

} // namespace

ModelWriteResult WriteModelFile(vtkPolyData *model, const QString &fileName, const QString &suffix,
                                const ModelWriteOptions &options)
{
    if (!IsModelSuffix(suffix))
        return {false,
                QCoreApplication::translate("ModelWriter",
                                            "%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, "
                                            "glTF, 3MF or OFF file only.")
                    .arg(DisplayPath(fileName))};
    QString target;
    if (std::optional<ModelWriteResult> refused = RefusedTarget(model, fileName, target))
        return *refused;

    const QString format = suffix.toLower();
    const ModelLook *look = WritesLook(options.look.get(), options.mergeParts) ? options.look.get() : nullptr;
    const auto beside = [&](bool (*write)(vtkPolyData *, const QString &)) {
        return WriteBeside(fileName, target, format, [&](const QString &path) { return write(model, path); });
    };
    if (format == QLatin1String("stl"))
        return beside(WriteStl);
    if (format == QLatin1String("obj"))
        return look ? WriteObjWithLook(model, fileName, target, options)
                    : beside([](vtkPolyData *m, const QString &path) { return WriteObj(m, path); });
    if (format == QLatin1String("glb") || format == QLatin1String("gltf")) {
        const bool binary = format == QLatin1String("glb");
        return WriteBeside(fileName, target, format, [&](const QString &path) {
            return WriteGltf(model, path, binary, look, options.mergeParts) && (!binary || IsCompleteGlb(path));
        });
    }
    if (format == QLatin1String("3mf"))
        return WriteBeside(fileName, target, format,
                           [&](const QString &path) { return Write3mf(model, path, look, options.mergeParts); });
    if (format == QLatin1String("off"))
        return beside(WriteOff);
    return beside(WritePly);
}

ModelWriteResult WriteModelFileWith(vtkPolyData *model, const QString &fileName, const QString &suffix,
                                    const std::function<bool(const QString &)> &write)
{
    QString target;
    if (std::optional<ModelWriteResult> refused = RefusedTarget(model, fileName, target))
        return *refused;
    return WriteBeside(fileName, target, suffix.toLower(), write);
}

} // namespace lumeno
