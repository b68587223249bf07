// ASCII STL files read by our reader give VTK's STL reader's points and triangles; what VTK's
// reader cannot read, ours refuses.
#include "StlBytes.h"
#include "StlComparison.h"
#include "TestSupport.h"

#include "io/read/AsciiStlReader.h"
#include "io/read/ModelReader.h"

#include <vtkPoints.h>

#include <cmath>
#include <string_view>
#include <vector>

using lumeno::ReadFailure;

Q_DECLARE_METATYPE(lumeno::ReadFailure)

namespace {

using Triangle = testing::StlTriangle;
using testing::AsciiFacet;
using testing::AsciiStl;
using testing::StlSheet;
using testing::StlTetrahedron;
using testing::WithTriangle;


lumeno::FormatReading ReadOurs(const QByteArray &file, int threads = 1)
{
    return lumeno::ReadAsciiStl(std::string_view(file.constData(), size_t(file.size())), threads);
}

QByteArray WithCrLf(QByteArray file)
{
    return file.replace("\n", "\r\n");
}


const QByteArray Facet = AsciiFacet("0 0 5", "0 5 0", "5 0 0");

} // namespace

class TestReadAsciiStl : public QObject
{
    Q_OBJECT

private slots:
    // Files VTK's reader reads: the same points in the same order and the same triangles.
    void readsAsVtksReader_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("withoutArea");

