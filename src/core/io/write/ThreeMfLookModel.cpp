#include "io/write/ThreeMfLookModel.h"

#include "io/write/LookGroups.h"
#include "io/write/TextureFiles.h"
#include "model/PointAttributes.h"

#include <QFileInfo>
#include <QSet>

#include <vtkCellArray.h>
#include <vtkDataArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkUnsignedCharArray.h>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace lumeno {

namespace {

template <typename Number>
void Append(std::string &text, Number value)
{
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

void AppendEscaped(std::string &text, const QString &value)
{
    for (const char c : value.toStdString()) {
        switch (c) {
        case '&': text += "&amp;"; break;
        case '<': text += "&lt;"; break;
        case '>': text += "&gt;"; break;
        case '"': text += "&quot;"; break;
        default: text += c < ' ' && c >= 0 ? ' ' : c;
        }
    }
}

void AppendHex(std::string &text, const unsigned char *bytes, int count)
{
    static const char hex[] = "0123456789ABCDEF";
    text += '#';
    for (int c = 0; c < count; ++c) {
        text += hex[bytes[c] >> 4];
        text += hex[bytes[c] & 15];
    }
}

unsigned char Byte(double value)
{
    return static_cast<unsigned char>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

} // namespace

ThreeMfLookPackage ThreeMfLookModel(vtkPolyData *model, const ModelLook &look, bool mergeParts)
{
    ThreeMfLookPackage package;
    const PointAttributes carried = AttributesOf(model);
    auto *colours = carried.colours ? vtkUnsignedCharArray::SafeDownCast(model->GetPointData()->GetScalars()) : nullptr;
    vtkDataArray *coordinates = carried.textureCoordinates ? model->GetPointData()->GetTCoords() : nullptr;
    const vtkIdType points = model->GetNumberOfPoints();

    std::string &text = package.model;
    text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<model unit=\"millimeter\" xml:lang=\"en-US\" "
           "xmlns=\"http://schemas.microsoft.com/3dmanufacturing/core/2015/02\" "
           "xmlns:m=\"http://schemas.microsoft.com/3dmanufacturing/material/2015/02\">\n"
           "<metadata name=\"Application\">Lumeno3D</metadata>\n<resources>\n";
    text.reserve(size_t(points) * 80 + size_t(model->GetNumberOfPolys()) * 70);
    int nextId = 1;

    const int baseGroup = look.HasMaterials() ? nextId++ : -1;
    if (baseGroup > 0) {
        text += "<m:basematerials id=\"";
        Append(text, baseGroup);
        text += "\">\n";
        for (const Material &material : look.materials) {
            const unsigned char rgba[4] = {Byte(material.baseColour[0]), Byte(material.baseColour[1]),
                                           Byte(material.baseColour[2]), Byte(material.baseColour[3])};
            text += "<m:base name=\"";
            AppendEscaped(text, material.name);
            text += "\" displaycolor=\"";
            AppendHex(text, rgba, rgba[3] == 255 ? 3 : 4);
            text += "\"/>\n";
        }
        text += "</m:basematerials>\n";
    }

    const int colourGroup = colours ? nextId++ : -1;
    if (colours) {
        const int components = colours->GetNumberOfComponents();
        text += "<m:colorgroup id=\"";
        Append(text, colourGroup);
        text += "\">\n";
        for (vtkIdType i = 0; i < points; ++i) {
            text += "<m:color color=\"";
            AppendHex(text, colours->GetPointer(i * components), components);
            text += "\"/>\n";
        }
        text += "</m:colorgroup>\n";
    }

    // A texture of each image that a material's base colour has, in a type 3MF takes, with a
    // group of the texture coordinates of the points its triangles use.
    const std::vector<PartGroup> groups = GroupPolygons(model, &look, mergeParts);
    vtkCellArray *polys = model->GetPolys();
    std::vector<int> imageOf(look.materials.size(), -1);
    for (size_t m = 0; coordinates && m < look.materials.size(); ++m) {
        const int image = look.materials[m].baseColourTexture.image;
        if (image >= 0 && size_t(image) < look.images.size() && !PngOrJpegType(look.images[size_t(image)]).isEmpty())
            imageOf[m] = image;
    }
    const auto imageOfRun = [&](const MaterialRun &run) {
        return run.material >= 0 ? imageOf[size_t(run.material)] : -1;
    };
    QHash<int, int> textureGroupOf;          // image -> its texture2dgroup
    QHash<int, std::vector<int>> coordinateOf; // image -> each point's tex2coord in its group, or -1
    QSet<QString> names;
    vtkIdType size = 0;
    const vtkIdType *ids = nullptr;
    for (const int image : UsedImages(look)) {
        if (std::find(imageOf.begin(), imageOf.end(), image) == imageOf.end())
            continue;
        const TextureImage &texture = look.images[size_t(image)];
        const QString fileName = ImageFileName(texture, image);
        QString name = fileName;
        for (int n = 2; names.contains(name); ++n)
            name = QStringLiteral("%1_%2.%3").arg(QFileInfo(fileName).completeBaseName()).arg(n).arg(
                QFileInfo(fileName).suffix());
        names.insert(name);
        const std::string path = "3D/Textures/" + name.toStdString();
        const std::string type = PngOrJpegType(texture).toStdString();
        package.textures.emplace_back(path, texture.bytes);
        const auto suffixType = std::make_pair(QFileInfo(name).suffix().toLower().toStdString(), type);
        auto &types = package.textureTypes;
        if (std::find(types.begin(), types.end(), suffixType) == types.end())
            types.push_back(suffixType);
        const int textureId = nextId++;
        text += "<m:texture2d id=\"";
        Append(text, textureId);
        text += "\" path=\"/";
        AppendEscaped(text, QString::fromStdString(path));
        text += "\" contenttype=\"" + type + "\"/>\n";

        const int group = nextId++;
        textureGroupOf.insert(image, group);
        text += "<m:texture2dgroup id=\"";
        Append(text, group);
        text += "\" texid=\"";
        Append(text, textureId);
        text += "\">\n";
        std::vector<int> &coordinate = coordinateOf[image];
        coordinate.assign(size_t(points), -1);
        int count = 0;
        double t[3];
        for (const PartGroup &part : groups)
            for (const MaterialRun &run : part.runs) {
                if (imageOfRun(run) != image)
                    continue;
                for (const vtkIdType polygon : run.polygons) {
                    polys->GetCellAtId(polygon, size, ids);
                    for (vtkIdType i = 0; i < size; ++i) {
                        if (coordinate[size_t(ids[i])] >= 0)
                            continue;
                        coordinate[size_t(ids[i])] = count++;
                        coordinates->GetTuple(ids[i], t);
                        text += "<m:tex2coord u=\"";
                        Append(text, float(t[0]));
                        text += "\" v=\"";
                        Append(text, float(t[1]));
                        text += "\"/>\n";
                    }
                }
            }
        text += "</m:texture2dgroup>\n";
    }

    std::string build = "<build>\n";
    std::vector<vtkIdType> local(size_t(points), -1);
    for (const PartGroup &group : groups) {
        if (group.runs.empty())
            continue;
        const ModelPart *part = group.part >= 0 ? &look.parts[size_t(group.part)] : nullptr;
        const bool placed = part && !IsIdentity(part->transform);
        const std::array<double, 16> inverse = placed ? InverseTransform(part->transform) : std::array<double, 16>{};
        // What a run's triangles name: the material's texture, else the vertex colours, else its colour.
        const auto propertyOf = [&](const MaterialRun &run) {
            const int textured = textureGroupOf.value(imageOfRun(run), -1);
            return textured > 0 ? textured : colours ? colourGroup : run.material >= 0 ? baseGroup : -1;
        };
        const int object = nextId++;
        text += "<object id=\"";
        Append(text, object);
        text += "\" type=\"model\"";
        // Triangles with properties need the object to have one too.
        const int objectProperty = propertyOf(group.runs.front());
        if (objectProperty > 0) {
            text += " pid=\"";
            Append(text, objectProperty);
            text += "\" pindex=\"";
            Append(text, objectProperty == baseGroup ? group.runs.front().material : 0);
            text += '"';
        }
        if (part && !part->name.isEmpty()) {
            text += " name=\"";
            AppendEscaped(text, part->name);
            text += '"';
        }
        text += ">\n<mesh>\n<vertices>\n";
        std::vector<vtkIdType> used; // the part's points, to make `local` ready for the next part
        vtkIdType count = 0;
        for (const MaterialRun &run : group.runs)
            for (const vtkIdType polygon : run.polygons) {
                polys->GetCellAtId(polygon, size, ids);
                for (vtkIdType i = 0; i < size; ++i) {
                    if (local[size_t(ids[i])] >= 0)
                        continue;
                    local[size_t(ids[i])] = count++;
                    used.push_back(ids[i]);
                    double point[3];
                    model->GetPoint(ids[i], point);
                    const std::array<double, 3> at =
                        placed ? Transformed(inverse, point) : std::array<double, 3>{point[0], point[1], point[2]};
                    text += "<vertex x=\"";
                    Append(text, float(at[0]));
                    text += "\" y=\"";
                    Append(text, float(at[1]));
                    text += "\" z=\"";
                    Append(text, float(at[2]));
                    text += "\"/>\n";
                }
            }
        text += "</vertices>\n<triangles>\n";
        for (const MaterialRun &run : group.runs) {
            const int property = propertyOf(run);
            // A texture group numbers its own coordinates; a colour group has every point's colour.
            const std::vector<int> *coordinate =
                textureGroupOf.contains(imageOfRun(run)) ? &coordinateOf[imageOfRun(run)] : nullptr;
            for (const vtkIdType polygon : run.polygons) {
                polys->GetCellAtId(polygon, size, ids);
                for (vtkIdType corner = 1; corner + 1 < size; ++corner) {
                    const vtkIdType triangle[3] = {ids[0], ids[corner], ids[corner + 1]};
                    for (int i = 0; i < 3; ++i) {
                        text += i == 0 ? "<triangle v1=\"" : i == 1 ? "\" v2=\"" : "\" v3=\"";
                        Append(text, local[size_t(triangle[i])]);
                    }
                    if (property > 0) {
                        text += "\" pid=\"";
                        Append(text, property);
                        if (property == baseGroup) {
                            text += "\" p1=\"";
                            Append(text, run.material);
                        } else {
                            for (int i = 0; i < 3; ++i) {
                                text += i == 0 ? "\" p1=\"" : i == 1 ? "\" p2=\"" : "\" p3=\"";
                                Append(text, coordinate ? vtkIdType((*coordinate)[size_t(triangle[i])]) : triangle[i]);
                            }
                        }
                    }
                    text += "\"/>\n";
                }
            }
        }
        text += "</triangles>\n</mesh>\n</object>\n";
        for (const vtkIdType id : used)
            local[size_t(id)] = -1;
        build += "<item objectid=\"";
        Append(build, object);
        if (placed) {
            // 3MF's rows of a 4×3 matrix are the columns of the 4×4 one, without its last row.
            build += "\" transform=\"";
            for (const size_t i : {0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14}) {
                if (i > 0)
                    build += ' ';
                Append(build, part->transform[i]);
            }
        }
        build += "\"/>\n";
    }
    text += "</resources>\n" + build + "</build>\n</model>\n";
    return package;
}

} // namespace lumeno
