// STL files, ASCII and binary, read by our readers on any number of threads give VTK's STL
// reader's points and triangles; what VTK's reader cannot read, or a binary file's count or size
// gets wrong, ours refuses; triangles with two corners at one place are left out and counted.
#include "StlBytes.h"
#include "StlComparison.h"
#include "TestSupport.h"

#include "io/read/AsciiStlReader.h"
#include "io/read/BinaryStlReader.h"
#include "io/read/ModelReader.h"

#include <cmath>
#include <limits>
#include <random>
#include <string_view>
#include <vector>

using lumeno::ReadFailure;

Q_DECLARE_METATYPE(lumeno::ReadFailure)

namespace {

using Triangle = testing::StlTriangle;
using testing::AsciiFacet;
using testing::AsciiStl;
using testing::BinaryStl;
using testing::StlTetrahedron;
using testing::WithTriangle;

lumeno::FormatReading ReadOurs(const QByteArray &file, bool ascii, int threads)
{
    const std::string_view bytes(file.constData(), size_t(file.size()));
    return ascii ? lumeno::ReadAsciiStl(bytes, threads) : lumeno::ReadBinaryStl(bytes, threads);
}

QByteArray WithCrLf(QByteArray file)
{
    return file.replace("\n", "\r\n");
}

const QByteArray Facet = AsciiFacet("0 0 5", "0 5 0", "5 0 0");

} // namespace

class TestReadStl : public QObject
{
    Q_OBJECT

private slots:
    // Files VTK's reader reads: the same points in the same order and the same triangles.
    void readsAsVtksReader_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("withoutArea");

        const auto row = [](const char *name, const QByteArray &file, int withoutArea = 0) {
            QTest::newRow(name) << file << withoutArea;
        };
        const float step = std::nextafter(1.0f, 2.0f);
        const QByteArray tetrahedron = AsciiStl(StlTetrahedron());
        row("exact duplicates", tetrahedron);
        row("near duplicates, a float step apart",
            AsciiStl(WithTriangle(StlTetrahedron(), {{{step, 0, 0}, {0, step, 0}, {0, 0, step}}})));
        row("equal once read as floats",
            AsciiStl(StlTetrahedron(), AsciiFacet("1.00000001 0 0", "0 1 0", "0 0 1.0000000001")));
        row("0 and -0", AsciiStl(StlTetrahedron(), AsciiFacet("-0 0 0", "1 -0.0 0", "0 1 -0e0")));
        row("two corners at one place", AsciiStl(StlTetrahedron(), AsciiFacet("1 1 1", "2 0 0", "1.0 1e0 +1")), 1);
        row("all corners at one place", AsciiStl(StlTetrahedron(), AsciiFacet("7 7 7", "7 7 7", "7 7 7")), 1);
        row("signs and exponents",
            AsciiStl(StlTetrahedron(), AsciiFacet("+1.5e+0 -2E-1 .5", "-.25 +0.125e1 3e-2", "1E2 -1e-3 +2")));
        row("capitals", AsciiStl(StlTetrahedron(), "FACET NORMAL 0 0 0\nOUTER LOOP\nVERTEX +1 +2 +3\n"
                                                   "Vertex 1 2 4\nVERTEX 4 4 4\nENDLOOP\nEndFacet\n"));
        row("CR LF line ends", WithCrLf(tetrahedron));
        row("tabs and blank lines", AsciiStl(StlTetrahedron(), "\n\tfacet\tnormal 0 0 1\n\touter\tloop\n\n\tvertex\t9 9 9\n"
                                                               "\tvertex 8 8 8\t\n\tvertex 9 8 7\n\tendloop\n\tendfacet\n\n"));
        row("no name", QByteArray("solid\n" + Facet + "endsolid\n"));
        row("several solids",
            tetrahedron + "solid second\n" + Facet + AsciiFacet("0 0 0", "0 1 0", "1 0 0") + "endsolid second\n");
        row("several solids, CR LF", WithCrLf(tetrahedron + "solid second\n" + Facet + "endsolid second\n"));
        row("no line end at the end", tetrahedron.chopped(1));
        row("no triangles", QByteArray("solid empty\nendsolid empty\n"));
        row("a sheet", AsciiStl(testing::StlSheet(150)));

