// What the window tells: the message line across the window's width, whole or with its whole
// text in the tooltip; the question before a save that loses what the model carries, and the
// setting that stops it; the save told while it runs and once it is done, whatever ran meanwhile.
#include "AppSupport.h"

#include "MessageLine.h"
#include "dialogs/DialogPreferences.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QProgressBar>
#include <QToolBar>

namespace {

// Answers the question before a lossy save: "save" (Save anyway), "stop" (the same, not to be
// asked again) or "cancel"; notes its texts.
testing::ModalAnswer AnswerLoss(const QString &answer, std::shared_ptr<QStringList> texts)
{
    return [=](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return void(modal->close());
        *texts << box->text() + QLatin1Char('\n') + box->informativeText();
        if (box->checkBox())
            box->checkBox()->setChecked(answer == QLatin1String("stop"));
        const QMessageBox::ButtonRole wanted = answer == QLatin1String("cancel") ? QMessageBox::RejectRole
                                                                                 : QMessageBox::AcceptRole;
        for (QAbstractButton *button : box->buttons())
            if (box->buttonRole(button) == wanted)
                return void(button->click());
        modal->close();
    };
}

bool AsksBeforeLoss()
{
    return QSettings().value(QStringLiteral("AskBeforeSavingWithLoss"), true).toBool();
}

} // namespace

class TestMessages : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;

    MessageLine *Line() const { return window->findChild<MessageLine *>(QStringLiteral("statusLabel")); }

    QString Scratch(const QString &name) const { return testing::ScratchFile(QStringLiteral("messages/") + name); }

    // The line is in the window, in no toolbar, and shows its message whole, or its beginning
    // with the whole message in the tooltip.
    void VerifyShownWhole(const QString &message)
    {
        MessageLine *line = Line();
        QCOMPARE(line->Message(), message);
        QVERIFY(line->isVisible() && !line->visibleRegion().isEmpty());
        for (QWidget *widget = line; widget; widget = widget->parentWidget())
            QVERIFY(!qobject_cast<QToolBar *>(widget));
        const QRect inWindow(line->mapTo(window.get(), QPoint()), line->size());
        QVERIFY(window->rect().contains(inWindow));
        QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <= line->contentsRect().width());
        if (line->IsCut()) {
            QCOMPARE(line->toolTip(), message);
            QVERIFY(line->text().endsWith(QChar(0x2026)));
            QVERIFY(message.startsWith(line->text().chopped(1)));
        } else {
            QCOMPARE(line->text(), message);
            QCOMPARE(line->toolTip(), QString());
        }
    }

