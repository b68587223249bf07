#include "SaveLoss.h"

#include "io/write/ModelWriter.h"

#include <QCoreApplication>

QStringList SaveLoss::Items() const
{
    QStringList items;
    // One attribute at a time, in the words the status and the CLI use for them.
    for (const lumeno::PointAttributes single : {lumeno::PointAttributes{attributes.colours, false, false},
                                                 lumeno::PointAttributes{false, attributes.normals, false},
                                                 lumeno::PointAttributes{false, false, attributes.textureCoordinates}})
        if (single.Any())
            items << lumeno::AttributeText(single);
    if (materials)
        items << QCoreApplication::translate("SaveLoss", "materials and textures");
    if (mergedParts > 1)
        items << QCoreApplication::translate("SaveLoss", "%n parts, saved as one model", nullptr, mergedParts);
    return items;
}

QString SaveLoss::Reason(const QString &suffix) const
{
    QStringList sentences;
    const QString attributesText = lumeno::AttributesNotSavedText(attributes, suffix);
    if (!attributesText.isEmpty())
        sentences << attributesText.left(1).toUpper() + attributesText.mid(1);
    if (materials || mergedParts > 1)
        sentences << QCoreApplication::translate("SaveLoss", "Lumeno3D keeps no materials and no parts of the files "
                                                             "it reads: it saves one model with its triangles.");
    return sentences.join(QLatin1Char(' '));
}

SaveLoss SavingLoses(vtkPolyData *model, const QString &suffix, bool materials, int mergedParts)
{
    SaveLoss loss;
    if (!lumeno::IsModelSuffix(suffix))
        return loss;
    if (model)
        loss.attributes = lumeno::AttributesNotSaved(model, suffix);
    loss.materials = materials;
    loss.mergedParts = mergedParts > 1 ? mergedParts : 0;
    return loss;
}
