// Writing models by suffix: round trips through VTK's readers, the transform applied
// to written coordinates, and failed writes that leave existing files alone.
#include "FileSizeLimit.h"
#include "ReadBack.h"
#include "TestSupport.h"

#include "io/ModelWriter.h"
#include "io/VtkMessageLog.h"
#include "mesh/ModelTransform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>

namespace {

int ModeOf(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

} // namespace

class TestModelWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir folder{testing::SandboxPath() + QStringLiteral("/models-XXXXXX")};
    vtkSmartPointer<vtkPolyData> sphere = testing::Sphere(24, 16);

    QString Path(const QString &name) const { return folder.filePath(name); }

    QStringList Entries() const
    {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void cleanup()
    {
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
    }

    void roundTripKeepsTriangles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("stl") << QStringLiteral("model.stl");
        QTest::newRow("ply") << QStringLiteral("model.ply");
        QTest::newRow("obj") << QStringLiteral("model.obj");
        QTest::newRow("upper-case STL") << QStringLiteral("model.STL");
        QTest::newRow("mixed-case Ply") << QStringLiteral("model.Ply");
        QTest::newRow("upper-case OBJ") << QStringLiteral("model.OBJ");
        QTest::newRow("non-ASCII name") << QStringLiteral("mod\u00e8le \u6a21\u578b.stl");
    }

    void roundTripKeepsTriangles()
    {
        QFETCH(QString, name);
        const QString path = Path(name);
        const lumeno::ModelWriteResult result = lumeno::WriteModelFile(sphere, path, QFileInfo(path).suffix());
        QVERIFY2(result.written, qPrintable(result.error));
        QVERIFY(result.error.isEmpty());
        QCOMPARE(Entries(), QStringList{name}); // no temporary file is left behind

        const QString suffix = QFileInfo(path).suffix().toLower();
        const QByteArray bytes = Contents(path);
        if (suffix == QLatin1String("stl"))
            QCOMPARE(bytes.size(), 84 + 50 * int(sphere->GetNumberOfPolys()));
        if (suffix == QLatin1String("ply"))
            QVERIFY(bytes.contains("format binary_"));
        if (suffix == QLatin1String("obj"))
            QVERIFY(bytes.startsWith("# wavefront obj file lumeno3D\n"));

        QString why;
        vtkSmartPointer<vtkPolyData> back = testing::ReadBack(path);
        QCOMPARE(back->GetNumberOfPoints(), sphere->GetNumberOfPoints());
        QVERIFY2(testing::SameTriangles(sphere, back, &why), qPrintable(why));
    }

