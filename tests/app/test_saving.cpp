// Save as: the right view's model, with the accepted transform only, in the format of the suffix;
// bad names and failed writes are reported, lose no file and never enter the recent list. Work
// not saved yet: Undo and Redo of transforms and smoothings, the question before New, Open,
// closing or installing an update drops it, and a title that names the file and marks it.
#include "AppSupport.h"

#include "DualView.h"
#include "FileSizeLimit.h"
#include "ReadBack.h"

#include "dialogs/DialogTransform.h"
#include "io/read/ModelReader.h"
#include "update/DialogNotificationUpdateReady.h"

#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QTimer>

#include <vtkActor.h>
#include <vtkLinearTransform.h>
#include <vtkMatrix4x4.h>

#include <cmath>

using testing::ChooseFile;
using testing::Press;

namespace {

// Edits the dialog as the words say: "lock", "<box>=<value>" (sx sy sz rx ry rz), and ends with
// "ok" or "cancel".
void Edit(DialogTransform *dialog, const QString &words)
{
    const QMap<QString, QString> boxes{{"sx", "spinBoxScaleX"}, {"sy", "spinBoxScaleY"}, {"sz", "spinBoxScaleZ"},
                                       {"rx", "spinBoxRotateX"}, {"ry", "spinBoxRotateY"}, {"rz", "spinBoxRotateZ"}};
    const QMap<QString, QString> buttons{{"lock", "btnLock"}, {"ok", "btnOK"}, {"cancel", "btnCancel"}};
    for (const QString &word : words.split(QLatin1Char(' '))) {
        if (buttons.contains(word))
            QTest::mouseClick(dialog->findChild<QPushButton *>(buttons[word]), Qt::LeftButton);
        else
            dialog->findChild<QDoubleSpinBox *>(boxes[word.section(QLatin1Char('='), 0, 0)])
                ->setValue(word.section(QLatin1Char('='), 1).toDouble());
    }
}

} // namespace

class TestSaving : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    std::shared_ptr<QStringList> messages;
    QStringList recentBefore;
    QList<QUrl> openedFiles;

    QString Path(const QString &name) const { return testing::ScratchFile(QStringLiteral("saving/") + name); }

    void Load(vtkPolyData *model)
    {
        QVERIFY(testing::LoadIntoWindow(*window, model, Path("input.stl")));
        recentBefore = testing::RecentFiles();
    }

    void SaveAs(QList<testing::ModalAnswer> answers)
    {
        *messages << testing::Run(*window, "actionSave_as", answers);
    }

    // The model input.stl, and other.stl beside it to open instead.
    void LoadWithAnother()
    {
        Load(testing::Sphere(24, 16));
        QVERIFY(testing::WriteModel(testing::Sphere(10, 8), Path("other.stl")));
    }

    // "level" (the 50 % one, no change to save), "smooth", or "turn" (90 degrees about Z, accepted).
    void Change(const QString &kind)
    {
        if (kind == QLatin1String("level"))
            return testing::LevelAction(*window, 50)->trigger();
        if (kind == QLatin1String("smooth")) {
            testing::Action(*window, QStringLiteral("actionSmooth"))->trigger();
            QVERIFY(testing::WaitForMeshJob(*window));
            return;
        }
        DialogTransform *dialog = testing::OpenTransformDialog(*window);
        QVERIFY(dialog);
        Edit(dialog, QStringLiteral("rz=90 ok"));
    }

    // Both views preview the turn.
    bool Turned() const
    {
        for (vtkActor *actor : {window->View().OriginalActor(), window->View().DecimatedActor()})
            if (!actor->GetUserTransform() || std::abs(actor->GetUserTransform()->GetMatrix()->GetElement(0, 0)) > 0.5)
                return false;
        return true;
    }

    void VerifyWritten(const QString &path, vtkPolyData *expected)
    {
        QString why;
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QVERIFY2(testing::SameTriangles(expected, testing::ReadBack(path), &why), qPrintable(why));
        QCOMPARE(testing::RecentFiles().value(0), path);
    }

public:
    Q_INVOKABLE void OpenFile(const QUrl &url) { openedFiles << url; }

