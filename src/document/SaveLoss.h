#pragma once

#include "io/write/LookSaving.h"
#include "model/PointAttributes.h"

#include <QString>
#include <QStringList>

class vtkPolyData;

// What a saved file would not hold of the model it is made from: the point attributes its
// format cannot hold, as the writers write them (lumeno::AttributesNotSaved), and what the
// file read carried that the reading did not keep: its materials and its parts, merged into one;
// and what of the model's look (materials, textures, parts) the format cannot hold
// (lumeno::LookSaved).
struct SaveLoss
{
    lumeno::PointAttributes attributes;
    bool materials = false;
    int mergedParts = 0; // the parts of the file read, when more than one
    lumeno::LookContent look;

    bool Any() const { return attributes.Any() || materials || mergedParts > 1 || look.Any(); }
    // One entry each, for people: "vertex colours", "materials and textures", "27 parts, saved as
    // one model", "2 materials".
    QStringList Items() const;
    // Why, in one or two sentences: "vertex colours are not saved: STL files hold the triangles only."
    QString Reason(const QString &suffix) const;
};

// What the model, read from a file that had `materials` and `mergedParts` left out, loses with
// its look as a file of this suffix (any case), its parts merged or not; nothing for a suffix
// that is no model format.
SaveLoss SavingLoses(vtkPolyData *model, const QString &suffix, bool materials, int mergedParts,
                     const lumeno::ModelLook *look = nullptr, bool mergeParts = false);
