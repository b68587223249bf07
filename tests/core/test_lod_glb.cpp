// The model and its nine levels as one GLB with MSFT_lod chains.
#include "GltfFiles.h"
#include "TestSupport.h"

#include "io/read/GltfReader.h"
#include "io/read/ModelReader.h"
#include "io/write/LodGlbWriter.h"
#include "measure/SurfaceDeviation.h"
#include "reduce/DecimationLevels.h"
#include "reduce/Reducer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <vtkCellCenters.h>
#include <vtkCellData.h>
#include <vtkIntArray.h>

#include <cmath>

namespace {

using testing::RedPng;
const QByteArray BluePng = RedPng + QByteArray("blue image");

// A sphere whose upper half is "red" and lower half "blue" and whose halves x < 0 and x >= 0
// are the parts "left" and "right", the right one with a transform of its own.
vtkSmartPointer<vtkPolyData> PaintedSphere(lumeno::SharedLook *look, bool parts)
{
    vtkSmartPointer<vtkPolyData> model = testing::WithAttributes(testing::Sphere(48, 48));
    std::vector<int> material, part;
    auto centres = vtkSmartPointer<vtkCellCenters>::New();
    centres->SetInputData(model);
    centres->Update();
    for (vtkIdType cell = 0; cell < model->GetNumberOfCells(); ++cell) {
        const double *centre = centres->GetOutput()->GetPoint(cell);
        material.push_back(centre[2] >= 0 ? 0 : 1);
        part.push_back(centre[0] >= 0 ? 1 : 0);
    }
    model->GetCellData()->AddArray(testing::IntArray(lumeno::MaterialIdsName, material));
    if (parts)
        model->GetCellData()->AddArray(testing::IntArray(lumeno::PartIdsName, part));

    auto made = std::make_shared<lumeno::ModelLook>();
    lumeno::Material red;
    red.name = QStringLiteral("red");
    red.baseColourTexture.image = 0;
    lumeno::Material blue;
    blue.name = QStringLiteral("blue");
    blue.baseColourTexture.image = 1;
    made->materials = {red, blue};
    made->images = {{QStringLiteral("red.png"), QStringLiteral("image/png"), RedPng, QString()},
                    {QStringLiteral("blue.png"), QStringLiteral("image/png"), BluePng, QString()}};
    if (parts)
        made->parts = {{QStringLiteral("left"), lumeno::ModelPart().transform},
                       {QStringLiteral("right"), {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 3, 0, 0, 1}}};
    *look = made;
    return model;
}

struct Levels
{
    std::vector<vtkSmartPointer<vtkPolyData>> models;
    std::vector<lumeno::LodLevel> chain;
};

Levels MakeLevels(vtkPolyData *model)
{
    Levels levels;
    levels.models = testing::MadeLevels(*lumeno::MakeReducer(lumeno::ReductionEngine::Quality), model);
    const lumeno::DeviationMeter meter(model);
    for (int step = 0; step < lumeno::LevelCount; ++step) {
        const lumeno::SurfaceDeviation deviation = meter.Measure(levels.models[size_t(step)]);
        levels.chain.push_back({levels.models[size_t(step)], lumeno::DecimationLevels[step].percent,
                                deviation.maximum, deviation.mean});
    }
    return levels;
}

// The node of the chain of base node `base` at `level` (0: the base itself).
int LodNode(const QJsonArray &nodes, int base, int level)
{
    return level == 0 ? base
                      : nodes[base][QLatin1String("extensions")][QLatin1String("MSFT_lod")][QLatin1String("ids")]
                             [level - 1].toInt();
}

// The file as a reader drawing the chains' `level`th nodes (0: the bases) would see it.
QByteArray LevelShown(const QByteArray &glb, int level)
{
    QJsonObject json = testing::GltfJson(glb);
    const QJsonArray nodes = json[QLatin1String("nodes")].toArray();
    QJsonArray shown;
    for (const QJsonValue base : json.value(QLatin1String("scenes"))[0][QLatin1String("nodes")].toArray())
        shown.append(LodNode(nodes, base.toInt(), level));
    json.insert(QStringLiteral("scenes"), QJsonArray{QJsonObject{{"nodes", shown}}});
    const QByteArray bin = glb.mid(28 + int(qFromLittleEndian<quint32>(glb.constData() + 12)));
    return testing::Glb(QJsonDocument(json).toJson(QJsonDocument::Compact), bin);
}

vtkIdType TrianglesOfPart(vtkPolyData *model, int part)
{
    auto *parts = vtkIntArray::SafeDownCast(model->GetCellData()->GetArray(lumeno::PartIdsName));
    if (part < 0 || !parts)
        return model->GetNumberOfPolys();
    vtkIdType count = 0;
    for (vtkIdType cell = 0; cell < model->GetNumberOfCells(); ++cell)
        count += parts->GetValue(cell) == part;
    return count;
}

} // namespace

