// The About and About-Qt dialogs, and the help page of the interface language.
#include "TestSupport.h"

#include "MainWindow.h"
#include "UrlCatcher.h"
#include "dialogs/DialogAbout.h"
#include "dialogs/DialogAboutQt.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTextBlock>
#include <QTextBrowser>

class TestAbout : public QObject
{
    Q_OBJECT

    static void Trigger(MainWindow &window, const char *action)
    {
        window.findChild<QAction *>(QLatin1String(action))->trigger();
    }

    // Where the first link of a text browser is drawn, in its viewport; invalid when it has none.
    static QPoint FirstLink(QTextBrowser *browser)
    {
        QTextDocument *document = browser->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                if (!fragment.fragment().charFormat().isAnchor())
                    continue;
                QTextCursor cursor(document);
                cursor.setPosition(fragment.fragment().position() + 1);
                return browser->cursorRect(cursor).center();
            }
        }
        return QPoint(-1, -1);
    }

private slots:
    void init()
    {
        QSettings().remove(QStringLiteral("Language"));
    }

    void versionIsTheSameInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("German") << "de";
        QTest::newRow("Japanese") << "ja";
    }

    void versionIsTheSameInEveryLanguage()
    {
        QFETCH(QString, language);
        QSettings().setValue(QStringLiteral("Language"), language);
        MainWindow window;

        QString version;
        QSize size;
        testing::AnswerNextModal([&](QWidget *modal) {
            version = modal->findChild<QLabel *>(QStringLiteral("lblVersion"))->text();
            size = modal->size();
            modal->close();
        });
        Trigger(window, "actionAbout");
        QCOMPARE(version, QStringLiteral("0.9.1 (02-08-2014)"));
        QCOMPARE(size, QSize(601, 358));
    }

    void moreDetailsOpensTheSameAboutQtEachTime()
    {
        MainWindow window;
        QList<const void *> opened; // identities only: the dialogs are gone when they are compared
        bool allAboutQt = true;
        QString aboutText;
        QPointer<DialogAboutQt> aboutQt;
        bool aboutWasModal = false;

        testing::AnswerNextModal([&](QWidget *about) {
            aboutWasModal = qobject_cast<DialogAbout *>(about) != nullptr;
            auto *details = about->findChild<QPushButton *>(QStringLiteral("btnDetails"));
            for (int press = 0; press < 2; ++press) {
                testing::AnswerNextModal([&](QWidget *modal) {
                    opened << modal;
                    aboutQt = qobject_cast<DialogAboutQt *>(modal);
                    allAboutQt = allAboutQt && aboutQt;
                    aboutText = modal->findChild<QTextBrowser *>()->toPlainText();
                    modal->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
                });
                QTest::mouseClick(details, Qt::LeftButton);
            }
            about->close();
        });
        Trigger(window, "actionAbout");

        QVERIFY(aboutWasModal);
        QCOMPARE(opened.size(), 2);
        QVERIFY(opened[0] == opened[1]);
        QVERIFY(allAboutQt);
        QVERIFY(aboutText.contains(QLatin1String(qVersion())));
        QVERIFY(!aboutText.contains(QLatin1String("%QT_VERSION%")));
        // Closing the About dialog took its About-Qt dialog with it.
        QVERIFY(aboutQt.isNull());
    }

    void aboutQtLinksDoNothing()
    {
        UrlCatcher https(QStringLiteral("https")), http(QStringLiteral("http"));
        DialogAboutQt dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *browser = dialog.findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
        QVERIFY(!browser->openLinks());
        QVERIFY(!browser->openExternalLinks());

        const QPoint link = FirstLink(browser);
        if (link.x() < 0)
            QSKIP("the about text holds no link");
        const QString before = browser->toHtml();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, link);
        QTest::qWait(100);
        QVERIFY(https.urls.isEmpty());
        QVERIFY(http.urls.isEmpty());
        QCOMPARE(browser->toHtml(), before);
    }

    void helpPageOfTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("address");
        QTest::newRow("German") << "de" << "https://lumeno3d.org/help/de/Lumeno3D.html";
        QTest::newRow("French") << "fr" << "https://lumeno3d.org/help/fr/Lumeno3D.html";
        QTest::newRow("none stored") << QString() << "https://lumeno3d.org/help/en/Lumeno3D.html";
    }

    void helpPageOfTheInterfaceLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(QString, address);
        UrlCatcher opened(QStringLiteral("https"));
        MainWindow window;
        // The window stores the language it starts in; set the case under test afterwards.
        if (stored.isEmpty())
            QSettings().remove(QStringLiteral("Language"));
        else
            QSettings().setValue(QStringLiteral("Language"), stored);

        Trigger(window, "actionContent");
        QCOMPARE(opened.urls, QList<QUrl>{QUrl(address)});
    }
};

LUMENO_TEST_MAIN(TestAbout)
#include "test_about.moc"
