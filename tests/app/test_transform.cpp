// The transform dialog: sizes and angles previewed on both views, the proportion lock,
// OK, Cancel and Reset, flat models and several dialogs at once.
#include "LoadedModel.h"
#include "TestSupport.h"

#include "MainWindow.h"
#include "dialogs/DialogTransform.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>

#include <vtkActor.h>
#include <vtkMatrix4x4.h>

#include <cmath>
#include <memory>

namespace {

QList<DialogTransform *> OpenDialogs()
{
    QList<DialogTransform *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<DialogTransform *>(widget))
            if (dialog->isVisible())
                dialogs << dialog;
    return dialogs;
}

QDoubleSpinBox *Box(QWidget *dialog, const char *name)
{
    return dialog->findChild<QDoubleSpinBox *>(QString::fromLatin1(name));
}

QPushButton *Button(QWidget *dialog, const char *name)
{
    return dialog->findChild<QPushButton *>(QString::fromLatin1(name));
}

// Replaces the text of a box key by key, as a user types it.
void Type(QDoubleSpinBox *box, const QString &text)
{
    QLineEdit *edit = box->findChild<QLineEdit *>();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Extent of an actor along an axis, with its user transform.
double ShownLength(vtkActor *actor, int axis)
{
    double bounds[6];
    actor->GetBounds(bounds);
    return bounds[2 * axis + 1] - bounds[2 * axis];
}

bool Near(double a, double b, double tolerance = 1e-6)
{
    return std::abs(a - b) <= tolerance;
}

} // namespace

class TestTransform : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;

    // Opens a new dialog through the toolbar action and returns it.
    DialogTransform *OpenDialog()
    {
        const QList<DialogTransform *> before = OpenDialogs();
        testing::Action(*window, QStringLiteral("actionTransform"))->trigger();
        QList<DialogTransform *> opened = OpenDialogs();
        for (DialogTransform *dialog : before)
            opened.removeAll(dialog);
        return opened.size() == 1 ? opened.first() : nullptr;
    }

    void VerifyFactors(double x, double y, double z)
    {
        const std::array<double, 3> factor = window->ModelTransformState().scale;
        QVERIFY2(Near(factor[0], x) && Near(factor[1], y) && Near(factor[2], z),
                 qPrintable(QStringLiteral("factors %1 %2 %3").arg(factor[0]).arg(factor[1]).arg(factor[2])));
    }

    // Both views show the model at the given size.
    void VerifyShownSize(double x, double y, double z)
    {
        for (vtkActor *actor : {window->ActorOriginal(), window->ActorDecimated()}) {
            QVERIFY2(Near(ShownLength(actor, 0), x, 1e-4) && Near(ShownLength(actor, 1), y, 1e-4) &&
                         Near(ShownLength(actor, 2), z, 1e-4),
                     qPrintable(QStringLiteral("shown %1 x %2 x %3")
                                    .arg(ShownLength(actor, 0))
                                    .arg(ShownLength(actor, 1))
                                    .arg(ShownLength(actor, 2))));
        }
    }