class TestLodGlb : public QObject
{
    Q_OBJECT

    QTemporaryDir folder{testing::SandboxPath() + QStringLiteral("/lod-XXXXXX")};

    QString Path(const QString &name) const { return folder.filePath(name); }

private slots:
    void everyLevelReadsBack_data()
    {
        QTest::addColumn<bool>("look");
        QTest::addColumn<bool>("parts");
        QTest::addColumn<bool>("mergeParts");
        QTest::newRow("no look") << false << false << false;
        QTest::newRow("parts") << true << true << false;
        QTest::newRow("parts merged") << true << true << true;
    }
    void everyLevelReadsBack()
    {
        QFETCH(bool, look);
        QFETCH(bool, parts);
        QFETCH(bool, mergeParts);
        lumeno::SharedLook modelLook;
        vtkSmartPointer<vtkPolyData> model = look ? PaintedSphere(&modelLook, parts) : testing::Sphere(48, 48);
        const Levels levels = MakeLevels(model);
        const QString file = Path(QStringLiteral("round_trip.glb"));
        const lumeno::ModelWriteResult result =
            lumeno::WriteLodGlb(model, levels.chain, file, {modelLook, {}, mergeParts});
        QVERIFY2(result.written, qPrintable(result.error));

        const QByteArray bytes = testing::Contents(file);
        const QJsonObject json = testing::GltfJson(bytes);
        QVERIFY(!json.contains(QStringLiteral("extensionsRequired")));
        const QJsonArray nodes = json[QLatin1String("nodes")].toArray();
        const QJsonArray bases = json[QLatin1String("scenes")][0][QLatin1String("nodes")].toArray();
        const int chains = parts && !mergeParts ? 2 : 1;
        QCOMPARE(bases.size(), chains);
        QCOMPARE(nodes.size(), chains * (1 + lumeno::LevelCount));

        for (int level = 0; level <= lumeno::LevelCount; ++level) {
            vtkPolyData *expected = level == 0 ? model.Get() : levels.models[size_t(level - 1)].Get();
            const QByteArray shown = LevelShown(bytes, level);
            const lumeno::FormatReading reading =
                lumeno::ReadGltf(std::string_view(shown.constData(), size_t(shown.size())), true, folder.path());
            QCOMPARE(int(reading.failure), int(lumeno::ReadFailure::None));
            QCOMPARE(reading.model->GetNumberOfPolys(), expected->GetNumberOfPolys());
            if (look)
                QCOMPARE(int(reading.look->materials.size()), 2);

            for (int chain = 0; chain < chains; ++chain) {
                const QJsonObject base = nodes[bases[chain].toInt()].toObject();
                const QJsonObject node = nodes[LodNode(nodes, bases[chain].toInt(), level)].toObject();
                const QJsonObject extras = node[QLatin1String("extras")].toObject();
                const int part = chains == 2 ? chain : -1;
                QCOMPARE(extras[QLatin1String("triangles")].toInt(), int(TrianglesOfPart(expected, part)));
                QCOMPARE(extras[QLatin1String("percent")].toInt(),
                         level == 0 ? 100 : lumeno::DecimationLevels[level - 1].percent);
                const QJsonObject deviation = extras[QLatin1String("deviation")].toObject();
                const double share = level == 0 ? 0.0 : levels.chain[size_t(level - 1)].maxDeviation;
                QCOMPARE(deviation[QLatin1String("maxShare")].toDouble(), share);
                QCOMPARE(deviation[QLatin1String("meanShare")].toDouble(),
                         level == 0 ? 0.0 : levels.chain[size_t(level - 1)].meanDeviation);
                QVERIFY(std::abs(deviation[QLatin1String("max")].toDouble() - share * model->GetLength()) <
                        1e-12 * model->GetLength());
                // A level replaces its base where it stands.
                QCOMPARE(node[QLatin1String("matrix")], base[QLatin1String("matrix")]);
            }
        }
        const lumeno::ReadResult read = lumeno::ReadModel(file, QStringLiteral("glb"));
        QVERIFY(read.model);
        QCOMPARE(read.model->GetNumberOfPolys(), model->GetNumberOfPolys());
        QCOMPARE(bytes.count(BluePng), look ? 1 : 0); // held once for all levels
        if (!parts || mergeParts)
            return;
        if (!testing::AssimpInstalled())
            QSKIP("assimp is not installed (Debian's assimp-utils, among scripts/setup's packages)");
        const testing::AssimpView view = testing::AssimpInfo(file); // it knows no MSFT_lod and reads the base
        QCOMPARE(view.Count("Meshes"), qint64(4)); // two parts of two materials
        QCOMPARE(view.Count("Faces"), qint64(model->GetNumberOfPolys()));
    }

