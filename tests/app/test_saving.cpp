// Save as: the model the right view shows goes to the chosen file in the format of its
// suffix, with the accepted transform; bad names and failed writes are reported, lose no
// file and never enter the recent list.
#include "DialogAnswers.h"
#include "FileSizeLimit.h"
#include "LoadedModel.h"
#include "ReadBack.h"
#include "TestSupport.h"

#include "MainWindow.h"
#include "dialogs/DialogTransform.h"

#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include <vtkPolyData.h>

#include <cmath>
#include <memory>

using testing::ChooseFile;
using testing::Press;

namespace {

QStringList RecentFiles()
{
    return QSettings().value(QStringLiteral("RecentFileList")).toStringList();
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSaving : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    vtkSmartPointer<vtkPolyData> sphere = testing::Sphere(40, 30);
    std::shared_ptr<QStringList> messages;

    QString Folder() const { return QFileInfo(testing::ScratchFile(QStringLiteral("x"))).path(); }
    QString Path(const QString &name) const { return Folder() + QLatin1Char('/') + name; }

    void Load(vtkPolyData *model = nullptr)
    {
        QVERIFY(testing::LoadIntoWindow(*window, model ? model : sphere.Get(), Path(QStringLiteral("input.stl"))));
        RecentFilesBefore = RecentFiles();
    }

    // Runs Save as with these answers to its dialogs, which must all be asked for; any
    // other message box counts as a message too.
    void SaveAs(QList<testing::ModalAnswer> answers)
    {
        testing::ModalAnswers answering(answers);
        testing::Action(*window, QStringLiteral("actionSave_as"))->trigger();
        *messages << answering.Closed();
        QVERIFY2(answering.AllGiven(), "a dialog did not come");
    }

    QStringList RecentFilesBefore;

    // Accepts a transform through the dialog, as the user does.
    void AcceptTransform(double sizeX, double angleZ)
    {
        testing::Action(*window, QStringLiteral("actionTransform"))->trigger();
        DialogTransform *dialog = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *candidate = qobject_cast<DialogTransform *>(widget))
                if (candidate->isVisible())
                    dialog = candidate;
        QVERIFY(dialog);
        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spinBoxScaleX"))->setValue(sizeX);
        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spinBoxRotateZ"))->setValue(angleZ);
        dialog->findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
        QVERIFY(window->transformApplied);
    }

    void VerifyWritten(const QString &path, vtkPolyData *expected,
                       const std::function<void(double *)> &transform = nullptr)
    {
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QString why;
        QVERIFY2(testing::SameTriangles(expected, testing::ReadBack(path), &why, transform), qPrintable(why));
    }

private slots:
    void init()
    {
        QDir(Folder()).removeRecursively();
        QDir().mkpath(Folder());
        messages = std::make_shared<QStringList>();
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup()
    {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QSettings().clear();
    }

    void withoutAModelOnlyAMessage()
    {
        SaveAs({Press(QMessageBox::Ok, messages)});
        QCOMPARE(*messages, QStringList{QStringLiteral("No model is loaded into Lumeno")});
        QVERIFY(RecentFiles().isEmpty());

        Load();
        testing::Action(*window, QStringLiteral("actionNew"))->trigger();
        messages->clear();
        SaveAs({Press(QMessageBox::Ok, messages)});
        QCOMPARE(*messages, QStringList{QStringLiteral("No model is loaded into Lumeno")});
        QCOMPARE(RecentFiles(), RecentFilesBefore);
    }

    void dialogOffersTheThreeFormatsFromTheDesktop()
    {
        Load();
        struct Seen
        {
            QString caption, directory, selectedFilter;
            QStringList filters;
        };
        auto seen = std::make_shared<Seen>();
        SaveAs({[seen](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            if (dialog)
                *seen = {dialog->windowTitle(), dialog->directory().absolutePath(), dialog->selectedNameFilter(),
                         dialog->nameFilters()};
            modal->close();
        }});
        QCOMPARE(seen->caption, QStringLiteral("Save model"));
        QCOMPARE(seen->directory, QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
        QCOMPARE(seen->filters.size(), 3);
        QVERIFY(seen->filters[0].contains(QStringLiteral("STL file (*.stl)")));
        QVERIFY(seen->filters[1].contains(QStringLiteral("PLY file (*.ply)")));
        QVERIFY(seen->filters[2].contains(QStringLiteral("OBJ file (*.obj)")));
        QVERIFY(seen->selectedFilter.contains(QStringLiteral("*.stl")));
        // Cancelled: nothing written, the recent list as it was.
        QCOMPARE(RecentFiles(), RecentFilesBefore);
        QCOMPARE(QDir(Folder()).entryList(QDir::Files), QStringList{QStringLiteral("input.stl")});
    }

    void eachFormatWritesTheShownModel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("stl") << QStringLiteral("out.stl");
        QTest::newRow("ply") << QStringLiteral("out.ply");
        QTest::newRow("obj") << QStringLiteral("out.obj");
        QTest::newRow("upper-case STL") << QStringLiteral("OUT.STL");
        QTest::newRow("two dots") << QStringLiteral("part.b.ply");
        QTest::newRow("three dots") << QStringLiteral("scan.2024.12.obj");
    }

    void eachFormatWritesTheShownModel()
    {
        QFETCH(QString, name);
        Load();
        const QString path = Path(name);
        SaveAs({ChooseFile(path)});
        QVERIFY2(messages->isEmpty(), qPrintable(messages->join(QLatin1Char('\n'))));
        // Before any level is chosen, the right view shows the loaded model.
        QVERIFY(window->ShownModel());
        VerifyWritten(path, window->LoadedModel());
        QCOMPARE(RecentFiles().value(0), path);
        const QByteArray bytes = Contents(path);
        if (name.endsWith(QLatin1String("stl"), Qt::CaseInsensitive))
            QCOMPARE(bytes.size(), 84 + 50 * int(window->LoadedModel()->GetNumberOfPolys()));
        if (name.endsWith(QLatin1String("ply")))
            QVERIFY(bytes.startsWith("ply\nformat binary_"));
        if (name.endsWith(QLatin1String("obj")))
            QVERIFY(bytes.startsWith("# wavefront obj file lumeno3D\n\nmtllib NONE\n"));
    }

    void aNameWithoutSuffixTakesTheChosenFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("stl") << QStringLiteral("*.stl") << QStringLiteral("stl");
        QTest::newRow("ply") << QStringLiteral("*.ply") << QStringLiteral("ply");
        QTest::newRow("obj") << QStringLiteral("*.obj") << QStringLiteral("obj");
    }

