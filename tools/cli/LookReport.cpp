#include "LookReport.h"

#include "io/FilePaths.h"

#include <QJsonObject>
#include <QTextStream>

#include <vtkCellData.h>
#include <vtkDataArray.h>

#include <vector>

namespace {

constexpr int MostListed = 50;

QJsonObject TextureJson(const QString &slot, const lumeno::TextureSlot &texture, const lumeno::ModelLook &look)
{
    const lumeno::TextureImage &image = look.images[size_t(texture.image)];
    return {{QStringLiteral("slot"), slot},
            {QStringLiteral("image"), image.name},
            {QStringLiteral("missing"), image.Missing()}};
}

} // namespace

QJsonArray PartsJson(vtkPolyData *model, const lumeno::ModelLook *look)
{
    const size_t partCount = look && !look->parts.empty() ? look->parts.size() : 1;
    std::vector<qint64> triangles(partCount, 0);
    vtkDataArray *ids = model->GetCellData()->GetArray(lumeno::PartIdsName);
    const vtkIdType first = model->GetNumberOfVerts() + model->GetNumberOfLines();
    const vtkIdType polygons = model->GetNumberOfPolys();
    if (ids && partCount > 1 && ids->GetNumberOfTuples() >= first + polygons) {
        for (vtkIdType cell = first; cell < first + polygons; ++cell) {
            const double part = ids->GetTuple1(cell);
            if (part >= 0 && part < double(partCount))
                ++triangles[size_t(part)];
        }
    } else {
        triangles[0] = polygons;
    }
    QJsonArray parts;
    for (size_t part = 0; part < partCount; ++part)
        parts.append(QJsonObject{
            {QStringLiteral("name"), look && part < look->parts.size() ? look->parts[part].name : QString()},
            {QStringLiteral("triangles"), triangles[part]}});
    return parts;
}

QJsonArray MaterialsJson(const lumeno::ModelLook *look)
{
    QJsonArray materials;
    if (!look)
        return materials;
    for (const lumeno::Material &material : look->materials) {
        QJsonArray textures;
        const std::pair<const char *, const lumeno::TextureSlot *> used[] = {
            {"baseColour", &material.baseColourTexture},
            {"metallicRoughness", &material.metallicRoughnessTexture},
            {"normal", &material.normalTexture},
            {"occlusion", &material.occlusionTexture},
            {"emissive", &material.emissiveTexture}};
        for (const auto &[slot, texture] : used)
            if (texture->Used() && size_t(texture->image) < look->images.size())
                textures.append(TextureJson(QLatin1String(slot), *texture, *look));
        for (const auto &[keyword, texture] : material.otherMaps)
            if (texture.Used() && size_t(texture.image) < look->images.size())
                textures.append(TextureJson(keyword, texture, *look));
        materials.append(QJsonObject{{QStringLiteral("name"), material.name}, {QStringLiteral("textures"), textures}});
    }
    return materials;
}

QString LookSummary(const QJsonArray &parts, const QJsonArray &materials)
{
    QString summary;
    QTextStream text(&summary);
    const auto shown = [](const QJsonValue &name) {
        const QString plain = lumeno::EscapeControlCharacters(name.toString());
        return plain.isEmpty() ? QStringLiteral("(unnamed)") : plain;
    };
    if (parts.size() > 1) {
        text << "Parts:      " << parts.size() << "\n";
        for (int i = 0; i < std::min(int(parts.size()), MostListed); ++i)
            text << "  " << shown(parts[i][QLatin1String("name")]) << ": "
                 << qint64(parts[i][QLatin1String("triangles")].toDouble()) << " triangles\n";
        if (parts.size() > MostListed)
            text << "  and " << parts.size() - MostListed << " more\n";
    }
    if (!materials.isEmpty()) {
        text << "Materials:  " << materials.size() << "\n";
        for (int i = 0; i < std::min(int(materials.size()), MostListed); ++i) {
            text << "  " << shown(materials[i][QLatin1String("name")]);
            QStringList images;
            for (const QJsonValue &texture : materials[i][QLatin1String("textures")].toArray())
                images << lumeno::EscapeControlCharacters(texture[QLatin1String("image")].toString()) +
                              (texture[QLatin1String("missing")].toBool() ? QStringLiteral(" (missing)") : QString());
            if (!images.isEmpty())
                text << ": " << images.join(QStringLiteral(", "));
            text << "\n";
        }
        if (materials.size() > MostListed)
            text << "  and " << materials.size() - MostListed << " more\n";
    }
    return summary;
}
