// Interface language: the start-up choice, the language group of the preferences dialog, the catalogs.
//
// startupFollowsTheSystemLocale runs once per system locale, each in its own process started
// with LANG set; LUMENO_EXPECTED_LOCALE and LUMENO_EXPECTED_LANGUAGE carry what it should find.
#include "TestSupport.h"

#include "settings/LanguageNames.h"
#include "MainWindow.h"
#include "dialogs/DialogPreferences.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTranslator>

namespace {

const QStringList CatalogCodes{QStringLiteral("ar"), QStringLiteral("ca"), QStringLiteral("cz"),
                               QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("es"),
                               QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("ja"),
                               QStringLiteral("ko"), QStringLiteral("pt"), QStringLiteral("ru"),
                               QStringLiteral("th"), QStringLiteral("zh-cn"), QStringLiteral("zh-tw")};

QString CatalogPath(const QString &code)
{
    return QStringLiteral(":/Lang/Lumeno3D_%1.qm").arg(code);
}

// The language a catalog declares: the program's code, but for Czech, whose catalog
// declares the standard code so that Qt's tools recognise it.
QString DeclaredLanguage(const QString &code)
{
    return code == QLatin1String("cz") ? QStringLiteral("cs") : code;
}

// What the interface should show for a source text in the given language.
QString Expected(const QString &code, const char *context, const char *source)
{
    QTranslator catalog;
    catalog.load(CatalogPath(code));
    const QString translated = catalog.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

QAction *ExitAction(MainWindow &window)
{
    return window.findChild<QMenu *>(QStringLiteral("menuFile"))->actions().constLast();
}

// The window shows the texts of the catalog of `code`, from the form and from the code alike.
void VerifyWindowLanguage(MainWindow &window, const QString &code)
{
    QCOMPARE(window.InterfaceLanguage(), DeclaredLanguage(code));
    QCOMPARE(window.findChild<QMenu *>(QStringLiteral("menuFile"))->title(), Expected(code, "MainWindow", "File"));
    QCOMPARE(window.findChild<QAction *>(QStringLiteral("actionOpen"))->text(), Expected(code, "MainWindow", "Open"));
    QCOMPARE(window.findChild<QAction *>(QStringLiteral("actionFront"))->toolTip(),
             Expected(code, "MainWindow", "Front view"));
    QCOMPARE(ExitAction(window)->text(), Expected(code, "MainWindow", "&Exit"));
}

DialogPreferences *OpenPreferences(MainWindow &window)
{
    window.findChild<QAction *>(QStringLiteral("actionPreferences"))->trigger();
    return window.findChild<DialogPreferences *>();
}

QComboBox *LanguageCombo(DialogPreferences *dialog)
{
    return dialog->findChild<QComboBox *>(QStringLiteral("comboBoxLanguage"));
}

// Runs `action` and reports whether a modal box appeared meanwhile (it is closed at once).
bool ShowsAModal(const std::function<void()> &action)
{
    bool shown = false;
    testing::AnswerNextModal(
        [&shown](QWidget *modal) {
            shown = true;
            modal->close();
        },
        400);
    action();
    QTest::qWait(600);
    return shown;
}

} // namespace

class TestLocalisation : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }
    void cleanup() { QSettings().clear(); }

    void startupFollowsTheSystemLocale()
    {
        const QString locale = qEnvironmentVariable("LUMENO_EXPECTED_LOCALE");
        const QString language = qEnvironmentVariable("LUMENO_EXPECTED_LANGUAGE");
        if (locale.isEmpty() || language.isEmpty())
            QSKIP("runs in its own process with LANG set");
        // Without this the case below would not test what it claims.
        QCOMPARE(QLocale::system().name(), locale);

        MainWindow window;
        QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), language);
        VerifyWindowLanguage(window, language);
    }

    void storedLanguageWinsOverTheSystemLocale()
    {
        QSettings().setValue(QStringLiteral("Language"), QStringLiteral("it"));
        MainWindow window;
        QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), QStringLiteral("it"));
        VerifyWindowLanguage(window, QStringLiteral("it"));
    }

    void languagesOutsideTheTableGiveEnglish_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("ru") << QStringLiteral("ru");
        QTest::newRow("ar") << QStringLiteral("ar");
        QTest::newRow("cs") << QStringLiteral("cs");
        QTest::newRow("upper case") << QStringLiteral("DE");
        QTest::newRow("empty") << QString();
    }

    void languagesOutsideTheTableGiveEnglish()
    {
        QFETCH(QString, stored);
        QSettings().setValue(QStringLiteral("Language"), stored);
        MainWindow window;
        QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), QStringLiteral("en"));
        VerifyWindowLanguage(window, QStringLiteral("en"));
    }

    void tableHoldsThirteenLanguagesInCodeOrder()
    {
        QCOMPARE(LanguageNames.keys(),
                 (QStringList{QStringLiteral("ca"), QStringLiteral("cz"), QStringLiteral("de"), QStringLiteral("en"),
                              QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("ja"),
                              QStringLiteral("ko"), QStringLiteral("pt"), QStringLiteral("th"),
                              QStringLiteral("zh-cn"), QStringLiteral("zh-tw")}));
        QCOMPARE(LanguageNames.value(QStringLiteral("es")), QString::fromUtf8("Espa\xc3\xb1ol"));
        QCOMPARE(LanguageNames.value(QStringLiteral("ca")), QString::fromUtf8("Catal\xc3\xa0"));
    }

    void comboListsTheLanguagesWithTheStoredOneSelected()
    {
        QSettings().setValue(QStringLiteral("Language"), QStringLiteral("ja"));
        MainWindow window;
        bool opened = true;
        QVERIFY(!ShowsAModal([&] { opened = OpenPreferences(window) != nullptr; }));
        QVERIFY(opened);
        QComboBox *combo = LanguageCombo(window.findChild<DialogPreferences *>());

        QStringList names, codes;
        for (int i = 0; i < combo->count(); ++i) {
            names << combo->itemText(i);
            codes << combo->itemData(i, Qt::UserRole).toString();
        }
        QCOMPARE(names, (QStringList{QString::fromUtf8("Catal\xc3\xa0"), QStringLiteral("Czech"),
                                     QStringLiteral("German"), QStringLiteral("English"),
                                     QString::fromUtf8("Espa\xc3\xb1ol"), QStringLiteral("French"),
                                     QStringLiteral("Italiano"), QStringLiteral("Japanese"), QStringLiteral("Korean"),
                                     QStringLiteral("Portuguese"), QStringLiteral("Thai"),
                                     QStringLiteral("Chinese Simplified"), QStringLiteral("Chinese Traditional")}));
        QCOMPARE(codes, LanguageNames.keys());
        QCOMPARE(combo->currentText(), QStringLiteral("Japanese"));

        auto *group = window.findChild<QGroupBox *>(QStringLiteral("groupBoxLanguage"));
        QCOMPARE(group->title(), Expected(QStringLiteral("ja"), "DialogPreferences", "Language"));
        QVERIFY(group->title() != QLatin1String("Language"));
        QCOMPARE(group->geometry(), QRect(10, 10, 391, 51));
        QCOMPARE(group->alignment(), Qt::AlignCenter);
        QCOMPARE(combo->parentWidget(), group);
        QCOMPARE(combo->geometry(), QRect(10, 20, 371, 22));
    }

    void pickingAnotherLanguageStoresItAndAsksForARestart()
    {
        QSettings().setValue(QStringLiteral("Language"), QStringLiteral("en"));
        MainWindow window;
        const QString openText = window.findChild<QAction *>(QStringLiteral("actionOpen"))->text();
        QComboBox *combo = LanguageCombo(OpenPreferences(window));
        QCOMPARE(combo->currentText(), QStringLiteral("English"));

        QString title, text;
        int buttons = 0;
        testing::AnswerNextModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            buttons = box->buttons().size();
            box->button(QMessageBox::Ok)->click();
        });
        combo->setCurrentIndex(combo->findData(QStringLiteral("de")));

        QCOMPARE(title, QStringLiteral("Information"));
        QCOMPARE(text, QStringLiteral("You have changed the language used to display Lumeno3D user interface \n\n"
                                      "This change will not take effect until you restart Lumeno3D"));
        QCOMPARE(buttons, 1);
        QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), QStringLiteral("de"));
        // The running interface keeps its language until the next start.
        QCOMPARE(window.InterfaceLanguage(), QStringLiteral("en"));
        QCOMPARE(window.findChild<QAction *>(QStringLiteral("actionOpen"))->text(), openText);
    }

    void reselectingTheCurrentLanguageShowsNothing()
    {
        QSettings().setValue(QStringLiteral("Language"), QStringLiteral("fr"));
        MainWindow window;
        QComboBox *combo = LanguageCombo(OpenPreferences(window));
        QVERIFY(!ShowsAModal([&] { combo->setCurrentIndex(combo->currentIndex()); }));
        QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), QStringLiteral("fr"));
    }

    void everyCatalogIsEmbeddedAndLoads()
    {
        for (const QString &code : CatalogCodes) {
            QTranslator catalog;
            QVERIFY2(catalog.load(CatalogPath(code)), qPrintable(code));
            QCOMPARE(catalog.language(), DeclaredLanguage(code));
        }
        // Shipped but never offered: they hold no message.
        for (const char *code : {"ar", "ru"}) {
            QTranslator catalog;
            catalog.load(CatalogPath(QString::fromLatin1(code)));
            QVERIFY2(catalog.isEmpty(), code);
            QVERIFY(!LanguageNames.contains(QString::fromLatin1(code)));
        }
    }
};

LUMENO_TEST_MAIN(TestLocalisation)
#include "test_localisation.moc"
