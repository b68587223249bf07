// The two update notices: where they sit, how they close, and what installing does.
#include "TestSupport.h"

#include "UrlCatcher.h"
#include "update/DialogNotificationUpdateReady.h"
#include "update/DialogUpdater.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <limits>

class TestUpdateDialogs : public QObject
{
    Q_OBJECT

    const QString installerPath = QStringLiteral("/nonexistent/cache/updates/setup_0.9.2.bin");

    // Clicks the install button inside an event loop that only QCoreApplication::quit or the
    // time-out ends; true when the program was told to quit.
    static bool ClickInstallAndSeeIfItQuits(QPushButton *button)
    {
        QEventLoop loop;
        QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        return loop.exec() == 0;
    }

    static void CheckFramelessOnTopInTheCorner(QDialog *notice, const QSize &size)
    {
        QVERIFY(notice->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(notice->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!notice->isModal());
        notice->show();
        QVERIFY(QTest::qWaitForWindowExposed(notice));
        QCOMPARE(notice->frameGeometry().size(), size);
        QCOMPARE(notice->frameGeometry().bottomRight(),
                 QGuiApplication::primaryScreen()->availableGeometry().bottomRight());
    }

private slots:
    void noticesAreFramelessOnTopInTheCorner()
    {
        QWidget window;
        DialogUpdater progress(&window);
        CheckFramelessOnTopInTheCorner(&progress, QSize(311, 68));
        QCOMPARE(progress.findChild<QLabel *>(QStringLiteral("label"))->text(),
                 QStringLiteral("Downloading new version!"));

        DialogNotificationUpdateReady ready(installerPath, &window);
        CheckFramelessOnTopInTheCorner(&ready, QSize(310, 68));
        QCOMPARE(ready.findChild<QPushButton *>(QStringLiteral("pushButton"))->text(),
                 QStringLiteral("&Install New Version!"));
    }

    void clickOutsideTheButtonClosesWithoutAsking()
    {
        UrlCatcher opened(QStringLiteral("file"));
        DialogUpdater progress;
        progress.show();
        QVERIFY(QTest::qWaitForWindowExposed(&progress));
        QTest::mouseClick(progress.findChild<QProgressBar *>(), Qt::LeftButton);
        QVERIFY(!progress.isVisible());

        DialogNotificationUpdateReady ready(installerPath);
        for (const char *part : {"label", "label_2"}) {
            ready.show();
            QVERIFY(QTest::qWaitForWindowExposed(&ready));
            QTest::mouseClick(ready.findChild<QLabel *>(QLatin1String(part)), Qt::LeftButton);
            QVERIFY(!ready.isVisible());
            QTest::qWait(100);
            QVERIFY(!QApplication::activeModalWidget());
        }
        QVERIFY(opened.urls.isEmpty());
    }

    void progressFollowsTheByteCounts()
    {
        DialogUpdater progress;
        auto *bar = progress.findChild<QProgressBar *>(QStringLiteral("DownloadProgressBar"));
        progress.updateProgress(500, 2000);
        QCOMPARE(bar->maximum(), 2000);
        QCOMPARE(bar->value(), 500);
        progress.updateProgress(2000, 2000);
        QCOMPARE(bar->value(), 2000);

        // Length unknown: a busy bar.
        progress.updateProgress(700, -1);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 0);

        // Beyond the bar's int range the counts are scaled down together.
        const qint64 total = qint64(std::numeric_limits<int>::max()) * 3;
        progress.updateProgress(total / 2, total);
        QVERIFY(bar->maximum() > 0);
        QVERIFY(qAbs(double(bar->value()) / bar->maximum() - 0.5) < 0.001);
    }

    void answeringNoKeepsTheProgramRunning()
    {
        UrlCatcher opened(QStringLiteral("file"));
        DialogNotificationUpdateReady ready(installerPath);
        ready.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ready));

        QString question, details;
        testing::AnswerNextModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            question = box->text();
            details = box->informativeText();
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!ClickInstallAndSeeIfItQuits(ready.findChild<QPushButton *>(QStringLiteral("pushButton"))));

        QCOMPARE(question, QStringLiteral("Update"));
        QCOMPARE(details, QStringLiteral("Lumeno3D is going to close to install a new version.\nDo you want to close "
                                         "Lumeno3D and update it?\n(Changes will be lost if you didn't save them)."));
        QVERIFY(!ready.isVisible());
        QVERIFY(opened.urls.isEmpty());
    }

    // Last on purpose: once told to quit, the application refuses to start further event loops.
    void answeringYesOpensTheInstallerAndQuits()
    {
        UrlCatcher opened(QStringLiteral("file"));
        DialogNotificationUpdateReady ready(installerPath);
        ready.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ready));

        testing::AnswerNextModal(
            [](QWidget *modal) { qobject_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click(); });
        QVERIFY(ClickInstallAndSeeIfItQuits(ready.findChild<QPushButton *>(QStringLiteral("pushButton"))));

        QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(installerPath)});
        QVERIFY(!ready.isVisible());
    }
};

LUMENO_TEST_MAIN(TestUpdateDialogs)
#include "test_update_dialogs.moc"
