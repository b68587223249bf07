// Opening models the ways a desktop offers: a file dropped on the window, and a file named
// on the command line (the program started as the file manager starts it).
#include "AppSupport.h"

#include "MainWindow.h"
#include "dialogs/HelpWindow.h"
#include "settings/LanguageNames.h"

#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
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

    // Each key opens what it names: a dialog (noted by its title), the help window, or closes the window.
    void standardKeysWork()
    {
        MainWindow window;
        QVERIFY(testing::LoadIntoWindow(window, testing::Box(1, 1, 1), testing::ScratchFile(QStringLiteral("keys.stl"))));
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

    // In every language each menu title and each entry of a menu has its own access key.
    void accessKeysAreUniquePerMenu()
    {
        const auto key = [](const QString &text) {
            const int at = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
            return at < 0 ? QString() : text.mid(at + 1, 1).toLower();
        };
        for (const QString &language : LanguageNames.keys()) {
            QSettings().setValue(QStringLiteral("Language"), language);
            MainWindow window;
            QList<QList<QAction *>> groups{window.menuBar()->actions()};
            for (QAction *menu : window.menuBar()->actions())
                groups << menu->menu()->actions();
            for (const QList<QAction *> &group : groups) {
                QStringList keys;
                for (QAction *action : group) {
                    if (action->isSeparator() || !action->isVisible())
                        continue;
                    const QString letter = key(action->text());
                    QVERIFY2(!letter.isEmpty() && !keys.contains(letter),
                             qPrintable(language + QStringLiteral(": ") + action->text()));
                    keys << letter;
                }
            }
        }
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
