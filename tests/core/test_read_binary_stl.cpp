// Binary STL files read by our reader give VTK's STL reader's points and triangles, on any
// number of threads; what a file's count or size gets wrong is refused as before.
#include "StlBytes.h"
#include "StlComparison.h"
#include "TestSupport.h"

#include "io/read/BinaryStlReader.h"
#include "io/read/ModelReader.h"


#include <vtkPoints.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <string_view>
#include <vector>

using lumeno::ReadFailure;

Q_DECLARE_METATYPE(lumeno::ReadFailure)

namespace {

using Triangle = testing::StlTriangle;
using testing::StlTetrahedron;
using testing::WithTriangle;
using testing::BinaryStl;
using testing::ReadByVtk;
using testing::SameMesh;

// The sheet's triangles in a shuffled order: each point shared by up to six triangles far apart
// in the file.
std::vector<Triangle> ShuffledSheet(int side)
{
    std::vector<Triangle> triangles = testing::StlSheet(side);
    std::mt19937 random(7);
    std::shuffle(triangles.begin(), triangles.end(), random);
    return triangles;
}

lumeno::FormatReading ReadOurs(const QByteArray &file, int threads)
{
    return lumeno::ReadBinaryStl(std::string_view(file.constData(), size_t(file.size())), threads);
}

} // namespace

class TestReadBinaryStl : public QObject
{
    Q_OBJECT

private slots:
    // Files VTK's reader reads: the same points in the same order and the same triangles.
    void readsAsVtksReader_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("withoutArea");

        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("exact duplicates") << BinaryStl(StlTetrahedron()) << 0;
        QTest::newRow("0 and -0") << BinaryStl(WithTriangle(StlTetrahedron(), {{{-0.0f, 0, 0}, {1, -0.0f, 0}, {0, 1, -0.0f}}}))
                                  << 0;
        QTest::newRow("two corners at one place")
            << BinaryStl(WithTriangle(StlTetrahedron(), {{{1, 1, 1}, {2, 0, 0}, {1, 1, 1}}})) << 1;
        QTest::newRow("degenerate first") << BinaryStl({{{{5, 5, 5}, {5, 5, 5}, {1, 2, 3}}}, StlTetrahedron()[0]}) << 1;
        QTest::newRow("a NaN corner twice") << BinaryStl(WithTriangle(StlTetrahedron(), {{{nan, 0, 0}, {nan, 0, 0}, {1, 2, 3}}}))
                                            << 0;
        QTest::newRow("count of 0") << BinaryStl(StlTetrahedron(), 0) << 0;
        QTest::newRow("counting fewer than it holds") << BinaryStl(StlTetrahedron(), 2) << 0;
        QTest::newRow("ten bytes after the last record") << BinaryStl(StlTetrahedron()) + QByteArray(10, 'z') << 0;
        // A last record cut short, even by its attribute bytes alone, is left out.
        const QByteArray fifth = BinaryStl({{{{0, 0, 5}, {0, 5, 0}, {5, 0, 0}}}}).mid(84);
        for (int cut : {1, 2, 3, 49})
            QTest::newRow(qPrintable(QStringLiteral("a last record %1 bytes short").arg(cut)))
                << BinaryStl(StlTetrahedron()) + fifth.left(50 - cut) << 0;
        // Enough corners for the threads to share them.
        QTest::newRow("a shuffled sheet")
            << BinaryStl(WithTriangle(ShuffledSheet(200), {{{0.5f, 0.5f, 0}, {0.5f, 0.5f, 0}, {0, 0, 0}}})) << 1;
    }

    void readsAsVtksReader()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, withoutArea);
        const vtkSmartPointer<vtkPolyData> theirs = ReadByVtk(file);
        QVERIFY(theirs);
        for (int threads : {1, 2, 3}) {
            const lumeno::FormatReading ours = ReadOurs(file, threads);
            QCOMPARE(ours.failure, ReadFailure::None);
            QString difference;
            QVERIFY2(SameMesh(ours.model, theirs, difference), qPrintable(difference));
            QCOMPARE(ours.polygonsWithoutArea, qint64(withoutArea));
        }
    }

    // What the reader refuses, and what the whole reading makes of it.
    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<ReadFailure>("readerFailure");
        QTest::addColumn<ReadFailure>("readFailure");

        const auto damaged = [](const char *name, const QByteArray &file) {
            QTest::newRow(name) << file << ReadFailure::DamagedFile << ReadFailure::DamagedFile;
        };
        const QByteArray tetrahedron = BinaryStl(StlTetrahedron());
        damaged("counting more than it holds", BinaryStl(StlTetrahedron(), 5));
        damaged("claiming four billion triangles", BinaryStl(StlTetrahedron(), 0xFFFFFFFFll));
        damaged("cut in a triangle", tetrahedron.left(tetrahedron.size() - 20));
        damaged("last record without its attribute bytes", tetrahedron.left(tetrahedron.size() - 2));
        damaged("shorter than its header", tetrahedron.left(83));
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("a NaN corner") << BinaryStl(WithTriangle(StlTetrahedron(), {{{nan, 0, 0}, {1, 2, 3}, {0, 2, 0}}}))
                                      << ReadFailure::None << ReadFailure::UnusableModel;
    }

    void damagedFilesAreRefused()
    {
        QFETCH(QByteArray, file);
        QFETCH(ReadFailure, readerFailure);
        QFETCH(ReadFailure, readFailure);
        QCOMPARE(ReadOurs(file, 1).failure, readerFailure);
        const QString path = testing::ScratchFile(QStringLiteral("damaged.stl"));
        QVERIFY(testing::WriteBytes(path, file));
        const lumeno::ReadResult read = lumeno::ReadModel(path, QStringLiteral("stl"));
        QCOMPARE(read.failure, readFailure);
        QVERIFY(!read.model);
    }
};

LUMENO_CORE_TEST_MAIN(TestReadBinaryStl)
#include "test_read_binary_stl.moc"