        const float step = std::nextafter(1.0f, 2.0f);
        const QByteArray tetrahedron = AsciiStl(StlTetrahedron());
        QTest::newRow("exact duplicates") << tetrahedron << 0;
        QTest::newRow("near duplicates, a float step apart")
            << AsciiStl(WithTriangle(StlTetrahedron(), {{{step, 0, 0}, {0, step, 0}, {0, 0, step}}})) << 0;
        QTest::newRow("equal once read as floats")
            << AsciiStl(StlTetrahedron(), AsciiFacet("1.00000001 0 0", "0 1 0", "0 0 1.0000000001")) << 0;
        QTest::newRow("0 and -0") << AsciiStl(StlTetrahedron(), AsciiFacet("-0 0 0", "1 -0.0 0", "0 1 -0e0")) << 0;
        QTest::newRow("two corners at one place")
            << AsciiStl(StlTetrahedron(), AsciiFacet("1 1 1", "2 0 0", "1.0 1e0 +1")) << 1;
        QTest::newRow("all corners at one place") << AsciiStl(StlTetrahedron(), AsciiFacet("7 7 7", "7 7 7", "7 7 7"))
                                                  << 1;
        QTest::newRow("signs and exponents")
            << AsciiStl(StlTetrahedron(), AsciiFacet("+1.5e+0 -2E-1 .5", "-.25 +0.125e1 3e-2", "1E2 -1e-3 +2")) << 0;
        QTest::newRow("capitals") << AsciiStl(StlTetrahedron(), "FACET NORMAL 0 0 0\nOUTER LOOP\nVERTEX +1 +2 +3\n"
                                                                "Vertex 1 2 4\nVERTEX 4 4 4\nENDLOOP\nEndFacet\n")
                                  << 0;
        QTest::newRow("CR LF line ends") << WithCrLf(tetrahedron) << 0;
        QTest::newRow("tabs and blank lines")
            << AsciiStl(StlTetrahedron(), "\n\tfacet\tnormal 0 0 1\n\touter\tloop\n\n\tvertex\t9 9 9\n\tvertex 8 8 "
                                          "8\t\n\tvertex 9 8 7\n\tendloop\n\tendfacet\n\n")
            << 0;
        QTest::newRow("no name") << QByteArray("solid\n" + Facet + "endsolid\n") << 0;
        QTest::newRow("several solids")
            << QByteArray(tetrahedron + "solid second\n" + Facet + AsciiFacet("0 0 0", "0 1 0", "1 0 0") +
                          "endsolid second\n")
            << 0;
        QTest::newRow("several solids, CR LF")
            << WithCrLf(tetrahedron + "solid second\n" + Facet + "endsolid second\n") << 0;
        QTest::newRow("no line end at the end") << tetrahedron.chopped(1) << 0;
        QTest::newRow("no triangles") << QByteArray("solid empty\nendsolid empty\n") << 0;
        QTest::newRow("a sheet") << AsciiStl(StlSheet(150)) << 0;
    }

    void readsAsVtksReader()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, withoutArea);
        bool vtkFailed = true;
        const vtkSmartPointer<vtkPolyData> theirs = testing::ReadByVtk(file, &vtkFailed);
        QVERIFY(theirs);
        QVERIFY(!vtkFailed);
        for (int threads : {1, 2}) {
            const lumeno::FormatReading ours = ReadOurs(file, threads);
            QCOMPARE(ours.failure, ReadFailure::None);
            QString difference;
            QVERIFY2(testing::SameMesh(ours.model, theirs, difference), qPrintable(difference));
            QCOMPARE(ours.polygonsWithoutArea, qint64(withoutArea));
        }
    }

    // Files VTK's reader reports an error for: ours refuses them, and the reading says the reader failed.
    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("file");

        const QByteArray tetrahedron = AsciiStl(StlTetrahedron());
        const QByteArray start = "solid cut\n" + Facet;
        QTest::newRow("a facet of two vertices")
            << QByteArray(start + "facet normal 0 0 0\nouter loop\nvertex 1 1 1\nvertex 2 2 2\nendloop\nendfacet\n"
                                  "endsolid cut\n");
        QTest::newRow("a facet of four vertices")
            << AsciiStl(StlTetrahedron(), "facet normal 0 0 0\nouter loop\nvertex 1 1 1\nvertex 2 2 2\nvertex 3 1 "
                                          "1\nvertex 4 4 4\nendloop\nendfacet\n");
        QTest::newRow("a number that is no number") << AsciiStl(StlTetrahedron(), AsciiFacet("1 x 1", "2 2 2", "3 1 1"));
        QTest::newRow("two coordinates") << AsciiStl(StlTetrahedron(), AsciiFacet("1 1", "2 2 2", "3 1 1"));
        for (const char *cut : {"facet normal 0 0 0\n", "facet normal 0 0 0\nouter loop\n",
                                "facet normal 0 0 0\nouter loop\nvertex 1 1 1\nvertex 2 2 2\n",
                                "facet normal 0 0 0\nouter loop\nvertex 1 1 1\nvertex 2 2 2\nvertex 3 1 1\n",
                                "facet normal 0 0 0\nouter loop\nvertex 1 1 1\nvertex 2 2 2\nvertex 3 1 1\nendloop\n"})
            QTest::newRow(qPrintable(QStringLiteral("cut after %1 lines of a facet")
                                         .arg(QByteArray(cut).count('\n'))))
                << QByteArray(start + cut);
        QTest::newRow("no end of the solid") << start;
        QTest::newRow("cut in a vertex line") << QByteArray(start + "facet normal 0 0 0\nouter loop\nvertex 1 1");
        QTest::newRow("no outer loop")
            << AsciiStl(StlTetrahedron(), "facet normal 0 0 0\nvertex 1 1 1\nvertex 2 2 2\nvertex 3 1 1\n"
                                          "endloop\nendfacet\n");
        QTest::newRow("prose") << QByteArray("This is not a model.\nIt only has the right name.\n");
    }

    void damagedFilesAreRefused()
    {
        QFETCH(QByteArray, file);
        bool vtkFailed = false;
        testing::ReadByVtk(file, &vtkFailed);
        QVERIFY(vtkFailed);
        QCOMPARE(ReadOurs(file).failure, ReadFailure::ReaderError);
        const QString path = testing::ScratchFile(QStringLiteral("damaged.stl"));
        QVERIFY(testing::WriteBytes(path, file));
        const lumeno::ReadResult read = lumeno::ReadModel(path, QStringLiteral("stl"));
        QCOMPARE(read.failure, ReadFailure::ReaderError);
        QVERIFY(!read.model);
    }
};

LUMENO_CORE_TEST_MAIN(TestReadAsciiStl)
#include "test_read_ascii_stl.moc"
