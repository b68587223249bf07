// OFF as other programs write it: read, what is left out counted, damaged files refused.
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "model/PointAttributes.h"

#include <vtkCellArray.h>
#include <vtkDataArray.h>
#include <vtkPointData.h>

#include <algorithm>
#include <array>

using lumeno::ReadFailure;

Q_DECLARE_METATYPE(lumeno::ReadFailure)

namespace {

// A tetrahedron, as OFF vertex lines with what follows x y z on each (empty: nothing).
QByteArray TetrahedronOff(const QByteArray &header, const std::array<QByteArray, 4> &after)
{
    const char *positions[] = {"0 0 0", "1 0 0", "0 1 0", "0 0 1"};
    QByteArray file = header + "\n4 4 0\n";
    for (int i = 0; i < 4; ++i)
        file += QByteArray(positions[i]) + (after[size_t(i)].isEmpty() ? "" : " " + after[size_t(i)]) + "\n";
    return file + "3 0 2 1\n3 0 1 3\n3 0 3 2\n3 1 2 3\n";
}

} // namespace

class TestReadOff : public QObject
{
    Q_OBJECT

private slots:
    // Numbers after x y z (and the normal) are colours, bytes or fractions, clamped; even under "OFF".
    void offVertexLinesKeepTheirColours_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QVector<int>>("colour");
        QTest::addColumn<bool>("coloursLeftOut");

