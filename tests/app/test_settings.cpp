// What the window remembers between starts: colours, the five newest files and the interface
// language (from the system locale at the first start; startupFollowsTheSystemLocale runs once per
// locale with LANG and LUMENO_EXPECTED_* set by CMake); the help page; display modes.
#include "AppSupport.h"

#include "dialogs/DialogPreferences.h"
#include "dialogs/HelpWindow.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QTranslator>

#include <cmath>

namespace {

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

// The language a catalog declares ("cs" for the code "cz").
QString CatalogLanguage(const QString &code)
{
    QTranslator catalog;
    return catalog.load(QStringLiteral(":/Lang/Lumeno3D_%1.qm").arg(code)) ? catalog.language() : QString();
}

double Lightness(const QColor &colour)
{
    return 0.2126 * colour.redF() + 0.7152 * colour.greenF() + 0.0722 * colour.blueF();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }
    void cleanup() { QSettings().clear(); }

    // The colours picked last until Restore Default. The window stores the colours its views
    // draw with (drawn as stored: test_display).
    void pickedColoursLastUntilRestored()
    {
        {
            MainWindow window;
            Pick(testing::OpenPreferences(window), "buttonColor", Qt::blue);
            Pick(testing::OpenPreferences(window), "btnBackgroundTop", Qt::red);
        }
        MainWindow window;
        DialogPreferences *dialog = testing::OpenPreferences(window);
        QCOMPARE(testing::Colours(dialog), (QStringList{"#0000ff", "#ff0000", "#ffffff"}));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnRestoreDefault")), Qt::LeftButton);
        MainWindow restarted;
        QCOMPARE(testing::Colours(testing::OpenPreferences(restarted)), testing::DefaultColours);
    }

    // Six opened leave the five newest; reopening one moves it first; one that is gone is reported
    // (the message: test_desktop), keeps the model and leaves the list.
    void recentFilesKeepTheFiveNewest()
    {
        MainWindow window;
        QStringList opened;
        for (const char *name : {"a.stl", "b.stl", "c.stl", "d.stl", "e.stl", "f.stl"}) {
            opened.prepend(testing::ScratchFile(QString::fromLatin1(name)));
            QVERIFY(testing::WriteModel(testing::Box(1, 1, 1), opened.first()));
            window.LoadModel(opened.first());
            QVERIFY(testing::WaitForCascade(window));
        }
        opened = opened.mid(0, 5);
        QCOMPARE(testing::RecentMenuEntries(window), opened);

        QCOMPARE(testing::Run(window, "actionOpen", {testing::ChooseFile(opened[2])}), QStringList());
        opened.move(2, 0);
        QCOMPARE(testing::RecentMenuEntries(window), opened);

        const QString gone = opened.takeAt(3);
        QVERIFY(QFile::remove(gone));
        testing::ModalAnswers answers({});
        for (QAction *action : window.findChildren<QAction *>())
            if (action->data().toString() == gone)
                action->trigger();
        // The message and the file leaving the list end the attempt.
        QTRY_VERIFY(!answers.Closed().isEmpty() && testing::RecentMenuEntries(window) == opened);
        QVERIFY(answers.Closed().size() == 1 && answers.Closed()[0].contains(gone));
        QCOMPARE(window.Document().LoadedModel()->GetNumberOfPolys(), 12);
        QCOMPARE(testing::RecentFiles(), opened);
    }

