// Writing a model's look: OBJ with its MTL file and textures, glTF and GLB with materials,
// images and a node per part, 3MF with base materials, textures and an object per part; what
// each format leaves out; and a model without a look written exactly as before. Files are read
// back by our readers and, where it is installed, by assimp.
#include "GltfFiles.h"
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "io/write/ModelWriter.h"

#include <QJsonArray>
#include <QJsonObject>

#include <vtkCellData.h>
#include <vtkFloatArray.h>
#include <vtkIntArray.h>
#include <vtkPointData.h>

#include <zip.h>

#include <cmath>

namespace {

using testing::RedPng;
const QByteArray BluePng = RedPng + QByteArray("blue"); // differs after the end, which readers ignore

// A square of two triangles, each of its own material and part, with a seam along the diagonal:
// the points 3 and 5 lie where 1 and 2 do, with other texture coordinates. The second part is
// placed 5 up, its points stored placed.
vtkSmartPointer<vtkPolyData> TwoMaterialSquare()
{
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->SetPoints(vtkSmartPointer<vtkPoints>::New());
    for (const auto &p : {std::array<double, 3>{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 0, 5}, {1, 1, 5}, {0, 1, 5}})
        model->GetPoints()->InsertNextPoint(p.data());
    model->SetPolys(testing::Cells({{0, 1, 2}, {3, 4, 5}}));
    auto coordinates = vtkSmartPointer<vtkFloatArray>::New();
    coordinates->SetNumberOfComponents(2);
    for (float value : {0.0f, 0.0f, 0.5f, 0.0f, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 1.0f, 0.5f, 1.0f})
        coordinates->InsertNextValue(value);
    model->GetPointData()->SetTCoords(coordinates);
    for (const char *name : {lumeno::MaterialIdsName, lumeno::PartIdsName})
        model->GetCellData()->AddArray(testing::IntArray(name, {0, 1}));
    return model;
}

// The look of that square: "red paint" with red.png read from `source`, "blue" with an embedded
// image; the parts "left" and "raised".
lumeno::SharedLook SquareLook(const QString &source = QString())
{
    auto look = std::make_shared<lumeno::ModelLook>();
    lumeno::Material red;
    red.name = QStringLiteral("red paint");
    red.baseColour = {0.8, 0.1, 0.1, 1};
    red.baseColourTexture.image = 0;
    lumeno::Material blue;
    blue.name = QStringLiteral("blue");
    blue.baseColour = {0.1, 0.1, 0.8, 0.5};
    blue.alphaMode = lumeno::Material::AlphaMode::Blend;
    blue.hasMetallicRoughness = true;
    blue.metallic = 0.25;
    blue.roughness = 0.75;
    blue.baseColourTexture.image = 1;
    blue.baseColourTexture.transformed = true;
    blue.baseColourTexture.scale = {2, 2};
    look->materials = {red, blue};
    look->images = {{QStringLiteral("red.png"), QStringLiteral("image/png"), RedPng, source},
                    {QStringLiteral("blue.png"), QStringLiteral("image/png"), BluePng, QString()}};
    lumeno::ModelPart raised{QStringLiteral("raised"), {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 5, 1}};
    look->parts = {{QStringLiteral("left"), {}}, raised};
    return look;
}

QStringList Lines(const QByteArray &text)
{
    return QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The entries of a 3MF package, by name.
QMap<QString, QByteArray> PackageEntries(const QString &path)
{
    QMap<QString, QByteArray> entries;
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, zip_uint64_t(i), 0, &stat);
        zip_file_t *file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        QByteArray bytes(int(stat.size), '\0');
        zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
        entries.insert(QString::fromUtf8(stat.name), bytes);
    }
    zip_close(archive);
    return entries;
}

// Our readers read the square back with its triangles where they were: a part's points,
// written in its own frame, come back placed.
void VerifyReadBackPlaced(const QString &path)
{
    const lumeno::ReadResult read = lumeno::ReadModel(path, QFileInfo(path).suffix());
    QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
    QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(2));
    double bounds[6];
    read.model->GetBounds(bounds);
    QCOMPARE(bounds[4], 0.0);
    QCOMPARE(bounds[5], 5.0);
}

} // namespace

class TestLookWriting : public QObject
{
    Q_OBJECT

    QTemporaryDir folder{testing::SandboxPath() + QStringLiteral("/look-XXXXXX")};

    QString Path(const QString &name) const { return folder.filePath(name); }

