// The memory a model will need, estimated from its header before it is read, and the refusal
// of a model that will not fit (the memory available given, never the machine's).
#include "StlBytes.h"
#include "TestSupport.h"

#include "io/read/FormatReading.h"
#include "io/read/MemoryNeed.h"
#include "io/read/ModelReader.h"

#include <QLocale>

#include <string_view>
#include <vector>

using lumeno::ReadFailure;

Q_DECLARE_METATYPE(lumeno::ReadFailure)

namespace {

// A binary STL of `records` triangles at the origin, its count saying `count`.
QByteArray BinaryStl(int records, qint64 count)
{
    return testing::BinaryStl(std::vector<testing::StlTriangle>(size_t(records)), count);
}

lumeno::MemoryNeed NeedOf(const QByteArray &header, qint64 fileSize, const char *suffix)
{
    return lumeno::EstimatedMemoryNeed(std::string_view(header.constData(), size_t(header.size())), fileSize,
                                       QLatin1String(suffix));
}

} // namespace

class TestMemoryNeed : public QObject
{
    Q_OBJECT

private slots:
    // The triangles, from the header where the format counts them, else from the file's size.
    void trianglesComeFromTheHeader_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<qint64>("fileSize");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<qint64>("triangles");
        QTest::addColumn<bool>("counted");

        const QByteArray stl = BinaryStl(6, 6);
        QTest::newRow("binary stl") << stl << qint64(stl.size()) << "stl" << qint64(6) << true;
        const QByteArray ascii = "solid cube\n  facet normal 0 0 1\n    outer loop\n";
        QTest::newRow("ascii stl, from its size") << ascii << qint64(230000) << "stl" << qint64(1000) << false;

        const QByteArray ply = "ply\nformat binary_little_endian 1.0\nelement vertex 500\nproperty float x\n"
                               "property float y\nproperty float z\nelement face 1000\n"
                               "property list uchar int vertex_indices\nend_header\n";
        QTest::newRow("binary ply") << ply << qint64(20000) << "ply" << qint64(1000) << true;
        // More faces than the file has bytes for: a damaged header, so its size counts.
        QTest::newRow("ply claiming more than it holds") << ply << qint64(3800) << "ply" << qint64(200) << false;

        QTest::newRow("off") << QByteArray("OFF\n8 12 0\n0 0 0\n") << qint64(400) << "off" << qint64(12) << true;
        QTest::newRow("off with comments and colours")
            << QByteArray("# made by hand\nCOFF\n# counts next\n\n8 12 0\n") << qint64(400) << "off" << qint64(12)
            << true;