    // Settings written by something else: each unusable value is as if it were not there.
    void damagedSettingsGiveTheDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("random bytes after a section") << QByteArray("[General]\n") + testing::RandomBytes(8000, 6);
        QTest::newRow("values of another type or out of range")
            << QByteArray("[General]\nmodelRed=red\nmodelGreen=1e308\nmodelBlue=@Invalid()\nbackgroundTopRed=nan\n"
                          "backgroundTopGreen=0,9\nbackgroundTopBlue=-inf\nbackgroundBottomBlue=@ByteArray(\\0)\n"
                          "RecentFileList=@Variant(\\0\\0\\0\\x7f\\xff\\xff)\nLanguage=@Point(1 2)\n");
    }

    void damagedSettingsGiveTheDefaults()
    {
        QFETCH(QByteArray, content);
        const QString conf = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Orvane/Lumeno3D.conf");
        QDir().mkpath(QFileInfo(conf).path());
        QVERIFY(testing::WriteBytes(conf, content));

        MainWindow window;
        QVERIFY(testing::RecentMenuEntries(window).isEmpty());
        QCOMPARE(testing::Colours(testing::OpenPreferences(window)), testing::DefaultColours);
        const QString good = testing::ScratchFile("good.stl");
        QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(12, 10), good));
        QCOMPARE(testing::RecentMenuEntries(window), QStringList{good});
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
        QCOMPARE(window.InterfaceLanguage(), CatalogLanguage(language));
    }

    // The stored language picks the catalog, Qt's own texts, the number format, its name in the list
    // and the help page; languages outside the table (Russian, offered once, among them) give English.
    void storedLanguageWinsOverTheSystemLocale_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("qtClose");
        QTest::addColumn<QString>("number");
        QTest::newRow("de") << "de" << "Deutsch" << "Schließen" << "1.234.567";
        QTest::newRow("cz") << "cz" << "Čeština" << "Zavřít" << "1\u00a0234\u00a0567";
        QTest::newRow("zh-tw") << "zh-tw" << "繁體中文" << "關閉" << "1,234,567";
        for (const char *outside : {"ru", "DE", ""})
            QTest::newRow(outside) << outside << "American English" << "Close" << "1,234,567";
    }

    void storedLanguageWinsOverTheSystemLocale()
    {
        QFETCH(QString, stored);
        QFETCH(QString, listed);
        QFETCH(QString, qtClose);
        QFETCH(QString, number);
        const QString catalog = listed == QLatin1String("American English") ? QStringLiteral("en") : stored;
        QSettings().setValue(QStringLiteral("Language"), stored);
        MainWindow window;
        QCOMPARE(window.InterfaceLanguage(), CatalogLanguage(catalog));
        QTranslator translations;
        QVERIFY(translations.load(QStringLiteral(":/Lang/Lumeno3D_%1.qm").arg(catalog)));
        const QString open = translations.translate("MainWindow", "&Open");
        QCOMPARE(testing::Action(window, QStringLiteral("actionOpen"))->text(), open.isEmpty() ? "&Open" : open);
        QCOMPARE(QLocale().toString(1234567), number);

        DialogPreferences *dialog = testing::OpenPreferences(window);
        QCOMPARE(dialog->findChild<QComboBox *>()->currentText(), listed);
        QCOMPARE(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->text(), qtClose);
        // Help needs no browser: the page comes with the program and links the web page of the language.
        testing::Action(window, QStringLiteral("actionContent"))->trigger();
        auto *page = window.findChild<HelpWindow *>()->findChild<QTextBrowser *>();
        QVERIFY(page->isVisible() && page->toPlainText().size() > 500);
        QVERIFY(catalog == "en" || page->toHtml().contains("https://lumeno3d.org/help/" + stored + "/Lumeno3D.html"));
    }

    // Points and lines stand out from light and dark backgrounds alike (one row per mode and
    // per kind of background: the colour chosen depends on the background alone).
    void pointsAndWireframeStandOutFromTheBackground_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<int>("clicks");
        QTest::newRow("points, light") << QColor(230, 230, 230) << 1;
        QTest::newRow("wireframe, dark") << QColor(20, 20, 30) << 2;
    }

    void pointsAndWireframeStandOutFromTheBackground()
    {
        QFETCH(QColor, background);
        QFETCH(int, clicks);
        MainWindow window;
        QVERIFY(testing::Show(window));
        QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(), testing::ScratchFile("ball.stl")));
        QMetaObject::invokeMethod(&window, "SetModelColour", Q_ARG(QColor, background.lighter(110)));
        QMetaObject::invokeMethod(&window, "SetBackgroundTop", Q_ARG(QColor, background));
        QMetaObject::invokeMethod(&window, "SetBackgroundBottom", Q_ARG(QColor, background));
        for (int i = 0; i < clicks; ++i)
            testing::Action(window, QStringLiteral("actionDisplayMode"))->trigger();

        int standingOut = 0;
        const auto standOut = [&] {
            const QImage image = testing::Grab(window, "vtkDecimatedWindow");
            const QRect middle(image.width() / 4, image.height() / 4, image.width() / 2, image.height() / 2);
            standingOut = 0;
            for (int y = middle.top(); y <= middle.bottom(); ++y)
                for (int x = middle.left(); x <= middle.right(); ++x)
                    standingOut += std::abs(Lightness(image.pixelColor(x, y)) - Lightness(background)) > 0.4;
            return standingOut > middle.width() * middle.height() / 50;
        };
        QTRY_VERIFY2(standOut(), qPrintable(QString::number(standingOut)));
    }
};

LUMENO_TEST_MAIN(TestSettings)
#include "test_settings.moc"
