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
    return items + lumeno::LookItems(look);
}

QString SaveLoss::Reason(const QString &suffix) const
{
    QStringList sentences;
    const QString attributesText = lumeno::AttributesNotSavedText(attributes, suffix);
    if (!attributesText.isEmpty())
        sentences << attributesText.left(1).toUpper() + attributesText.mid(1);
    if (materials || mergedParts > 1)
        sentences << QCoreApplication::translate("SaveLoss", "The materials and parts that reading the file could "
                                                             "not keep are not in the model.");
    const QString lookText = lumeno::LookNotSavedText(look, suffix);
    if (!lookText.isEmpty())
        sentences << lookText.left(1).toUpper() + lookText.mid(1);
    return sentences.join(QLatin1Char(' '));
}

SaveLoss SavingLoses(vtkPolyData *model, const QString &suffix, bool materials, int mergedParts,
                     const lumeno::ModelLook *look, bool mergeParts)
{
    SaveLoss loss;
    if (!lumeno::IsModelSuffix(suffix))
        return loss;
    if (model)
        loss.attributes = lumeno::AttributesNotSaved(model, suffix);
    loss.materials = materials;
    loss.mergedParts = mergedParts > 1 ? mergedParts : 0;
    loss.look = lumeno::LookSaved(model, look, suffix, mergeParts).dropped;
    return loss;
}