        QTest::newRow("obj, from its size") << QByteArray("v 0 0 0\n") << qint64(38000) << "obj" << qint64(1000)
                                            << false;
        QTest::newRow("no model suffix") << QByteArray("text") << qint64(11000) << "txt" << qint64(0) << false;
    }

    void trianglesComeFromTheHeader()
    {
        QFETCH(QByteArray, header);
        QFETCH(qint64, fileSize);
        QFETCH(QString, suffix);
        QFETCH(qint64, triangles);
        QFETCH(bool, counted);
        const lumeno::MemoryNeed need = NeedOf(header, fileSize, qPrintable(suffix));
        QCOMPARE(need.triangles, triangles);
        QCOMPARE(need.counted, counted);
        if (suffix != QLatin1String("txt"))
            QVERIFY(need.bytes > 0);
    }

    // More triangles need more memory, in any format.
    void memoryGrowsWithTheTriangles()
    {
        const QByteArray small = "ply\nformat ascii 1.0\nelement face 1000\nend_header\n";
        const QByteArray large = "ply\nformat ascii 1.0\nelement face 1000000\nend_header\n";
        const qint64 smallNeed = NeedOf(small, 1 << 24, "ply").bytes;
        const qint64 largeNeed = NeedOf(large, 1 << 24, "ply").bytes;
        QVERIFY(largeNeed > smallNeed);
        QVERIFY(largeNeed > 1000000 * 100); // a level's arrays alone take more than this a triangle
        QCOMPARE(NeedOf(BinaryStl(6, 1000000), 84 + 50 * 1000000, "stl").bytes, largeNeed);
    }


    // Refused before reading when the memory available is short, with both figures; read when it
    // fits or when the system does not say.
    void modelThatDoesNotFitIsRefused_data()
    {
        QTest::addColumn<qint64>("available");
        QTest::addColumn<ReadFailure>("failure");
        QTest::newRow("short") << qint64(1 << 20) << ReadFailure::NotEnoughMemory;
        QTest::newRow("enough") << (qint64(1) << 40) << ReadFailure::None;
        QTest::newRow("unknown") << qint64(-1) << ReadFailure::None;
    }

    void modelThatDoesNotFitIsRefused()
    {
        QFETCH(qint64, available);
        QFETCH(ReadFailure, failure);
        const QString path = testing::ScratchFile(QStringLiteral("refused.stl"));
        QVERIFY(testing::WriteBytes(path, BinaryStl(1000, 1000)));
        const lumeno::ReadResult refusal = lumeno::RefusalForMemory(path, available);
        QCOMPARE(refusal.failure, failure);
        QVERIFY(!refusal.model);
        if (failure == ReadFailure::None) {
            QVERIFY(lumeno::ReadFailureText(refusal).isEmpty());
            return;
        }
        const lumeno::MemoryNeed need = lumeno::EstimatedMemoryNeed(path);
        const QString text = lumeno::ReadFailureText(refusal);
        QVERIFY2(text.contains(QLocale().toString(qint64(1000))), qPrintable(text));
        QVERIFY2(text.contains(lumeno::ByteSizeText(quint64(need.bytes))), qPrintable(text));
        QVERIFY2(text.contains(lumeno::ByteSizeText(quint64(available))), qPrintable(text));
    }

    // The window draws the model besides making its levels: between the two needs, the command
    // line reads a model that the window refuses with the window's figure.
    void theWindowNeedsMoreThanTheCommandLine()
    {
        const QString path = testing::ScratchFile(QStringLiteral("window.stl"));
        QVERIFY(testing::WriteBytes(path, BinaryStl(100000, 100000)));
        const lumeno::MemoryNeed need = lumeno::EstimatedMemoryNeed(path);
        QVERIFY(need.windowBytes > need.bytes);
        const qint64 between = (need.bytes + need.windowBytes) / 2;
        QCOMPARE(lumeno::RefusalForMemory(path, between).failure, ReadFailure::None);
        const lumeno::ReadResult refusal = lumeno::RefusalForMemory(path, between, lumeno::MemoryUse::Window);
        QCOMPARE(refusal.failure, ReadFailure::NotEnoughMemory);
        QCOMPARE(refusal.memory.needed, need.windowBytes);
        QCOMPARE(need.windowProxyBytes, need.windowBytes); // too few triangles for a proxy
    }

    // The files of /proc tell no size: they are read all the same.
    void theSystemTellsItsMemory()
    {
        if (!QFile::exists(QStringLiteral("/proc/meminfo")))
            QSKIP("no /proc/meminfo");
        const qint64 available = lumeno::AvailableMemory();
        QVERIFY2(available > 0 && available < qint64(1) << 50, qPrintable(QString::number(available)));
    }

    // A model whose drawing in full would not fit is drawn by proxy: the window then needs less,
    // and refuses only what does not fit so.
    void theWindowDrawsWhatWouldNotFitByProxy()
    {
        const std::string header = "ply\nformat binary_little_endian 1.0\nelement vertex 40000000\n"
                                   "property float x\nproperty float y\nproperty float z\nelement face 80000000\n"
                                   "property list uchar int vertex_indices\nend_header\n";
        const lumeno::MemoryNeed need = lumeno::EstimatedMemoryNeed(header, 1'500'000'000, QStringLiteral("ply"));
        QCOMPARE(need.triangles, qint64(80000000));
        QVERIFY(need.bytes < need.windowProxyBytes && need.windowProxyBytes < need.windowBytes);
        const qint64 between = (need.windowProxyBytes + need.windowBytes) / 2;
        QVERIFY(!lumeno::DrawsInFull(need, between));
        QVERIFY(lumeno::FitsInMemory(need, between, lumeno::MemoryUse::Window));
        QVERIFY(!lumeno::FitsInMemory(need, need.windowProxyBytes - 1, lumeno::MemoryUse::Window));
        QVERIFY(lumeno::DrawsInFull(need, need.windowBytes));
    }
};

LUMENO_CORE_TEST_MAIN(TestMemoryNeed)
#include "test_memory_need.moc"
