// Opening models the ways a desktop offers: a file dropped on the window, and a file named
// on the command line (the program started as the file manager starts it).
#include "AppSupport.h"

#include "MainWindow.h"

#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QUrl>
#include <QVTKOpenGLNativeWidget.h>

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().clear(); }

    void droppedModelFilesOpen_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("opens");
        const QString model = testing::ScratchFile(QStringLiteral("Modèle dropped.Stl"));
        QVERIFY(testing::WriteModel(testing::Box(1, 2, 3), model));
        const QString text = testing::ScratchFile(QStringLiteral("dropped notes.txt"));
        QVERIFY(testing::WriteBytes(text, "no model"));
        QTest::newRow("model file") << QList<QUrl>{QUrl::fromLocalFile(model)} << true;
        QTest::newRow("model first of two") << QList<QUrl>{QUrl::fromLocalFile(model), QUrl::fromLocalFile(text)}
                                            << true;
        QTest::newRow("other file") << QList<QUrl>{QUrl::fromLocalFile(text)} << false;
        QTest::newRow("web address") << QList<QUrl>{QUrl(QStringLiteral("https://example.org/a.stl"))} << false;
    }

    // Dropped on the right view, as from a file manager (text/uri-list).
    void droppedModelFilesOpen()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, opens);
        MainWindow window;
        QVERIFY(testing::Show(window));
        QWidget *view = window.findChild<QVTKOpenGLNativeWidget *>(QStringLiteral("vtkDecimatedWindow"));
        QMimeData data;
        data.setUrls(urls);
        const QPoint middle = view->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &enter);
        QCOMPARE(enter.isAccepted(), opens);
        if (!opens)
            return;
        testing::ModalAnswers answers({});
        // The drop goes where the system delivers it: to the widget that accepted the drag.
        QDropEvent drop(view->mapTo(&window, middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
        QVERIFY(testing::WaitUntil([&window] { return window.LoadedModel() != nullptr; }));
        QCOMPARE(answers.Closed(), QStringList());
        QCOMPARE(window.LoadedModel()->GetNumberOfPolys(), vtkIdType(12));
        QVERIFY(testing::WaitForCascade(window));
    }

    // A relative, non-ASCII name, given as a file manager gives it; the started window lists
    // it, made absolute, as its newest recent file once it has loaded it.
    void fileOnTheCommandLineOpensAtStart()
    {
        const QString folder = testing::ScratchFile(QStringLiteral("command line"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/Würfel")));
        QVERIFY(testing::WriteModel(testing::Box(1, 1, 1), folder + QStringLiteral("/Würfel/立方体.stl")));
        QProcess program;
        program.setWorkingDirectory(folder);
        program.start(QStringLiteral(LUMENO_PROGRAM), {QStringLiteral("Würfel/立方体.stl")});
        QVERIFY(program.waitForStarted());
        const bool listed = testing::WaitUntil([&] {
            QSettings settings;
            settings.sync();
            return testing::RecentFiles().value(0) == folder + QStringLiteral("/Würfel/立方体.stl");
        });
        program.kill();
        program.waitForFinished();
        QVERIFY(listed);
    }

    void versionAndHelpAnswerWithoutAWindow()
    {
        for (const char *option : {"--version", "--help"}) {
            QProcess program;
            program.start(QStringLiteral(LUMENO_PROGRAM), {QString::fromLatin1(option)});
            QVERIFY(program.waitForFinished(30000));
            QCOMPARE(program.exitCode(), 0);
            QVERIFY2(program.readAllStandardOutput().contains(option[2] == 'v' ? "0.9.1" : "[file]"), option);
        }
    }
};

LUMENO_TEST_MAIN(TestDesktop)
#include "test_desktop.moc"
