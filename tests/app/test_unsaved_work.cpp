// Work the user has not saved: Undo and Redo of transforms and smoothings, the question before
// New, Open or closing drops such work, and a title that names the file and marks it.
#include "AppSupport.h"

#include "dialogs/DialogTransform.h"

#include <QDoubleSpinBox>

#include <vtkActor.h>
#include <vtkLinearTransform.h>
#include <vtkMatrix4x4.h>

class TestUnsavedWork : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    std::shared_ptr<QStringList> messages;

    QString Path(const QString &name) const { return testing::ScratchFile(QStringLiteral("unsaved/") + name); }
    QAction *Action(const char *name) { return testing::Action(*window, QLatin1String(name)); }

    // "level" (the 50 % one, no change to save), "smooth", or "turn" (90 degrees about Z, accepted).
    void Change(const QString &kind)
    {
        if (kind == QLatin1String("level"))
            return testing::LevelAction(*window, 50)->trigger();
        if (kind == QLatin1String("smooth")) {
            Action("actionSmooth")->trigger();
            QVERIFY(testing::WaitForMeshJob(*window));
            return;
        }
        DialogTransform *dialog = testing::OpenTransformDialog(*window);
        QVERIFY(dialog);
        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spinBoxRotateZ"))->setValue(90);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnOK")), Qt::LeftButton);
    }

    // Both views preview the turn.
    bool Turned() const
    {
        for (vtkActor *actor : {window->ActorOriginal(), window->ActorDecimated()})
            if (!actor->GetUserTransform() || std::abs(actor->GetUserTransform()->GetMatrix()->GetElement(0, 0)) > 0.5)
                return false;
        return true;
    }

private slots:
    void init()
    {
        messages = std::make_shared<QStringList>();
        QDir().mkpath(Path(QString()));
        window = std::make_unique<MainWindow>();
        QVERIFY(testing::Show(*window));
        QVERIFY(testing::LoadIntoWindow(*window, testing::Sphere(24, 16), Path(QStringLiteral("input.stl"))));
        QVERIFY(testing::WriteModel(testing::Sphere(10, 8), Path(QStringLiteral("other.stl"))));
        QFile::remove(Path(QStringLiteral("saved.stl")));
    }

    void cleanup()
    {
        window.reset();
        QSettings().clear();
    }

    // Answers: a button of the question (Cancel also closes the file dialog), or a name for the file dialog.
    void questionBeforeUnsavedWorkIsDropped_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("kept");
        QTest::newRow("level, New: no question") << "level" << "actionNew" << QStringList{} << false;
        QTest::newRow("smoothing, New: Cancel") << "smooth" << "actionNew" << QStringList{"Cancel"} << true;
        QTest::newRow("turn, New: Discard") << "turn" << "actionNew" << QStringList{"Discard"} << false;
        QTest::newRow("smoothing, Open: Save") << "smooth" << "actionOpen"
                                               << QStringList{"Save", "saved.stl", "other.stl"} << false;
        QTest::newRow("turn, Open: Save, no name") << "turn" << "actionOpen" << QStringList{"Save", "Cancel"} << true;
        QTest::newRow("turn, close: Cancel") << "turn" << "close" << QStringList{"Cancel"} << true;
        QTest::newRow("smoothing, close: Save") << "smooth" << "close" << QStringList{"Save", "saved.stl"} << false;
    }

    void questionBeforeUnsavedWorkIsDropped()
    {
        QFETCH(QString, change);
        QFETCH(QString, step);
        QFETCH(QStringList, answers);
        QFETCH(bool, kept);
        Change(change);
        vtkPolyData *loaded = window->LoadedModel();
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
            QVERIFY(answering.AllGiven() && answering.Closed().isEmpty());
        } else {
            QCOMPARE(testing::Run(*window, qPrintable(step), given), QStringList());
        }
        QCOMPARE(messages->size(), answers.isEmpty() ? 0 : 1); // one question, naming the file
        QVERIFY(messages->join(QString()).contains(answers.isEmpty() ? QString() : QStringLiteral("input.stl")));
        QCOMPARE(window->LoadedModel() == loaded && window->isVisible(), kept);
        QCOMPARE(window->isWindowModified(), kept);
        const bool written = QFileInfo(Path(QStringLiteral("saved.stl"))).size() > 0;
        QCOMPARE(written, answers.contains(QStringLiteral("saved.stl")));
    }

    void undoAndRedoRestoreWhatWasShown()
    {
        vtkPolyData *loaded = window->ShownModel();
        QVERIFY(window->windowTitle().startsWith(QLatin1String("input.stl")) && !window->isWindowModified());
        Change(QStringLiteral("turn"));
        Change(QStringLiteral("smooth"));
        vtkPolyData *smoothed = window->ShownModel();
        QVERIFY(smoothed != loaded && Turned() && window->isWindowModified());
        DialogTransform *dialog = testing::OpenTransformDialog(*window); // stays open and follows
        auto *zTurnBox = dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spinBoxRotateZ"));

        window->activateWindow(); // the shortcuts belong to the window, not to the dialog
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window->ShownModel(), loaded);
        Action("actionUndo")->trigger();
        QVERIFY(!Turned() && !window->ModelTransformState().applied && zTurnBox->value() == 0.0);
        QVERIFY(!Action("actionUndo")->isEnabled() && !window->isWindowModified());

        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Turned() && window->ModelTransformState().applied && zTurnBox->value() == 90.0);
        Action("actionRedo")->trigger();
        QCOMPARE(window->ShownModel(), smoothed);

        QCOMPARE(testing::Run(*window, "actionSave_as", {testing::ChooseFile(Path(QStringLiteral("saved.stl")))}),
                 QStringList());
        QVERIFY(!window->isWindowModified());
        const QString path = QDir::toNativeSeparators(Path(QStringLiteral("saved.stl")));
        const QList<QLabel *> labels = window->findChildren<QLabel *>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [&](QLabel *label) { return label->text().contains(path); }));
        Action("actionNew")->trigger(); // saved: no question
        QVERIFY(!Action("actionUndo")->isEnabled() && !window->windowTitle().contains(QLatin1String("input.stl")));
    }
};

LUMENO_TEST_MAIN(TestUnsavedWork)
#include "test_unsaved_work.moc"
