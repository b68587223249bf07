// Snapshots: both views as RGBA PNG images at their pixel size, the second name built
// from the first, and a message for every image that cannot be written.
#include "DialogAnswers.h"
#include "LoadedModel.h"
#include "TestSupport.h"

#include "MainWindow.h"

#include <QDir>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QVTKOpenGLNativeWidget.h>
#include <QtEndian>

#include <vtkRenderWindow.h>

#include <memory>

using testing::ChooseFile;
using testing::Press;

namespace {

QVTKOpenGLNativeWidget *View(MainWindow &window, const char *name)
{
    return window.findChild<QVTKOpenGLNativeWidget *>(QString::fromLatin1(name));
}

struct PngHeader
{
    bool valid = false;
    QSize size;
    int bitDepth = 0;
    int colourType = -1; // 6: red, green, blue and alpha
};

PngHeader ReadPngHeader(const QString &path)
{
    QFile file(path);
    PngHeader header;
    if (!file.open(QIODevice::ReadOnly))
        return header;
    const QByteArray bytes = file.read(26);
    if (bytes.size() < 26 || !bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.mid(12, 4) != "IHDR")
        return header;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    header.valid = true;
    header.size = QSize(int(qFromBigEndian<quint32>(data + 16)), int(qFromBigEndian<quint32>(data + 20)));
    header.bitDepth = data[24];
    header.colourType = data[25];
    return header;
}

// The colours at a few places of both images agree (the snapshot is the view, upright).
bool LooksLike(const QImage &snapshot, const QImage &view)
{
    if (snapshot.size() != view.size())
        return false;
    for (double fx : {0.05, 0.5, 0.95})
        for (double fy : {0.02, 0.5, 0.98}) {
            const QPoint at(int(fx * (view.width() - 1)), int(fy * (view.height() - 1)));
            const QColor a = snapshot.pixelColor(at), b = view.pixelColor(at);
            if (qAbs(a.red() - b.red()) > 12 || qAbs(a.green() - b.green()) > 12 || qAbs(a.blue() - b.blue()) > 12)
                return false;
        }
    return true;
}

} // namespace

