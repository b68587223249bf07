// Opening a model in the window under names the readers cannot take. (What the readers accept:
// test_reading; names by their last suffix: test_saving; damaged and vanishing files: test_faults.)
#include "AppSupport.h"

#include "MainWindow.h"

#include <QDir>
#include <QSettings>
#include <QTextCodec>

class TestLoading : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().clear(); }

    // Under LANG=C too, where the 8-bit name cannot hold these letters; and with an 8-bit
    // codec, where the UTF-8 form of "ü" names no file, so only a copy can be read.
    void nonAsciiPathLoadsWithoutLeavingACopy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("codec");
        QVERIFY(QDir().mkpath(testing::ScratchFile(QStringLiteral("Modèles 模型"))));
        QTest::newRow("locale") << QStringLiteral("Modèles 模型/Würfel_立方体.stl") << QByteArray();
        QTest::newRow("ISO-8859-1") << QStringLiteral("Würfel.stl") << QByteArray("ISO-8859-1");
    }

    void nonAsciiPathLoadsWithoutLeavingACopy()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, codec);
        QTextCodec *localeCodec = QTextCodec::codecForLocale();
        if (!codec.isEmpty())
            QTextCodec::setCodecForLocale(QTextCodec::codecForName(codec));
        const QString path = testing::ScratchFile(name);
        QFile::remove(path);
        QVERIFY(QFile::copy(testing::DataFile(QStringLiteral("cube_ascii.stl")), path));
        const QStringList temporaryBefore = QDir(QDir::tempPath()).entryList(QDir::Files);
        MainWindow window;
        window.LoadModel(path, QStringLiteral("stl"));
        QTextCodec::setCodecForLocale(localeCodec);
        QVERIFY(window.LoadedModel());
        QCOMPARE(int(window.LoadedModel()->GetNumberOfPolys()), 12);
        QCOMPARE(testing::RecentFiles().value(0), path);
        QVERIFY(testing::WaitForCascade(window));
        QCOMPARE(QDir(QDir::tempPath()).entryList(QDir::Files), temporaryBefore);
    }
};

LUMENO_TEST_MAIN(TestLoading)
#include "test_loading.moc"