private slots:
    void init()
    {
        window = std::make_unique<MainWindow>();
        QDir(Scratch(QString())).removeRecursively();
        QDir().mkpath(Scratch(QString()));
    }

    void cleanup()
    {
        window.reset();
        QSettings().clear();
    }

    // At the window's own width and narrower: the long note after a save into STL, then the
    // short confirmation of the next save.
    void messagesShowAtAnyWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("the window's default width") << 0;
        QTest::newRow("narrow") << 640;
    }

    void messagesShowAtAnyWidth()
    {
        QFETCH(int, width);
        if (width != 0)
            window->resize(width, window->height());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(testing::LoadPainted(*window, Scratch("painted.ply")));
        VerifyShownWhole(window->Document().Status());
        QTRY_VERIFY2(Line()->width() > window->width() / 2,
                     qPrintable(QStringLiteral("%1 of %2").arg(Line()->width()).arg(window->width())));

        auto texts = std::make_shared<QStringList>();
        const QString stl = Scratch("plain.stl");
        QCOMPARE(testing::Run(*window, "actionSave_as", {testing::ChooseFile(stl), AnswerLoss("save", texts)}),
                 QStringList());
        const QString warning = QStringLiteral("Saved to %1; vertex colours, normals and texture coordinates are not "
                                               "saved: STL files hold the triangles only.")
                                    .arg(stl);
        VerifyShownWhole(warning);
        if (width != 0)
            QVERIFY(Line()->IsCut()); // the tooltip holds what the line has no room for

        const QString ply = Scratch("kept.ply");
        QCOMPARE(testing::Run(*window, "actionSave_as", {testing::ChooseFile(ply)}), QStringList());
        VerifyShownWhole(QStringLiteral("Saved to %1").arg(ply));
        QCOMPARE(Line()->IsCut(), false);
    }

    // Asked once per save that would lose what the model carries, with the list and the
    // reason; "Do not ask again" and the preferences stop the question. A format that holds
    // all is never asked about.
    void lossySaveIsAsked_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("answer"); // empty: no question comes
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("askedNextTime");
        QTest::newRow("cancelled") << "stl" << "cancel" << false << true;
        QTest::newRow("saved anyway") << "stl" << "save" << true << true;
        QTest::newRow("not to be asked again") << "obj" << "stop" << true << false;
        QTest::newRow("a format that holds all") << "ply" << "" << true << true;
    }

    void lossySaveIsAsked()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, answer);
        QFETCH(bool, written);
        QFETCH(bool, askedNextTime);
        QVERIFY(testing::Show(*window));
        QVERIFY(testing::LoadPainted(*window, Scratch("painted.ply")));
        const QStringList recent = testing::RecentFiles();

        auto texts = std::make_shared<QStringList>();
        const QString path = Scratch(QStringLiteral("saved.") + suffix);
        QList<testing::ModalAnswer> answers{testing::ChooseFile(path)};
        if (!answer.isEmpty())
            answers << AnswerLoss(answer, texts);
        QCOMPARE(testing::Run(*window, "actionSave_as", answers), QStringList());
        QCOMPARE(QFileInfo::exists(path), written);
        QCOMPARE(testing::RecentFiles().value(0) == path, written);
        if (!written)
            QCOMPARE(testing::RecentFiles(), recent);
        QCOMPARE(texts->size(), answer.isEmpty() ? 0 : 1);
        if (suffix == QLatin1String("stl"))
            for (const char *part : {"saved.stl", "\u2022 vertex colours\n\u2022 normals\n\u2022 texture coordinates",
                                        "STL files hold the triangles only."})
                QVERIFY2(texts->value(0).contains(QString::fromUtf8(part)), qPrintable(texts->value(0)));
        if (suffix == QLatin1String("obj"))
            QVERIFY2(texts->value(0).contains("\u2022 vertex colours\n") && !texts->value(0).contains("normals\n"),
                     qPrintable(texts->value(0)));
        QCOMPARE(AsksBeforeLoss(), askedNextTime);

        // The preferences show the setting, and switch it.
        auto *ask = testing::OpenPreferences(*window)->findChild<QCheckBox *>(QStringLiteral("checkBoxAskBeforeLoss"));
        QCOMPARE(ask->isChecked(), askedNextTime);
        ask->click();
        QCOMPARE(AsksBeforeLoss(), !askedNextTime);
        texts->clear();
        answers = {testing::ChooseFile(Scratch("again.stl"))};
        if (!askedNextTime)
            answers << AnswerLoss("save", texts);
        QCOMPARE(testing::Run(*window, "actionSave_as", answers), QStringList());
        QCOMPARE(texts->size(), askedNextTime ? 0 : 1);
    }

    // While a file is written the bar moves and the line says so; once written, the line says
    // where (through the levels that run meanwhile: test_document).
    void savingIsTold()
    {
        QVERIFY(testing::Show(*window));
        auto *bar = window->findChild<QProgressBar *>(QStringLiteral("progressBar"));
        const ModelDocument &document = window->Document();
        bool toldWhileSaving = true;
        int statesWhileSaving = 0;
        connect(&document, &ModelDocument::StateChanged, this, [&] {
            if (!document.IsSaving())
                return;
            ++statesWhileSaving;
            toldWhileSaving = toldWhileSaving && bar->isVisible() && Line()->Message().startsWith("Saving to ") &&
                              (document.IsBusy() || bar->maximum() == 0);
        });
        QVERIFY(testing::LoadIntoWindow(*window, testing::Sphere(60, 40), Scratch("ball.stl")));
        const QString idle = Scratch("idle.stl");
        QCOMPARE(testing::Run(*window, "actionSave_as", {testing::ChooseFile(idle)}), QStringList());
        QVERIFY(statesWhileSaving > 0 && toldWhileSaving);
        QCOMPARE(Line()->Message(), QStringLiteral("Saved to %1").arg(idle));
        QVERIFY(!bar->isVisible());
    }
};

LUMENO_TEST_MAIN(TestMessages)
#include "test_messages.moc"