class TestSnapshot : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    std::shared_ptr<QStringList> messages;

    QString Folder() const { return testing::SandboxPath() + QStringLiteral("/shots"); }
    QString Path(const QString &name) const { return Folder() + QLatin1Char('/') + name; }
    QStringList Files() const { return QDir(Folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    void Snapshot(QList<testing::ModalAnswer> answers)
    {
        testing::ModalAnswers answering(answers);
        testing::Action(*window, QStringLiteral("actionSnapshot"))->trigger();
        *messages << answering.Closed();
        QVERIFY2(answering.AllGiven(), "a dialog did not come");
    }

private slots:
    void init()
    {
        QDir(Folder()).removeRecursively();
        QDir().mkpath(Folder());
        messages = std::make_shared<QStringList>();
        window = std::make_unique<MainWindow>();
        window->resize(1000, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup()
    {
        window.reset();
        QSettings().clear();
    }

    void dialogAsksForAPngFromTheDesktop()
    {
        struct Seen
        {
            QString caption, directory, selectedFilter;
            QStringList filters;
        };
        auto seen = std::make_shared<Seen>();
        Snapshot({[seen](QWidget *modal) {
            if (auto *dialog = qobject_cast<QFileDialog *>(modal))
                *seen = {dialog->windowTitle(), dialog->directory().absolutePath(), dialog->selectedNameFilter(),
                         dialog->nameFilters()};
            modal->close();
        }});
        QCOMPARE(seen->caption, QStringLiteral("Save snapshot"));
        QCOMPARE(seen->directory, QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
        QCOMPARE(seen->filters, QStringList{QStringLiteral("PNG file (*.png)")});
        QCOMPARE(seen->selectedFilter, QStringLiteral("PNG file (*.png)"));
        QVERIFY(Files().isEmpty()); // cancelled: nothing written
        QVERIFY(messages->isEmpty());
    }

    void secondNameCarriesDecimated_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("second");
        QTest::newRow("model.png") << QStringLiteral("model.png") << QStringLiteral("model_decimated.png");
        QTest::newRow("two dots") << QStringLiteral("part.a.png") << QStringLiteral("part_decimated.a.png");
        QTest::newRow("no dot") << QStringLiteral("view") << QStringLiteral("view_decimated.");
        QTest::newRow("non-ASCII") << QStringLiteral("Ansicht \u00fc \u89c6\u56fe.png")
                                   << QStringLiteral("Ansicht \u00fc \u89c6\u56fe_decimated.png");
    }

    void secondNameCarriesDecimated()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, second);
        // No model is needed: the views are captured as they are.
        Snapshot({ChooseFile(Path(chosen))});
        QVERIFY2(messages->isEmpty(), qPrintable(messages->join(QLatin1Char('\n'))));
        QStringList expected{chosen, second};
        expected.sort();
        QCOMPARE(Files(), expected);
        for (const QString &name : expected)
            QVERIFY2(ReadPngHeader(Path(name)).valid, qPrintable(name));
    }

    void bothViewsAsRgbaAtTheirPixelSize()
    {
        QVERIFY(testing::LoadIntoWindow(*window, testing::Sphere(), testing::ScratchFile(QStringLiteral("s.stl"))));
        // Views of different widths, so that each image can only fit its own view.
        auto *splitter = window->findChild<QSplitter *>(QStringLiteral("splitter"));
        splitter->setSizes({300, 700});
        QTest::qWait(100);
        QVTKOpenGLNativeWidget *original = View(*window, "vtkOriginalWindow");
        QVTKOpenGLNativeWidget *decimated = View(*window, "vtkDecimatedWindow");
        const QImage originalView = testing::Grab(original);
        const QImage decimatedView = testing::Grab(decimated);
        QVERIFY(originalView.width() != decimatedView.width());

        Snapshot({ChooseFile(Path(QStringLiteral("shot.png")))});
        QVERIFY2(messages->isEmpty(), qPrintable(messages->join(QLatin1Char('\n'))));

        const QList<QPair<QString, QVTKOpenGLNativeWidget *>> images{{QStringLiteral("shot.png"), original},
                                                                     {QStringLiteral("shot_decimated.png"), decimated}};
        for (const auto &image : images) {
            const PngHeader header = ReadPngHeader(Path(image.first));
            QVERIFY2(header.valid, qPrintable(image.first));
            QCOMPARE(header.colourType, 6);
            QCOMPARE(header.bitDepth, 8);
            const int *size = image.second->renderWindow()->GetSize();
            QCOMPARE(header.size, QSize(size[0], size[1]));
            QCOMPARE(header.size, image.second->size() * image.second->devicePixelRatioF());
            QVERIFY(QImage(Path(image.first)).hasAlphaChannel());
        }
        QVERIFY(LooksLike(QImage(Path(QStringLiteral("shot.png"))), originalView));
        QVERIFY(LooksLike(QImage(Path(QStringLiteral("shot_decimated.png"))), decimatedView));
    }

    void existingImagesAreReplaced()
    {
        for (const char *name : {"old.png", "old_decimated.png"})
            QVERIFY(testing::WriteBytes(Path(QString::fromLatin1(name)), "not an image"));
        // The file dialog itself asks about the chosen name.
        Snapshot({ChooseFile(Path(QStringLiteral("old.png"))), Press(QMessageBox::Yes, messages)});
        QCOMPARE(messages->size(), 1);
        for (const char *name : {"old.png", "old_decimated.png"})
            QVERIFY2(ReadPngHeader(Path(QString::fromLatin1(name))).valid, name);
        QCOMPARE(Files().size(), 2);
    }

    void eachImageThatCannotBeWrittenIsReported_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("second");
        QTest::newRow("missing folder") << Path(QStringLiteral("missing/shot.png"))
                                        << Path(QStringLiteral("missing/shot_decimated.png"));
        QTest::newRow("under a regular file") << Path(QStringLiteral("plain/shot.png"))
                                              << Path(QStringLiteral("plain/shot_decimated.png"));
    }

    void eachImageThatCannotBeWrittenIsReported()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, second);
        QVERIFY(testing::WriteBytes(Path(QStringLiteral("plain")), "a regular file"));
        Snapshot({ChooseFile(chosen)});
        // The second image is still attempted after the first failed.
        QCOMPARE(messages->size(), 2);
        QVERIFY2(messages->at(0).contains(QDir::toNativeSeparators(chosen)), qPrintable(messages->at(0)));
        QVERIFY2(messages->at(1).contains(QDir::toNativeSeparators(second)), qPrintable(messages->at(1)));
        QCOMPARE(Files(), QStringList{QStringLiteral("plain")});
    }
};

LUMENO_TEST_MAIN(TestSnapshot)

#include "test_snapshot.moc"