    lumeno::ModelWriteResult Write(const QString &name, const lumeno::ModelWriteOptions &options)
    {
        return lumeno::WriteModelFile(TwoMaterialSquare(), Path(name), QFileInfo(name).suffix(), options);
    }

private slots:
    void cleanup()
    {
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
    }

    // Neither a null look nor one of a single part without materials changes a byte of any file
    // (3MF packages hold the time they were written, so their model part is compared).
    void modelsWithoutALookAreWrittenAsBefore_data()
    {
        QTest::addColumn<QString>("suffix");
        for (const char *suffix : {"obj", "stl", "ply", "off", "glb", "gltf", "3mf"})
            QTest::newRow(suffix) << suffix;
    }

    void modelsWithoutALookAreWrittenAsBefore()
    {
        QFETCH(QString, suffix);
        const vtkSmartPointer<vtkPolyData> model = testing::WithAttributes(testing::Sphere(12, 8));
        const QString before = Path(QStringLiteral("before.") + suffix);
        QVERIFY(lumeno::WriteModelFile(model, before, suffix).written);
        auto onePart = std::make_shared<lumeno::ModelLook>();
        onePart->parts = {{QStringLiteral("only"), {}}};
        for (const lumeno::SharedLook &look : {lumeno::SharedLook(), lumeno::SharedLook(onePart)}) {
            const QString after = Path(QStringLiteral("after.") + suffix);
            const lumeno::ModelWriteOptions options{look, lumeno::ModelWriteOptions::Textures::Copy, false};
            QVERIFY(lumeno::WriteModelFile(model, after, suffix, options).written);
            if (suffix == QLatin1String("3mf"))
                QCOMPARE(PackageEntries(after), PackageEntries(before));
            else
                QCOMPARE(testing::Contents(after), testing::Contents(before));
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2); // no material file, no image
    }

    // The MTL file beside the OBJ names both materials with their maps; each part is an object
    // and each material's faces follow its usemtl. Merged, one group holds both runs.
    void objNamesItsMaterialFileAndParts_data()
    {
        QTest::addColumn<bool>("mergeParts");
        QTest::newRow("parts apart") << false;
        QTest::newRow("parts merged") << true;
    }

    void objNamesItsMaterialFileAndParts()
    {
        QFETCH(bool, mergeParts);
        const lumeno::ModelWriteResult result =
            Write(QStringLiteral("square.obj"), {SquareLook(), lumeno::ModelWriteOptions::Textures::Copy, mergeParts});
        QVERIFY2(result.written, qPrintable(result.error));
        const QStringList obj = Lines(testing::Contents(Path(QStringLiteral("square.obj"))));
        QVERIFY(obj.contains(QStringLiteral("mtllib square.mtl")));
        const QStringList expectedGroups =
            mergeParts ? QStringList{"g grp1", "usemtl red_paint", "f 1/1 2/2 3/3 ", "usemtl blue", "f 4/4 5/5 6/6 "}
                       : QStringList{"o left", "usemtl red_paint", "f 1/1 2/2 3/3 ", "o raised", "usemtl blue",
                                     "f 4/4 5/5 6/6 "};
        QCOMPARE(obj.mid(obj.indexOf(expectedGroups.first())), expectedGroups);

        const QStringList mtl = Lines(testing::Contents(Path(QStringLiteral("square.mtl"))));
        // The blue texture's scale of 2, its v upwards: -1 moves the doubled v back onto the image.
        for (const char *line : {"newmtl red_paint", "Kd 0.8 0.1 0.1", "map_Kd red.png", "newmtl blue", "d 0.5",
                                 "Pm 0.25", "Pr 0.75", "map_Kd -o 0 -1 0 -s 2 2 1 blue.png"})
            QVERIFY2(mtl.contains(QLatin1String(line)), line);
        QCOMPARE(testing::Contents(Path(QStringLiteral("red.png"))), RedPng);
        QCOMPARE(testing::Contents(Path(QStringLiteral("blue.png"))), BluePng);
        VerifyReadBackPlaced(Path(QStringLiteral("square.obj")));
    }