    void replacingKeepsTheModeAndLeavesNoTemporaryFile_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("0640") << 0640;
        // Qt's own copy of permissions would add the owner's read permission for the superuser.
        QTest::newRow("0220, writable only") << 0220;
    }

    void replacingKeepsTheModeAndLeavesNoTemporaryFile()
    {
        QFETCH(int, mode);
        const QString path = Path(QStringLiteral("old.stl"));
        const QByteArray name = QFile::encodeName(path);
        Put(path, "old content");
        QCOMPARE(::chmod(name.constData(), mode_t(mode)), 0);
        for (const char *suffix : {"stl", "obj", "ply"}) {
            const lumeno::ModelWriteResult result = lumeno::WriteModelFile(sphere, path, QString::fromLatin1(suffix));
            QVERIFY2(result.written, qPrintable(result.error));
            QCOMPARE(ModeOf(path), mode);
        }
        QString reason;
        QVERIFY2(lumeno::ReplaceFileContent(path, "ply", 3, &reason), qPrintable(reason)); // through QSaveFile
        QCOMPARE(ModeOf(path), mode);
        QCOMPARE(Entries(), QStringList{QStringLiteral("old.stl")});
    }

    void symbolicLinkKeepsPointingAtTheNewContent()
    {
        const QString target = Path(QStringLiteral("real.obj"));
        const QString link = Path(QStringLiteral("link.obj"));
        Put(target, "old");
        QVERIFY(QFile::link(target, link));
        const lumeno::ModelWriteResult result = lumeno::WriteModelFile(sphere, link, QStringLiteral("obj"));
        QVERIFY2(result.written, qPrintable(result.error));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(Contents(target).startsWith("# wavefront obj file"));
    }

    void unsupportedSuffixWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("unknown") << QStringLiteral("model.vtk") << QStringLiteral("vtk");
        QTest::newRow("none") << QStringLiteral("model") << QString();
        QTest::newRow("two parts") << QStringLiteral("part.b.stl") << QStringLiteral("b.stl");
    }

    void unsupportedSuffixWritesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, suffix);
        const QString path = Path(name);
        Put(path, "keep me");
        const lumeno::ModelWriteResult result = lumeno::WriteModelFile(sphere, path, suffix);
        QVERIFY(!result.written);
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)), qPrintable(result.error));
        QCOMPARE(Contents(path), QByteArray("keep me"));
        QCOMPARE(Entries(), QStringList{name});
    }

    void failedWriteNamesTheFileAndKeepsWhatExists_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("stl") << QStringLiteral("stl");
        QTest::newRow("ply") << QStringLiteral("ply");
        QTest::newRow("obj") << QStringLiteral("obj");
    }

    void failedWriteNamesTheFileAndKeepsWhatExists()
    {
        QFETCH(QString, suffix);
        Put(Path(QStringLiteral("plain")), "a regular file");
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.") + suffix));

        for (const QString &path : {Path(QStringLiteral("missing/model.") + suffix),
                                    Path(QStringLiteral("plain/model.") + suffix),
                                    Path(QStringLiteral("folder.") + suffix)}) {
            const lumeno::ModelWriteResult result = lumeno::WriteModelFile(sphere, path, suffix);
            QVERIFY2(!result.written, qPrintable(path));
            QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)), qPrintable(result.error));
        }
        QCOMPARE(Contents(Path(QStringLiteral("plain"))), QByteArray("a regular file"));
        QVERIFY(QFileInfo(Path(QStringLiteral("folder.") + suffix)).isDir());
        QCOMPARE(Entries().size(), 2);
    }

    void fullDiskKeepsWhatExists_data() { failedWriteNamesTheFileAndKeepsWhatExists_data(); }

    // VTK's own reports of the failure (the OBJ writer's pipeline dump) go to the log only.
    void fullDiskKeepsWhatExists()
    {
        QFETCH(QString, suffix);
        const QString path = Path(QStringLiteral("kept.") + suffix);
        const QString log = testing::SandboxPath() + QStringLiteral("/vtk-") + suffix + QStringLiteral(".log");
        lumeno::SendVtkMessagesToLog(log);
        Put(path, "the previous model");
        lumeno::ModelWriteResult result;
        QTemporaryFile standardError;
        QVERIFY(standardError.open());
        const int savedStandardError = ::dup(2);
        ::dup2(standardError.handle(), 2);
        {
            FileSizeLimit limit(4096); // the sphere takes far more in every format
            QVERIFY(limit.IsActive());
            result = lumeno::WriteModelFile(sphere, path, suffix);
        }
        ::dup2(savedStandardError, 2);
        ::close(savedStandardError);
        QVERIFY(standardError.seek(0));
        QCOMPARE(standardError.readAll(), QByteArray());
        if (suffix == QLatin1String("obj"))
            QVERIFY(Contents(log).contains("returned failure for request"));
        QVERIFY(!result.written);
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)), qPrintable(result.error));
        QCOMPARE(Contents(path), QByteArray("the previous model"));
        QCOMPARE(Entries(), QStringList{QStringLiteral("kept.") + suffix});
    }

    void namesThatFillTheNameLimitOrHoldPlaceholders()
    {
        const QString longName = QString(251, QLatin1Char('m')) + QStringLiteral(".obj");
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("100%1 %2")));
        for (const QString &path : {Path(longName), Path(QStringLiteral("100%1 %2/%1.ply"))}) {
            Put(path, "old");
            const lumeno::ModelWriteResult result = lumeno::WriteModelFile(sphere, path, QFileInfo(path).suffix());
            QVERIFY2(result.written, qPrintable(result.error));
            QVERIFY(Contents(path).size() > 1000);
        }
    }

    void refusedModelsAndTargetsLeaveTheFileAlone_data()
    {
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no triangle") << QStringLiteral("empty") << QStringLiteral("The model has no triangles.");
        QTest::newRow("points only") << QStringLiteral("points") << QStringLiteral("The model has no triangles.");
        QTest::newRow("infinite coordinate") << QStringLiteral("inf") << QStringLiteral("not finite numbers");
        QTest::newRow("NaN coordinate") << QStringLiteral("nan") << QStringLiteral("not finite numbers");
        // Even for the superuser, who may write it.
        QTest::newRow("write-protected target") << QStringLiteral("read-only")
                                                << QStringLiteral("The file is write-protected.");
    }

    void refusedModelsAndTargetsLeaveTheFileAlone()
    {
        QFETCH(QString, refused);
        QFETCH(QString, reason);
        auto model = vtkSmartPointer<vtkPolyData>::New();
        if (refused == QLatin1String("points")) {
            model->SetPoints(sphere->GetPoints());
        } else if (refused == QLatin1String("inf") || refused == QLatin1String("nan")) {
            model->DeepCopy(sphere);
            const double bad = refused == QLatin1String("inf") ? HUGE_VAL : std::nan("");
            model->GetPoints()->SetPoint(7, 0.0, bad, 0.0);
        } else if (refused == QLatin1String("read-only")) {
            model = sphere;
        }
        for (const char *suffix : {"stl", "ply", "obj"}) {
            const QString path = Path(QStringLiteral("target.") + QLatin1String(suffix));
            Put(path, "previous");
            if (refused == QLatin1String("read-only"))
                QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
            const lumeno::ModelWriteResult result = lumeno::WriteModelFile(model, path, QString::fromLatin1(suffix));
            QVERIFY(!result.written);
            QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)) && result.error.contains(reason),
                     qPrintable(result.error));
            QCOMPARE(Contents(path), QByteArray("previous"));
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        }
        QCOMPARE(Entries(), (QStringList{QStringLiteral("target.obj"), QStringLiteral("target.ply"),
                                         QStringLiteral("target.stl")}));
    }

    void scaleAlongXDoublesEveryX()
    {
        const double scale[3] = {2, 1, 1};
        const double angles[3] = {0, 0, 0};
        double before[6];
        sphere->GetBounds(before);
        vtkSmartPointer<vtkPolyData> stretched =
            lumeno::TransformModel(sphere, lumeno::MakeModelTransform(scale, angles));
        QCOMPARE(stretched->GetNumberOfPoints(), sphere->GetNumberOfPoints());
        for (vtkIdType i = 0; i < sphere->GetNumberOfPoints(); ++i) {
            double p[3], q[3];
            sphere->GetPoint(i, p);
            stretched->GetPoint(i, q);
            QVERIFY(std::abs(q[0] - 2 * p[0]) < 1e-6 && std::abs(q[1] - p[1]) < 1e-6 && std::abs(q[2] - p[2]) < 1e-6);
        }
        double after[6];
        sphere->GetBounds(after);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(after[i], before[i]); // the input is left as it was

        for (const char *name : {"stretched.stl", "stretched.ply", "stretched.obj"}) {
            const QString path = Path(QString::fromLatin1(name));
            QVERIFY(lumeno::WriteModelFile(stretched, path, QFileInfo(path).suffix()).written);
            double bounds[6];
            testing::ReadBack(path)->GetBounds(bounds);
            QVERIFY2(std::abs((bounds[1] - bounds[0]) - 2 * (before[1] - before[0])) < 1e-5, name);
            QVERIFY2(std::abs((bounds[3] - bounds[2]) - (before[3] - before[2])) < 1e-5, name);
        }
    }

    void scaleThenRotateInTheOrderXYZ()
    {
        const double scale[3] = {2, 1, 1};
        const double quarterZ[3] = {0, 0, 90};
        double before[6], bounds[6];
        sphere->GetBounds(before);
        lumeno::TransformModel(sphere, lumeno::MakeModelTransform(scale, quarterZ))->GetBounds(bounds);
        // The long side lies along Y.
        QVERIFY(std::abs((bounds[3] - bounds[2]) - 2 * (before[1] - before[0])) < 1e-5);
        QVERIFY(std::abs((bounds[1] - bounds[0]) - (before[3] - before[2])) < 1e-5);

        // Rotating about X first, then Z, is not the same as the other way round.
        const double one[3] = {1, 1, 1};
        const double xThenZ[3] = {90, 0, 90};
        double p[3] = {1, 0, 0};
        lumeno::MakeModelTransform(one, xThenZ)->TransformPoint(p, p);
        QVERIFY(std::abs(p[0]) < 1e-12 && std::abs(p[1] - 1) < 1e-12 && std::abs(p[2]) < 1e-12);
        double q[3] = {0, 1, 0};
        lumeno::MakeModelTransform(one, xThenZ)->TransformPoint(q, q);
        QVERIFY(std::abs(q[0]) < 1e-12 && std::abs(q[1]) < 1e-12 && std::abs(q[2] - 1) < 1e-12);

        // Scaling comes before any rotation, and everything turns about the origin.
        const double scaleX[3] = {3, 1, 1};
        const double quarterY[3] = {0, 90, 0};
        double r[3] = {1, 0, 5};
        lumeno::MakeModelTransform(scaleX, quarterY)->TransformPoint(r, r);
        QVERIFY(std::abs(r[0] - 5) < 1e-12 && std::abs(r[1]) < 1e-12 && std::abs(r[2] + 3) < 1e-12);
    }

    void flatAxisKeepsItsFactor()
    {
        QCOMPARE(lumeno::ScaleFactorForSize(50, 100, 1), 0.5);
        QCOMPARE(lumeno::ScaleFactorForSize(0, 100, 1), 0.0);
        QCOMPARE(lumeno::ScaleFactorForSize(50, 0, 1), 1.0);
        QCOMPARE(lumeno::ScaleFactorForSize(50, 0, 0.25), 0.25);
        QCOMPARE(lumeno::ScaleFactorForSize(0, 0, 1), 1.0);
        QCOMPARE(lumeno::ScaleFactorForSize(1, 1e-320, 1), 1.0); // the ratio would not be finite
    }
};

int main(int argc, char *argv[])
{
    testing::IsolateEnvironment();
    QCoreApplication app(argc, argv);
    TestModelWriter test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_modelwriter.moc"
