// The five most recent files of the File menu: order, limits, and reopening through the loader.
#include "TestSupport.h"

#include "MainWindow.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

namespace {

QString RecentKey()
{
    return QStringLiteral("RecentFileList");
}

QStringList StoredList()
{
    return QSettings().value(RecentKey()).toStringList();
}

QString Sandboxed(const QString &name)
{
    return testing::SandboxPath() + QLatin1Char('/') + name;
}

QString WriteSmallModel(const QString &name)
{
    const QString path = Sandboxed(name);
    return testing::WriteModel(testing::Sphere(8, 8), path) ? path : QString();
}

QMenu *FileMenu(MainWindow &window)
{
    return window.findChild<QMenu *>(QStringLiteral("menuFile"));
}

// The recent-file actions: the five entries between the two separators after Preferences.
QList<QAction *> RecentActions(MainWindow &window)
{
    const QList<QAction *> actions = FileMenu(window)->actions();
    const int preferences = actions.indexOf(window.findChild<QAction *>(QStringLiteral("actionPreferences")));
    return actions.mid(preferences + 2, 5);
}

// The menu entries the stored list should give, "&1 name" first.
void VerifyMenuShows(MainWindow &window, const QStringList &paths)
{
    const QList<QAction *> actions = RecentActions(window);
    QCOMPARE(actions.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QAction *action = actions[i];
        QVERIFY(!action->isSeparator());
        if (i >= paths.size()) {
            QVERIFY2(!action->isVisible(), qPrintable(action->text()));
            continue;
        }
        QVERIFY(action->isVisible());
        QCOMPARE(action->text(), QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(paths[i]).fileName()));
        QCOMPARE(action->data().toString(), paths[i]);
        QVERIFY(action->icon().isNull());
    }
}

void Load(MainWindow &window, const QString &path)
{
    window.LoadModel(path, QFileInfo(path).suffix());
}

// Triggers a recent-file action and returns the text of the message box it leads to, if any.
QString TriggerAndReadMessage(QAction *action)
{
    QString text;
    testing::AnswerNextModal(
        [&text](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                text = box->text();
            modal->close();
        },
        3000);
    action->trigger();
    testing::WaitUntil([&text] { return !text.isEmpty(); }, 3000);
    return text;
}

} // namespace

class TestRecentFiles : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }
    void cleanup() { QSettings().clear(); }

    void anEmptyListShowsOneSeparatorBetweenPreferencesAndExit()
    {
        MainWindow window;
        VerifyMenuShows(window, {});
        const QStringList entries = testing::VisibleEntries(FileMenu(window));
        const int preferences = entries.indexOf(QStringLiteral("Preferences"));
        QCOMPARE(entries.mid(preferences), (QStringList{QStringLiteral("Preferences"), QStringLiteral("--"),
                                                         QStringLiteral("&Exit")}));
        // The separators are there, only drawn as one.
        const QList<QAction *> actions = FileMenu(window)->actions();
        QVERIFY(actions[preferences + 1]->isSeparator());
        QVERIFY(actions[preferences + 7]->isSeparator());
    }

    void sixFilesOpenedInTurnLeaveTheFiveNewest()
    {
        MainWindow window;
        QStringList opened;
        for (const char *name : {"a.stl", "b.stl", "c.stl", "d.stl", "e.stl", "f.stl"}) {
            opened.prepend(WriteSmallModel(QString::fromLatin1(name)));
            Load(window, opened.first());
            QVERIFY(window.LoadedModel());
        }
        const QStringList newest = opened.mid(0, 5);
        QCOMPARE(StoredList(), newest);
        VerifyMenuShows(window, newest);
        QCOMPARE(RecentActions(window).first()->text(), QStringLiteral("&1 f.stl"));

        const QStringList entries = testing::VisibleEntries(FileMenu(window));
        QCOMPARE(entries.mid(entries.indexOf(QStringLiteral("Preferences"))),
                 (QStringList{QStringLiteral("Preferences"), QStringLiteral("--"), QStringLiteral("&1 f.stl"),
                              QStringLiteral("&2 e.stl"), QStringLiteral("&3 d.stl"), QStringLiteral("&4 c.stl"),
                              QStringLiteral("&5 b.stl"), QStringLiteral("--"), QStringLiteral("&Exit")}));
    }

    void reopeningTheThirdMovesItFirstWithoutDuplicates()
    {
        QStringList files;
        for (const char *name : {"one.stl", "two.stl", "three.stl", "four.stl"})
            files << WriteSmallModel(QString::fromLatin1(name));
        QSettings().setValue(RecentKey(), files);

        MainWindow window;
        VerifyMenuShows(window, files);
        RecentActions(window)[2]->trigger();
        QVERIFY(window.LoadedModel());
        const QStringList expected{files[2], files[0], files[1], files[3]};
        QCOMPARE(StoredList(), expected);
        VerifyMenuShows(window, expected);
    }

    void theDigitOfAnEntryReopensItWhileTheMenuIsOpen()
    {
        const QStringList files{WriteSmallModel(QStringLiteral("first.stl")),
                                WriteSmallModel(QStringLiteral("second.stl"))};
        QSettings().setValue(RecentKey(), files);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QMenu *menu = FileMenu(window);
        menu->popup(window.mapToGlobal(QPoint(10, 30)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::keyClick(menu, Qt::Key_2);
        QVERIFY(testing::WaitUntil([&] { return window.LoadedModel() != nullptr; }, 5000));
        QCOMPARE(StoredList(), (QStringList{files[1], files[0]}));
        QVERIFY(!menu->isVisible());
    }

    void pathsDifferingOnlyInCaseAreTwoEntries()
    {
        const QString lower = WriteSmallModel(QStringLiteral("model.stl"));
        const QString upper = WriteSmallModel(QStringLiteral("Model.stl"));
        MainWindow window;
        Load(window, lower);
        Load(window, upper);
        QCOMPARE(StoredList(), (QStringList{upper, lower}));
        VerifyMenuShows(window, {upper, lower});
    }

    void aStoredListLongerThanFiveShowsTheFirstFive()
    {
        QStringList stored;
        for (int i = 1; i <= 7; ++i)
            stored << Sandboxed(QStringLiteral("stored%1.stl").arg(i));
        QSettings().setValue(RecentKey(), stored);
        MainWindow window;
        VerifyMenuShows(window, stored.mid(0, 5));
    }

    void aNameWithTwoDotsOpensByItsLastSuffix()
    {
        const QString path = WriteSmallModel(QStringLiteral("part.fine.stl"));
        QSettings().setValue(RecentKey(), QStringList{path});
        MainWindow window;
        RecentActions(window).first()->trigger();
        QVERIFY(window.LoadedModel());
        QCOMPARE(StoredList(), QStringList{path});
    }

    void aListedFileThatIsGoneShowsTheLoadersMessageAndStaysListed()
    {
        const QString kept = WriteSmallModel(QStringLiteral("kept.stl"));
        const QString gone = Sandboxed(QStringLiteral("gone.stl"));
        const QStringList stored{kept, gone};
        QSettings().setValue(RecentKey(), stored);

        MainWindow window;
        Load(window, kept);
        QVERIFY(window.LoadedModel());
        QCOMPARE(TriggerAndReadMessage(RecentActions(window)[1]),
                 QStringLiteral("The file ") + gone + QStringLiteral(" doesn't exist."));
        QVERIFY2(!window.LoadedModel(), "the current model is cleared first");
        QCOMPARE(StoredList(), stored);
        VerifyMenuShows(window, stored);
    }
};

LUMENO_TEST_MAIN(TestRecentFiles)
#include "test_recentfiles.moc"