        QTest::newRow("OFF, r g b bytes") << TetrahedronOff("OFF", {"255 128 0", "0 0 0", "1 2 3", "4 5 6"})
                                          << QVector<int>{255, 128, 0, 255} << false;
        QTest::newRow("OFF, fractions") << TetrahedronOff("OFF", {"1.0 0.5 0 1", "0 0 0 1", "0.2 0.2 0.2 1", "1 1 1 1"})
            << QVector<int>{255, 128, 0, 255} << false;
        QTest::newRow("COFF, negative components are 0")
            << TetrahedronOff("COFF", {"-1 -200 30 -5", "0 0 0 255", "1 2 3 255", "4 5 6 255"})
            << QVector<int>{0, 0, 30, 0} << false;
        QTest::newRow("OFF, colours on some vertices only")
            << TetrahedronOff("OFF", {"", "255 0 0", "", "0 255 0"}) << QVector<int>{} << true;
    }

    void offVertexLinesKeepTheirColours()
    {
        QFETCH(QByteArray, file);
        QFETCH(QVector<int>, colour);
        QFETCH(bool, coloursLeftOut);
        const lumeno::ReadResult read = testing::ReadBytes(QStringLiteral("coloured.off"), file);
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(4));
        QCOMPARE(read.attributesLeftOut.colours, coloursLeftOut);
        QCOMPARE(lumeno::AttributesOf(read.model).colours, !colour.isEmpty());
        if (colour.isEmpty())
            return;
        vtkDataArray *colours = read.model->GetPointData()->GetScalars();
        QVector<int> first;
        for (int component = 0; component < colours->GetNumberOfComponents(); ++component)
            first << int(colours->GetComponent(0, component));
        if (first.size() == 3)
            first << 255;
        QCOMPARE(first, colour);
    }

    // Comments, blank lines, the counts on the header's line, polygons of four corners and face colours.
    void offReadsCommentsBlankLinesAndPolygons()
    {
        const lumeno::ReadResult read =
            testing::ReadBytes(QStringLiteral("square.off"), "# made by hand\nCOFF\n# counts\n5 2 0\n0 0 0 255 0 0 255\n"
                                               "1 0 0 0 255 0 255\n1 1 0 0 0 255 255 # blue\n0 1 0 255 255 255 255\n\n"
                                               "0.5 0.5 1 10 20 30 255\n4 0 1 2 3\n3 0 1 4 200 0 0\n");
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(3)); // the square in two
        QCOMPARE(read.model->GetPointData()->GetScalars()->GetComponent(4, 1), 20.0);
        QVERIFY(read.faceColoursNotRead);
        const lumeno::ReadResult plain = testing::ReadBytes(QStringLiteral("plain.off"), "OFF 3 1 0\n0 0 0\n2 0 0\n0 3 0\n3 0 1 2\n");
        QVERIFY2(plain.model, qPrintable(lumeno::ReadFailureText(plain)));
        QCOMPARE(plain.model->GetBounds()[3], 3.0);
        QVERIFY(!lumeno::AttributesOf(plain.model).Any());
    }

    // A face that names one vertex twice has no area: left out and counted, the file read. One
    // past the vertices, or more vertices than the file holds, and the file is refused.
    void offFacesAreReadLeftOutOrRefused_data()
    {
        QTest::addColumn<QByteArray>("counts");
        QTest::addColumn<QByteArray>("faces");
        QTest::addColumn<int>("triangles");
        QTest::addColumn<int>("withoutArea");
        QTest::addColumn<ReadFailure>("failure");

        const QByteArray tetrahedron = "3 0 2 1\n3 0 1 3\n3 0 3 2\n3 1 2 3\n";
        QTest::newRow("triangle 0 1 1") << QByteArray("4 5 0") << tetrahedron + "3 0 1 1\n" << 4 << 1
                                        << ReadFailure::None;
        QTest::newRow("only such triangles") << QByteArray("4 2 0") << QByteArray("3 0 1 1\n3 2 3 2\n") << 0 << 2
                                             << ReadFailure::NoTriangles;
        QTest::newRow("index past the vertices") << QByteArray("4 1 0") << QByteArray("3 0 1 7\n") << 0 << 0
                                                 << ReadFailure::DamagedFile;
        QTest::newRow("a billion vertices claimed") << QByteArray("1000000000 1 0") << tetrahedron << 0 << 0
                                                    << ReadFailure::DamagedFile;
    }

    void offFacesAreReadLeftOutOrRefused()
    {
        QFETCH(QByteArray, counts);
        QFETCH(QByteArray, faces);
        QFETCH(int, triangles);
        QFETCH(int, withoutArea);
        QFETCH(ReadFailure, failure);
        const lumeno::ReadResult read =
            testing::ReadBytes(QStringLiteral("faces.off"), "OFF\n" + counts + "\n0 0 0\n1 0 0\n0 1 0\n0 0 1\n" + faces);
        QCOMPARE(read.failure, failure);
        if (failure != ReadFailure::None) {
            QVERIFY(!read.model && !lumeno::ReadFailureText(read).isEmpty());
            return;
        }
        QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(triangles));
        QCOMPARE(read.untriangulatedPolygons, vtkIdType(withoutArea));
    }

    // As many vertices as an STL or PLY file of that size holds: more than 2^24.
    void offOfMoreThanSixteenMillionVerticesIsRead()
    {
        const qint64 vertices = (qint64(1) << 24) + 3;
        const QString path = testing::ScratchFile(QStringLiteral("many vertices.off"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.write("OFF\n" + QByteArray::number(vertices) + " 1 0\n1 0 0\n0 1 0\n0 0 1\n") > 0);
            const QByteArray origins = QByteArray("0 0 0\n").repeated(1 << 20);
            for (qint64 written = 3; written < vertices; written += 1 << 20)
                QVERIFY(file.write(origins.constData(), 6 * std::min<qint64>(1 << 20, vertices - written)) > 0);
            QVERIFY(file.write("3 " + QByteArray::number(vertices - 1) + " 0 1\n") > 0);
        }
        const lumeno::ReadResult read = lumeno::ReadModel(path, QStringLiteral("off"));
        QFile::remove(path);
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.model->GetNumberOfPoints(), vtkIdType(vertices));
        QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(1));
    }
};

LUMENO_CORE_TEST_MAIN(TestReadOff)
#include "test_read_off.moc"
