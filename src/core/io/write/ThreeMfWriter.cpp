#include "io/write/ThreeMfWriter.h"

#include "io/write/ThreeMfLookModel.h"

#include <QFile>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkUnsignedCharArray.h>

#include <zip.h>

#include <sys/stat.h>

#include <charconv>
#include <string>

namespace lumeno {

namespace {

const char ContentTypes[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"model\" ContentType=\"application/vnd.ms-package.3dmanufacturing-3dmodel+xml\"/>"
    "</Types>\n";

const char Relationships[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Target=\"/3D/3dmodel.model\" Id=\"rel0\" "
    "Type=\"http://schemas.microsoft.com/3dmanufacturing/2013/01/3dmodel\"/>"
    "</Relationships>\n";

void Append(std::string &text, float value)
{
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

void Append(std::string &text, vtkIdType value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

std::string ModelText(vtkPolyData *model)
{
    auto *colours = AttributesOf(model).colours ? vtkUnsignedCharArray::SafeDownCast(model->GetPointData()->GetScalars())
                                                 : nullptr;
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<model unit=\"millimeter\" xml:lang=\"en-US\" "
                       "xmlns=\"http://schemas.microsoft.com/3dmanufacturing/core/2015/02\" "
                       "xmlns:m=\"http://schemas.microsoft.com/3dmanufacturing/material/2015/02\">\n"
                       "<metadata name=\"Application\">Lumeno3D</metadata>\n<resources>\n";
    const vtkIdType points = model->GetNumberOfPoints();
    text.reserve(size_t(points) * (colours ? 80 : 60) + size_t(model->GetNumberOfPolys()) * 60);
    if (colours) {
        static const char hex[] = "0123456789ABCDEF";
        const int components = colours->GetNumberOfComponents();
        text += "<m:colorgroup id=\"2\">\n";
        for (vtkIdType i = 0; i < points; ++i) {
            const unsigned char *colour = colours->GetPointer(i * components);
            text += "<m:color color=\"#";
            for (int c = 0; c < components; ++c) {
                text += hex[colour[c] >> 4];
                text += hex[colour[c] & 15];
            }
            text += "\"/>\n";
        }
        text += "</m:colorgroup>\n";
    }
    text += colours ? "<object id=\"1\" type=\"model\" pid=\"2\" pindex=\"0\">\n" : "<object id=\"1\" type=\"model\">\n";
    text += "<mesh>\n<vertices>\n";
    vtkPoints *pointSet = model->GetPoints();
    double point[3];
    for (vtkIdType i = 0; i < points; ++i) {
        pointSet->GetPoint(i, point);
        text += "<vertex x=\"";
        Append(text, float(point[0]));
        text += "\" y=\"";
        Append(text, float(point[1]));
        text += "\" z=\"";
        Append(text, float(point[2]));
        text += "\"/>\n";
    }
    text += "</vertices>\n<triangles>\n";
    auto cell = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    vtkIdType size = 0;
    const vtkIdType *ids = nullptr;
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        cell->GetCurrentCell(size, ids);
        for (vtkIdType corner = 1; corner + 1 < size; ++corner) {
            const vtkIdType triangle[3] = {ids[0], ids[corner], ids[corner + 1]};
            for (int i = 0; i < 3; ++i) {
                text += i == 0 ? "<triangle v1=\"" : i == 1 ? "\" v2=\"" : "\" v3=\"";
                Append(text, triangle[i]);
            }
            if (colours)
                for (int i = 0; i < 3; ++i) {
                    text += i == 0 ? "\" p1=\"" : i == 1 ? "\" p2=\"" : "\" p3=\"";
                    Append(text, triangle[i]);
                }
            text += "\"/>\n";
        }
    }
    text += "</triangles>\n</mesh>\n</object>\n</resources>\n<build>\n<item objectid=\"1\"/>\n</build>\n</model>\n";
    return text;
}

bool AddEntry(zip_t *archive, const char *name, const void *data, size_t size)
{
    zip_source_t *source = zip_source_buffer(archive, data, size, 0);
    if (!source)
        return false;
    const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    // Every entry bears the same date, 1980-01-01 00:00 (the first the format can hold), not the
    // time of writing: the same model then gives the same bytes, and a batch can be cached by
    // its input. Set as DOS fields, which the time zone does not change.
    constexpr zip_uint16_t Midnight = 0;
    constexpr zip_uint16_t FirstOfJanuary1980 = (0 << 9) | (1 << 5) | 1;
    // zlib's middle level: on a model of a million triangles a sixth of the best level's time
    // for 2 % more bytes; the fastest level would add a third.
    return zip_file_set_dostime(archive, zip_uint64_t(index), Midnight, FirstOfJanuary1980, 0) == 0 &&
           zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 6) == 0;
}

// The package's content types and, for a model with textures, the model part's relationships to them.
std::string LookContentTypes(const ThreeMfLookPackage &package)
{
    std::string types = ContentTypes;
    std::string defaults;
    for (const auto &[suffix, type] : package.textureTypes)
        defaults += "<Default Extension=\"" + suffix + "\" ContentType=\"" + type + "\"/>";
    return types.insert(types.find("</Types>"), defaults);
}

std::string TextureRelationships(const ThreeMfLookPackage &package)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    for (size_t i = 0; i < package.textures.size(); ++i)
        text += "<Relationship Target=\"/" + package.textures[i].first + "\" Id=\"tex" + std::to_string(i) +
                "\" Type=\"http://schemas.microsoft.com/3dmanufacturing/2013/01/3dtexture\"/>";
    return text + "</Relationships>\n";
}

} // namespace

bool Write3mf(vtkPolyData *model, const QString &path, const ModelLook *look, bool mergeParts)
{
    if (!model->GetPoints())
        return false;
    ThreeMfLookPackage package;
    if (look)
        package = ThreeMfLookModel(model, *look, mergeParts);
    const std::string text = look ? package.model : ModelText(model);
    const std::string types = look ? LookContentTypes(package) : std::string(ContentTypes);
    const std::string textureRelationships = TextureRelationships(package);
    const QByteArray name = QFile::encodeName(path);
    // libzip writes a file of its own beside this one, for its owner only, and renames it over
    // this one: the result gets the permissions this new file was given.
    struct stat status;
    if (::stat(name.constData(), &status) != 0)
        return false;
    int error = 0;
    zip_t *archive = zip_open(name.constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    bool added = AddEntry(archive, "[Content_Types].xml", types.data(), types.size()) &&
                 AddEntry(archive, "_rels/.rels", Relationships, sizeof Relationships - 1) &&
                 AddEntry(archive, "3D/3dmodel.model", text.data(), text.size());
    if (!package.textures.empty())
        added = added && AddEntry(archive, "3D/_rels/3dmodel.model.rels", textureRelationships.data(),
                                  textureRelationships.size());
    for (const auto &[entry, bytes] : package.textures)
        added = added && AddEntry(archive, entry.c_str(), bytes.constData(), size_t(bytes.size()));
    if (!added) {
        zip_discard(archive);
        return false;
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return false;
    }
    return ::chmod(name.constData(), status.st_mode & 07777) == 0;
}

qint64 ThreeMfFileSize(qint64 triangles, qint64 vertices, const PointAttributes &attributes)
{
    constexpr qint64 packageBytes = 1100; // the package's small parts, headers and directory
    // Measured: about 21 bytes a vertex (with its two triangles) for coordinates of full float
    // precision, as generated and most exported models have; colours of many values add 16.
    // Coordinates of few digits pack tighter (a quarter on a model of whole numbers).
    const double vertexBytes = 12.3 + (attributes.colours ? 8.0 : 0.0);
    const double triangleBytes = 4.8 + (attributes.colours ? 4.0 : 0.0);
    return packageBytes + qint64(vertexBytes * double(vertices) + triangleBytes * double(triangles));
}

} // namespace lumeno