    void aNameWithoutSuffixTakesTheChosenFilter()
    {
        QFETCH(QString, filter);
        QFETCH(QString, suffix);
        Load();
        SaveAs({ChooseFile(Path(QStringLiteral("model")), filter)});
        QVERIFY2(messages->isEmpty(), qPrintable(messages->join(QLatin1Char('\n'))));
        const QString written = Path(QStringLiteral("model.") + suffix);
        VerifyWritten(written, window->LoadedModel());
        QVERIFY(!QFileInfo::exists(Path(QStringLiteral("model"))));
        QCOMPARE(RecentFiles().value(0), written);
    }

    void completingANameAsksBeforeReplacing()
    {
        Load();
        const QString existing = Path(QStringLiteral("model.obj"));
        QVERIFY(testing::WriteBytes(existing, "keep me"));
        SaveAs({ChooseFile(Path(QStringLiteral("model")), QStringLiteral("*.obj")), Press(QMessageBox::No, messages)});
        QCOMPARE(messages->size(), 1);
        QVERIFY(messages->first().contains(QDir::toNativeSeparators(existing)));
        QCOMPARE(Contents(existing), QByteArray("keep me"));
        QCOMPARE(RecentFiles(), RecentFilesBefore);

        SaveAs({ChooseFile(Path(QStringLiteral("model")), QStringLiteral("*.obj")), Press(QMessageBox::Yes, messages)});
        VerifyWritten(existing, window->LoadedModel());
        QCOMPARE(RecentFiles().value(0), existing);
    }

    void unsupportedSuffixIsReportedAndWritesNothing()
    {
        Load();
        const QString path = Path(QStringLiteral("model.vtk"));
        SaveAs({ChooseFile(path)});
        QCOMPARE(messages->size(), 1);
        QVERIFY2(messages->first().contains(QDir::toNativeSeparators(path)), qPrintable(messages->first()));
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(QDir(Folder()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("input.stl")});
        QCOMPARE(RecentFiles(), RecentFilesBefore);
    }

