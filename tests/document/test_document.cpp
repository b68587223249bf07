// The open model and what is done to it, without a window: levels, reductions, cancels, opens and saving.
#include "TestSupport.h"

#include "ModelDocument.h"
#include "PrepareForDrawing.h"
#include "io/write/ModelWriter.h"
#include "reduce/DecimationLevels.h"

#include <QSignalSpy>

#include <vtkPointData.h>

#include <cmath>

Q_DECLARE_METATYPE(lumeno::ReductionEngine)
Q_DECLARE_METATYPE(lumeno::ReadResult)

namespace {

using testing::SphereFile;

int Polys(vtkPolyData *model)
{
    return model ? int(model->GetNumberOfPolys()) : -1;
}

bool Idle(const ModelDocument &document)
{
    return testing::WaitUntil([&] { return !document.IsReading() && !document.IsSaving() &&
                                           document.RunningJob() == ModelDocument::Job::None; },
                              120000);
}

bool OpenAndWait(ModelDocument &document, const QString &path)
{
    document.Open(path);
    return Idle(document) && document.LoadedModel();
}

// Every level keeps close to its nominal share of the loaded model's triangles.
bool LevelsNearTheirShares(const ModelDocument &document)
{
    const double loaded = Polys(document.LoadedModel());
    for (const lumeno::DecimationLevel &level : lumeno::DecimationLevels)
        if (std::abs(Polys(document.LevelOf(level.percent).model) / loaded - level.percent / 100.0) > 0.02 ||
            !document.LevelOf(level.percent).deviation.IsMeasured())
            return false;
    return true;
}

void CompareLoss(const SaveLoss &loss, const QString &suffix, const QStringList &lost, const QString &reason)
{
    QCOMPARE(loss.Items(), lost);
    QCOMPARE(loss.Any(), !lost.isEmpty());
    QVERIFY2(loss.Reason(suffix).contains(reason), qPrintable(loss.Reason(suffix)));
    QCOMPARE(loss.Reason(suffix).isEmpty(), reason.isEmpty());
}

} // namespace