        const float nan = std::numeric_limits<float>::quiet_NaN();
        const QByteArray binary = BinaryStl(StlTetrahedron());
        row("binary, exact duplicates", binary);
        row("binary, 0 and -0",
            BinaryStl(WithTriangle(StlTetrahedron(), {{{-0.0f, 0, 0}, {1, -0.0f, 0}, {0, 1, -0.0f}}})));
        row("binary, two corners at one place",
            BinaryStl(WithTriangle(StlTetrahedron(), {{{1, 1, 1}, {2, 0, 0}, {1, 1, 1}}})), 1);
        row("binary, degenerate first", BinaryStl({{{{5, 5, 5}, {5, 5, 5}, {1, 2, 3}}}, StlTetrahedron()[0]}), 1);
        row("binary, a NaN corner twice",
            BinaryStl(WithTriangle(StlTetrahedron(), {{{nan, 0, 0}, {nan, 0, 0}, {1, 2, 3}}})));
        row("binary, count of 0", BinaryStl(StlTetrahedron(), 0));
        row("binary, counting fewer than it holds", BinaryStl(StlTetrahedron(), 2));
        row("binary, ten bytes after the last record", binary + QByteArray(10, 'z'));
        // A last record cut short, even by its attribute bytes alone, is left out.
        const QByteArray fifth = BinaryStl({{{{0, 0, 5}, {0, 5, 0}, {5, 0, 0}}}}).mid(84);
        for (int cut : {1, 2, 3, 49})
            row(qPrintable(QStringLiteral("binary, a last record %1 bytes short").arg(cut)), binary + fifth.left(50 - cut));
        // Enough corners for the threads to share them, each shared by up to six triangles far apart in the file.
        std::vector<Triangle> shuffled = testing::StlSheet(200);
        std::mt19937 random(7);
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        row("binary, a shuffled sheet",
            BinaryStl(WithTriangle(shuffled, {{{0.5f, 0.5f, 0}, {0.5f, 0.5f, 0}, {0, 0, 0}}})), 1);
    }

    void readsAsVtksReader()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, withoutArea);
        bool vtkFailed = true;
        const vtkSmartPointer<vtkPolyData> theirs = testing::ReadByVtk(file, &vtkFailed);
        const bool ascii = file.startsWith("solid"); // the binary rows' headers are zeros
        QVERIFY(theirs && (!ascii || !vtkFailed));
        for (int threads : {1, 2, 3}) {
            const lumeno::FormatReading ours = ReadOurs(file, ascii, threads);
            QCOMPARE(ours.failure, ReadFailure::None);
            QString difference;
            QVERIFY2(testing::SameMesh(ours.model, theirs, difference), qPrintable(difference));
            QCOMPARE(ours.polygonsWithoutArea, qint64(withoutArea));
        }
    }

    // ASCII files VTK's reader reports an error for, and binary files whose count or size is
    // wrong: our reader refuses them, and so does the whole reading.
    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<ReadFailure>("readerFailure");
        QTest::addColumn<ReadFailure>("readFailure");

        const auto ascii = [](const char *name, const QByteArray &file) {
            QTest::newRow(name) << file << ReadFailure::ReaderError << ReadFailure::ReaderError;
        };
        const QByteArray start = "solid cut\n" + Facet;
        ascii("a facet of two vertices",
              start + "facet normal 0 0 0\nouter loop\nvertex 1 1 1\nvertex 2 2 2\nendloop\nendfacet\nendsolid cut\n");
        ascii("a facet of four vertices",
              AsciiStl(StlTetrahedron(), "facet normal 0 0 0\nouter loop\nvertex 1 1 1\nvertex 2 2 2\nvertex 3 1 "
                                         "1\nvertex 4 4 4\nendloop\nendfacet\n"));
        ascii("a number that is no number", AsciiStl(StlTetrahedron(), AsciiFacet("1 x 1", "2 2 2", "3 1 1")));
        ascii("two coordinates", AsciiStl(StlTetrahedron(), AsciiFacet("1 1", "2 2 2", "3 1 1")));
        for (const char *cut : {"facet normal 0 0 0\n", "facet normal 0 0 0\nouter loop\n",
                                "facet normal 0 0 0\nouter loop\nvertex 1 1 1\nvertex 2 2 2\n",
                                "facet normal 0 0 0\nouter loop\nvertex 1 1 1\nvertex 2 2 2\nvertex 3 1 1\n",
                                "facet normal 0 0 0\nouter loop\nvertex 1 1 1\nvertex 2 2 2\nvertex 3 1 1\nendloop\n"})
            ascii(qPrintable(QStringLiteral("cut after %1 lines of a facet").arg(QByteArray(cut).count('\n'))),
                  start + cut);
        ascii("no end of the solid", start);
        ascii("cut in a vertex line", start + "facet normal 0 0 0\nouter loop\nvertex 1 1");
        ascii("no outer loop", AsciiStl(StlTetrahedron(), "facet normal 0 0 0\nvertex 1 1 1\nvertex 2 2 2\n"
                                                          "vertex 3 1 1\nendloop\nendfacet\n"));
        ascii("prose", "This is not a model.\nIt only has the right name.\n");

        const auto binary = [](const char *name, const QByteArray &file) {
            QTest::newRow(name) << file << ReadFailure::DamagedFile << ReadFailure::DamagedFile;
        };
        const QByteArray tetrahedron = BinaryStl(StlTetrahedron());
        binary("counting more than it holds", BinaryStl(StlTetrahedron(), 5));
        binary("claiming four billion triangles", BinaryStl(StlTetrahedron(), 0xFFFFFFFFll));
        binary("cut in a triangle", tetrahedron.left(tetrahedron.size() - 20));
        binary("last record without its attribute bytes", tetrahedron.left(tetrahedron.size() - 2));
        binary("shorter than its header", tetrahedron.left(83));
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("a NaN corner") << BinaryStl(WithTriangle(StlTetrahedron(), {{{nan, 0, 0}, {1, 2, 3}, {0, 2, 0}}}))
                                      << ReadFailure::None << ReadFailure::UnusableModel;
    }

    void damagedFilesAreRefused()
    {
        QFETCH(QByteArray, file);
        QFETCH(ReadFailure, readerFailure);
        QFETCH(ReadFailure, readFailure);
        QCOMPARE(ReadOurs(file, readerFailure == ReadFailure::ReaderError, 1).failure, readerFailure);
        const lumeno::ReadResult read = testing::ReadBytes(QStringLiteral("damaged.stl"), file);
        QCOMPARE(read.failure, readFailure);
        QVERIFY(!read.model);
    }

    // Triangles with two corners at one place as floats, 0 and -0 alike, are dropped by the reading
    // and counted; one float step apart is kept.
    void trianglesWithCoincidentCornersAreCounted()
    {
        const float almostOne = std::nextafter(1.0f, 2.0f);
        std::vector<Triangle> mixed = StlTetrahedron();
        mixed.insert(mixed.end(), {{{{1, 1, 1}, {1, 1, 1}, {2, 0, 0}}},
                                   {{{7, 7, 7}, {7, 7, 7}, {7, 7, 7}}},
                                   {{{0, 0, 0}, {-0.0f, 0, -0.0f}, {1, 1, 0}}},
                                   {{{1, 0, 0}, {almostOne, 0, 0}, {0, 1, 1}}}});
        for (const QByteArray &file : {BinaryStl(mixed, -1, ' '), AsciiStl(mixed)}) {
            const lumeno::ReadResult read = testing::ReadBytes(QStringLiteral("coincident.stl"), file);
            QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
            QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(5));
            QCOMPARE(read.untriangulatedPolygons, vtkIdType(3));
        }
    }
};

LUMENO_CORE_TEST_MAIN(TestReadStl)
#include "test_read_stl.moc"
