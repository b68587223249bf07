// The views' own look: their texts in the letters of the interface language (and the language
// list in Preferences in each language's own), a label beside the counts, what the empty views
// say, the up axis chosen, and a box drawn as a solid.
#include "AppSupport.h"

#include "DualView.h"
#include "dialogs/DialogPreferences.h"
#include "io/write/ModelWriter.h"
#include "settings/LanguageNames.h"
#include "settings/UpAxisSetting.h"

#include <QComboBox>
#include <QInputDialog>
#include <QRawFont>

#include <vtkActor2DCollection.h>
#include <vtkCamera.h>
#include <vtkTextActor.h>
#include <vtkTextProperty.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

Q_DECLARE_METATYPE(lumeno::UpAxisChoice)

namespace {


// Pixels of the rectangle brighter than `level` in all three channels.
int BrightPixels(const QImage &image, const QRect &area, int level)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > level && c.green() > level && c.blue() > level;
        }
    return count;
}

vtkTextActor *TextActorSaying(vtkRenderer *renderer, const std::function<bool(const QString &)> &says)
{
    vtkActor2DCollection *actors = renderer->GetActors2D();
    actors->InitTraversal();
    while (vtkActor2D *actor = actors->GetNextActor2D())
        if (auto *textActor = vtkTextActor::SafeDownCast(actor);
            textActor && says(QString::fromUtf8(textActor->GetInput())))
            return textActor;
    return nullptr;
}

vtkTextActor *TextActorSaying(vtkRenderer *renderer, const QString &text)
{
    return TextActorSaying(renderer, [&text](const QString &input) { return input == text; });
}

// Where the text is drawn, in pixels from the view's lower left corner.
QRectF TextBox(vtkTextActor *actor, vtkRenderer *renderer)
{
    double box[4]; // about the actor's position
    actor->GetBoundingBox(renderer, box);
    const double *at = actor->GetPosition();
    return QRectF(QPointF(at[0] + box[0], at[1] + box[2]), QPointF(at[0] + box[1], at[1] + box[3]));
}

} // namespace

