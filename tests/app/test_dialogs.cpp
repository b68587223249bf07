// In every language: each dialog's texts fit, every toolbar button is on screen at the window's
// first size, and each menu title and each entry of a menu has its own access key.
#include "AppSupport.h"

#include "ErrorBoundIcon.h"
#include "MenuText.h"
#include "io/write/ModelWriter.h"

#include "dialogs/DialogAboutQt.h"
#include "dialogs/DialogPreferences.h"
#include "dialogs/DialogTransform.h"
#include "settings/LanguageNames.h"
#include "update/DialogNotificationUpdateReady.h"
#include "update/DialogUpdater.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolBar>
#include <QToolButton>

namespace {

// Texts that do not get the room their widget asks for, and so are cut or elided:
// "<dialog> <widget>: <text> (<size> < <wanted>)".
QStringList CutTexts(QWidget *dialog)
{
    QStringList cut;
    const auto note = [&](QWidget *widget, const QString &text, const QSize &wanted) {
        if (widget->width() < wanted.width() || widget->height() < wanted.height())
            cut << QStringLiteral("%1 %2: \"%3\" (%4x%5 < %6x%7)").arg(dialog->objectName(), widget->objectName(), text)
                       .arg(widget->width()).arg(widget->height()).arg(wanted.width()).arg(wanted.height());
    };
    for (QWidget *widget : dialog->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(dialog))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()) {
            note(label, label->text(),
                 label->wordWrap() ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                                   : label->sizeHint());
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget); button && !button->text().isEmpty()) {
            note(button, button->text(), button->sizeHint());
        } else if (auto *group = qobject_cast<QGroupBox *>(widget); group && !group->title().isEmpty()) {
            note(group, group->title(), {group->minimumSizeHint().width(), 0});
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            note(combo, combo->currentText(), {combo->sizeHint().width(), 0});
        }
    }
    return cut;
}

// Shown, laid out and checked; then closed.
QStringList CutTextsShown(QWidget *dialog)
{
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog))
        return {dialog->objectName() + QStringLiteral(" did not show")};
    const QStringList cut = CutTexts(dialog);
    dialog->close();
    return cut;
}