private slots:
    void init()
    {
        QDir(Path(QString())).removeRecursively();
        QDir().mkpath(Path(QString()));
        messages = std::make_shared<QStringList>();
        window = std::make_unique<MainWindow>();
        QVERIFY(testing::Show(*window));
    }

    void cleanup()
    {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QSettings().clear();
    }

    // A large model is written on a thread of its own: the window goes on, and closing it waits
    // until the file is complete. The format is the last suffix, in any case.
    void closingWaitsForTheFile()
    {
        Load(testing::Sphere(300, 200));
        const QString path = Path("large.v2.STL");
        bool closed = true;
        const testing::ModalAnswer chooseThenClose = [&](QWidget *dialog) {
            QTimer::singleShot(0, window.get(), [&] { closed = window->close(); });
            ChooseFile(path)(dialog);
        };
        SaveAs({chooseThenClose});
        QVERIFY(!closed);
        VerifyWritten(path, window->Document().LoadedModel());
        QVERIFY(testing::WaitUntil([&] { return !window->isVisible(); }));
    }

    // A refused write (all refusals of the writer: test_modelwriter) comes as a message naming the
    // file; a snapshot tries its second image after the first failed.
    void fullDiskKeepsTheExistingFiles()
    {
        Load(testing::Sphere(40, 30));
        const QStringList kept{Path("kept.stl"), Path("shot.png"), Path("shot_decimated.png")};
        for (const QString &path : kept)
            QVERIFY(testing::WriteBytes(path, "yesterday's"));
        {
            FileSizeLimit limit(512); // far less than any model or image
            QVERIFY(limit.IsActive());
            SaveAs({ChooseFile(kept[0]), Press(QMessageBox::Yes, messages)}); // replace? yes
            const QList<testing::ModalAnswer> answers{ChooseFile(kept[1]), Press(QMessageBox::Yes, messages)};
            *messages << testing::Run(*window, "actionSnapshot", answers);
        }
        QCOMPARE(messages->size(), 5);
        for (int i : {1, 3, 4})
            QVERIFY2(messages->at(i).contains(kept[i / 2]) && messages->at(i).contains("Writing the file failed."),
                     qPrintable(messages->at(i)));
        for (const QString &path : kept)
            QCOMPARE(testing::Contents(path), QByteArray("yesterday's"));
        QCOMPARE(testing::RecentFiles(), recentBefore);
        QCOMPARE(QDir(Path(QString())).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }

    // A box edited in one or two dialogs, then saved. At any scale the axes the user did not size
    // keep the factor 1 exactly. (The order of scaling and turns: test_modelwriter.)
    void onlyAnAcceptedTransformReachesTheFile_data()
    {
        QTest::addColumn<QVector<double>>("box");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<QVector<double>>("size");
        QTest::addColumn<QVector<int>>("untouched");
        QTest::addColumn<QString>("refusal");
        const QVector<double> box{100, 40, 20}, tiny{0.004, 0.003, 0.002};
        QTest::newRow("size after the turn") << box << QStringList{"rz=90 sx=50 ok"} << QVector<double>{40, 50, 20}
                                             << QVector<int>{1, 2} << "";
        QTest::newRow("cancel after an earlier ok") << box << QStringList{"sx=200 ok", "sy=10 cancel"} << box
                                                    << QVector<int>{0, 1, 2} << "";
        QTest::newRow("flat, locked") << QVector<double>{10, 5, 0} << QStringList{"rx=10 sz=7 rx=0 lock sx=20 sz=3 ok"}
                                      << QVector<double>{20, 10, 0} << QVector<int>{} << "";
        QTest::newRow("tiny, locked") << tiny << QStringList{"lock sx=0.008 ok"} << QVector<double>{0.008, 0.006, 0.004}
                                      << QVector<int>{} << "";
        QTest::newRow("more digits than shown") << QVector<double>{0.98765432, 12.3456789, 3}
                                                << QStringList{"sz=6 rx=1 rx=0 ok", "ok"}
                                                << QVector<double>{0.98765432, 12.3456789, 6} << QVector<int>{0, 1}
                                                << "";
        QTest::newRow("zero size refused") << box << QStringList{"sy=0 rz=90 ok"} << box << QVector<int>{0, 1, 2}
                                           << "greater than 0";
        // Turned by 45 degrees, its corners would leave single precision (a quarter turn: test_mesh_operations).
        const QVector<double> nearTheLimit{6e38, 6e38, 2};
        QTest::newRow("turn refused near the float limit") << nearTheLimit << QStringList{"rz=45 ok"} << nearTheLimit
                                                           << QVector<int>{0, 1, 2} << "This rotation cannot be applied";
    }

    void onlyAnAcceptedTransformReachesTheFile()
    {
        QFETCH(QVector<double>, box);
        QFETCH(QStringList, dialogs);
        QFETCH(QVector<double>, size);
        QFETCH(QVector<int>, untouched);
        QFETCH(QString, refusal);
        Load(testing::Box(box[0], box[1], box[2]));
        double loaded[6], bounds[6];
        window->Document().LoadedModel()->GetBounds(loaded);
        for (const QString &words : dialogs) {
            DialogTransform *dialog = testing::OpenTransformDialog(*window);
            QVERIFY(dialog);
            testing::ModalAnswers answers({Press(QMessageBox::Ok, messages)});
            Edit(dialog, words);
        }
        for (int axis : untouched)
            QCOMPARE(window->Document().Transform().scale[axis], 1.0);
        const QString path = Path("transformed.stl");
        SaveAs({ChooseFile(path)});
        QCOMPARE(messages->size(), refusal.isEmpty() ? 0 : 1);
        QVERIFY(messages->join(QString()).contains(refusal));
        testing::ReadBack(path)->GetBounds(bounds);
        const double tolerance = 1e-6 * *std::max_element(size.begin(), size.end()); // single-precision file
        for (int axis = 0; axis < 3; ++axis) {
            const double written = bounds[2 * axis + 1] - bounds[2 * axis];
            QVERIFY2(std::abs(written - size[axis]) < tolerance,
                     qPrintable(QStringLiteral("%1: %2").arg(axis).arg(written, 0, 'g', 9)));
        }
        window->Document().LoadedModel()->GetBounds(bounds);
        QVERIFY(std::equal(loaded, loaded + 6, bounds)); // the model in memory is never changed
    }

    // A model of two parts is saved as two, or as one when File ▸ Save parts as one model is on.
    void partsAreSavedApartUnlessAskedToBeOne()
    {
        const QString path = Path("two.gltf");
        QVERIFY(testing::WriteBytes(
            path, R"({"asset":{"version":"2.0"},"scenes":[{"nodes":[0,1]}],"nodes":[{"mesh":0},)"
                  R"({"mesh":0,"translation":[0,0,1]}],"meshes":[{"primitives":[{"attributes":{"POSITION":0}}]}],)"
                  R"("accessors":[{"bufferView":0,"componentType":5126,"count":3,"type":"VEC3"}],)"
                  R"("bufferViews":[{"buffer":0,"byteLength":36}],"buffers":[{"byteLength":36,"uri":)"
                  R"("data:application/octet-stream;base64,AAAAAAAAAAAAAAAAAACAPwAAAAAAAAAAAAAAAAAAgD8AAAAA"}]})"));
        window->LoadModel(path);
        QVERIFY(testing::WaitForCascade(*window));
        const auto partsIn = [](const QString &file) {
            const lumeno::ReadResult read = lumeno::ReadModel(file, QStringLiteral("glb"));
            return read.look ? read.look->parts.size() : size_t(1);
        };
        SaveAs({ChooseFile(Path("apart.glb"))});
        testing::Action(*window, QStringLiteral("actionSave_parts_as_one"))->trigger();
        SaveAs({ChooseFile(Path("one.glb"))});
        QCOMPARE(*messages, QStringList());
        QTRY_VERIFY(!window->Document().IsSaving());
        QVERIFY(QFileInfo::exists(Path("one.glb")));
        QCOMPARE(partsIn(Path("apart.glb")), size_t(2));
        QCOMPARE(partsIn(Path("one.glb")), size_t(1));
    }

    // File > Save levels as one file: once the levels are made, a GLB, completed to .glb; the shown
    // model's changes stay unsaved; a failure is told.
    void levelsAsOneFile()
    {
        Load(testing::Sphere(24, 16));
        QVERIFY(testing::Action(*window, QStringLiteral("actionSave_levels_as_one_file"))->isEnabled());
        Change(QStringLiteral("smooth"));
        QCOMPARE(testing::Run(*window, "actionSave_levels_as_one_file", {ChooseFile(Path("levels"))}), QStringList());
        const QString written = Path("levels.glb"); // what it holds: test_document
        QVERIFY(QFileInfo(written).size() > 0);
        QCOMPARE(testing::RecentFiles().value(0), written);
        QVERIFY(window->isWindowModified()); // the smoothing is not in the file

        const QStringList told = testing::Run(*window, "actionSave_levels_as_one_file",
                                              {ChooseFile(Path("no/such/folder/levels.glb"))});
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains(QLatin1String("no/such/folder/levels.glb")), qPrintable(told[0]));
    }

    // The name proposed: the model's with the level shown, in the folder last chosen. A name typed
    // without a suffix takes the chosen filter's, and is asked about when that file exists.
    void proposedAndCompletedNames()
    {
        Load(testing::Sphere(20, 16));
        QVERIFY(QDir().mkpath(Path("chosen")));
        QStringList offered;
        const testing::ModalAnswer note = [&offered](QWidget *modal) {
            offered << qobject_cast<QFileDialog *>(modal)->selectedFiles().value(0);
            modal->close();
        };
        testing::LevelAction(*window, 50)->trigger();
        SaveAs({note});
        SaveAs({ChooseFile(Path("chosen/x.stl"))});
        testing::LevelAction(*window, 100)->trigger();
        SaveAs({note});
        QCOMPARE(QFileInfo(offered.value(0)).fileName(), QStringLiteral("input_50.stl"));
        QCOMPARE(offered.value(1), Path("chosen/input.stl"));
        // A snapshot name without a suffix gets ".png".
        *messages << testing::Run(*window, "actionSnapshot", {ChooseFile(Path("view"))});
        QCOMPARE(*messages, QStringList());
        QCOMPARE(QDir(Path(QString())).entryList({QStringLiteral("view*")}, QDir::Files),
                 (QStringList{QStringLiteral("view.png"), QStringLiteral("view_decimated.png")}));

        const QString existing = Path("model.obj");
        QVERIFY(testing::WriteBytes(existing, "keep me"));
        const QStringList recent = testing::RecentFiles();
        SaveAs({ChooseFile(Path("model"), QStringLiteral("*.obj")), Press(QMessageBox::No, messages)});
        QCOMPARE(messages->size(), 1);
        QVERIFY(messages->first().contains(existing));
        QCOMPARE(testing::Contents(existing), QByteArray("keep me"));
        QCOMPARE(testing::RecentFiles(), recent);
        testing::LevelAction(*window, 50)->trigger();
        SaveAs({ChooseFile(Path("model"), QStringLiteral("*.obj")), Press(QMessageBox::Yes, messages)});
        VerifyWritten(existing, window->Document().Shown().model);
    }

    // Answers: a button of the question (Cancel also closes the file dialog), or a name for the file dialog.
    void questionBeforeUnsavedWorkIsDropped_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("kept");
        QTest::newRow("level, New: no question") << "level" << "actionNew" << QStringList{} << false;
        QTest::newRow("turn, New: Discard") << "turn" << "actionNew" << QStringList{"Discard"} << false;
        QTest::newRow("smoothing, Open: Save") << "smooth" << "actionOpen"
                                               << QStringList{"Save", "saved.stl", "other.stl"} << false;
        QTest::newRow("turn, Open: Save, no name") << "turn" << "actionOpen" << QStringList{"Save", "Cancel"} << true;
        QTest::newRow("turn, close: Cancel") << "turn" << "close" << QStringList{"Cancel"} << true;
        QTest::newRow("smoothing, close: Save") << "smooth" << "close" << QStringList{"Save", "saved.stl"} << false;
        QTest::newRow("turn, update: Cancel") << "turn" << "install" << QStringList{"Cancel"} << true;
    }

    void questionBeforeUnsavedWorkIsDropped()
    {
        LoadWithAnother();
        QFETCH(QString, change);
        QFETCH(QString, step);
        QFETCH(QStringList, answers);
        QFETCH(bool, kept);
        Change(change);
        vtkPolyData *loaded = window->Document().LoadedModel();
        const QMetaEnum buttons = QMetaEnum::fromType<QMessageBox::StandardButtons>();
        QList<testing::ModalAnswer> given;
        for (const QString &answer : answers) {
            const int button = buttons.keyToValue(qPrintable(answer));
            given << (button < 0 ? testing::ChooseFile(Path(answer))
                                 : testing::Press(QMessageBox::StandardButton(button), messages));
        }
        if (step == QLatin1String("close")) {
            testing::ModalAnswers answering(given);
            window->close();
            QVERIFY(testing::WaitUntil([&] { return !window->Document().IsSaving(); }));
            QVERIFY(answering.AllGiven() && answering.Closed().isEmpty());
        } else if (step == QLatin1String("install")) {
            // The update notice's button, then Yes to closing for the installer.
            QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "OpenFile");
            auto *notice = new DialogNotificationUpdateReady(Path("setup.bin"), window.get());
            testing::ModalAnswers answering(QList{Press(QMessageBox::Yes, std::make_shared<QStringList>())} + given);
            notice->findChild<QPushButton *>()->click();
            QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
            QVERIFY(answering.AllGiven() && answering.Closed().isEmpty());
            QCOMPARE(openedFiles, QList<QUrl>()); // no installer started
        } else {
            QCOMPARE(testing::Run(*window, qPrintable(step), given), QStringList());
        }
        QCOMPARE(messages->size(), answers.isEmpty() ? 0 : 1); // one question, naming the file
        QVERIFY(messages->join(QString()).contains(answers.isEmpty() ? QString() : QStringLiteral("input.stl")));
        QCOMPARE(window->Document().LoadedModel() == loaded && window->isVisible(), kept);
        QCOMPARE(window->isWindowModified(), kept);
        const bool written = QFileInfo(Path("saved.stl")).size() > 0;
        QCOMPARE(written, answers.contains(QStringLiteral("saved.stl")));
    }

    void undoAndRedoRestoreWhatWasShown()
    {
        LoadWithAnother();
        vtkPolyData *loaded = window->Document().Shown().model;
        QVERIFY(window->windowTitle().startsWith(QLatin1String("input.stl")) && !window->isWindowModified());
        Change(QStringLiteral("turn"));
        Change(QStringLiteral("smooth"));
        vtkPolyData *smoothed = window->Document().Shown().model;
        QVERIFY(smoothed != loaded && Turned() && window->isWindowModified());
        DialogTransform *dialog = testing::OpenTransformDialog(*window); // stays open and follows
        auto *zTurnBox = dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spinBoxRotateZ"));

        window->activateWindow(); // the shortcuts belong to the window, not to the dialog
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window->Document().Shown().model, loaded);
        testing::Action(*window, QStringLiteral("actionUndo"))->trigger();
        QVERIFY(!Turned() && !window->Document().Transform().applied && zTurnBox->value() == 0.0);
        QVERIFY(!testing::Action(*window, QStringLiteral("actionUndo"))->isEnabled() && !window->isWindowModified());

        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Turned() && window->Document().Transform().applied && zTurnBox->value() == 90.0);
        testing::Action(*window, QStringLiteral("actionRedo"))->trigger();
        QCOMPARE(window->Document().Shown().model, smoothed);

        QCOMPARE(testing::Run(*window, "actionSave_as", {testing::ChooseFile(Path("saved.stl"))}), QStringList());
        QVERIFY(!window->isWindowModified());
        testing::Action(*window, QStringLiteral("actionNew"))->trigger(); // saved: no question
        QVERIFY(!window->windowTitle().contains(QLatin1String("input.stl")));
        for (const char *name : {"actionUndo", "actionSave_as", "actionSave_levels_as_one_file", "actionSnapshot",
                                 "actionTransform", "actionSmooth"})
            QVERIFY2(!testing::Action(*window, QString::fromLatin1(name))->isEnabled(), name); // they need a model
    }

    void openTransformDialogsCloseWithTheWindow()
    {
        Load(testing::Box(1, 2, 3));
        QPointer<DialogTransform> dialog = testing::OpenTransformDialog(*window);
        QVERIFY(dialog);
        window.reset();
        QVERIFY(testing::WaitUntil([&] { return dialog.isNull(); }, 5000));
    }
};

LUMENO_TEST_MAIN(TestSaving)
#include "test_saving.moc"