    void unwritableTargetIsReportedAndKeepsTheExistingFile_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("stl") << QStringLiteral("stl");
        QTest::newRow("ply") << QStringLiteral("ply");
        QTest::newRow("obj") << QStringLiteral("obj");
    }

    void unwritableTargetIsReportedAndKeepsTheExistingFile()
    {
        QFETCH(QString, suffix);
        Load();

        // The disk fills up while the new file is written: the old one must survive.
        const QString existing = Path(QStringLiteral("kept.") + suffix);
        QVERIFY(testing::WriteBytes(existing, "the model saved yesterday"));
        {
            FileSizeLimit limit(8192);
            QVERIFY(limit.IsActive());
            SaveAs({ChooseFile(existing), Press(QMessageBox::Yes, messages)});
        }
        QCOMPARE(messages->size(), 2); // replace? yes; then the failure
        QVERIFY2(messages->last().contains(QDir::toNativeSeparators(existing)), qPrintable(messages->last()));
        QCOMPARE(Contents(existing), QByteArray("the model saved yesterday"));
        QCOMPARE(RecentFiles(), RecentFilesBefore);

        // A write-protected file is not replaced, not even by the superuser.
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(existing, readOnly));
        messages->clear();
        SaveAs({ChooseFile(existing), Press(QMessageBox::Yes, messages)});
        QCOMPARE(messages->size(), 2);
        QVERIFY2(messages->last().contains(QDir::toNativeSeparators(existing)) &&
                     messages->last().contains(QStringLiteral("write-protected")),
                 qPrintable(messages->last()));
        QCOMPARE(Contents(existing), QByteArray("the model saved yesterday"));
        QCOMPARE(QFileInfo(existing).permissions() & 0x7077, readOnly); // the owner, group and others
        QCOMPARE(RecentFiles(), RecentFilesBefore);

        // A folder that does not exist, or a path under a regular file, cannot be chosen in
        // the dialog, which refuses them; the writer's own tests cover both.
        QCOMPARE(QDir(Folder()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporary file is left
    }

    void acceptedTransformReachesTheFileOnly()
    {
        // Sizes with two decimals, so the factors come out exact.
        Load(testing::Box(100, 40, 20));
        double boundsBefore[6];
        window->LoadedModel()->GetBounds(boundsBefore);

        AcceptTransform(200, 0);
        const QString doubled = Path(QStringLiteral("doubled.stl"));
        SaveAs({ChooseFile(doubled)});
        VerifyWritten(doubled, window->LoadedModel(), [](double *p) { p[0] *= 2; });

        // The models in memory keep their coordinates.
        double boundsAfter[6];
        for (vtkPolyData *model : {window->LoadedModel(), window->ShownModel()}) {
            model->GetBounds(boundsAfter);
            for (int i = 0; i < 6; ++i)
                QCOMPARE(boundsAfter[i], boundsBefore[i]);
        }

        // Stretched along X, then turned a quarter about Z: the long side lies along Y.
        AcceptTransform(200, 90);
        const QString turned = Path(QStringLiteral("turned.ply"));
        SaveAs({ChooseFile(turned)});
        VerifyWritten(turned, window->LoadedModel(), [](double *p) {
            const double x = 2 * p[0];
            p[0] = -p[1];
            p[1] = x;
        });
        testing::ReadBack(turned)->GetBounds(boundsAfter);
        QVERIFY(std::abs(boundsAfter[3] - boundsAfter[2] - 200) < 1e-4);
        QVERIFY(std::abs(boundsAfter[1] - boundsAfter[0] - 40) < 1e-4);
        QVERIFY(messages->isEmpty());
    }

    void cancelledTransformWritesTheOriginalCoordinates()
    {
        Load();
        AcceptTransform(123, 45);
        testing::Action(*window, QStringLiteral("actionTransform"))->trigger();
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<DialogTransform *>(widget))
                if (dialog->isVisible())
                    dialog->findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
        QVERIFY(!window->transformApplied);
        const QString path = Path(QStringLiteral("plain.obj"));
        SaveAs({ChooseFile(path)});
        VerifyWritten(path, window->LoadedModel());
    }

    void writesWhatTheRightViewShows()
    {
        Load();
        // A level.
        testing::LevelAction(*window, 50)->trigger();
        vtkPolyData *level = window->ShownModel();
        QCOMPARE(level, window->LevelModel(4));
        const QString levelFile = Path(QStringLiteral("level.stl"));
        SaveAs({ChooseFile(levelFile)});
        VerifyWritten(levelFile, level);

        // Its smoothing.
        testing::Action(*window, QStringLiteral("actionSmooth"))->trigger();
        QVERIFY(testing::WaitForMeshJob(*window));
        vtkSmartPointer<vtkPolyData> smoothed = window->ShownModel();
        QVERIFY(smoothed && smoothed.Get() != level);
        const QString smoothFile = Path(QStringLiteral("smooth.stl"));
        SaveAs({ChooseFile(smoothFile)});
        VerifyWritten(smoothFile, smoothed);

        // Another level after the smoothing: the smoothing is no longer shown.
        testing::LevelAction(*window, 20)->trigger();
        const QString laterFile = Path(QStringLiteral("later.obj"));
        SaveAs({ChooseFile(laterFile)});
        VerifyWritten(laterFile, window->LevelModel(1));

        // Another model opened after the smoothing.
        auto box = testing::Box(3, 2, 1);
        QVERIFY(testing::LoadIntoWindow(*window, box, Path(QStringLiteral("box.stl"))));
        const QString boxFile = Path(QStringLiteral("box-out.ply"));
        SaveAs({ChooseFile(boxFile)});
        VerifyWritten(boxFile, window->LoadedModel());
        QVERIFY(messages->isEmpty());
    }

    void whileTheLevelsAreComputedTheLoadedModelIsWritten()
    {
        auto large = testing::Sphere(400, 300);
        const QString input = Path(QStringLiteral("large.stl"));
        QVERIFY(testing::WriteModel(large, input));
        window->LoadModel(input, QStringLiteral("stl"));
        if (!window->IsCascadeRunning())
            QSKIP("The cascade ended before the save could start");
        const QString path = Path(QStringLiteral("early.stl"));
        SaveAs({ChooseFile(path)});
        QVERIFY(messages->isEmpty());
        VerifyWritten(path, window->LoadedModel());
        QCOMPARE(RecentFiles().value(0), path);
        QVERIFY(testing::WaitForCascade(*window));
    }
};

LUMENO_TEST_MAIN(TestSaving)

#include "test_saving.moc"
