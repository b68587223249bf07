// Writing models by suffix: modes and links kept, refused writes harmless, and the dialog's transform.
#include "TestSupport.h"

#include "io/ModelWriter.h"
#include "mesh/ModelTransform.h"

#include <vtkTransform.h>

#include <cmath>

class TestModelWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir folder{testing::SandboxPath() + QStringLiteral("/models-XXXXXX")};
    vtkSmartPointer<vtkPolyData> sphere = testing::Sphere(24, 16);

    QString Path(const QString &name) const { return folder.filePath(name); }

private slots:
    void cleanup()
    {
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
    }

    // Written through a symbolic link, which must keep pointing at the new content, to a file only
    // writable: Qt's own copy of permissions would add the owner's read permission for the superuser.
    void replacingKeepsTheModeAndTheLink()
    {
        const QString target = Path(QStringLiteral("old.stl"));
        const QString link = Path(QStringLiteral("link.stl"));
        QVERIFY(testing::WriteBytes(target, "old content"));
        QVERIFY(QFile::link(target, link));
        QVERIFY(QFile::setPermissions(target, QFile::WriteOwner | QFile::WriteGroup));
        const QFile::Permissions permissions = QFile::permissions(target);
        for (const char *suffix : {"stl", "ply", "obj"}) {
            const lumeno::ModelWriteResult result = lumeno::WriteModelFile(sphere, link, QString::fromLatin1(suffix));
            QVERIFY2(result.written, qPrintable(result.error));
        }
        QString reason;
        QVERIFY2(lumeno::ReplaceFileContent(link, "ply", 3, &reason), qPrintable(reason)); // through QSaveFile
        QCOMPARE(QFile::permissions(target), permissions);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"link.stl", "old.stl"}));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(testing::Contents(target), QByteArray("ply"));
    }

    // Every refused write names the file and leaves the folder as it was: no file replaced,
    // none created, no temporary file. In names, %1 is each of stl, ply and obj.
    void refusedWritesLeaveEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown suffix") << "model.vtk" << "sphere" << "";
        QTest::newRow("missing folder") << "missing/model.%1" << "sphere" << "";
        QTest::newRow("a folder") << "folder.%1" << "sphere" << "";
        QTest::newRow("no triangle") << "target.%1" << "empty" << "The model has no triangles.";
        QTest::newRow("infinite coordinate") << "target.%1" << "inf" << "not finite numbers";
        // Even for the superuser, who may write it.
        QTest::newRow("write-protected") << "protected.%1" << "sphere" << "The file is write-protected.";
    }

    void refusedWritesLeaveEverythingAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(QString, model);
        QFETCH(QString, reason);
        QVERIFY(testing::WriteBytes(Path(QStringLiteral("model.vtk")), "keep me"));
        auto input = vtkSmartPointer<vtkPolyData>::New();
        if (model != QLatin1String("empty"))
            input->DeepCopy(sphere);
        if (model == QLatin1String("inf"))
            input->GetPoints()->SetPoint(7, 0.0, HUGE_VAL, 0.0);
        for (const QString format : {"stl", "ply", "obj"}) {
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.") + format));
            QVERIFY(testing::WriteBytes(Path(QStringLiteral("target.") + format), "previous"));
            QVERIFY(testing::WriteBytes(Path(QStringLiteral("protected.") + format), "previous"));
            QVERIFY(QFile::setPermissions(Path(QStringLiteral("protected.") + format), QFile::ReadOwner));
        }
        const QStringList before = testing::FolderState(folder.path());
        for (const QString format : {"stl", "ply", "obj"}) {
            const QString path = Path(QString(name).replace(QStringLiteral("%1"), format));
            const lumeno::ModelWriteResult result = lumeno::WriteModelFile(input, path, QFileInfo(path).suffix());
            QVERIFY(!result.written);
            QVERIFY2(result.error.contains(path) && result.error.contains(reason), qPrintable(result.error));
        }
        QCOMPARE(testing::FolderState(folder.path()), before);
    }

    // The temporary file beside the target must fit the name limit too, a name is no pattern
    // to fill, and any name the file system takes will do. Each format's round trip through
    // VTK's readers is checked by saving in the window.
    void namesThatFillTheNameLimitOrHoldPlaceholders()
    {
        const QString longName = QString(251, QLatin1Char('m')) + QStringLiteral(".obj");
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("100%1 %2")));
        for (const QString &path : {Path(longName), Path(QStringLiteral("100%1 %2/%1.ply")),
                                    Path(QStringLiteral("mod\u00e8le \u6a21\u578b.Stl"))}) {
            QVERIFY(testing::WriteBytes(path, "old"));
            const lumeno::ModelWriteResult result = lumeno::WriteModelFile(sphere, path, QFileInfo(path).suffix());
            QVERIFY2(result.written, qPrintable(result.error));
            QVERIFY(testing::Contents(path).size() > 1000);
        }
    }

    // Scaling comes first, then the rotations about X, Y and Z in that order, all about the origin.
    void transformScalesThenRotatesInTheOrderXYZ()
    {
        const double scale[3] = {3, 1, 1}, quarterY[3] = {0, 90, 0}, ones[3] = {1, 1, 1}, quarterXZ[3] = {90, 0, 90};
        double p[3] = {1, 0, 5}, q[3] = {0, 1, 0};
        const double expectedP[3] = {5, 0, -3}, expectedQ[3] = {0, 0, 1}; // q turned about x first, then z
        lumeno::MakeModelTransform(scale, quarterY)->TransformPoint(p, p);
        lumeno::MakeModelTransform(ones, quarterXZ)->TransformPoint(q, q);
        for (int i = 0; i < 3; ++i)
            QVERIFY(std::abs(p[i] - expectedP[i]) < 1e-12 && std::abs(q[i] - expectedQ[i]) < 1e-12);
        // A transformed copy: the model in memory stays as it was.
        double before[6], after[6];
        sphere->GetBounds(before);
        lumeno::TransformModel(sphere, lumeno::MakeModelTransform(scale, quarterY));
        sphere->GetBounds(after);
        QVERIFY(std::equal(before, before + 6, after));
    }
};

LUMENO_CORE_TEST_MAIN(TestModelWriter)

#include "test_modelwriter.moc"