private slots:
    void init()
    {
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(testing::LoadIntoWindow(*window, testing::Box(100, 40, 20), testing::ScratchFile(QStringLiteral("box.stl"))));
    }

    void cleanup()
    {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QSettings().clear();
    }

    void dialogShowsTheModelSizeAndIsModeless()
    {
        DialogTransform *dialog = OpenDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Transform"));
        QVERIFY(!dialog->isModal());
        QVERIFY(!dialog->parentWidget());
        QVERIFY(dialog->windowFlags() & Qt::CustomizeWindowHint);
        QVERIFY(!(dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(dialog->minimumSize(), QSize(237, 167));
        QCOMPARE(dialog->maximumSize(), QSize(290, 167));
        QVERIFY(!dialog->windowIcon().isNull());

        QCOMPARE(Box(dialog, "spinBoxScaleX")->value(), 100.0);
        QCOMPARE(Box(dialog, "spinBoxScaleY")->value(), 40.0);
        QCOMPARE(Box(dialog, "spinBoxScaleZ")->value(), 20.0);
        for (const char *name : {"spinBoxScaleX", "spinBoxScaleY", "spinBoxScaleZ"}) {
            QCOMPARE(Box(dialog, name)->minimum(), 0.0);
            QCOMPARE(Box(dialog, name)->maximum(), 100000.0);
            QCOMPARE(Box(dialog, name)->decimals(), 2);
        }
        for (const char *name : {"spinBoxRotateX", "spinBoxRotateY", "spinBoxRotateZ"}) {
            QCOMPARE(Box(dialog, name)->value(), 0.0);
            QCOMPARE(Box(dialog, name)->minimum(), -720.0);
            QCOMPARE(Box(dialog, name)->maximum(), 720.0);
        }
        QPushButton *lock = Button(dialog, "btnLock");
        QVERIFY(lock->isCheckable() && !lock->isChecked() && lock->isFlat() && !lock->autoDefault());
        QVERIFY(!lock->icon().isNull() && lock->text().isEmpty());
        for (const char *name : {"btnOK", "btnCancel"}) {
            QVERIFY(!Button(dialog, name)->icon().isNull());
            QCOMPARE(Button(dialog, name)->iconSize(), QSize(48, 48));
        }
        QCOMPARE(Button(dialog, "btnReset")->text(), QStringLiteral("Reset"));

        // Opening changes nothing; the main window stays usable beside the dialog.
        VerifyFactors(1, 1, 1);
        VerifyShownSize(100, 40, 20);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void typingASizeWithAndWithoutTheLock_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::addColumn<double>("factorY");
        QTest::addColumn<double>("factorZ");
        QTest::newRow("lock off") << false << 1.0 << 1.0;
        QTest::newRow("lock on") << true << 0.5 << 0.5;
    }

    void typingASizeWithAndWithoutTheLock()
    {
        QFETCH(bool, locked);
        QFETCH(double, factorY);
        QFETCH(double, factorZ);
        DialogTransform *dialog = OpenDialog();
        QVERIFY(dialog);
        if (locked)
            QTest::mouseClick(Button(dialog, "btnLock"), Qt::LeftButton);
        QCOMPARE(Button(dialog, "btnLock")->isChecked(), locked);

        Type(Box(dialog, "spinBoxScaleX"), QStringLiteral("50"));
        VerifyFactors(0.5, factorY, factorZ);
        QCOMPARE(Box(dialog, "spinBoxScaleX")->value(), 50.0);
        QCOMPARE(Box(dialog, "spinBoxScaleY")->value(), 40.0 * factorY);
        QCOMPARE(Box(dialog, "spinBoxScaleZ")->value(), 20.0 * factorZ);
        VerifyShownSize(50, 40 * factorY, 20 * factorZ);
        QVERIFY(!window->ModelTransformState().applied);
    }

    void aZeroSizeIsNeitherShownNorApplied_data() { typingASizeWithAndWithoutTheLock_data(); }

    void aZeroSizeIsNeitherShownNorApplied()
    {
        QFETCH(bool, locked);
        DialogTransform *dialog = OpenDialog();
        QVERIFY(dialog);
        if (locked)
            QTest::mouseClick(Button(dialog, "btnLock"), Qt::LeftButton);
        Type(Box(dialog, "spinBoxScaleY"), QStringLiteral("0"));
        Box(dialog, "spinBoxRotateZ")->setValue(90);
        VerifyFactors(1, 1, 1);
        VerifyShownSize(40, 100, 20); // turned, not flattened

        auto message = std::make_shared<QString>();
        testing::AnswerNextModal([message](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                *message = box->text();
            modal->close();
        });
        QTest::mouseClick(Button(dialog, "btnOK"), Qt::LeftButton);
        QVERIFY2(message->contains(QStringLiteral("greater than 0")), qPrintable(*message));
        QVERIFY(!window->ModelTransformState().applied);
        QVERIFY(dialog->isVisible());

        Type(Box(dialog, "spinBoxScaleY"), QStringLiteral("80"));
        VerifyFactors(locked ? 2 : 1, 2, locked ? 2 : 1);
        QTest::mouseClick(Button(dialog, "btnOK"), Qt::LeftButton);
        QVERIFY(window->ModelTransformState().applied);
    }

    void rotationsFollowScalingInTheOrderXYZ()
    {
        DialogTransform *dialog = OpenDialog();
        QVERIFY(dialog);
        // Edited in the order Z, then X: the transform still turns about X first.
        Box(dialog, "spinBoxRotateZ")->setValue(90);
        Box(dialog, "spinBoxRotateX")->setValue(90);
        QCOMPARE(window->ModelTransformState().rotation[0], 90.0);
        QCOMPARE(window->ModelTransformState().rotation[2], 90.0);
        // X turn: 100 x 20 x 40; Z turn: 20 x 100 x 40.
        VerifyShownSize(20, 100, 40);

        // A size typed later applies before the turns: the X size ends up along Y.
        Box(dialog, "spinBoxScaleX")->setValue(50);
        VerifyShownSize(20, 50, 40);
    }

    void resetReturnsToTheModelAsLoaded()
    {
        DialogTransform *dialog = OpenDialog();
        QVERIFY(dialog);
        QTest::mouseClick(Button(dialog, "btnLock"), Qt::LeftButton);
        Box(dialog, "spinBoxScaleY")->setValue(80);
        Box(dialog, "spinBoxRotateY")->setValue(45);
        VerifyFactors(2, 2, 2);

        QTest::mouseClick(Button(dialog, "btnReset"), Qt::LeftButton);
        VerifyFactors(1, 1, 1);
        for (double angle : window->ModelTransformState().rotation)
            QCOMPARE(angle, 0.0);
        QCOMPARE(Box(dialog, "spinBoxScaleX")->value(), 100.0);
        QCOMPARE(Box(dialog, "spinBoxScaleY")->value(), 40.0);
        QCOMPARE(Box(dialog, "spinBoxScaleZ")->value(), 20.0);
        QCOMPARE(Box(dialog, "spinBoxRotateY")->value(), 0.0);
        VerifyShownSize(100, 40, 20);
        QVERIFY(dialog->isVisible()); // Reset keeps the dialog open
    }

    void cancelAfterAnEarlierOkReturnsToIdentity()
    {
        QPointer<DialogTransform> first = OpenDialog();
        QVERIFY(first);
        Box(first, "spinBoxScaleX")->setValue(50);
        Box(first, "spinBoxRotateZ")->setValue(30);
        QTest::mouseClick(Button(first, "btnOK"), Qt::LeftButton);
        QVERIFY(window->ModelTransformState().applied);
        QVERIFY(testing::WaitUntil([&] { return first.isNull(); }, 5000)); // a closed dialog is released
        VerifyFactors(0.5, 1, 1);

        // Reopened, the dialog shows the accepted state.
        DialogTransform *second = OpenDialog();
        QVERIFY(second);
        QCOMPARE(Box(second, "spinBoxScaleX")->value(), 50.0);
        QCOMPARE(Box(second, "spinBoxScaleY")->value(), 40.0);
        QCOMPARE(Box(second, "spinBoxRotateZ")->value(), 30.0);
        VerifyFactors(0.5, 1, 1); // filling the boxes runs no slot

        QTest::mouseClick(Button(second, "btnCancel"), Qt::LeftButton);
        QVERIFY(!window->ModelTransformState().applied);
        VerifyFactors(1, 1, 1);
        QCOMPARE(window->ModelTransformState().rotation[2], 0.0);
        VerifyShownSize(100, 40, 20);
        QVERIFY(OpenDialogs().isEmpty());
    }

    void closingByTheWindowButtonKeepsThePreview()
    {
        DialogTransform *dialog = OpenDialog();
        QVERIFY(dialog);
        Box(dialog, "spinBoxScaleZ")->setValue(40);
        dialog->close();
        VerifyFactors(1, 1, 2);
        VerifyShownSize(100, 40, 40);
        QVERIFY(!window->ModelTransformState().applied);
    }

    void flatModelGetsNoDivisionByZero()
    {
        QVERIFY(testing::LoadIntoWindow(*window, testing::Box(10, 5, 0), testing::ScratchFile(QStringLiteral("flat.stl"))));
        DialogTransform *dialog = OpenDialog();
        QVERIFY(dialog);
        QCOMPARE(Box(dialog, "spinBoxScaleZ")->value(), 0.0);

        Box(dialog, "spinBoxRotateX")->setValue(10);
        VerifyFactors(1, 1, 1);
        Box(dialog, "spinBoxScaleZ")->setValue(7); // there is no extent to size
        VerifyFactors(1, 1, 1);
        Box(dialog, "spinBoxRotateX")->setValue(0);

        QTest::mouseClick(Button(dialog, "btnLock"), Qt::LeftButton);
        Box(dialog, "spinBoxScaleX")->setValue(20);
        VerifyFactors(2, 2, 2);
        QCOMPARE(Box(dialog, "spinBoxScaleY")->value(), 10.0);
        // The flat axis keeps the locked factor when it is the one edited.
        Box(dialog, "spinBoxScaleZ")->setValue(3);
        VerifyFactors(2, 2, 2);
        for (double factor : window->ModelTransformState().scale)
            QVERIFY(std::isfinite(factor));
        VerifyShownSize(20, 10, 0);
    }

    void twoDialogsEditTheSameState()
    {
        QPointer<DialogTransform> first = OpenDialog();
        QPointer<DialogTransform> second = OpenDialog();
        QVERIFY(first && second && first != second);
        QCOMPARE(OpenDialogs().size(), 2);

        Box(first, "spinBoxScaleX")->setValue(200);
        VerifyFactors(2, 1, 1);
        Box(second, "spinBoxRotateZ")->setValue(90); // the second dialog's boxes still say 100
        VerifyFactors(1, 1, 1);
        QCOMPARE(window->ModelTransformState().rotation[2], 90.0);
        VerifyShownSize(40, 100, 20);

        QTest::mouseClick(Button(first, "btnOK"), Qt::LeftButton);
        QVERIFY(window->ModelTransformState().applied);
        QVERIFY(testing::WaitUntil([&] { return first.isNull(); }, 5000));
        QVERIFY(second && second->isVisible());
        Box(second, "spinBoxScaleY")->setValue(20);
        VerifyFactors(1, 0.5, 1);
        QTest::mouseClick(Button(second, "btnCancel"), Qt::LeftButton);
        QVERIFY(!window->ModelTransformState().applied);
        VerifyFactors(1, 1, 1);
    }

    void nothingToTransformWithoutAModel()
    {
        testing::Action(*window, QStringLiteral("actionNew"))->trigger();
        QVERIFY(!OpenDialog());
        QVERIFY(OpenDialogs().isEmpty());
    }

    void openDialogsCloseWithTheWindow()
    {
        QPointer<DialogTransform> dialog = OpenDialog();
        QVERIFY(dialog);
        window.reset();
        QVERIFY(testing::WaitUntil([&] { return dialog.isNull(); }, 5000));
    }
};

LUMENO_TEST_MAIN(TestTransform)

#include "test_transform.moc"
