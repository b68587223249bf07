// How the window presents the document's mesh operations: the level buttons as the levels
// arrive, the progress bar, the status and Cancel, the questions of the custom reduction.
#include "AppSupport.h"

#include <QInputDialog>
#include <QProgressBar>

namespace {

using testing::SphereFile;

testing::ModalAnswer Type(double value)
{
    return [value](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        if (!dialog)
            return void(modal->close());
        dialog->setDoubleValue(value);
        dialog->accept();
    };
}

} // namespace

class TestDecimation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().clear(); }

    // Each level's button comes on with its file size and deviation; the bar and the status
    // tell of a run while it goes on, and neither does afterwards.
    void levelButtonsBarAndStatus()
    {
        MainWindow window;
        QVERIFY(testing::Show(window));
        auto *status = window.findChild<QLabel *>(QStringLiteral("statusLabel"));
        auto *bar = window.findChild<QProgressBar *>(QStringLiteral("progressBar"));
        window.LoadModel(SphereFile(100, 42));
        QVERIFY(bar->isVisible() && !testing::LevelAction(window, 10)->isEnabled());
        QVERIFY(testing::WaitForCascade(window));
        QVERIFY(!bar->isVisible());
        QCOMPARE(status->text(), window.Document().tr("Done"));
        for (int percent = 10; percent <= 100; percent += 10) {
            QAction *level = testing::LevelAction(window, percent);
            QVERIFY(level->isEnabled() && level->text().contains(QLatin1String("B")));
            QCOMPARE(level->toolTip().contains(QLatin1String("max. deviation")), percent < 100);
        }
        testing::LevelAction(window, 50)->trigger();
        QCOMPARE(window.CurrentLabel(), QStringLiteral("50%"));
        QVERIFY(window.CurrentNote().startsWith(QLatin1String("max. deviation")));
        testing::LevelAction(window, 100)->trigger();
        QCOMPARE(window.CurrentNote(), QString());

        testing::Action(window, QStringLiteral("actionSmooth"))->trigger();
        QVERIFY(bar->isVisible() && status->text() == window.Document().tr("Smoothing..."));
        QVERIFY(!testing::Action(window, QStringLiteral("actionDecimationSet"))->isEnabled());
        QVERIFY(testing::WaitForMeshJob(window));
        QVERIFY(!bar->isVisible() && testing::Action(window, QStringLiteral("actionDecimationSet"))->isEnabled());
    }

    // Shares with decimals are asked for (their label: test_document); the rest is refused with a
    // message and changes nothing.
    void customPercentages_data()
    {
        QTest::addColumn<double>("typed");
        QTest::addColumn<QString>("label"); // empty: refused
        QTest::newRow("lowest") << 0.1 << "0.1%";
        QTest::newRow("none") << 0.0 << QString();
        QTest::newRow("all") << 100.0 << QString();
    }

    void customPercentages()
    {
        QFETCH(double, typed);
        QFETCH(QString, label);
        MainWindow window;
        QVERIFY(testing::Show(window));
        QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(40, 30), SphereFile(40, 30)));
        auto texts = std::make_shared<QStringList>();
        QList<testing::ModalAnswer> answers{Type(typed)};
        if (label.isEmpty())
            answers << testing::Press(QMessageBox::Ok, texts);
        QCOMPARE(testing::Run(window, "actionDecimationSet", answers), QStringList());
        if (label.isEmpty()) {
            QCOMPARE(texts->size(), 1);
            QVERIFY2(texts->first().contains(QLatin1String("from 0.1 to 99.9")), qPrintable(texts->first()));
            QCOMPARE(window.Document().RunningJob(), ModelDocument::Job::None);
            QCOMPARE(window.CurrentLabel(), QStringLiteral("100%"));
            return;
        }
        QVERIFY(texts->isEmpty());
        QVERIFY(testing::WaitForMeshJob(window));
        QCOMPARE(window.CurrentLabel(), label);
    }

    // Escape and the Cancel button stop the levels and then a reduction; the status tells
    // what the right view still shows. The buttons of the levels not made make them again.
    void escapeAndCancelStopTheRun()
    {
        MainWindow window;
        QVERIFY(testing::Show(window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *cancel = window.findChild<QPushButton *>(QStringLiteral("cancelButton"));
        // At the first level, before the next can follow.
        connect(&window.Document(), &ModelDocument::LevelReady, cancel, &QPushButton::click);
        window.LoadModel(SphereFile(400, 202));
        QVERIFY(testing::WaitUntil([&] { return testing::LevelAction(window, 90)->isEnabled(); }, 120000));
        window.Document().disconnect(cancel);
        auto *bar = window.findChild<QProgressBar *>(QStringLiteral("progressBar"));
        auto *status = window.findChild<QLabel *>(QStringLiteral("statusLabel"));
        QVERIFY(!bar->isVisible() && status->text().startsWith(QLatin1String("Cancelled.")));
        QAction *missing = testing::LevelAction(window, 10);
        QVERIFY(!window.Document().LevelOf(10).model && missing->isEnabled());
        QVERIFY2(missing->toolTip().contains(QLatin1String("not made")), qPrintable(missing->toolTip()));

        window.Document().ReduceToShare(10);
        QVERIFY(cancel->isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!cancel->isVisible());
        QCOMPARE(status->text(), QStringLiteral("Cancelled. The right view still shows 100%."));

        // The button of a missing level makes the levels again, and shows its own once made.
        missing->trigger();
        QCOMPARE(window.Document().RunningJob(), ModelDocument::Job::Levels);
        QVERIFY(cancel->isVisible());
        QVERIFY(testing::WaitForCascade(window));
        QCOMPARE(window.CurrentLabel(), QStringLiteral("10%"));
        for (int percent = 10; percent <= 100; percent += 10)
            QVERIFY(testing::LevelAction(window, percent)->isEnabled());
        QVERIFY(!missing->toolTip().contains(QLatin1String("not made")));
    }

    // Closing the window while the levels are made ends at once.
    void closingDuringTheLevels()
    {
        auto window = std::make_unique<MainWindow>();
        QVERIFY(testing::Show(*window));
        window->LoadModel(SphereFile(400, 202));
        QVERIFY(testing::WaitUntil(
            [&] { return window->Document().RunningJob() == ModelDocument::Job::Levels; }, 120000));
        QVERIFY(window->close());
        window.reset();
    }
};

LUMENO_TEST_MAIN(TestDecimation)
#include "test_decimation.moc"
