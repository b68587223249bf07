// The preferences dialog and the colours it sets: what it shows, what a pick changes in both
// views and in the settings, "Restore Default", and the colour button of the bottom toolbar.
#include "TestSupport.h"

#include "MainWindow.h"
#include "dialogs/DialogPreferences.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVTKOpenGLNativeWidget.h>

#include <vtkActor.h>
#include <vtkProperty.h>

namespace {

QVTKOpenGLNativeWidget *View(MainWindow &window, const char *name)
{
    return window.findChild<QVTKOpenGLNativeWidget *>(QString::fromLatin1(name));
}

bool Near(QColor actual, QColor expected, int tolerance = 8)
{
    return qAbs(actual.red() - expected.red()) <= tolerance && qAbs(actual.green() - expected.green()) <= tolerance &&
           qAbs(actual.blue() - expected.blue()) <= tolerance;
}

// The views are read from the screen: the open dialogs are moved off it first (they stay open).
void UncoverViews(MainWindow &window)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget != &window && widget->isVisible())
            widget->move(4000, 4000);
}

// Both views show the gradient from `top` (first row) to `bottom` (last row).
void VerifyGradient(MainWindow &window, QColor top, QColor bottom)
{
    UncoverViews(window);
    for (const char *name : {"vtkOriginalWindow", "vtkDecimatedWindow"}) {
        const QImage image = testing::Grab(View(window, name));
        QVERIFY(!image.isNull());
        const int x = image.width() / 2;
        QVERIFY2(Near(image.pixelColor(x, 1), top), qPrintable(QStringLiteral("%1 top %2").arg(QLatin1String(name),
                                                                      image.pixelColor(x, 1).name())));
        QVERIFY2(Near(image.pixelColor(x, image.height() - 2), bottom),
                 qPrintable(QStringLiteral("%1 bottom %2").arg(QLatin1String(name),
                                                               image.pixelColor(x, image.height() - 2).name())));
    }
}

// The three stored components of a colour, read back as numbers.
void VerifyStored(const char *prefix, double red, double green, double blue)
{
    const QSettings settings;
    const QString key = QString::fromLatin1(prefix);
    const double expected[] = {red, green, blue};
    const char *parts[] = {"Red", "Green", "Blue"};
    for (int i = 0; i < 3; ++i) {
        const QVariant value = settings.value(key + QLatin1String(parts[i]));
        bool isNumber = false;
        const double stored = value.toDouble(&isNumber);
        QVERIFY2(isNumber, qPrintable(key + QLatin1String(parts[i])));
        QVERIFY2(qAbs(stored - expected[i]) < 1e-3,
                 qPrintable(QStringLiteral("%1%2 = %3").arg(key, QLatin1String(parts[i])).arg(stored)));
    }
}

DialogPreferences *OpenPreferences(MainWindow &window)
{
    window.findChild<QAction *>(QStringLiteral("actionPreferences"))->trigger();
    return window.findChild<DialogPreferences *>();
}

QPushButton *Button(DialogPreferences *dialog, const char *name)
{
    return dialog->findChild<QPushButton *>(QString::fromLatin1(name));
}

QString Swatch(const char *hex)
{
    return QStringLiteral("background-color: %1").arg(QLatin1String(hex));
}

