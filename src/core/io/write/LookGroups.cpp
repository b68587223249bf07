#include "io/write/LookGroups.h"

#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkIntArray.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <QSet>

#include <cmath>

namespace lumeno {

namespace {

// The id array of the model's cells, when it has one value for every cell.
vtkIntArray *CellIds(vtkPolyData *model, const char *name)
{
    auto *ids = vtkIntArray::SafeDownCast(model->GetCellData()->GetArray(name));
    return ids && ids->GetNumberOfComponents() == 1 && ids->GetNumberOfTuples() == model->GetNumberOfCells()
               ? ids
               : nullptr;
}

} // namespace

bool WritesLook(const ModelLook *look, bool mergeParts)
{
    return look && (look->HasMaterials() || (look->HasParts() && !mergeParts));
}

std::vector<PartGroup> GroupPolygons(vtkPolyData *model, const ModelLook *look, bool mergeParts)
{
    const int materialCount = look ? int(look->materials.size()) : 0;
    const bool byPart = look && look->HasParts() && !mergeParts;
    const int partCount = byPart ? int(look->parts.size()) : 1;
    vtkIntArray *materials = materialCount > 0 ? CellIds(model, MaterialIdsName) : nullptr;
    vtkIntArray *parts = byPart ? CellIds(model, PartIdsName) : nullptr;
    // Polygons come after the vertex and line cells in the cell data.
    const vtkIdType first = model->GetNumberOfVerts() + model->GetNumberOfLines();

    std::vector<PartGroup> groups(static_cast<size_t>(partCount));
    for (int part = 0; part < partCount; ++part)
        groups[size_t(part)].part = byPart ? part : -1;
    // Per part, where each material's run is (material + 1, as -1 is none).
    std::vector<std::vector<int>> runOf(size_t(partCount), std::vector<int>(size_t(materialCount) + 1, -1));
    const vtkIdType polygons = model->GetNumberOfPolys();
    for (vtkIdType polygon = 0; polygon < polygons; ++polygon) {
        int material = materials ? materials->GetValue(first + polygon) : -1;
        if (material < 0 || material >= materialCount)
            material = -1;
        int part = parts ? parts->GetValue(first + polygon) : 0;
        if (part < 0 || part >= partCount)
            part = 0;
        PartGroup &group = groups[size_t(part)];
        int &run = runOf[size_t(part)][size_t(material + 1)];
        if (run < 0) {
            run = int(group.runs.size());
            group.runs.push_back({material, {}});
        }
        group.runs[size_t(run)].polygons.push_back(polygon);
    }
    return groups;
}

std::array<double, 16> InverseTransform(const std::array<double, 16> &transform)
{
    auto matrix = vtkSmartPointer<vtkMatrix4x4>::New();
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            matrix->SetElement(row, column, transform[size_t(column * 4 + row)]);
    std::array<double, 16> inverse{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    if (std::abs(matrix->Determinant()) < 1e-300)
        return inverse;
    matrix->Invert();
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            inverse[size_t(column * 4 + row)] = matrix->GetElement(row, column);
    return inverse;
}

std::array<double, 3> Transformed(const std::array<double, 16> &m, const double p[3])
{
    return {m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12], m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13],
            m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14]};
}

bool IsIdentity(const std::array<double, 16> &transform)
{
    for (size_t i = 0; i < 16; ++i)
        if (transform[i] != (i % 5 == 0 ? 1.0 : 0.0))
            return false;
    return true;
}

std::vector<QString> WordNames(const std::vector<QString> &names, const QString &fallback)
{
    std::vector<QString> words;
    QSet<QString> taken;
    for (size_t i = 0; i < names.size(); ++i) {
        QString word;
        for (const QChar c : names[i].trimmed())
            word += c.isSpace() || !c.isPrint() ? QLatin1Char('_') : c;
        if (word.isEmpty())
            word = fallback + QLatin1Char('_') + QString::number(i + 1);
        QString unique = word;
        for (int n = 2; taken.contains(unique); ++n)
            unique = word + QLatin1Char('_') + QString::number(n);
        taken.insert(unique);
        words.push_back(unique);
    }
    return words;
}

std::vector<std::pair<QString, const TextureSlot *>> MaterialSlots(const Material &material)
{
    std::vector<std::pair<QString, const TextureSlot *>> slots;
    const auto add = [&slots](const char *keyword, const TextureSlot &slot) {
        if (slot.Used())
            slots.emplace_back(QLatin1String(keyword), &slot);
    };
    add("map_Kd", material.baseColourTexture);
    add("map_Pr", material.metallicRoughnessTexture);
    add("bump", material.normalTexture);
    add("map_AO", material.occlusionTexture);
    add("map_Ke", material.emissiveTexture);
    for (const auto &[keyword, slot] : material.otherMaps)
        if (slot.Used())
            slots.emplace_back(keyword, &slot);
    return slots;
}

QString PngOrJpegType(const TextureImage &image)
{
    if (image.Missing())
        return QString();
    if (image.mimeType == QLatin1String("image/png") || image.mimeType == QLatin1String("image/jpeg"))
        return image.mimeType;
    if (image.bytes.startsWith("\x89PNG"))
        return QStringLiteral("image/png");
    if (image.bytes.startsWith("\xff\xd8"))
        return QStringLiteral("image/jpeg");
    return QString();
}

std::vector<int> UsedImages(const ModelLook &look)
{
    std::vector<bool> used(look.images.size(), false);
    for (const Material &material : look.materials)
        for (const auto &slot : MaterialSlots(material))
            if (slot.second->image >= 0 && size_t(slot.second->image) < used.size())
                used[size_t(slot.second->image)] = true;
    std::vector<int> images;
    for (size_t i = 0; i < used.size(); ++i)
        if (used[i])
            images.push_back(int(i));
    return images;
}

} // namespace lumeno
