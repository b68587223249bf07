#pragma once

#include "io/write/ModelWriter.h"

#include <QHash>
#include <QString>

#include <vector>

namespace lumeno {

// Where a written file finds the look's images: each as a path relative to the output's
// folder. Copied, an image's bytes go into that folder under its name; a different file of
// that name already there is kept, and the image gets another name ("wood_2.png"); an
// identical one is used as it is. Referred to, an image read from a file is named by its
// path from that folder, and only an embedded one is written out. A missing image (no bytes)
// keeps its reference to the file it was to be read from.
class TextureFiles
{
public:
    TextureFiles(const ModelLook &look, const QString &folder, ModelWriteOptions::Textures textures);

    // Writes the image files the materials need (each atomically); false with the reason when one
    // cannot be written. The paths are then known for every used image.
    bool Place(QString *reason);

    // The path of the image from the folder; empty for an image no material uses.
    QString PathOf(int image) const { return paths.value(image); }

private:
    bool Copy(int image, QString *reason);

    const ModelLook &look;
    QString folder;
    ModelWriteOptions::Textures textures;
    QHash<int, QString> paths;
    QHash<QString, QByteArray> writtenNow; // the files this write made, by name
};

// A name of one word for the image's file: its own name without folders and blanks, or
// "texture_<n>" with the suffix of its type.
QString ImageFileName(const TextureImage &image, int index);

} // namespace lumeno
