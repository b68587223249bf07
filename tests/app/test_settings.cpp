// What the window remembers between starts: the colours picked in the preferences, the five
// newest files, and the interface language (chosen from the system locale at the first start).
//
// startupFollowsTheSystemLocale runs once per system locale, each in its own process started
// with LANG set; LUMENO_EXPECTED_LOCALE and LUMENO_EXPECTED_LANGUAGE carry what it should find.
#include "AppSupport.h"

#include "MainWindow.h"
#include "dialogs/DialogPreferences.h"

#include <QColorDialog>
#include <QPushButton>
#include <QSettings>
#include <QTranslator>
#include <QVTKOpenGLNativeWidget.h>

#include <vtkRenderWindow.h>

namespace {

DialogPreferences *OpenPreferences(MainWindow &window)
{
    testing::Action(window, QStringLiteral("actionPreferences"))->trigger();
    return window.findChild<DialogPreferences *>();
}

// Clicks a colour button of the preferences and picks the colour in the dialog it opens.
void Pick(DialogPreferences *dialog, const char *button, QColor color)
{
    testing::ModalAnswers answers({[color](QWidget *modal) {
        if (auto *picker = qobject_cast<QColorDialog *>(modal)) {
            picker->setCurrentColor(color);
            picker->accept();
        }
    }});
    QTest::mouseClick(dialog->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
    QVERIFY(testing::WaitUntil([&answers] { return answers.AllGiven(); }, 10000));
}

QString Swatch(DialogPreferences *dialog, const char *button)
{
    return dialog->findChild<QPushButton *>(QString::fromLatin1(button))->styleSheet();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }
    void cleanup() { QSettings().clear(); }

    // The colours picked show in both views at once and last until the next start; Restore Default
    // brings back white models on a light grey to white gradient.
    void pickedColoursLastUntilRestored()
    {
        {
            MainWindow window;
            QVERIFY(testing::Show(window));
            QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(), testing::ScratchFile("ball.stl")));
            Pick(OpenPreferences(window), "buttonColor", Qt::blue);
            for (auto *view : window.findChildren<QVTKOpenGLNativeWidget *>()) {
                view->renderWindow()->Render();
                QTest::qWait(300);
                const QImage image = view->grabFramebuffer();
                const QColor middle = image.pixelColor(image.width() / 2, image.height() / 2);
                QVERIFY2(middle.blue() > middle.red() + 60 && middle.blue() > middle.green() + 60,
                         qPrintable(middle.name()));
            }
            Pick(OpenPreferences(window), "btnBackgroundTop", Qt::red);
        }
        MainWindow window;
        DialogPreferences *dialog = OpenPreferences(window);
        QCOMPARE(Swatch(dialog, "buttonColor"), QStringLiteral("background-color: #0000ff"));
        QCOMPARE(Swatch(dialog, "btnBackgroundTop"), QStringLiteral("background-color: #ff0000"));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnRestoreDefault")), Qt::LeftButton);
        MainWindow restarted;
        dialog = OpenPreferences(restarted);
        QCOMPARE(Swatch(dialog, "buttonColor"), QStringLiteral("background-color: #ffffff"));
        QCOMPARE(Swatch(dialog, "btnBackgroundTop"), QStringLiteral("background-color: #e6e6e6"));
        QCOMPARE(Swatch(dialog, "btnBackgroundBottom"), QStringLiteral("background-color: #ffffff"));
    }

    // Six files opened leave the five newest; reopening one moves it first without a
    // duplicate; one that is gone is reported, leaves the model as it was and is taken off the list.
    void recentFilesKeepTheFiveNewest()
    {
        MainWindow window;
        QStringList opened;
        for (const char *name : {"a.stl", "b.stl", "c.stl", "d.stl", "e.stl", "f.stl"}) {
            opened.prepend(testing::ScratchFile(QString::fromLatin1(name)));
            QVERIFY(testing::WriteModel(testing::Box(1, 1, 1), opened.first()));
            window.LoadModel(opened.first(), QStringLiteral("stl"));
        }
        opened = opened.mid(0, 5);
        QCOMPARE(testing::RecentMenuEntries(window), opened);

        QCOMPARE(testing::Run(window, "actionOpen", {testing::ChooseFile(opened[2])}), QStringList());
        opened.move(2, 0);
        QCOMPARE(testing::RecentFiles(), opened);
        QCOMPARE(testing::RecentMenuEntries(window), opened);

        QVERIFY(QFile::remove(opened[3]));
        testing::ModalAnswers answers({});
        for (QAction *action : window.findChildren<QAction *>())
            if (action->data().toString() == opened[3])
                action->trigger();
        QTest::qWait(300);
        QCOMPARE(answers.Closed(), QStringList{QStringLiteral("The file %1 doesn't exist.\n\nIt was removed from Recent "
                                                              "files.\n\nIf it was moved or renamed, open it from its "
                                                              "new place.")
                                                   .arg(opened[3])});
        QCOMPARE(window.LoadedModel()->GetNumberOfPolys(), 12);
        opened.removeAt(3);
        QCOMPARE(testing::RecentFiles(), opened);
        QCOMPARE(testing::RecentMenuEntries(window), opened);
    }

    void startupFollowsTheSystemLocale()
    {
        const QString locale = qEnvironmentVariable("LUMENO_EXPECTED_LOCALE");
        const QString language = qEnvironmentVariable("LUMENO_EXPECTED_LANGUAGE");
        if (locale.isEmpty() || language.isEmpty())
            QSKIP("runs in its own process with LANG set");
        QCOMPARE(QLocale::system().name(), locale); // or the case would not test what it claims
        MainWindow window;
        QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), language);
        QCOMPARE(window.InterfaceLanguage(), language);
    }

    // Languages outside the table (the empty catalogs among them) give English.
    void storedLanguageWinsOverTheSystemLocale_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("it") << "it" << "it";
        QTest::newRow("cz") << "cz" << "cs"; // the catalog declares the standard code
        for (const char *outside : {"ru", "DE", ""})
            QTest::newRow(outside) << outside << "en";
    }

    void storedLanguageWinsOverTheSystemLocale()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QSettings().setValue(QStringLiteral("Language"), stored);
        MainWindow window;
        QCOMPARE(window.InterfaceLanguage(), shown);
        QTranslator catalog;
        QVERIFY(catalog.load(QStringLiteral(":/Lang/Lumeno3D_%1.qm").arg(shown == "cs" ? "cz" : shown)));
        const QString open = catalog.translate("MainWindow", "Open");
        QCOMPARE(testing::Action(window, QStringLiteral("actionOpen"))->text(), open.isEmpty() ? "Open" : open);
    }
};

LUMENO_TEST_MAIN(TestSettings)
#include "test_settings.moc"
