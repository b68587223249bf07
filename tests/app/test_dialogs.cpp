// The dialogs: every text fits in every language, the transform's lock shows what it does, and
// the message boxes of a missing file and of a new language say whose they are, in sentences.
#include "AppSupport.h"

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

namespace {

// Texts that do not get the room their widget asks for, and so are cut or elided:
// "<dialog> <widget>: <text> (<size> < <wanted>)".
QStringList CutTexts(QWidget *dialog)
{
    QStringList cut;
    const auto note = [&](QWidget *widget, const QString &text, const QSize &wanted) {
        if (widget->width() < wanted.width() || widget->height() < wanted.height())
            cut << QStringLiteral("%1 %2: \"%3\" (%4x%5 < %6x%7)")
                       .arg(dialog->objectName(), widget->objectName(), text)
                       .arg(widget->width())
                       .arg(widget->height())
                       .arg(wanted.width())
                       .arg(wanted.height());
    };
    for (QWidget *widget : dialog->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(dialog))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()) {
            if (label->wordWrap())
                note(label, label->text(),
                     {label->minimumSizeHint().width(), label->heightForWidth(label->width())});
            else
                note(label, label->text(), label->sizeHint());
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

    // Each dialog is opened as the user opens it, in each language of the list.
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
        QVERIFY(testing::Show(window));
        QVERIFY(testing::LoadIntoWindow(window, testing::Box(1, 2, 3), testing::ScratchFile("box.stl")));

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

    // The lock starts open; its picture, its look and its tooltip change with its state, and
    // closed it scales all three sizes alike.
    void transformLockShowsItsState()
    {
        MainWindow window;
        QVERIFY(testing::Show(window));
        QVERIFY(testing::LoadIntoWindow(window, testing::Box(1, 2, 3), testing::ScratchFile("box.stl")));
        DialogTransform *dialog = testing::OpenTransformDialog(window);
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        auto *lock = dialog->findChild<QPushButton *>(QStringLiteral("btnLock"));
        const QSize iconSize = lock->iconSize();
        QVERIFY(lock->icon().pixmap(iconSize, QIcon::Normal, QIcon::Off).toImage() !=
                lock->icon().pixmap(iconSize, QIcon::Normal, QIcon::On).toImage());

        QVERIFY(!lock->isChecked());
        const QImage open = lock->grab().toImage();
        const QString openTip = lock->toolTip();
        QTest::mouseClick(lock, Qt::LeftButton);
        QVERIFY(lock->isChecked());
        QVERIFY(lock->grab().toImage() != open);
        QVERIFY(!openTip.isEmpty() && !lock->toolTip().isEmpty() && lock->toolTip() != openTip);
        QVERIFY2(lock->toolTip().contains(QStringLiteral("Proportions kept")), qPrintable(lock->toolTip()));
        QVERIFY2(openTip.contains(QStringLiteral("Click to keep the proportions")), qPrintable(openTip));

        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spinBoxScaleX"))->setValue(2.0);
        QCOMPARE(dialog->findChild<QDoubleSpinBox *>(QStringLiteral("spinBoxScaleZ"))->value(), 6.0);
        QTest::mouseClick(lock, Qt::LeftButton);
        QCOMPARE(lock->toolTip(), openTip);
        QVERIFY(lock->grab().toImage() == open);
        dialog->close();
    }

    // The message boxes say whose they are and what kind; their texts are whole sentences.
    void messageBoxesOfMissingFileAndNewLanguage()
    {
        MainWindow window;
        QVERIFY(testing::Show(window));
        QStringList titles, texts;
        QList<QMessageBox::Icon> icons;
        const testing::ModalAnswer note = [&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            titles << modal->windowTitle();
            texts << (box ? box->text() : QString());
            icons << (box ? box->icon() : QMessageBox::NoIcon);
            modal->close();
        };
        const QString missing = testing::ScratchFile(QStringLiteral("gone.stl"));
        {
            testing::ModalAnswers answers({note});
            window.LoadModel(missing, QStringLiteral("stl"));
            QVERIFY(testing::WaitUntil([&answers] { return answers.AllGiven(); }));
        }
        QCOMPARE(titles.value(0), QStringLiteral("Lumeno3D"));
        QCOMPARE(icons.value(0), QMessageBox::Warning);
        QVERIFY2(texts.value(0).contains(missing), qPrintable(texts.value(0)));

        DialogPreferences *preferences = testing::OpenPreferences(window);
        auto *languages = preferences->findChild<QComboBox *>(QStringLiteral("comboBoxLanguage"));
        {
            testing::ModalAnswers answers({note});
            languages->setCurrentIndex(languages->findData(QStringLiteral("de")));
            QVERIFY(testing::WaitUntil([&answers] { return answers.AllGiven(); }));
        }
        QCOMPARE(icons.value(1), QMessageBox::Information);
        QCOMPARE(texts.value(1), QStringLiteral("You have changed the language used to display the Lumeno3D user "
                                                "interface.\n\nThis change will not take effect until you restart "
                                                "Lumeno3D."));
    }
};

LUMENO_TEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