    // Besides the suffix, the refusals of every writer (test_modelwriter); write-protected shows they apply.
    void refusedTargetsAreLeftAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("said");
        QTest::newRow("not glb") << QStringLiteral("levels.gltf") << QStringLiteral("as GLB only");
        QTest::newRow("write-protected") << QStringLiteral("protected.glb") << QStringLiteral("write-protected");
    }
    void refusedTargetsAreLeftAlone()
    {
        QFETCH(QString, name);
        QFETCH(QString, said);
        QTemporaryDir target(testing::SandboxPath() + QStringLiteral("/refused-XXXXXX"));
        QVERIFY(testing::WriteBytes(target.filePath(QStringLiteral("protected.glb")), "kept"));
        QVERIFY(QFile::setPermissions(target.filePath(QStringLiteral("protected.glb")), QFile::ReadOwner));
        vtkSmartPointer<vtkPolyData> model = testing::Sphere(16, 16);
        const Levels levels = MakeLevels(model);
        const QStringList before = testing::FolderState(target.path());
        const lumeno::ModelWriteResult result = lumeno::WriteLodGlb(model, levels.chain, target.filePath(name));
        QVERIFY(!result.written);
        QVERIFY2(result.error.contains(said) && result.error.contains(name), qPrintable(result.error));
        QCOMPARE(testing::FolderState(target.path()), before);
    }

    // A level is drawn while its largest deviation spans under a pixel of a full-HD screen.
    void screenCoverages_data()
    {
        QTest::addColumn<double>("diagonal");
        QTest::addColumn<QVector<double>>("deviations");
        QTest::addColumn<QVector<double>>("expected");
        const double perMille = M_PI / 4 * 1e6 / (1920.0 * 1080.0); // 1000 pixels wide
        QTest::newRow("scaled") << 10.0 << QVector<double>{0.01} << QVector<double>{perMille, 0};
        QTest::newRow("twice the error, a quarter") << 1.0 << QVector<double>{0.001, 0.002}
                                                    << QVector<double>{perMille, perMille / 4, 0};
        QTest::newRow("exact level") << 1.0 << QVector<double>{0.0} << QVector<double>{1.0, 0};
        QTest::newRow("closer yet coarser") << 1.0 << QVector<double>{0.002, 0.001}
                                            << QVector<double>{perMille / 4, perMille / 4, 0};
    }
    void screenCoverages()
    {
        QFETCH(double, diagonal);
        QFETCH(QVector<double>, deviations);
        QFETCH(QVector<double>, expected);
        const std::vector<double> coverages =
            lumeno::ScreenCoverages(diagonal, std::vector<double>(deviations.begin(), deviations.end()));
        QCOMPARE(int(coverages.size()), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(std::abs(coverages[size_t(i)] - expected[i]) < 1e-12,
                     qPrintable(QStringLiteral("%1: %2, not %3").arg(i).arg(coverages[size_t(i)]).arg(expected[i])));
    }
};

LUMENO_CORE_TEST_MAIN(TestLodGlb)
#include "test_lod_glb.moc"