QStringList CutTextsOfModal(MainWindow &window, const char *action)
{
    QStringList cut;
    testing::ModalAnswers answers({[&cut](QWidget *modal) {
        cut << CutTexts(modal);
        modal->close();
    }});
    testing::Action(window, QString::fromLatin1(action))->trigger();
    if (!answers.AllGiven())
        cut << QStringLiteral("%1 showed no dialog").arg(QLatin1String(action));
    return cut;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().clear(); }

    // Each dialog is opened as the user opens it, in each language of the list; none is behind the
    // toolbar's extension arrow.
    void everyTextFitsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : LanguageNames.keys())
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyTextFitsInEveryLanguage()
    {
        QFETCH(QString, language);
        QSettings().setValue(QStringLiteral("Language"), language);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(testing::LoadIntoWindow(window, testing::Box(1, 2, 3), testing::ScratchFile("box.stl")));
        for (QToolBar *toolBar : window.findChildren<QToolBar *>()) {
            auto *extension = toolBar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
            QVERIFY(!extension || !extension->isVisible());
            for (QAction *action : toolBar->actions())
                QVERIFY2(action->isSeparator() || toolBar->widgetForAction(action)->isVisible(),
                         qPrintable(action->objectName()));
        }
        QList<QList<QAction *>> groups{window.menuBar()->actions()};
        for (QAction *menu : window.menuBar()->actions())
            groups << menu->menu()->actions();
        for (const QList<QAction *> &group : groups) {
            QStringList keys;
            for (QAction *action : group) {
                const int at = action->text().indexOf(QRegularExpression(QStringLiteral("&[^&]")));
                const QString letter = at < 0 ? QString() : action->text().mid(at + 1, 1).toLower();
                QVERIFY2(action->isSeparator() || !action->isVisible() || (!letter.isEmpty() && !keys.contains(letter)),
                         qPrintable(action->text()));
                keys << letter;
            }
        }

        QStringList cut = CutTextsShown(testing::OpenPreferences(window));
        cut << CutTextsShown(testing::OpenTransformDialog(window));
        cut << CutTextsOfModal(window, "actionAbout");
        cut << CutTextsShown(new DialogAboutQt(&window));
        cut << CutTextsShown(new DialogUpdater(&window));
        cut << CutTextsShown(new DialogNotificationUpdateReady(QStringLiteral("/tmp/setup.bin"), &window));
        cut << CutTextsShown(new DialogNotificationUpdateReady(QUrl(QStringLiteral("https://lumeno3d.org/download")),
                                                               QStringLiteral("10.12.3"), &window));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    // A menu entry as a window's title: no access key, in brackets or not, and no dots.
    void menuEntriesAsTitles_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("title");
        QTest::newRow("marker in the word") << "&Preferences" << "Preferences";
        QTest::newRow("marker in brackets") << "\u74b0\u5883\u8a2d\u5b9a(&P)" << "\u74b0\u5883\u8a2d\u5b9a";
        QTest::newRow("dots of a dialog") << "Save &as..." << "Save as";
        QTest::newRow("an ampersand kept") << "Fish && Chips" << "Fish & Chips";
    }

    void menuEntriesAsTitles()
    {
        QFETCH(QString, entry);
        QFETCH(QString, title);
        QCOMPARE(MenuTextAsTitle(entry), title);
    }

    // The sizes are in millimetres where the file says so (3MF), and each tells the factor it stands for.
    void transformShowsSizesAndFactors_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("boxSuffix");
        QTest::newRow("STL, no unit") << "stl" << "";
        QTest::newRow("3MF, millimetres") << "3mf" << " mm";
    }

    void transformShowsSizesAndFactors()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, boxSuffix);
        MainWindow window;
        QVERIFY(testing::Show(window));
        const QString path = testing::ScratchFile(QStringLiteral("sized.") + suffix);
        QVERIFY(lumeno::WriteModelFile(testing::Box(10, 20, 30), path, suffix).written);
        window.LoadModel(path);
        QVERIFY(testing::WaitForCascade(window));
        DialogTransform *dialog = testing::OpenTransformDialog(window);
        QVERIFY(dialog);
        auto *sizeX = dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spinBoxScaleX"));
        QCOMPARE(sizeX->suffix(), boxSuffix);
        QCOMPARE(sizeX->value(), 10.0);
        sizeX->setValue(25.0);
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("labelFactorX"))->text(), QStringLiteral("\u00d7 2.5"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("labelFactorY"))->text(), QStringLiteral("\u00d7 1"));
        // The longer factor widens the dialog once it is laid out again.
        QTRY_VERIFY2(CutTexts(dialog).isEmpty(), qPrintable(CutTexts(dialog).join(QLatin1Char('\n'))));
    }

    // The presets' names and badges write their numbers as the language does.
    void errorBoundsInTheLocale_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("number");
        QTest::newRow("en") << "en" << "0.1";
        QTest::newRow("de") << "de" << "0,1";
    }

    void errorBoundsInTheLocale()
    {
        QFETCH(QString, language);
        QFETCH(QString, number);
        QSettings().setValue(QStringLiteral("Language"), language);
        MainWindow window;
        QAction *preset = testing::Action(window, QStringLiteral("actionDecimation01"));
        QVERIFY2(preset->text().endsWith(QLatin1Char(' ') + number) && preset->toolTip().contains(number),
                 qPrintable(preset->text()));
        const QSize size(64, 64);
        const QImage english = ErrorBoundIcon(0.1, QLocale(QLocale::English)).pixmap(size).toImage();
        QCOMPARE(preset->icon().pixmap(size).toImage() != english, language != QLatin1String("en"));
    }
};

LUMENO_TEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
