// The window as it starts: identity, menus, toolbars, which actions are available.
#include "TestSupport.h"

#include "MainWindow.h"
#include "Version.h"
#include "YesNoQuestion.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>
#include <QVTKOpenGLNativeWidget.h>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void versionIsComposedWithoutPadding()
    {
        QCOMPARE(lumeno::version::applicationVersion(), QStringLiteral("0.9.1.20140802"));
    }

    void freshStartShowsTheMenusInOrder()
    {
        MainWindow window;
        auto *file = window.findChild<QMenu *>(QStringLiteral("menuFile"));
        auto *help = window.findChild<QMenu *>(QStringLiteral("menuHelp"));
        QVERIFY(file && help);
        QCOMPARE(testing::VisibleEntries(file),
                 (QStringList{QStringLiteral("New"), QStringLiteral("Open"), QStringLiteral("Save as..."),
                              QStringLiteral("Preferences"), QStringLiteral("--"), QStringLiteral("&Exit")}));
        QCOMPARE(testing::VisibleEntries(help), (QStringList{QStringLiteral("Content"), QStringLiteral("About")}));

        QAction *exit = file->actions().constLast();
        QCOMPARE(exit->statusTip(), QStringLiteral("Exit from Lumeno3D"));
        QVERIFY(!exit->icon().isNull());
        QCOMPARE(window.size(), QSize(1058, 813));
        QCOMPARE(window.windowTitle(), QStringLiteral("Lumeno3D"));
    }

    void toolbarsHoldTheirActionsInOrder()
    {
        MainWindow window;
        const QList<QToolBar *> bars = window.findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly);
        QStringList names;
        for (QToolBar *bar : bars)
            names << bar->objectName();
        QCOMPARE(names, (QStringList{QStringLiteral("mainToolBar"), QStringLiteral("decimationByPercentageToolBar"),
                                     QStringLiteral("decimantionByErrorToolBar"), QStringLiteral("bottomToolBar")}));
        QCOMPARE(window.toolBarArea(bars[3]), Qt::BottomToolBarArea);
        QCOMPARE(bars[0]->iconSize(), QSize(38, 38));
        QCOMPARE(bars[0]->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(bars[3]->iconSize(), QSize(18, 18));

        auto names_of = [](QToolBar *bar) {
            QStringList list;
            for (QAction *action : bar->actions())
                list << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
            return list;
        };
        QCOMPARE(names_of(bars[0]), (QStringList{QStringLiteral("actionSnapshot"), QStringLiteral("actionTransform"),
                                                 QStringLiteral("actionSmooth")}));
        QStringList percentages;
        for (int p = 100; p >= 10; p -= 10)
            percentages << QStringLiteral("actionDecimation%1").arg(p);
        percentages << QStringLiteral("actionDecimationSet");
        QCOMPARE(names_of(bars[1]), percentages);
        QCOMPARE(names_of(bars[2]),
                 (QStringList{QStringLiteral("actionDecimation01"), QStringLiteral("actionDecimation001"),
                              QStringLiteral("actionDecimation0001"), QStringLiteral("actionDecimationByError")}));
        QStringList bottom = names_of(bars[3]);
        QCOMPARE(bottom.mid(0, 8),
                 (QStringList{QStringLiteral("actionColorPicker"), QStringLiteral("actionDisplayMode"),
                              QStringLiteral("actionZoom"), QStringLiteral("|"), QStringLiteral("actionFront"),
                              QStringLiteral("actionSide"), QStringLiteral("actionTop"), QStringLiteral("actionPers")}));
        QCOMPARE(bottom.size(), 9); // the status bar follows the presets
        QVERIFY(bars[3]->findChild<QLabel *>());

        for (QToolBar *bar : bars)
            for (QAction *action : bar->actions())
                if (!action->isSeparator() && !action->objectName().isEmpty())
                    QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
    }

    void onlyViewActionsStartEnabled()
    {
        MainWindow window;
        for (QAction *action : window.findChildren<QAction *>()) {
            const QString name = action->objectName();
            if (name.startsWith(QLatin1String("actionDecimation"))) {
                QVERIFY2(!action->isEnabled(), qPrintable(name));
                QVERIFY2(action->text().isEmpty(), qPrintable(name));
            } else if (name.startsWith(QLatin1String("action"))) {
                QVERIFY2(action->isEnabled(), qPrintable(name));
            }
        }
        QVERIFY(!window.findChild<QVTKOpenGLNativeWidget *>(QStringLiteral("vtkDecimatedWindow"))->isEnabled());
        QVERIFY(window.findChild<QVTKOpenGLNativeWidget *>(QStringLiteral("vtkOriginalWindow"))->isEnabled());
    }

    void escapeInTheQuestionMeansNo()
    {
        testing::AnswerNextModal([](QWidget *box) { QTest::keyClick(box, Qt::Key_Escape); });
        QVERIFY(!AskYesNo(QStringLiteral("Update"), QStringLiteral("Close now?")));

        testing::AnswerNextModal([](QWidget *box) {
            auto *message = qobject_cast<QMessageBox *>(box);
            QCOMPARE(message->button(QMessageBox::Yes)->text(), QStringLiteral("Yes"));
            QCOMPARE(message->button(QMessageBox::No)->text(), QStringLiteral("No"));
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(AskYesNo(QStringLiteral("Update"), QString()));
    }
};

LUMENO_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