class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    void levelsReductionsAndSmoothing_data()
    {
        QTest::addColumn<lumeno::ReductionEngine>("engine");
        QTest::newRow("classic") << lumeno::ReductionEngine::Classic;
        QTest::newRow("quality") << lumeno::ReductionEngine::Quality;
    }

    void levelsReductionsAndSmoothing()
    {
        QFETCH(lumeno::ReductionEngine, engine);
        ModelDocument document(engine);
        QSignalSpy levels(&document, &ModelDocument::LevelReady);
        QSignalSpy progress(&document, &ModelDocument::Progress);
        document.Open(SphereFile(100, 42));
        QVERIFY(document.IsReading() && document.IsBusy());
        QVERIFY(Idle(document));
        QCOMPARE(levels.count(), lumeno::LevelCount);
        QVERIFY(LevelsNearTheirShares(document));
        QVERIFY(progress.count() >= lumeno::LevelCount);
        QCOMPARE(document.Status(), document.tr("Done"));
        QCOMPARE(document.Shown().model.Get(), document.LoadedModel());

        const int loaded = Polys(document.LoadedModel());
        document.ReduceToShare(37.5);
        QCOMPARE(document.RunningJob(), ModelDocument::Job::Reduction);
        QVERIFY(document.Status() != document.tr("Done"));
        QVERIFY(Idle(document));
        QCOMPARE(document.Shown().label, QStringLiteral("37.5%"));
        QVERIFY(std::abs(Polys(document.Shown().model) - loaded * 0.375) <= loaded / 50 + 2);
        QVERIFY(document.Shown().deviation.IsMeasured());
        document.ReduceWithinError(0.01);
        QVERIFY(Idle(document));
        QVERIFY(Polys(document.Shown().model) < loaded / 2);
        QCOMPARE(document.Shown().label, QStringLiteral("\u22641%"));

        document.ShowLevel(50);
        vtkSmartPointer<vtkPolyData> level = document.Shown().model;
        QSignalSpy smoothed(&document, &ModelDocument::Smoothed);
        document.Smooth();
        QVERIFY(Idle(document));
        QCOMPARE(smoothed.count(), 1);
        QCOMPARE(document.Shown().label, QStringLiteral("50%"));
        QCOMPARE(Polys(document.Shown().model), Polys(level));
        QVERIFY(document.Shown().model->GetBounds()[1] < level->GetBounds()[1]);
        document.ShowLevel(50);
        QCOMPARE(document.Shown().model.Get(), level.Get());
    }

    // A closed tetrahedron keeps its four triangles; the status says so past 2 triangles off.
    void sharesNotReachedAreTold()
    {
        ModelDocument document(lumeno::ReductionEngine::Quality);
        QVERIFY(OpenAndWait(document, testing::DataFile(QStringLiteral("tetra_ascii.ply"))));
        QCOMPARE(document.Status(),
                 QStringLiteral("Done, but the model cannot be reduced that far: the 10% level keeps 100% of the "
                                "triangles."));
        document.ReduceToShare(37.5);
        QVERIFY(Idle(document));
        QCOMPARE(document.Status(), QStringLiteral("Done"));
        document.ReduceToShare(12.5);
        QVERIFY(Idle(document));
        QCOMPARE(document.Status(), QStringLiteral("Done, but the model cannot be reduced that far: 100% of the "
                                                   "triangles are kept, not the 12.5% asked."));
    }

    // A cube shaded flat reaches its counts only by letting the seams move, and says so.
    void relaxedGuardsAreTold()
    {
        const QString path = testing::ScratchFile(QStringLiteral("flat_cube.obj"));
        QVERIFY(testing::WriteBytes(path, "v 0 0 0\nv 0 0 1\nv 0 1 0\nv 0 1 1\nv 1 0 0\nv 1 0 1\nv 1 1 0\nv 1 1 1\n"
                                          "vn -1 0 0\nvn 1 0 0\nvn 0 -1 0\nvn 0 1 0\nvn 0 0 -1\nvn 0 0 1\n"
                                          "f 1//1 3//1 4//1\nf 1//1 4//1 2//1\nf 5//2 6//2 8//2\nf 5//2 8//2 7//2\n"
                                          "f 1//3 2//3 6//3\nf 1//3 6//3 5//3\nf 3//4 7//4 8//4\nf 3//4 8//4 4//4\n"
                                          "f 1//5 5//5 7//5\nf 1//5 7//5 3//5\nf 2//6 4//6 8//6\nf 2//6 8//6 6//6\n"));
        const QString relaxed = QStringLiteral("borders and texture seams were allowed to move off their lines.");
        ModelDocument document(lumeno::ReductionEngine::Quality);
        QVERIFY(OpenAndWait(document, path));
        QVERIFY2(document.Status().endsWith(relaxed), qPrintable(document.Status()));
        document.ReduceToShare(50);
        QVERIFY(Idle(document));
        QCOMPARE(document.Status(), QStringLiteral("Done. To reach the triangle count, ") + relaxed);
        document.ReduceToShare(100);
        QVERIFY(Idle(document));
        QCOMPARE(document.Status(), QStringLiteral("Done"));
    }

    // Each new open stops the running levels at once; nothing of a stopped run arrives later.
    void newOpensWhileTheLevelsAreMade()
    {
        const QString large = SphereFile(400, 202), other = SphereFile(300, 152);
        ModelDocument document(lumeno::ReductionEngine::Quality);
        for (int round = 0; round < 4; ++round) {
            document.Open(round % 2 ? other : large);
            if (round % 2)
                QVERIFY(testing::WaitUntil([&] { return document.LevelOf(90).model; }, 120000));
        }
        document.Open(large);
        document.Open(other);
        QVERIFY(Idle(document));
        QCOMPARE(Polys(document.LoadedModel()), 2 * 300 * 150);
        QVERIFY(LevelsNearTheirShares(document));

        document.Open(large);
        QVERIFY(testing::WaitUntil([&] { return document.LevelOf(90).model; }, 120000));
        document.Close();
        QVERIFY(!document.LoadedModel() && !document.Shown().model && !document.LevelOf(90).model);
        QSignalSpy levels(&document, &ModelDocument::LevelReady);
        QVERIFY(OpenAndWait(document, SphereFile(40, 30)));
        QCOMPARE(levels.count(), lumeno::LevelCount);
    }

    // A model too large to draw in full is drawn by proxy, and its levels wait in files while the
    // reducer runs: they come back as they were, and without room for the files stay in memory.
    void largeModelsAreDrawnByProxyAndTheirLevelsParked_data()
    {
        QTest::addColumn<bool>("roomForFiles");
        QTest::newRow("parked") << true;
        QTest::newRow("no room for files") << false;
    }

    void largeModelsAreDrawnByProxyAndTheirLevelsParked()
    {
        QFETCH(bool, roomForFiles);
        const QString path = SphereFile(100, 42);
        ModelDocument plain(lumeno::ReductionEngine::Quality);
        QVERIFY(OpenAndWait(plain, path));
        QCOMPARE(plain.LoadedModel()->GetNumberOfPolys(), 8000);

        // What a killed program left goes; a running one's folder stays.
        const QDir temporaryFolder(QDir::tempPath());
        const QString left = QStringLiteral("lumeno-levels-4199999-Ab12Cd"), running =
            QStringLiteral("lumeno-levels-%1-Ab12Cd").arg(QCoreApplication::applicationPid());
        QVERIFY(temporaryFolder.mkpath(left + QStringLiteral("/inside")) && temporaryFolder.mkpath(running));
        const QByteArray temporary = qgetenv("TMPDIR");
        if (!roomForFiles)
            qputenv("TMPDIR", QDir(QString::fromLocal8Bit(temporary)).filePath(QStringLiteral("missing")).toLocal8Bit());
        ModelDocument document(lumeno::ReductionEngine::Quality);
        document.DrawProxiesAbove(3000);
        QSignalSpy levels(&document, &ModelDocument::LevelReady);
        QVERIFY(OpenAndWait(document, path));
        qputenv("TMPDIR", temporary);
        QCOMPARE(levels.count(), lumeno::LevelCount);
        vtkPolyData *loaded = document.LoadedModel();
        vtkPolyData *drawn = DrawnModel(loaded);
        QVERIFY(drawn != loaded && drawn->GetNumberOfPolys() > 1000 && drawn->GetNumberOfPolys() <= 3000);
        QCOMPARE(drawn->GetPoints(), loaded->GetPoints());
        for (const lumeno::DecimationLevel &level : lumeno::DecimationLevels) {
            vtkPolyData *made = document.LevelOf(level.percent).model;
            vtkPolyData *same = plain.LevelOf(level.percent).model;
            QCOMPARE(Polys(made), Polys(same));
            QCOMPARE(made->GetNumberOfPoints(), same->GetNumberOfPoints());
            QCOMPARE(document.LevelOf(level.percent).deviation.maximum,
                     plain.LevelOf(level.percent).deviation.maximum);
            QCOMPARE(DrawnModel(made) != made, made->GetNumberOfPolys() > 3000);
        }
        QVERIFY(LevelsNearTheirShares(document));
        // Beside its levels, a reducer would not fit: a reduction ends as out of memory at once.
        document.AssumeAvailableMemory(1000);
        plain.AssumeAvailableMemory(1000);
        document.ReduceToShare(50);
        QCOMPARE(document.RunningJob(), ModelDocument::Job::None);
        QVERIFY2(document.Status().startsWith(QStringLiteral("Not enough memory")), qPrintable(document.Status()));
        QCOMPARE(document.Shown().model.Get(), loaded);
        plain.ReduceToShare(50); // drawn in full: as before, the reducer tells when it runs short
        QCOMPARE(plain.RunningJob(), ModelDocument::Job::Reduction);
        QVERIFY(Idle(plain));

        QStringList expected{running};
        if (!roomForFiles)
            expected << left;
        expected.sort();
        QCOMPARE(temporaryFolder.entryList({QStringLiteral("lumeno-levels-*")}, QDir::Dirs, QDir::Name), expected);
        QVERIFY(QDir(temporaryFolder.filePath(left)).removeRecursively() && temporaryFolder.rmdir(running));
    }

    // Cancel keeps the levels made and what is shown; a cancelled result is never taken for the next job's.
    void cancellingKeepsWhatIsThere()
    {
        ModelDocument document(lumeno::ReductionEngine::Classic);
        QVERIFY(!document.LevelsMissing() && !document.MakeMissingLevels());
        connect(&document, &ModelDocument::LevelReady, &document, &ModelDocument::Cancel);
        document.Open(SphereFile(400, 202));
        QVERIFY(testing::WaitUntil([&] { return document.LevelOf(90).model; }, 120000));
        document.disconnect(&document);
        QCOMPARE(document.RunningJob(), ModelDocument::Job::None);
        QVERIFY(document.Status().startsWith(QLatin1String("Cancelled.")));
        QVERIFY(document.LevelOf(90).model && !document.LevelOf(10).model);
        QVERIFY2(document.Status().endsWith(QLatin1String("makes the missing levels.")), qPrintable(document.Status()));

        document.ShowLevel(90);
        const vtkSmartPointer<vtkPolyData> shown = document.Shown().model;
        for (auto start : {+[](ModelDocument &d) { d.ReduceToShare(10); }, +[](ModelDocument &d) { d.Smooth(); },
                           +[](ModelDocument &d) { d.ReduceWithinError(0.001); }}) {
            start(document);
            QVERIFY(document.IsBusy());
            document.Cancel();
            QVERIFY(!document.IsBusy());
            QCOMPARE(document.Shown().model.Get(), shown.Get());
            QCOMPARE(document.Shown().label, QStringLiteral("90%"));
        }
        const int loaded = Polys(document.LoadedModel());
        document.ReduceToShare(50);
        document.Cancel();
        document.ReduceToShare(20);
        QVERIFY(Idle(document));
        QCOMPARE(document.Shown().label, QStringLiteral("20%"));
        QVERIFY(std::abs(Polys(document.Shown().model) - loaded / 5) <= loaded / 50);

        QVERIFY(document.LevelsMissing() && document.MakeMissingLevels());
        QCOMPARE(document.RunningJob(), ModelDocument::Job::Levels);
        QVERIFY(!document.LevelsMissing() && !document.MakeMissingLevels());
        QVERIFY(document.LevelOf(90).model);
        QVERIFY(Idle(document));
        QVERIFY(LevelsNearTheirShares(document));
        QCOMPARE(document.Shown().label, QStringLiteral("20%"));
        QVERIFY(!document.LevelsMissing());
    }

    // Choosing the other engine makes the open model's levels again; what is shown stays.
    void anotherEngineMakesTheLevelsAgain()
    {
        ModelDocument document(lumeno::ReductionEngine::Quality);
        QVERIFY(OpenAndWait(document, SphereFile(100, 42)));
        document.ShowLevel(30);
        const vtkSmartPointer<vtkPolyData> before = document.LevelOf(50).model;
        document.SetEngine(lumeno::ReductionEngine::Classic);
        QCOMPARE(document.RunningJob(), ModelDocument::Job::Levels);
        QVERIFY(!document.LevelOf(50).model);
        QVERIFY(Idle(document));
        QVERIFY(LevelsNearTheirShares(document));
        QVERIFY(document.LevelOf(50).model != before);
        QCOMPARE(document.Shown().label, QStringLiteral("30%"));
    }

    // A file that cannot be opened changes nothing; neither does a cancelled open.
    void failedAndCancelledOpensKeepTheModel()
    {
        qRegisterMetaType<lumeno::ReadResult>();
        ModelDocument document(lumeno::ReductionEngine::Quality);
        QVERIFY(OpenAndWait(document, SphereFile(40, 30)));
        vtkPolyData *model = document.LoadedModel();
        QSignalSpy failures(&document, &ModelDocument::OpenFailed);
        const QString damaged = testing::ScratchFile(QStringLiteral("damaged.stl"));
        QVERIFY(testing::WriteBytes(damaged, testing::RandomBytes(3000, 7)));
        for (const QString &path : {testing::ScratchFile(QStringLiteral("missing.stl")), damaged}) {
            document.Open(path);
            QVERIFY(Idle(document));
        }
        QCOMPARE(failures.count(), 2);
        QCOMPARE(failures[0][1].value<lumeno::ReadResult>().failure, lumeno::ReadFailure::Missing);
        QCOMPARE(failures[1][1].value<lumeno::ReadResult>().failure, lumeno::ReadFailure::DamagedFile);
        document.Open(SphereFile(400, 202));
        document.Cancel();
        QVERIFY(!document.IsReading());
        QCOMPARE(document.LoadedModel(), model);
        // The cancelled file never arrives, before or after the next one.
        QVERIFY(OpenAndWait(document, SphereFile(100, 42)));
        QCOMPARE(Polys(document.LoadedModel()), 2 * 100 * 40);
    }

    // The shown model and the levels as one file are written transformed, one save at a time.
    void savingWritesTheShownModelAndTheLevels()
    {
        ModelDocument document(lumeno::ReductionEngine::Quality);
        document.Open(SphereFile(300, 200));
        QVERIFY(testing::WaitUntil([&] { return document.RunningJob() == ModelDocument::Job::Levels; }, 60000));
        QVERIFY(!document.AllLevelsMade());
        QVERIFY(!document.SaveLevelsAsOneFile(testing::ScratchFile(QStringLiteral("too early.glb"))));
        QVERIFY(Idle(document));
        QVERIFY(document.AllLevelsMade());
        document.ShowLevel(50);
        TransformState doubled;
        doubled.scale = {2.0, 2.0, 2.0};
        doubled.applied = true;
        document.SetTransform(doubled);
        QSignalSpy saved(&document, &ModelDocument::SaveFinished);
        const QString shown = testing::ScratchFile(QStringLiteral("saved.ply"));
        for (const QString &path : {shown, testing::ScratchFile(QStringLiteral("levels.glb"))}) {
            QVERIFY(path == shown ? document.Save(path) : document.SaveLevelsAsOneFile(path));
            QVERIFY(document.IsSaving() && !document.SaveLevelsAsOneFile(path) && !document.Save(path));
            QVERIFY(saved.wait(60000));
            QVERIFY2(saved.last()[1].toBool(), qPrintable(saved.last()[2].toString()));
            QVERIFY(document.Status().startsWith(QLatin1String("Saved to")));
            ModelDocument reader(lumeno::ReductionEngine::Quality);
            QVERIFY(OpenAndWait(reader, path));
            vtkPolyData *expected = path == shown ? document.Shown().model.Get() : document.LoadedModel();
            QCOMPARE(Polys(reader.LoadedModel()), Polys(expected));
            QVERIFY(std::abs(reader.LoadedModel()->GetLength() - 2 * expected->GetLength()) < 1e-3);
        }
    }

    void savingLosesWhatTheFormatCannotHold_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QStringList>("lost");
        QTest::addColumn<QString>("reason");
        const QStringList all{"vertex colours", "normals", "texture coordinates"};
        QTest::newRow("all to STL") << "painted.ply" << "STL" << all << "STL files hold the triangles only.";
        QTest::newRow("all to OBJ") << "painted.ply" << "obj" << QStringList{"vertex colours"}
                                    << "OBJ files hold normals and texture coordinates only.";
        QTest::newRow("all to 3MF") << "painted.ply" << "3mf" << QStringList{"normals", "texture coordinates"}
                                    << "3MF files hold vertex colours only.";
        QTest::newRow("no model format") << "painted.ply" << "txt" << QStringList() << "";
        QTest::newRow("OBJ materials") << "materials.obj" << "obj" << QStringList() << "";
    }

    void savingLosesWhatTheFormatCannotHold()
    {
        QFETCH(QString, file);
        QFETCH(QString, suffix);
        QFETCH(QStringList, lost);
        QFETCH(QString, reason);
        const QString path = testing::ScratchFile(file);
        if (file.endsWith(QLatin1String(".ply")))
            QVERIFY(lumeno::WriteModelFile(testing::WithAttributes(testing::Sphere(12, 8)), path, "ply").written);
        else
            QVERIFY(testing::WriteBytes(path, "mtllib painted.mtl\nusemtl red\nv 0 0 0\nv 1 0 0\nv 0 1 0\n"
                                              "v 0 0 1\nf 1 2 3\nf 1 2 4\nf 1 3 4\nf 2 3 4\n"));
        ModelDocument document(lumeno::ReductionEngine::Classic);
        QVERIFY(OpenAndWait(document, path));
        CompareLoss(document.SavingLoses(suffix), suffix, lost, reason);
    }

    // A model's look is lost by the formats that cannot hold it.
    void savingLosesTheLookWhereTheFormatCannotHoldIt_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QStringList>("lost");
        QTest::addColumn<QString>("reason");
        QTest::newRow("STL") << "stl" << QStringList{"2 materials", "2 textures", "2 parts, saved as one model"}
                             << "Not saved: 2 materials; 2 textures; 2 parts, saved as one model. STL files hold no";
        QTest::newRow("OBJ") << "obj" << QStringList() << "";
        QTest::newRow("3MF") << "3mf" << QStringList{"2 textures"} << "3MF files hold the base colour textures";
    }

    void savingLosesTheLookWhereTheFormatCannotHoldIt()
    {
        QFETCH(QString, suffix);
        QFETCH(QStringList, lost);
        QFETCH(QString, reason);
        auto look = std::make_shared<lumeno::ModelLook>();
        lumeno::Material wood;
        wood.name = QStringLiteral("wood");
        wood.baseColourTexture.image = 0;
        lumeno::Material steel;
        steel.name = QStringLiteral("steel");
        steel.normalTexture.image = 1;
        look->materials = {wood, steel};
        look->images = {{QStringLiteral("wood.png"), QStringLiteral("image/png"), QByteArray("\x89PNG"), QString()},
                        {QStringLiteral("steel.jpg"), QStringLiteral("image/jpeg"), QByteArray("\xff\xd8"), QString()}};
        look->parts = {{QStringLiteral("lid"), {}}, {QStringLiteral("box"), {}}};
        const vtkSmartPointer<vtkPolyData> box = testing::Box(1, 1, 1);
        box->GetPointData()->Initialize();
        CompareLoss(SavingLoses(box, suffix, false, 0, look.get()), suffix, lost, reason);
    }

    // A save while the levels run succeeds, and "Saved to" stays until the next operation starts.
    void saveIsToldWhateverRunsMeanwhile()
    {
        ModelDocument document(lumeno::ReductionEngine::Quality);
        QSignalSpy saved(&document, &ModelDocument::SaveFinished);
        document.Open(SphereFile(300, 200));
        QVERIFY(testing::WaitUntil([&] { return document.RunningJob() == ModelDocument::Job::Levels; }, 60000));
        const QString path = testing::ScratchFile(QStringLiteral("during the levels.stl"));
        QVERIFY(document.Save(path));
        QVERIFY(saved.wait(60000));
        QVERIFY(saved[0][1].toBool());
        QVERIFY2(document.RunningJob() == ModelDocument::Job::Levels &&
                     document.Status().startsWith(QStringLiteral("Saved to ") + path) &&
                     document.Status().contains(QLatin1String("Making the levels: ")),
                 qPrintable(document.Status()));
        QVERIFY(Idle(document));
        document.ReduceToShare(50);
        QVERIFY(!document.Status().contains(QLatin1String("Saved to")));
    }

    // A document destroyed while its levels are made: nothing of the run reaches the next one.
    void destroyingDuringAJob()
    {
        auto document = std::make_unique<ModelDocument>(lumeno::ReductionEngine::Quality);
        document->Open(SphereFile(400, 202));
        QVERIFY(testing::WaitUntil([&] { return document->LevelOf(90).model; }, 120000));
        document.reset();
        ModelDocument next(lumeno::ReductionEngine::Quality);
        QSignalSpy levels(&next, &ModelDocument::LevelReady);
        QVERIFY(OpenAndWait(next, SphereFile(40, 30)));
        QCOMPARE(levels.count(), lumeno::LevelCount);
    }
};

LUMENO_CORE_TEST_MAIN(TestDocument)
#include "test_document.moc"