// Clicks a colour button of the dialog and answers the colour dialog it opens.
// Returns the colour the colour dialog offered when it opened.
QColor PickColor(QPushButton *button, QColor color, bool accept = true)
{
    QColor offered;
    testing::AnswerNextModal([&](QWidget *modal) {
        auto *picker = qobject_cast<QColorDialog *>(modal);
        QVERIFY(picker);
        offered = picker->currentColor();
        picker->setCurrentColor(color);
        if (accept)
            picker->accept();
        else
            picker->reject();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    return offered;
}

// Loads a sphere and waits until its levels are computed.
bool LoadSphere(MainWindow &window, const QString &name)
{
    const QString path = testing::SandboxPath() + QLatin1Char('/') + name;
    if (!testing::WriteModel(testing::Sphere(), path))
        return false;
    window.LoadModel(path, QStringLiteral("stl"));
    return window.ActorOriginal() && testing::WaitUntil([&] { return !window.IsCascadeRunning(); });
}

void VerifyModelColor(MainWindow &window, double red, double green, double blue)
{
    for (vtkActor *actor : {window.ActorOriginal(), window.ActorDecimated()}) {
        QVERIFY(actor);
        const double *color = actor->GetProperty()->GetColor();
        QVERIFY2(qAbs(color[0] - red) < 1e-3 && qAbs(color[1] - green) < 1e-3 && qAbs(color[2] - blue) < 1e-3,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(color[0]).arg(color[1]).arg(color[2])));
    }
}

// In the middle of both views the lit model shows clearly more of `channel` (0 red,
// 1 green, 2 blue) than of the other two.
void VerifyModelPixels(MainWindow &window, int channel)
{
    UncoverViews(window);
    for (const char *name : {"vtkOriginalWindow", "vtkDecimatedWindow"}) {
        const QImage image = testing::Grab(View(window, name));
        const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
        const int values[] = {c.red(), c.green(), c.blue()};
        for (int other = 0; other < 3; ++other)
            if (other != channel)
                QVERIFY2(values[channel] > values[other] + 60, qPrintable(QLatin1String(name) + c.name()));
    }
}

// The visible colour dialogs opened from the bottom toolbar (they have no parent).
QList<QColorDialog *> ToolbarColorDialogs()
{
    QList<QColorDialog *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<QColorDialog *>(widget); dialog && dialog->isVisible())
            dialogs << dialog;
    return dialogs;
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }
    void cleanup() { QSettings().clear(); }

    void firstOpeningShowsTheDefaultColoursInTheFixedForm()
    {
        MainWindow window;
        DialogPreferences *dialog = OpenPreferences(window);
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->parentWidget(), &window);

        QCOMPARE(Button(dialog, "buttonColor")->styleSheet(), Swatch("#ffffff"));
        QCOMPARE(Button(dialog, "btnBackgroundTop")->styleSheet(), Swatch("#e6e6e6"));
        QCOMPARE(Button(dialog, "btnBackgroundBottom")->styleSheet(), Swatch("#ffffff"));

        QCOMPARE(dialog->windowTitle(), QStringLiteral("Settings"));
        QVERIFY(!dialog->windowIcon().isNull());
        QCOMPARE(dialog->size(), QSize(414, 310));
        QCOMPARE(dialog->minimumSize(), QSize(414, 310));
        QCOMPARE(dialog->maximumSize(), QSize(414, 310));
        QVERIFY(!(dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(dialog->windowFlags() & Qt::CustomizeWindowHint);

        const struct {
            const char *name;
            const char *parent;
            QRect geometry;
            const char *title;
        } groups[] = {{"groupBoxLanguage", "DialogPreferences", {10, 10, 391, 51}, "Language"},
                      {"groupBox", "DialogPreferences", {9, 69, 391, 131}, "Graphic Options"},
                      {"groupBox_2", "groupBox", {20, 20, 120, 71}, "Model Color"},
                      {"groupBox_3", "groupBox", {180, 20, 201, 71}, "Background Color"}};
        for (const auto &group : groups) {
            auto *box = dialog->findChild<QGroupBox *>(QString::fromLatin1(group.name));
            QVERIFY2(box, group.name);
            QCOMPARE(box->parentWidget()->objectName(), QString::fromLatin1(group.parent));
            QCOMPARE(box->geometry(), group.geometry);
            QCOMPARE(box->title(), QString::fromLatin1(group.title));
            QCOMPARE(box->alignment(), Qt::AlignCenter);
        }
        const struct {
            const char *name;
            const char *parent;
            QRect geometry;
            const char *text;
        } buttons[] = {{"buttonColor", "groupBox_2", {30, 40, 61, 23}, ""},
                       {"btnBackgroundTop", "groupBox_3", {30, 40, 61, 23}, ""},
                       {"btnBackgroundBottom", "groupBox_3", {120, 40, 61, 23}, ""},
                       {"btnRestoreDefault", "groupBox", {20, 100, 361, 23}, "Restore Default"}};
        for (const auto &button : buttons) {
            QPushButton *widget = Button(dialog, button.name);
            QVERIFY2(widget, button.name);
            QCOMPARE(widget->parentWidget()->objectName(), QString::fromLatin1(button.parent));
            QCOMPARE(widget->geometry(), button.geometry);
            QCOMPARE(widget->text(), QString::fromLatin1(button.text));
            if (!widget->text().isEmpty())
                continue;
            QCOMPARE(widget->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
            QCOMPARE(widget->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        }
        for (auto [name, geometry, text] : {std::tuple{"label_2", QRect(30, 20, 61, 20), "Top"},
                                            std::tuple{"label_3", QRect(120, 20, 61, 20), "Bottom"}}) {
            auto *label = dialog->findChild<QLabel *>(QString::fromLatin1(name));
            QVERIFY2(label, name);
            QCOMPARE(label->parentWidget()->objectName(), QStringLiteral("groupBox_3"));
            QCOMPARE(label->geometry(), geometry);
            QCOMPARE(label->text(), QString::fromLatin1(text));
            QCOMPARE(label->alignment(), Qt::AlignCenter);
        }
    }

    void backgroundPicksRecolourBothViewsAtOnceAndAreStored()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        DialogPreferences *dialog = OpenPreferences(window);

        PickColor(Button(dialog, "btnBackgroundTop"), QColor(255, 0, 0));
        QCOMPARE(Button(dialog, "btnBackgroundTop")->styleSheet(), Swatch("#ff0000"));
        VerifyGradient(window, QColor(255, 0, 0), QColor(255, 255, 255));
        VerifyStored("backgroundTop", 1.0, 0.0, 0.0);

        PickColor(Button(dialog, "btnBackgroundBottom"), QColor(64, 128, 191));
        QCOMPARE(Button(dialog, "btnBackgroundBottom")->styleSheet(), Swatch("#4080bf"));
        VerifyGradient(window, QColor(255, 0, 0), QColor(64, 128, 191));
        VerifyStored("backgroundBottom", 64 / 255.0, 128 / 255.0, 191 / 255.0);
        VerifyStored("backgroundTop", 1.0, 0.0, 0.0);

        // The colour dialog of a button is kept: it opens again on the colour last picked in it.
        QCOMPARE(PickColor(Button(dialog, "btnBackgroundTop"), QColor(0, 255, 0)), QColor(255, 0, 0));
        VerifyGradient(window, QColor(0, 255, 0), QColor(64, 128, 191));
    }

    void cancellingAColourDialogChangesNothing()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        DialogPreferences *dialog = OpenPreferences(window);
        for (const char *name : {"buttonColor", "btnBackgroundTop", "btnBackgroundBottom"})
            PickColor(Button(dialog, name), QColor(0, 0, 0), false);
        QCOMPARE(Button(dialog, "buttonColor")->styleSheet(), Swatch("#ffffff"));
        QCOMPARE(Button(dialog, "btnBackgroundTop")->styleSheet(), Swatch("#e6e6e6"));
        QVERIFY(!QSettings().contains(QStringLiteral("modelRed")));
        QVERIFY(!QSettings().contains(QStringLiteral("backgroundTopRed")));
        QVERIFY(!QSettings().contains(QStringLiteral("backgroundBottomRed")));
        VerifyGradient(window, QColor(230, 230, 230), QColor(255, 255, 255));
    }

    void coloursPickedBeforeAnyModelAreShownAfterARestart()
    {
        {
            MainWindow window;
            DialogPreferences *dialog = OpenPreferences(window);
            PickColor(Button(dialog, "buttonColor"), QColor(255, 0, 0));
            PickColor(Button(dialog, "btnBackgroundTop"), QColor(0, 0, 255));
            VerifyStored("model", 1.0, 0.0, 0.0);
        }
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        VerifyGradient(window, QColor(0, 0, 255), QColor(255, 255, 255));
        DialogPreferences *dialog = OpenPreferences(window);
        QCOMPARE(Button(dialog, "buttonColor")->styleSheet(), Swatch("#ff0000"));
        QCOMPARE(Button(dialog, "btnBackgroundTop")->styleSheet(), Swatch("#0000ff"));
        QCOMPARE(Button(dialog, "btnBackgroundBottom")->styleSheet(), Swatch("#ffffff"));
    }

    void restoreDefaultBringsBackTheThreeColours()
    {
        QSettings settings;
        for (const char *key : {"modelRed", "modelGreen", "backgroundTopRed", "backgroundTopGreen",
                                "backgroundTopBlue", "backgroundBottomGreen"})
            settings.setValue(QString::fromLatin1(key), 0.0);
        settings.sync();

        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        VerifyGradient(window, QColor(0, 0, 0), QColor(255, 0, 255));
        DialogPreferences *dialog = OpenPreferences(window);
        QCOMPARE(Button(dialog, "buttonColor")->styleSheet(), Swatch("#0000ff"));
        QCOMPARE(Button(dialog, "btnBackgroundTop")->styleSheet(), Swatch("#000000"));
        QCOMPARE(Button(dialog, "btnBackgroundBottom")->styleSheet(), Swatch("#ff00ff"));

        QTest::mouseClick(Button(dialog, "btnRestoreDefault"), Qt::LeftButton);
        QCOMPARE(Button(dialog, "buttonColor")->styleSheet(), Swatch("#ffffff"));
        QCOMPARE(Button(dialog, "btnBackgroundTop")->styleSheet(), Swatch("#e6e6e6"));
        QCOMPARE(Button(dialog, "btnBackgroundBottom")->styleSheet(), Swatch("#ffffff"));
        VerifyGradient(window, QColor(230, 230, 230), QColor(255, 255, 255));
        VerifyStored("model", 1.0, 1.0, 1.0);
        VerifyStored("backgroundTop", 0.9, 0.9, 0.9);
        VerifyStored("backgroundBottom", 1.0, 1.0, 1.0);
    }

    void openingPreferencesAgainReplacesTheDialog()
    {
        MainWindow window;
        QPointer<DialogPreferences> first = OpenPreferences(window);
        QVERIFY(first);
        window.findChild<QAction *>(QStringLiteral("actionPreferences"))->trigger();
        QVERIFY(first.isNull());
        const QList<DialogPreferences *> dialogs = window.findChildren<DialogPreferences *>();
        QCOMPARE(dialogs.size(), 1);
        QVERIFY(dialogs.first()->isVisible());

        // Colours picked in the new dialog still reach the window.
        PickColor(Button(dialogs.first(), "btnBackgroundBottom"), QColor(0, 0, 0));
        VerifyStored("backgroundBottom", 0.0, 0.0, 0.0);
    }
    void modelColourRecoloursBothModelsAtOnceAndIsUsedAfterARestart()
    {
        {
            MainWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(LoadSphere(window, QStringLiteral("red.stl")));
            DialogPreferences *dialog = OpenPreferences(window);
            PickColor(Button(dialog, "buttonColor"), QColor(255, 0, 0));
            VerifyModelColor(window, 1.0, 0.0, 0.0);
            VerifyModelPixels(window, 0);
            VerifyStored("model", 1.0, 0.0, 0.0);
        }
        MainWindow window;
        QVERIFY(LoadSphere(window, QStringLiteral("red-again.stl")));
        VerifyModelColor(window, 1.0, 0.0, 0.0);
        QCOMPARE(Button(OpenPreferences(window), "buttonColor")->styleSheet(), Swatch("#ff0000"));
    }

    void restoreDefaultTurnsALoadedModelWhite()
    {
        QSettings().setValue(QStringLiteral("modelGreen"), 0.0);
        MainWindow window;
        QVERIFY(LoadSphere(window, QStringLiteral("white.stl")));
        VerifyModelColor(window, 1.0, 0.0, 1.0);
        QTest::mouseClick(Button(OpenPreferences(window), "btnRestoreDefault"), Qt::LeftButton);
        VerifyModelColor(window, 1.0, 1.0, 1.0);
        VerifyStored("model", 1.0, 1.0, 1.0);
    }

    void toolbarColourButtonChangesTheSameStoredColour()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAction *colors = window.findChild<QAction *>(QStringLiteral("actionColorPicker"));
        colors->trigger(); // no model yet: no dialog
        QTest::qWait(50);
        QVERIFY(ToolbarColorDialogs().isEmpty());

        QVERIFY(LoadSphere(window, QStringLiteral("blue.stl")));
        DialogPreferences *preferences = OpenPreferences(window);
        colors->trigger();
        colors->trigger(); // every press opens a further dialog, none blocks the window
        QVERIFY(testing::WaitUntil([] { return ToolbarColorDialogs().size() == 2; }, 5000));
        QVERIFY(!QApplication::activeModalWidget());

        QColorDialog *second = ToolbarColorDialogs().constLast();
        second->setCurrentColor(QColor(0, 0, 255));
        second->accept();
        VerifyModelColor(window, 0.0, 0.0, 1.0);
        VerifyModelPixels(window, 2);
        VerifyStored("model", 0.0, 0.0, 1.0);
        // The open preferences dialog learns of it only when it is opened anew.
        QCOMPARE(Button(preferences, "buttonColor")->styleSheet(), Swatch("#ffffff"));
        QCOMPARE(Button(OpenPreferences(window), "buttonColor")->styleSheet(), Swatch("#0000ff"));

        QColorDialog *first = ToolbarColorDialogs().constFirst();
        first->setCurrentColor(QColor(0, 255, 0));
        first->accept();
        VerifyModelColor(window, 0.0, 1.0, 0.0);
        VerifyStored("model", 0.0, 1.0, 0.0);
        QVERIFY(testing::WaitUntil([] { return ToolbarColorDialogs().isEmpty(); }, 5000));
    }
};

LUMENO_TEST_MAIN(TestPreferences)
#include "test_preferences.moc"
