// Reading the look of OBJ with its MTL libraries, glTF and PLY: materials, textures, parts.
#include "GltfFiles.h"
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "io/read/MtlReader.h"
#include "io/read/ObjLook.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <vtkCellData.h>
#include <vtkDataArray.h>

#include <algorithm>

using lumeno::Material;
using lumeno::ModelLook;
using lumeno::TextureImage;

namespace {

const QByteArray Png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR-not-decoded", 29);
const QByteArray Jpeg("\xFF\xD8\xFF\xE0-not-decoded", 16);

QString Folder(const QString &name) { return testing::SandboxFolder(QStringLiteral("look/") + name, true); }

QVector<int> Ids(vtkPolyData *model, const char *name)
{
    QVector<int> ids;
    vtkDataArray *array = model->GetCellData()->GetArray(name);
    for (vtkIdType cell = 0; array && cell < array->GetNumberOfTuples(); ++cell)
        ids << int(array->GetTuple1(cell));
    return ids;
}

const TextureImage &ImageOf(const ModelLook &look, const lumeno::TextureSlot &slot)
{
    static const TextureImage none;
    return slot.image >= 0 && size_t(slot.image) < look.images.size() ? look.images[size_t(slot.image)] : none;
}

QStringList ImageNames(const ModelLook &look)
{
    QStringList names;
    for (const TextureImage &image : look.images)
        names << image.name + (image.Missing() ? QStringLiteral(" (missing)") : QString());
    return names;
}

bool NotesNameOnce(const QStringList &notes, const QStringList &names)
{
    const QString all = notes.join(QLatin1Char('\n'));
    return std::all_of(names.begin(), names.end(), [&all](const QString &name) { return all.count(name) == 1; });
}

const QByteArray TwoMaterialObj = "mtllib two.mtl\n"
                                  "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 2 0 0\nv 2 1 0\nv 1.5 2 0\n"
                                  "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
                                  "o Board\ng left\nusemtl Old Wood\nf 1/1 2/2 3/3\n"
                                  "g right\nusemtl metal\nf 1/1 3/3 4/4\n"
                                  "o Roof\nusemtl Old Wood\nf 2/1 5/2 6/3 7/4 3/4\n"
                                  "f 1/1 2/2 3/3\n";

const QByteArray TwoMaterialMtl = "# two materials\n"
                                  "newmtl Old Wood\nKa 0.1 0.1 0.1\nKd 0.8 0.5 0.25\nKs 0.5\nNs 96\nd 0.75\n"
                                  "Ke 0 0 0.5\nmap_Kd -s 2 2 1 -clamp on textures/wood.png\n"
                                  "map_Bump -bm 0.3 bump map.png\n"
                                  "newmtl metal\nKd 0.5 0.5 0.5\nTr 0.25\nmap_Kd ../outside.png\nmap_Ks missing.png\n"
                                  "map_d other/wood.png\n";

QJsonObject TwoNodeGltf(const QString &imageUri)
{
    QByteArray buffer = testing::Raw<float>({0, 0, 0, 1, 0, 0, 0, 1, 0}) + testing::Raw<float>({0, 0, 1, 0, 0, 1}) + Jpeg;
    while (buffer.size() % 4)
        buffer += '\0';
    const QJsonObject attributes{{"POSITION", 0}, {"TEXCOORD_0", 1}};
    const QJsonObject transform{{"KHR_texture_transform", QJsonObject{{"offset", QJsonArray{0.5, 0.25}},
                                                                      {"scale", QJsonArray{2, 4}}, {"rotation", 0.5}}}};
    return QJsonObject{
        {"asset", QJsonObject{{"version", "2.0"}}},
        {"extensionsUsed", QJsonArray{"KHR_texture_transform"}},
        {"scenes", QJsonArray{QJsonObject{{"nodes", QJsonArray{0, 1}}}}},
        {"nodes", QJsonArray{QJsonObject{{"name", "left"}, {"mesh", 0}},
                             QJsonObject{{"mesh", 0}, {"translation", QJsonArray{5, 0, 0}}}}},
        {"meshes", QJsonArray{QJsonObject{
                       {"name", "leaf"},
                       {"primitives", QJsonArray{QJsonObject{{"attributes", attributes}, {"material", 0}},
                                                 QJsonObject{{"attributes", attributes}, {"material", 1}}}}}}},
        {"materials",
         QJsonArray{QJsonObject{{"name", "painted"},
                                {"pbrMetallicRoughness",
                                 QJsonObject{{"baseColorFactor", QJsonArray{1, 0.5, 0.25, 1}}, {"metallicFactor", 0.25},
                                             {"roughnessFactor", 0.75},
                                             {"baseColorTexture", QJsonObject{{"index", 0}, {"extensions", transform}}}}},
                                {"normalTexture", QJsonObject{{"index", 1}, {"scale", 0.5}}},
                                {"emissiveFactor", QJsonArray{0, 0, 1}}, {"alphaMode", "MASK"}, {"alphaCutoff", 0.25},
                                {"doubleSided", true}},
                    QJsonObject{{"name", "plain"},
                                {"pbrMetallicRoughness", QJsonObject{{"baseColorTexture", QJsonObject{{"index", 2}}}}}}}},
        {"textures", QJsonArray{QJsonObject{{"source", 0}, {"sampler", 0}}, QJsonObject{{"source", 1}},
                                QJsonObject{{"source", 2}}}},
        {"samplers", QJsonArray{QJsonObject{{"magFilter", 9728}, {"wrapS", 33071}}}},
        {"images", QJsonArray{QJsonObject{{"name", "leaf colour"},
                                          {"uri", QString::fromLatin1("data:image/png;base64," + Png.toBase64())}},
                              QJsonObject{{"bufferView", 2}, {"mimeType", "image/jpeg"}},
                              QJsonObject{{"uri", imageUri}}}},
        {"buffers", QJsonArray{QJsonObject{
                        {"byteLength", buffer.size()},
                        {"uri", QString::fromLatin1("data:application/octet-stream;base64," + buffer.toBase64())}}}},
        {"bufferViews", QJsonArray{QJsonObject{{"buffer", 0}, {"byteLength", 36}},
                                   QJsonObject{{"buffer", 0}, {"byteOffset", 36}, {"byteLength", 24}},
                                   QJsonObject{{"buffer", 0}, {"byteOffset", 60}, {"byteLength", Jpeg.size()}}}},
        {"accessors", QJsonArray{QJsonObject{{"bufferView", 0}, {"componentType", 5126}, {"count", 3}, {"type", "VEC3"}},
                                 QJsonObject{{"bufferView", 1}, {"componentType", 5126}, {"count", 3}, {"type", "VEC2"}}}},
    };
}

lumeno::ReadResult ReadGltfIn(const QString &folder, const QJsonObject &gltf)
{
    const QString path = folder + QStringLiteral("/two.gltf");
    if (!testing::WriteBytes(path, QJsonDocument(gltf).toJson()))
        return {};
    return lumeno::ReadModel(path, QStringLiteral("gltf"));
}

} // namespace