class TestViews : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().clear(); }

    // The line under the panel, "With vertex colours ...", on a black background: in the font the
    // views chose it has more ink than in VTK's own font, which lacks every letter beyond ASCII,
    // by at least a few pixels for each such letter. A long label beside the counts of the right
    // panel: made smaller to stay apart from them, within the panel's picture (x 10 to 205).
    void panelTextsInTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("Japanese") << "ja";
        QTest::newRow("Czech") << "cz";
    }

    void panelTextsInTheInterfaceLanguage()
    {
        QFETCH(QString, language);
        QSettings settings;
        settings.setValue(QStringLiteral("Language"), language);
        for (const char *key : {"backgroundTopRed", "backgroundTopGreen", "backgroundTopBlue", "backgroundBottomRed",
                                "backgroundBottomGreen", "backgroundBottomBlue", "modelRed", "modelGreen"})
            settings.setValue(QString::fromLatin1(key), 0.0);
        MainWindow window;
        QVERIFY(testing::Show(window));
        QVERIFY(testing::LoadPainted(window, testing::ScratchFile("painted.ply"), 200, 200)); // counts of 5 digits

        const QString note = window.View().OriginalPanelNote();
        const auto beyondAscii = std::count_if(note.cbegin(), note.cend(), [](QChar c) { return c.unicode() > 0x7f; });
        QVERIFY2(beyondAscii > 0, qPrintable(note));
        vtkTextActor *noteActor = TextActorSaying(window.View().OriginalRenderer(), note);
        QVERIFY(noteActor);
        const QImage image = testing::Grab(window, "vtkOriginalWindow");
        // Below the panel (57 pixels from the top), left of the model in the middle.
        const QRect noteArea(0, 60, image.width() / 2 - 60, 40);
        const int drawn = BrightPixels(image, noteArea, 150);
        noteActor->GetTextProperty()->SetFontFamilyToArial();
        const int withoutLetters = BrightPixels(testing::Grab(window, "vtkOriginalWindow"), noteArea, 150);
        QVERIFY2(drawn > withoutLetters + 10 * beyondAscii,
                 qPrintable(QStringLiteral("%1 bright pixels, %2 in VTK's font").arg(drawn).arg(withoutLetters)));

        testing::Run(window, "actionDecimationSet", {[](QWidget *dialog) {
                         auto *input = qobject_cast<QInputDialog *>(dialog);
                         input->setDoubleValue(12.3);
                         input->accept();
                     }});
        QVERIFY(testing::WaitForMeshJob(window));
        QCOMPARE(window.CurrentLabel(), QLocale().toString(12.3) + QLatin1Char('%'));
        vtkRenderer *renderer = window.View().DecimatedRenderer();
        vtkTextActor *label = TextActorSaying(renderer, window.CurrentLabel());
        QVERIFY(label);
        for (const char *prefix : {"F ", "V "}) {
            vtkTextActor *count = TextActorSaying(
                renderer, [prefix](const QString &input) { return input.startsWith(QLatin1String(prefix)); });
            QVERIFY(count);
            const QRectF labelBox = TextBox(label, renderer), countBox = TextBox(count, renderer);
            QVERIFY2(labelBox.left() >= 10 && labelBox.right() + 4 <= countBox.left() && countBox.right() <= 205,
                     qPrintable(QStringLiteral("%1 .. %2, %3 .. %4").arg(labelBox.left()).arg(labelBox.right())
                                    .arg(countBox.left()).arg(countBox.right())));
        }
    }

    // Each language is listed in its own letters: some font of the list's has every one of them.
    void languagesAreNamedInTheirOwnLetters()
    {
        MainWindow window;
        QVERIFY(testing::Show(window));
        auto *languages = testing::OpenPreferences(window)->findChild<QComboBox *>(QStringLiteral("comboBoxLanguage"));
        QVERIFY(languages);
        QStringList families = languages->font().families();
        families.prepend(languages->font().family());
        QStringList missing;
        for (int i = 0; i < languages->count(); ++i) {
            const QString name = languages->itemText(i);
            const bool shown = std::any_of(families.cbegin(), families.cend(), [&name](const QString &family) {
                const QRawFont font = QRawFont::fromFont(QFont(family));
                const QVector<uint> letters = name.toUcs4();
                return font.isValid() && std::all_of(letters.cbegin(), letters.cend(), [&font](uint letter) {
                           return letter == ' ' || font.supportsCharacter(letter);
                       });
            });
            if (!shown)
                missing << name;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", ")) + QStringLiteral(" in ") +
                                               families.join(QStringLiteral(", "))));
    }

    // Until a model is open, the left view says how to open one, drawn in its middle; the right
    // one what it will show. Gone while a model is shown, back once it is closed.
    void emptyViewsSayHowToStart()
    {
        MainWindow window;
        QVERIFY(testing::Show(window));
        const DualView &view = window.View();
        QVERIFY(!view.OriginalStartHint().isEmpty() && !view.DecimatedStartHint().isEmpty());
        const auto inkInTheMiddle = [&window](const char *name) {
            const QImage image = testing::Grab(window, name);
            const QRect middle(image.width() / 6, image.height() / 3, image.width() * 2 / 3, image.height() / 3);
            return middle.width() * middle.height() - BrightPixels(image, middle, 160);
        };
        QVERIFY(inkInTheMiddle("vtkOriginalWindow") > 300);
        QVERIFY(inkInTheMiddle("vtkDecimatedWindow") > 100);

        QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(), testing::ScratchFile("ball.stl")));
        QVERIFY(view.OriginalStartHint().isEmpty() && view.DecimatedStartHint().isEmpty());
        testing::Action(window, QStringLiteral("actionNew"))->trigger();
        QTRY_VERIFY(!window.Document().LoadedModel());
        QVERIFY(!view.OriginalStartHint().isEmpty() && !view.DecimatedStartHint().isEmpty());
    }

    // Both cameras keep the model's up axis up; the axis chosen in Preferences holds for every
    // file. (Each format's and shape's axis, and the oblique view: test_up_axis.)
    void firstViewFollowsTheUpAxis_data()
    {
        QTest::addColumn<lumeno::UpAxisChoice>("choice");
        QTest::addColumn<int>("upAxis");
        QTest::newRow("STL on the plate") << lumeno::UpAxisChoice::Automatic << 2;
        QTest::newRow("STL on the plate, Y chosen") << lumeno::UpAxisChoice::Y << 1;
    }

    void firstViewFollowsTheUpAxis()
    {
        QFETCH(lumeno::UpAxisChoice, choice);
        QFETCH(int, upAxis);
        MainWindow window;
        QVERIFY(testing::Show(window));
        auto *upAxes = testing::OpenPreferences(window)->findChild<QComboBox *>(QStringLiteral("comboBoxUpAxis"));
        QVERIFY(upAxes && upAxes->currentData().toString() == QLatin1String("automatic")); // the default
        upAxes->setCurrentIndex(upAxes->findData(lumeno::UpAxisChoiceKey(choice)));
        const QString path = testing::ScratchFile("part.stl");
        const auto box = testing::Box(4, 1, 3); // flattest in y, on the plate
        QVERIFY(lumeno::WriteModelFile(testing::Placed(box, 1, 0, 0, -box->GetBounds()[4]), path, "stl").written);
        window.LoadModel(path);
        QVERIFY(testing::WaitForCascade(window));
        for (vtkRenderer *renderer : {window.View().OriginalRenderer(), window.View().DecimatedRenderer()}) {
            vtkCamera *camera = renderer->GetActiveCamera();
            double up[3], towards[3];
            camera->GetViewUp(up);
            for (int axis = 0; axis < 3; ++axis)
                towards[axis] = camera->GetPosition()[axis] - camera->GetFocalPoint()[axis];
            QVERIFY2(std::abs(up[upAxis] - 1.0) < 1e-9,
                     qPrintable(QStringLiteral("%1 %2 %3").arg(up[0]).arg(up[1]).arg(up[2])));
            QVERIFY(towards[upAxis] > 0);
        }
    }

    // A white box on the light background is a solid of three shades, not a white square.
    void boxReadsAsASolid()
    {
        MainWindow window;
        QVERIFY(testing::Show(window));
        QVERIFY(testing::LoadIntoWindow(window, testing::Box(2, 2, 2), testing::ScratchFile("box.stl")));
        const QImage image = testing::Grab(window, "vtkOriginalWindow");
        std::map<int, int> shades; // by steps of 16 in lightness, below the background's
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const int grey = qGray(image.pixel(x, y)); grey < 215)
                    ++shades[grey / 16];
        int faces = 0;
        for (const auto &[shade, pixels] : shades)
            faces += pixels > image.width() * image.height() / 100;
        QVERIFY2(faces >= 3, qPrintable(QString::number(faces)));
    }
};

LUMENO_TEST_MAIN(TestViews)
#include "test_views.moc"
