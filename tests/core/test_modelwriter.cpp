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

using testing::Contents;

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
        QTest::newRow("mixed-case Ply") << QStringLiteral("model.Ply");
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

    // Every refused write names the file and leaves the folder as it was: no file replaced,
    // none created, no temporary file. In names and suffixes, %1 is each of stl, ply and obj.
    void refusedWritesLeaveEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown suffix") << "model.vtk" << "vtk" << "sphere" << "";
        QTest::newRow("no suffix") << "model" << "" << "sphere" << "";
        QTest::newRow("two-part suffix") << "part.b.%1" << "b.%1" << "sphere" << "";
        QTest::newRow("missing folder") << "missing/model.%1" << "%1" << "sphere" << "";
        QTest::newRow("under a regular file") << "plain/model.%1" << "%1" << "sphere" << "";
        QTest::newRow("a folder") << "folder.%1" << "%1" << "sphere" << "";
        QTest::newRow("no triangle") << "target.%1" << "%1" << "empty" << "The model has no triangles.";
        QTest::newRow("points only") << "target.%1" << "%1" << "points" << "The model has no triangles.";
        QTest::newRow("infinite coordinate") << "target.%1" << "%1" << "inf" << "not finite numbers";
        QTest::newRow("NaN coordinate") << "target.%1" << "%1" << "nan" << "not finite numbers";
        // Even for the superuser, who may write it.
        QTest::newRow("write-protected") << "protected.%1" << "%1" << "sphere" << "The file is write-protected.";
    }

    void refusedWritesLeaveEverythingAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(QString, suffix);
        QFETCH(QString, model);
        QFETCH(QString, reason);
        Put(Path(QStringLiteral("plain")), "a regular file");
        Put(Path(QStringLiteral("model.vtk")), "keep me");
        auto input = vtkSmartPointer<vtkPolyData>::New();
        if (model == QLatin1String("points"))
            input->SetPoints(sphere->GetPoints());
        else if (model != QLatin1String("empty"))
            input->DeepCopy(sphere);
        if (model == QLatin1String("inf") || model == QLatin1String("nan"))
            input->GetPoints()->SetPoint(7, 0.0, model == QLatin1String("inf") ? HUGE_VAL : std::nan(""), 0.0);
        for (const char *format : {"stl", "ply", "obj"}) {
            QDir(folder.path()).mkdir(QStringLiteral("folder.") + QLatin1String(format));
            Put(Path(QStringLiteral("target.") + QLatin1String(format)), "previous");
            Put(Path(QStringLiteral("protected.") + QLatin1String(format)), "previous");
            QFile::setPermissions(Path(QStringLiteral("protected.") + QLatin1String(format)), QFile::ReadOwner);
        }
        const auto state = [this] {
            QStringList files;
            for (const QString &entry : Entries())
                files << entry + QLatin1Char('=') + QString::fromLatin1(Contents(Path(entry)).toHex());
            return files;
        };
        const QStringList before = state();
        for (const char *format : {"stl", "ply", "obj"}) {
            const QString path = Path(name.arg(QLatin1String(format)));
            const lumeno::ModelWriteResult result = lumeno::WriteModelFile(input, path, suffix.arg(QLatin1String(format)));
            QVERIFY(!result.written);
            QVERIFY2(result.error.contains(path) && result.error.contains(reason), qPrintable(result.error));
        }
        QCOMPARE(state(), before);
        for (const char *format : {"stl", "ply", "obj"})
            QFile::setPermissions(Path(QStringLiteral("protected.") + QLatin1String(format)), QFile::ReadOwner | QFile::WriteOwner);
    }

    void fullDiskKeepsWhatExists_data()
    {
        QTest::addColumn<QString>("suffix");
        for (const char *suffix : {"stl", "ply", "obj"})
            QTest::newRow(suffix) << QString::fromLatin1(suffix);
    }

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

    // Scaling comes first, then the rotations about X, Y and Z in that order, all about the origin.
    void transformScalesThenRotatesInTheOrderXYZ_data()
    {
        QTest::addColumn<QVector<double>>("scaleAnglesPoint");
        QTest::addColumn<QVector<double>>("expected");
        QTest::newRow("scale x") << QVector<double>{2, 1, 1, 0, 0, 0, 1, 2, 3} << QVector<double>{2, 2, 3};
        QTest::newRow("scale x, quarter z") << QVector<double>{2, 1, 1, 0, 0, 90, 1, 0, 0} << QVector<double>{0, 2, 0};
        QTest::newRow("x then z") << QVector<double>{1, 1, 1, 90, 0, 90, 1, 0, 0} << QVector<double>{0, 1, 0};
        QTest::newRow("x then z, y axis") << QVector<double>{1, 1, 1, 90, 0, 90, 0, 1, 0} << QVector<double>{0, 0, 1};
        QTest::newRow("scale x, quarter y") << QVector<double>{3, 1, 1, 0, 90, 0, 1, 0, 5} << QVector<double>{5, 0, -3};
    }

    void transformScalesThenRotatesInTheOrderXYZ()
    {
        QFETCH(QVector<double>, scaleAnglesPoint);
        QFETCH(QVector<double>, expected);
        const double *v = scaleAnglesPoint.constData();
        double p[3] = {v[6], v[7], v[8]};
        lumeno::MakeModelTransform(v, v + 3)->TransformPoint(p, p);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(std::abs(p[i] - expected[i]) < 1e-12, qPrintable(QStringLiteral("%1 %2 %3").arg(p[0]).arg(p[1]).arg(p[2])));

        // The model in memory stays as it was; the written one has the new coordinates.
        double before[6], after[6], written[6];
        sphere->GetBounds(before);
        auto moved = lumeno::TransformModel(sphere, lumeno::MakeModelTransform(v, v + 3));
        sphere->GetBounds(after);
        QVERIFY(std::equal(before, before + 6, after));
        const QString path = Path(QStringLiteral("moved.ply"));
        QVERIFY(lumeno::WriteModelFile(moved, path, QStringLiteral("ply")).written);
        testing::ReadBack(path)->GetBounds(written);
        moved->GetBounds(after);
        for (int i = 0; i < 6; ++i)
            QVERIFY(std::abs(written[i] - after[i]) < 1e-5);
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

LUMENO_CORE_TEST_MAIN(TestModelWriter)

#include "test_modelwriter.moc"
