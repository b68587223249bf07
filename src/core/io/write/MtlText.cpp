#include "io/write/MtlText.h"

#include "io/write/LookGroups.h"
#include "io/write/TextureFiles.h"

#include <QStringList>

namespace lumeno {

namespace {

QString Number(double value)
{
    return QString::number(value, 'g', 6);
}

QString Colour(const char *keyword, double r, double g, double b)
{
    return QStringLiteral("%1 %2 %3 %4\n").arg(QLatin1String(keyword), Number(r), Number(g), Number(b));
}

QString MapLine(const QString &keyword, const TextureSlot &slot, const QString &path)
{
    QString options = slot.objOptions.trimmed();
    // A normal map's strength, from a file that does not write it as an option.
    if (keyword == QLatin1String("bump") && slot.factor != 1 && !options.contains(QLatin1String("-bm")))
        options = (QStringLiteral("-bm %1 ").arg(Number(slot.factor)) + options).trimmed();
    // glTF's texture transform in OBJ's options, its v turned upwards (a rotation has none); with
    // their w, which some readers insist on.
    if (slot.transformed && options.isEmpty())
        options = QStringLiteral("-o %1 %2 0 -s %3 %4 1")
                      .arg(Number(slot.offset[0]), Number(1 - slot.scale[1] - slot.offset[1]), Number(slot.scale[0]),
                           Number(slot.scale[1]));
    return keyword + QLatin1Char(' ') + (options.isEmpty() ? QString() : options + QLatin1Char(' ')) + path +
           QLatin1Char('\n');
}

} // namespace

QByteArray MtlText(const ModelLook &look, const std::vector<QString> &names, const TextureFiles &files)
{
    QString text = QStringLiteral("# Lumeno3D material file\n");
    for (size_t i = 0; i < look.materials.size(); ++i) {
        const Material &material = look.materials[i];
        text += QStringLiteral("\nnewmtl %1\n").arg(names[i]);
        text += Colour("Ka", material.ambient[0], material.ambient[1], material.ambient[2]);
        text += Colour("Kd", material.baseColour[0], material.baseColour[1], material.baseColour[2]);
        text += Colour("Ks", material.specular[0], material.specular[1], material.specular[2]);
        text += QStringLiteral("Ns %1\n").arg(Number(material.shininess));
        text += QStringLiteral("d %1\n").arg(Number(material.baseColour[3]));
        const auto &emissive = material.emissive;
        if (emissive[0] != 0 || emissive[1] != 0 || emissive[2] != 0 || material.emissiveTexture.Used())
            text += Colour("Ke", emissive[0], emissive[1], emissive[2]);
        if (material.hasMetallicRoughness)
            text += QStringLiteral("Pm %1\nPr %2\n").arg(Number(material.metallic), Number(material.roughness));
        for (const auto &[keyword, slot] : MaterialSlots(material)) {
            const QString path = files.PathOf(slot->image);
            if (!path.isEmpty())
                text += MapLine(keyword, *slot, path);
        }
    }
    return text.toUtf8();
}

} // namespace lumeno
