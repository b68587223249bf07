#pragma once
// glTF and GLB files taken apart and put together, a small image to embed in them, and what
// assimp, read independently of our readers, says of a written file.

#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QtEndian>

#include <initializer_list>

namespace testing {

// A 1×1 PNG.
inline const QByteArray RedPng = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452000000010000000108060000001f15c4"
                                                     "890000000d49444154789c63f8cfc0f01f00050001ff89993d1d000000004945"
                                                     "4e44ae426082");

// The values' bytes, as a buffer holds them.
template <typename T>
QByteArray Raw(std::initializer_list<T> values)
{
    return QByteArray(reinterpret_cast<const char *>(values.begin()), int(values.size() * sizeof(T)));
}

// A GLB file of this JSON and BIN chunk.
inline QByteArray Glb(QByteArray json, const QByteArray &bin)
{
    while (json.size() % 4 != 0)
        json += ' ';
    QByteArray chunks = Raw({quint32(json.size())}) + "JSON" + json;
    if (!bin.isEmpty())
        chunks += Raw({quint32(bin.size())}) + QByteArray("BIN\0", 4) + bin;
    return "glTF" + Raw({quint32(2), quint32(12 + chunks.size())}) + chunks;
}

// The JSON of a .gltf file or of a .glb file's first chunk.
inline QJsonObject GltfJson(QByteArray bytes)
{
    if (bytes.startsWith("glTF"))
        bytes = bytes.size() < 20 ? QByteArray() : bytes.mid(20, int(qFromLittleEndian<quint32>(bytes.constData() + 12)));
    return QJsonDocument::fromJson(bytes).object();
}

// What `assimp info` says of a file: the quoted names of its sections ("Named Materials",
// "Texture Refs"), its meshes in the node hierarchy, and its counts ("Meshes", "Faces").
struct AssimpView
{
    QString output;
    QMap<QString, QStringList> names;
    int placedMeshes = 0;

    qint64 Count(const char *label) const
    {
        const QRegularExpression pattern(QStringLiteral("^%1:\\s+(\\d+)").arg(QLatin1String(label)),
                                         QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = pattern.match(output);
        return match.hasMatch() ? match.captured(1).toLongLong() : -1;
    }
};

inline bool AssimpInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("assimp")).isEmpty();
}

inline AssimpView AssimpInfo(const QString &path)
{
    QProcess assimp;
    assimp.start(QStandardPaths::findExecutable(QStringLiteral("assimp")), {QStringLiteral("info"), path});
    assimp.waitForFinished(60000);
    AssimpView view;
    view.output = QString::fromUtf8(assimp.readAllStandardOutput());
    QString section;
    for (const QString &line : view.output.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1Char(' ')) && line.endsWith(QLatin1Char(':')))
            section = line.chopped(1);
        else if (line.startsWith(QLatin1String("    '")))
            view.names[section] << line.mid(5, line.indexOf(QLatin1Char('\''), 5) - 5);
        if (line.contains(QLatin1String(" (mesh ")))
            ++view.placedMeshes;
    }
    return view;
}

} // namespace testing