    // A different file of a texture's name next to the output keeps its bytes and the texture
    // takes another name; an identical one is used as it is; a second level reuses the first's.
    void texturesNeverOverwriteAnotherFile_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<QString>("redFile");
        QTest::newRow("different file") << QByteArray("someone's picture") << "red_2.png";
        QTest::newRow("identical file") << RedPng << "red.png";
    }

    void texturesNeverOverwriteAnotherFile()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QString, redFile);
        QVERIFY(testing::WriteBytes(Path(QStringLiteral("red.png")), existing));
        for (const char *level : {"square_90.obj", "square_80.obj"}) {
            const lumeno::ModelWriteResult result = Write(QString::fromLatin1(level), {SquareLook()});
            QVERIFY2(result.written, qPrintable(result.error));
        }
        QCOMPARE(testing::Contents(Path(QStringLiteral("red.png"))), existing);
        QCOMPARE(testing::Contents(Path(redFile)), RedPng);
        QVERIFY(Lines(testing::Contents(Path(QStringLiteral("square_80.mtl")))).contains(QStringLiteral("map_Kd ") +
                                                                                          redFile));
        const QStringList images = QDir(folder.path()).entryList({QStringLiteral("*.png")}, QDir::Files);
        QCOMPARE(images.size(), existing == RedPng ? 2 : 3);
    }

    // A material file that cannot be replaced stops the save before the model is written.
    void aMaterialFileThatCannotBeWrittenStopsTheSave()
    {
        const QString mtl = Path(QStringLiteral("square.mtl"));
        QVERIFY(testing::WriteBytes(mtl, "newmtl kept\n"));
        QVERIFY(QFile::setPermissions(mtl, QFile::ReadOwner));
        const lumeno::ModelWriteResult result = Write(QStringLiteral("square.obj"), {SquareLook()});
        QVERIFY(!result.written);
        QVERIFY2(result.error.contains(Path(QStringLiteral("square.obj"))) &&
                     result.error.contains(QLatin1String("square.mtl")),
                 qPrintable(result.error));
        QVERIFY(!QFileInfo::exists(Path(QStringLiteral("square.obj"))));
        QVERIFY(QFile::setPermissions(mtl, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(testing::Contents(mtl), QByteArray("newmtl kept\n"));
    }

    // Referred to, an image read from a file is named where it is; an embedded one is written out.
    void referencedTexturesPointAtTheirFiles()
    {
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("input/maps")));
        const QString source = Path(QStringLiteral("input/maps/red.png"));
        QVERIFY(testing::WriteBytes(source, RedPng));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("output")));
        const lumeno::ModelWriteResult result =
            Write(QStringLiteral("output/square.obj"),
                  {SquareLook(source), lumeno::ModelWriteOptions::Textures::Reference});
        QVERIFY2(result.written, qPrintable(result.error));
        const QStringList mtl = Lines(testing::Contents(Path(QStringLiteral("output/square.mtl"))));
        QVERIFY(mtl.contains(QStringLiteral("map_Kd ../input/maps/red.png")));
        QVERIFY(mtl.contains(QStringLiteral("map_Kd -o 0 -1 0 -s 2 2 1 blue.png")));
        QCOMPARE(QDir(Path(QStringLiteral("output"))).entryList({QStringLiteral("*.png")}, QDir::Files),
                 QStringList{"blue.png"});
    }

    // A node per part with its transform and its own mesh in the part's frame, a primitive per
    // material, the images in the buffer; merged, one node of both primitives in place.
    void gltfHoldsMaterialsImagesAndParts_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("mergeParts");
        QTest::newRow("glb") << "glb" << false;
        QTest::newRow("gltf") << "gltf" << false;
        QTest::newRow("glb merged") << "glb" << true;
    }

    void gltfHoldsMaterialsImagesAndParts()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, mergeParts);
        const QString name = QStringLiteral("square.") + suffix;
        const lumeno::ModelWriteResult result =
            Write(name, {SquareLook(), lumeno::ModelWriteOptions::Textures::Copy, mergeParts});
        QVERIFY2(result.written, qPrintable(result.error));
        VerifyReadBackPlaced(Path(name));
        const QJsonObject json = testing::GltfJson(testing::Contents(Path(name)));
        const QJsonArray materials = json[QLatin1String("materials")].toArray();
        QCOMPARE(materials[0][QLatin1String("name")].toString(), QStringLiteral("red paint"));
        QCOMPARE(materials[1][QLatin1String("alphaMode")].toString(), QStringLiteral("BLEND"));
        const QJsonObject blueTexture = materials[1][QLatin1String("pbrMetallicRoughness")][QLatin1String(
            "baseColorTexture")].toObject();
        QVERIFY(blueTexture[QLatin1String("extensions")][QLatin1String("KHR_texture_transform")].isObject());
        QVERIFY(json[QLatin1String("extensionsUsed")].toArray().contains(QStringLiteral("KHR_texture_transform")));
        const QJsonArray images = json[QLatin1String("images")].toArray();
        QCOMPARE(images.size(), 2);
        for (const QJsonValue &image : images)
            QVERIFY(image[QLatin1String("bufferView")].isDouble());

        const QJsonArray nodes = json[QLatin1String("nodes")].toArray();
        const QJsonArray meshes = json[QLatin1String("meshes")].toArray();
        QCOMPARE(nodes.size(), mergeParts ? 1 : 2);
        QCOMPARE(meshes.size(), nodes.size());
        const QJsonArray accessors = json[QLatin1String("accessors")].toArray();
        const auto highest = [&](const QJsonValue &mesh) {
            const int position = mesh[QLatin1String("primitives")][0][QLatin1String("attributes")]
                                     [QLatin1String("POSITION")].toInt();
            return accessors[position][QLatin1String("max")][2].toDouble();
        };
        if (mergeParts) {
            QCOMPARE(meshes[0][QLatin1String("primitives")].toArray().size(), 2);
            QCOMPARE(highest(meshes[0]), 5.0);
        } else {
            QCOMPARE(nodes[1][QLatin1String("name")].toString(), QStringLiteral("raised"));
            QCOMPARE(nodes[1][QLatin1String("matrix")].toArray()[14].toDouble(), 5.0);
            QCOMPARE(highest(meshes[1]), 0.0); // in the part's own frame
            QCOMPARE(meshes[1][QLatin1String("primitives")][0][QLatin1String("material")].toInt(), 1);
        }
    }

    // Base materials, a texture group for each textured material, an object per part placed by
    // its build item, and the images inside the package under its relationships.
    void threeMfHoldsMaterialsTexturesAndParts()
    {
        const lumeno::ModelWriteResult result = Write(QStringLiteral("square.3mf"), {SquareLook()});
        QVERIFY2(result.written, qPrintable(result.error));
        const QMap<QString, QByteArray> entries = PackageEntries(Path(QStringLiteral("square.3mf")));
        const QByteArray model = entries.value(QStringLiteral("3D/3dmodel.model"));
        QCOMPARE(model.count("<m:base "), 2);
        QVERIFY(model.contains("name=\"red paint\""));
        QCOMPARE(model.count("<m:texture2d "), 2);
        QCOMPARE(model.count("<m:texture2dgroup "), 2);
        QCOMPARE(model.count("<object "), 2);
        QVERIFY(model.contains("transform=\"1 0 0 0 1 0 0 0 1 0 0 5\""));
        QCOMPARE(entries.value(QStringLiteral("3D/Textures/red.png")), RedPng);
        QVERIFY(entries.value(QStringLiteral("3D/_rels/3dmodel.model.rels")).contains("/3D/Textures/blue.png"));
        QVERIFY(entries.value(QStringLiteral("[Content_Types].xml")).contains("Extension=\"png\""));
        VerifyReadBackPlaced(Path(QStringLiteral("square.3mf")));
    }

    // assimp reads the same materials, texture references and parts.
    void assimpReadsTheSameLook_data()
    {
        QTest::addColumn<QString>("suffix");
        for (const char *suffix : {"obj", "glb", "gltf"})
            QTest::newRow(suffix) << suffix;
    }

    void assimpReadsTheSameLook()
    {
        QFETCH(QString, suffix);
        if (!testing::AssimpInstalled())
            QSKIP("assimp is not installed (Debian's assimp-utils, among scripts/setup's corpus packages)");
        const QString name = QStringLiteral("square.") + suffix;
        QVERIFY(Write(name, {SquareLook()}).written);
        const testing::AssimpView view = testing::AssimpInfo(Path(name));
        const bool obj = suffix == QLatin1String("obj");
        // OBJ names are single words.
        QCOMPARE(view.names.value(QStringLiteral("Named Materials")),
                 obj ? QStringList({"red_paint", "blue"}) : QStringList({"red paint", "blue"}));
        QStringList textures = view.names.value(QStringLiteral("Texture Refs"));
        textures.removeDuplicates();
        // glTF's images are inside the file, referred to by their number.
        QCOMPARE(textures, obj ? QStringList({"red.png", "blue.png"}) : QStringList({"*0", "*1"}));
        QVERIFY2(view.placedMeshes == 2, qPrintable(view.output));
        QVERIFY2(view.output.contains(QLatin1String("Maximum point      (1.000000 1.000000 5.000000)")),
                 qPrintable(view.output));
    }
};

LUMENO_CORE_TEST_MAIN(TestLookWriting)
#include "test_look_writing.moc"
