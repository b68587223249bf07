// What a desktop program offers: files dropped, named on the command line or under non-ASCII
// names, failing to open, or read while the window waits and can cancel; standard keys. (Access
// keys and the toolbar in every language: test_dialogs.)
#include "AppSupport.h"

#include "dialogs/DialogTransform.h"
#include "dialogs/HelpWindow.h"

#include <QProgressBar>
#include <QMimeData>
#include <QProcess>
#include <QStatusBar>
#include <QTextCodec>
#include <QUrl>
#include <QVTKOpenGLNativeWidget.h>

#include <sys/stat.h>

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().clear(); }

    void droppedModelFilesOpen_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("message"); // in the status bar
        const QString model = testing::ScratchFile("Modèle dropped.Stl");
        QVERIFY(testing::WriteModel(testing::Box(1, 2, 3), model));
        const QString second = testing::ScratchFile("second.obj");
        QVERIFY(testing::WriteModel(testing::Sphere(8, 8), second));
        const QString text = testing::ScratchFile("dropped notes.txt");
        QVERIFY(testing::WriteBytes(text, "no model"));
        const QUrl modelUrl = QUrl::fromLocalFile(model);
        QTest::newRow("model file and notes") << QList<QUrl>{QUrl::fromLocalFile(text), modelUrl} << true << QString();
        QTest::newRow("two model files") << QList<QUrl>{modelUrl, QUrl::fromLocalFile(second)} << true
                                         << "One model is open at a time: only Modèle dropped.Stl was opened.";
        QTest::newRow("other file") << QList<QUrl>{QUrl::fromLocalFile(text)} << false << QString();
        QTest::newRow("web address") << QList<QUrl>{QUrl(QStringLiteral("https://example.org/a.stl"))} << false
                                     << QString();
    }

    // Dropped on the right view, as from a file manager (text/uri-list); of several models the
    // first opens, and the status bar says that the others did not.
    void droppedModelFilesOpen()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, opens);
        QFETCH(QString, message);
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
        QVERIFY(testing::WaitUntil([&window] { return window.Document().LoadedModel() != nullptr; }));
        QCOMPARE(answers.Closed(), QStringList());
        QCOMPARE(window.Document().LoadedModel()->GetNumberOfPolys(), vtkIdType(12));
        QCOMPARE(window.findChild<QStatusBar *>()->currentMessage(), message);
    }

    // A relative, non-ASCII name, given as a file manager gives it; the started window lists
    // it, made absolute, as its newest recent file once it has loaded it.
    void fileOnTheCommandLineOpensAtStart()
    {
        const QString folder = testing::ScratchFile("command line");
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

    // Each key opens what it names: a dialog (noted by its title), the help window, or closes the window.
    void standardKeysWork()
    {
        MainWindow window;
        QVERIFY(testing::LoadIntoWindow(window, testing::Box(1, 1, 1), testing::ScratchFile("keys.stl")));
        QVERIFY(testing::Show(window));
        // Shortcuts reach the active window only; a closed dialog gives the activation back late.
        const auto press = [&window](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(&window, key, modifiers);
        };
        for (const auto &[key, expected] : {std::pair{Qt::Key_O, "Open File"}, std::pair{Qt::Key_S, "Save model"}}) {
            testing::ModalAnswers answers({});
            press(key, Qt::ControlModifier);
            QVERIFY(testing::WaitUntil([&answers] { return !answers.Closed().isEmpty(); }, 10000));
            QCOMPARE(answers.Closed(), QStringList{QString::fromLatin1(expected)});
        }
        press(Qt::Key_F1, Qt::NoModifier);
        QVERIFY(testing::WaitUntil([&window] {
            auto *help = window.findChild<HelpWindow *>();
            return help && help->isVisible();
        }));
        press(Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(testing::WaitUntil([&window] { return !window.isVisible(); }));
    }

    // A file that cannot be opened says why, and leaves the model, its levels and the recent list
    // as they were. (A file that is gone: test_settings; every refusal's cause, a folder too: test_reading.)
    void failedOpensSayWhyAndKeepTheModel_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why"); // the message says, besides the path
        QTest::newRow("garbage") << "garbage" << "corrupt";
        QTest::newRow("pipe") << "pipe" << "a pipe";
    }

    void failedOpensSayWhyAndKeepTheModel()
    {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        MainWindow window;
        QVERIFY(testing::Show(window));
        const QString before = testing::ScratchFile("before.stl");
        QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(16, 12), before));
        vtkPolyData *model = window.Document().LoadedModel();
        const QString level50 = testing::LevelAction(window, 50)->text();
        const QString path = testing::ScratchFile(QStringLiteral("failing-%1.stl").arg(kind));
        if (kind == QLatin1String("pipe"))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else
            QVERIFY(testing::WriteBytes(path, testing::RandomBytes(5000, 11)));
        testing::ModalAnswers answers({});
        window.LoadModel(path);
        QVERIFY(testing::WaitUntil([&answers] { return !answers.Closed().isEmpty(); }));
        const QString told = answers.Closed().join(QLatin1Char('|'));
        QVERIFY2(answers.Closed().size() == 1 && told.contains(path) && told.contains(why), qPrintable(told));
        QVERIFY(window.Document().LoadedModel() == model && window.Document().Shown().model == model);
        QCOMPARE(testing::LevelAction(window, 50)->text(), level50);
        QVERIFY(testing::Action(window, QStringLiteral("actionDecimationSet"))->isEnabled());
        QVERIFY(window.findChild<QProgressBar *>()->isHidden());
        QCOMPARE(testing::RecentFiles(), QStringList{before});
    }

    void readingCanBeCancelled_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Escape") << "escape";
        QTest::newRow("closing the window") << "close";
    }

    // A large file is read on its own thread: the window shows the reading, takes nothing that
    // would change the model it replaces, and stops when asked, keeping its model. (The Cancel
    // button does what Escape does: test_decimation.)
    void readingCanBeCancelled()
    {
        QFETCH(QString, how);
        MainWindow window;
        QVERIFY(testing::Show(window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString small = testing::ScratchFile("reading-small.stl");
        const QString large = testing::ScratchFile("reading-large.stl");
        QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(16, 12), small));
        QVERIFY(testing::WriteModel(testing::Sphere(500, 400), large)); // 400 000 triangles, 20 MB
        vtkPolyData *before = window.Document().LoadedModel();
        auto *status = window.findChild<QLabel *>(QStringLiteral("statusLabel"));
        DialogTransform *transform = testing::OpenTransformDialog(window);
        QVERIFY(transform);
        window.LoadModel(large);
        QCOMPARE(status->text(), QStringLiteral("Opening file..."));
        // An edit accepted in a dialog beside the window would be dropped unasked with the model.
        QVERIFY(!transform->isEnabled());
        for (const char *action : {"actionDecimation50", "actionSave_as", "actionTransform", "actionSmooth"})
            QVERIFY2(!testing::Action(window, QLatin1String(action))->isEnabled(), action);
        if (how == QLatin1String("escape"))
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            QVERIFY(window.close());
        QVERIFY(!window.Document().IsReading() && transform->isEnabled());
        QCOMPARE(window.Document().LoadedModel(), before);
        if (how != QLatin1String("close"))
            QCOMPARE(status->text(), QStringLiteral("Opening cancelled. The right view still shows 100%."));
        QVERIFY(window.findChild<QProgressBar *>()->isHidden());
        QCOMPARE(testing::RecentFiles(), QStringList{small});
    }

    // Under LANG=C too (test_desktop_lang_c), where the 8-bit name cannot hold these letters; and
    // with an 8-bit codec, where the UTF-8 form of "ü" names no file, so only a copy can be read.
    void nonAsciiPathLoadsWithoutLeavingACopy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("codec");
        QVERIFY(QDir().mkpath(testing::ScratchFile("Modèles 模型")));
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
        // A read cancelled before may still be ending, with its working copy.
        QVERIFY(testing::WaitUntil([] { return !testing::ThreadNames().contains(QStringLiteral("file work")); }));
        const QStringList temporaryBefore = QDir(QDir::tempPath()).entryList(QDir::Files);
        MainWindow window;
        window.LoadModel(path);
        QVERIFY(testing::WaitForCascade(window));
        QTextCodec::setCodecForLocale(localeCodec);
        QVERIFY(window.Document().LoadedModel());
        QCOMPARE(int(window.Document().LoadedModel()->GetNumberOfPolys()), 12);
        QCOMPARE(testing::RecentFiles().value(0), path);
        QCOMPARE(QDir(QDir::tempPath()).entryList(QDir::Files), temporaryBefore);
    }
};

LUMENO_TEST_MAIN(TestDesktop)
#include "test_desktop.moc"
