#include "model/PointAttributes.h"

#include <QCoreApplication>

#include <vtkDataArray.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkUnsignedCharArray.h>

namespace lumeno {

PointAttributes AttributesOf(vtkPolyData *model)
{
    PointAttributes attributes;
    if (!model)
        return attributes;
    vtkPointData *data = model->GetPointData();
    const vtkIdType points = model->GetNumberOfPoints();
    const auto complete = [points](vtkDataArray *array, int components) {
        return array && array->GetNumberOfTuples() == points &&
               (components == 0 ? array->GetNumberOfComponents() >= 3 && array->GetNumberOfComponents() <= 4
                                : array->GetNumberOfComponents() == components);
    };
    attributes.colours = complete(vtkUnsignedCharArray::SafeDownCast(data->GetScalars()), 0);
    attributes.colourOpacity = attributes.colours && data->GetScalars()->GetNumberOfComponents() == 4;
    attributes.normals = complete(data->GetNormals(), 3);
    attributes.textureCoordinates = complete(data->GetTCoords(), 2);
    return attributes;
}

PointAttributes AttributesWritable(const QString &suffix)
{
    const QString format = suffix.toLower();
    if (format == QLatin1String("ply") || format == QLatin1String("glb") || format == QLatin1String("gltf"))
        return {true, true, true};
    if (format == QLatin1String("off") || format == QLatin1String("3mf"))
        return {true, false, false};
    if (format == QLatin1String("obj"))
        return {false, true, true};
    return {};
}

QStringList AttributeKeys(const PointAttributes &attributes)
{
    QStringList keys;
    if (attributes.colours)
        keys << QStringLiteral("colours");
    if (attributes.normals)
        keys << QStringLiteral("normals");
    if (attributes.textureCoordinates)
        keys << QStringLiteral("textureCoordinates");
    return keys;
}

QString AttributeText(const PointAttributes &attributes)
{
    QStringList names;
    if (attributes.colours)
        names << QCoreApplication::translate("PointAttributes", "vertex colours");
    if (attributes.normals)
        names << QCoreApplication::translate("PointAttributes", "normals");
    if (attributes.textureCoordinates)
        names << QCoreApplication::translate("PointAttributes", "texture coordinates");
    if (names.size() < 2)
        return names.value(0);
    const QString last = names.takeLast();
    return QCoreApplication::translate("PointAttributes", "%1 and %2")
        .arg(names.join(QCoreApplication::translate("PointAttributes", ", ")), last);
}

} // namespace lumeno