class TestReadLook : public QObject
{
    Q_OBJECT

private slots:
    void objReadsItsMaterialsTexturesAndParts()
    {
        const QString folder = Folder(QStringLiteral("obj"));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/two.obj"), TwoMaterialObj));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/two.mtl"), TwoMaterialMtl));
        QVERIFY(QDir(folder).mkpath(QStringLiteral("textures")) && QDir(folder).mkpath(QStringLiteral("other")));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/textures/wood.png"), Png));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/other/wood.png"), Jpeg)); // same name, other bytes
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/bump map.png"), Png));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/../outside.png"), Png)); // there, but outside

        const lumeno::ReadResult read = lumeno::ReadModel(folder + QStringLiteral("/two.obj"), QStringLiteral("obj"));
        QVERIFY2(read.model && read.look, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.removedDuplicates, vtkIdType(1));
        QCOMPARE(Ids(read.model, lumeno::MaterialIdsName), (QVector<int>{0, 1, 0, 0, 0}));
        QCOMPARE(Ids(read.model, lumeno::PartIdsName), (QVector<int>{0, 1, 2, 2, 2}));
        const ModelLook &look = *read.look;
        QCOMPARE(look.parts.size(), size_t(3));
        QCOMPARE(look.parts[2].name, QStringLiteral("Roof"));

        QCOMPARE(look.materials.size(), size_t(2));
        const Material &wood = look.materials[0];
        QCOMPARE(wood.baseColour, (std::array<double, 4>{0.8f, 0.5f, 0.25f, 0.75f}));
        QCOMPARE(wood.alphaMode, Material::AlphaMode::Blend);
        QCOMPARE(wood.baseColourTexture.objOptions, QStringLiteral("-s 2 2 1 -clamp on"));
        QCOMPARE(ImageOf(look, wood.baseColourTexture).bytes, Png);
        QCOMPARE(ImageOf(look, wood.normalTexture).name, QStringLiteral("bump map.png"));
        QCOMPARE(float(wood.normalTexture.factor), 0.3f);
        const Material &metal = look.materials[1];
        QCOMPARE(metal.baseColour[3], 0.75);
        QVERIFY(ImageOf(look, metal.baseColourTexture).Missing());
        QCOMPARE(metal.otherMaps.size(), size_t(2));
        QCOMPARE(ImageOf(look, metal.otherMaps[1].second).mimeType, QStringLiteral("image/jpeg"));

        QCOMPARE(ImageNames(look), (QStringList{"wood.png", "bump map.png", "outside.png (missing)",
                                                 "missing.png (missing)", "wood_2.png"}));
        const QStringList notes = lumeno::ReadNotes(read);
        QCOMPARE(notes.size(), 1);
        QVERIFY2(NotesNameOnce(notes, {"outside.png", "missing.png"}), qPrintable(notes.join('\n')));
        QVERIFY(!read.materialsNotKept);
    }

    // A damaged library never refuses the model; one outside the folder is not read, and named.
    void objLibrariesAreReadAsFarAsTheyMay_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("library");
        QTest::addColumn<double>("red");
        QTest::newRow("above the folder") << QByteArray("../above.mtl") << QByteArray() << 1.0;
        QTest::newRow("absolute path") << QByteArray("/etc/above.mtl") << QByteArray() << 1.0;
        const auto row = [](const char *name, const QByteArray &library, double red) {
            QTest::newRow(name) << QByteArray("m.mtl") << library << red;
        };
        row("no numbers", "newmtl m\nKd\nNs\nd -halo\nmap_Kd\nmap_Kd -o\n", 1.0);
        row("statements before a material", "Kd 0 0 0\nmap_Kd x.png\nnewmtl m\n", 1.0);
        row("continued lines", "newmtl m\nKd 0.5 \\\n 0.5 0.5\nmap_Kd \\", 0.5);
        row("binary", testing::RandomBytes(4096, 51) + "\nnewmtl m\nKd 0.25\n", 0.25);
        row("a long line", "newmtl m\nKd 0.75\nmap_Kd " + QByteArray(1 << 20, 'x') + ".png\n", 0.75);
        QByteArray many;
        for (int i = 0; i < lumeno::MaxMtlMaterials + 10; ++i)
            many += "newmtl n" + QByteArray::number(i) + "\n";
        row("more materials than are read", many + "newmtl m\nKd 0\n", 1.0);
    }

    void objLibrariesAreReadAsFarAsTheyMay()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, library);
        QFETCH(double, red);
        const QString folder = Folder(QStringLiteral("library"));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/../above.mtl"), "newmtl m\nKd 0 0 0\n"));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/m.mtl"), library));
        const QString path = folder + QStringLiteral("/model.obj");
        QVERIFY(testing::WriteBytes(path, "mtllib " + name + "\nusemtl m\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n"));
        const lumeno::ReadResult read = lumeno::ReadModel(path, QStringLiteral("obj"));
        QVERIFY2(read.model && read.look, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.look->materials.size(), size_t(1));
        QCOMPARE(float(read.look->materials[0].baseColour[0]), float(red));
        const bool outside = name != "m.mtl";
        QCOMPARE(read.materialFilesNotRead, outside ? QStringList{QString::fromUtf8(name)} : QStringList());
        if (outside) {
            QCOMPARE(read.look->materials[0].baseColour, (std::array<double, 4>{1, 1, 1, 1}));
            QVERIFY(NotesNameOnce(lumeno::ReadNotes(read), {QString::fromUtf8(name)}));
        }
    }

    void objOfTooManyMaterialsIsRefused()
    {
        QByteArray text = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
        for (int i = 0; i <= lumeno::ObjLook::MaxMaterials; ++i)
            text += "usemtl m" + QByteArray::number(i) + "\nf 1 2 3\n";
        const QString path = Folder(QStringLiteral("many")) + QStringLiteral("/many.obj");
        QVERIFY(testing::WriteBytes(path, text));
        const lumeno::ReadResult read = lumeno::ReadModel(path, QStringLiteral("obj"));
        QVERIFY(!read.model);
        QCOMPARE(read.failure, lumeno::ReadFailure::OverLimit);
        QVERIFY(lumeno::ReadFailureText(read).contains(QLatin1String("materials")));
    }

    void gltfReadsItsMaterialsImagesAndParts()
    {
        const QString folder = Folder(QStringLiteral("gltf"));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/bark skin.png"), Png));
        const lumeno::ReadResult read = ReadGltfIn(folder, TwoNodeGltf(QStringLiteral("bark%20skin.png")));
        QVERIFY2(read.model && read.look, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(Ids(read.model, lumeno::PartIdsName), (QVector<int>{0, 1, 2, 3}));
        QCOMPARE(Ids(read.model, lumeno::MaterialIdsName), (QVector<int>{0, 1, 0, 1}));
        const ModelLook &look = *read.look;
        QCOMPARE(look.parts.size(), size_t(4));
        QCOMPARE(look.parts[1].name, QStringLiteral("left (2)"));
        QCOMPARE(look.parts[2].name, QStringLiteral("leaf")); // a node without a name: its mesh's
        QCOMPARE(look.parts[2].transform[12], 5.0);
        double bounds[6];
        read.model->GetBounds(bounds);
        QCOMPARE(bounds[1], 6.0); // the points are placed

        QCOMPARE(look.materials.size(), size_t(2));
        const Material &painted = look.materials[0];
        QCOMPARE(painted.baseColour, (std::array<double, 4>{1, 0.5, 0.25, 1}));
        QCOMPARE(painted.metallic, 0.25);
        QCOMPARE(painted.alphaMode, Material::AlphaMode::Mask);
        const lumeno::TextureSlot &colour = painted.baseColourTexture;
        QVERIFY(colour.transformed);
        QCOMPARE(colour.offset, (std::array<double, 2>{0.5, 0.25}));
        QCOMPARE(colour.rotation, 0.5);
        QCOMPARE(colour.magFilter, 9728);
        QCOMPARE(ImageOf(look, colour).bytes, Png);
        QCOMPARE(ImageOf(look, colour).name, QStringLiteral("leaf colour.png"));
        QCOMPARE(painted.normalTexture.factor, 0.5);
        QCOMPARE(ImageOf(look, painted.normalTexture).bytes, Jpeg);
        QCOMPARE(ImageOf(look, look.materials[1].baseColourTexture).name, QStringLiteral("bark skin.png"));
        QVERIFY(lumeno::ReadNotes(read).isEmpty());
        QVERIFY(!read.materialsNotKept);
    }

    void gltfImagesThatCannotBeHadAreMissing_data()
    {
        QTest::addColumn<QJsonObject>("image");
        QTest::addColumn<QString>("name");
        QTest::newRow("above the folder") << QJsonObject{{"uri", "../above.png"}} << "above.png";
        QTest::newRow("absolute URI") << QJsonObject{{"uri", "file:///etc/above.png"}} << "above.png";
        QTest::newRow("not base64") << QJsonObject{{"uri", "data:image/png;base64,%%%%"}} << "image2.png";
    }

    void gltfImagesThatCannotBeHadAreMissing()
    {
        QFETCH(QJsonObject, image);
        QFETCH(QString, name);
        const QString folder = Folder(QStringLiteral("gltf-missing"));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/../above.png"), Png));
        QJsonObject gltf = TwoNodeGltf(QString());
        QJsonArray images = gltf[QLatin1String("images")].toArray();
        images[2] = image;
        gltf[QStringLiteral("images")] = images;
        const lumeno::ReadResult read = ReadGltfIn(folder, gltf);
        QVERIFY2(read.model && read.look, qPrintable(lumeno::ReadFailureText(read)));
        const TextureImage &missing = ImageOf(*read.look, read.look->materials[1].baseColourTexture);
        QVERIFY(missing.Missing());
        QCOMPARE(missing.name, name);
        QVERIFY(!ImageOf(*read.look, read.look->materials[0].baseColourTexture).Missing());
        QVERIFY2(NotesNameOnce(lumeno::ReadNotes(read), {name}), qPrintable(lumeno::ReadNotes(read).join('\n')));
    }

    void gltfReferencesPastTheListsAreLeftOut()
    {
        QByteArray json = QJsonDocument(TwoNodeGltf(QStringLiteral("gone.png"))).toJson(QJsonDocument::Compact);
        json.replace("\"material\":1", "\"material\":42").replace("{\"sampler\":0,\"source\":0}", "{\"sampler\":9,\"source\":7}");
        const lumeno::ReadResult read =
            ReadGltfIn(Folder(QStringLiteral("gltf-past")), QJsonDocument::fromJson(json).object());
        QVERIFY2(read.model && read.look, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(Ids(read.model, lumeno::MaterialIdsName), (QVector<int>{0, -1, 0, -1}));
        QVERIFY(!read.look->materials[0].baseColourTexture.Used());
    }

    void plyTextureFileIsItsMaterial_data()
    {
        QTest::addColumn<QByteArray>("comment");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("missing");
        QTest::newRow("beside") << QByteArray("comment TextureFile skin.png") << "skin.png" << false;
        QTest::newRow("outside the folder") << QByteArray("comment TextureFile ../../skin.png") << "skin.png" << true;
        QTest::newRow("absolute") << QByteArray("comment TextureFile /etc/passwd") << "passwd" << true;
    }

    void plyTextureFileIsItsMaterial()
    {
        QFETCH(QByteArray, comment);
        QFETCH(QString, name);
        QFETCH(bool, missing);
        const QString folder = Folder(QStringLiteral("ply/inner"));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/skin.png"), Png));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/../../skin.png"), Png));
        const QString path = folder + QStringLiteral("/scan.ply");
        QVERIFY(testing::WriteBytes(path, "ply\nformat ascii 1.0\n" + comment +
                                              "\nelement vertex 4\nproperty float x\nproperty float y\n"
                                              "property float z\nproperty float u\nproperty float v\n"
                                              "element face 1\nproperty list uchar int vertex_indices\nend_header\n"
                                              "0 0 0 0 0\n1 0 0 1 0\n1 1 0 1 1\n0 1 0 0 1\n4 0 1 2 3\n"));
        const lumeno::ReadResult read = lumeno::ReadModel(path, QStringLiteral("ply"));
        QVERIFY2(read.model && read.look, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.look->materials.size(), size_t(1));
        QCOMPARE(Ids(read.model, lumeno::MaterialIdsName), (QVector<int>{0, 0}));
        const TextureImage &image = ImageOf(*read.look, read.look->materials[0].baseColourTexture);
        QCOMPARE(image.name, name);
        QCOMPARE(image.Missing(), missing);
        QCOMPARE(image.bytes, missing ? QByteArray() : Png);
        QCOMPARE(NotesNameOnce(lumeno::ReadNotes(read), {name}), missing);
    }
};

LUMENO_CORE_TEST_MAIN(TestReadLook)
#include "test_read_look.moc"
