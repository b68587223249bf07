// A model drawn by its materials in both views: the textured material shows its texture, the
// others their colour or the points' colours, a texture that cannot be shown its material's
// plain colour; a level with the same material ids looks the same; points and lines go
// untextured; the panels name the parts and materials; a model without a look is drawn whole.
#include "AppSupport.h"

#include "ContrastColour.h"
#include "DualView.h"
#include "LookForDrawing.h"
#include "MaterialPieces.h"
#include "model/ModelLook.h"

#include <QBuffer>
#include <QImage>
#include <QVTKOpenGLNativeWidget.h>

#include <vtkCell.h>
#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkFloatArray.h>
#include <vtkIntArray.h>
#include <vtkMapper.h>
#include <vtkMatrix4x4.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>
#include <vtkUnsignedCharArray.h>

#include <cmath>

namespace {

using lumeno::ModelLook;

const QColor TextureLeft(255, 255, 0);  // the texture's left half
const QColor TextureRight(0, 255, 255); // and its right one
const QColor PointGreen(0, 160, 0);     // the points' own colours, where they carry some

// The left half of the texture and of the textured square in one colour, the right half in another.
QByteArray TexturePng()
{
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixelColor(x, y, x < 4 ? TextureLeft : TextureRight);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Two unit squares side by side in the xy plane, x from 0 to 2: the left one of material 0
// (textured, u = x), the right one of material 1; each square its own part. `fine` splits
// each square at its centre into four triangles, else two: a level of the fine model.
vtkSmartPointer<vtkPolyData> TwoMaterialQuad(bool fine, bool pointColours)
{
    auto points = vtkSmartPointer<vtkPoints>::New();
    auto uv = vtkSmartPointer<vtkFloatArray>::New();
    uv->SetName("TCoords");
    uv->SetNumberOfComponents(2);
    const auto add = [&](double x, double y) {
        uv->InsertNextTuple2(x, y);
        return points->InsertNextPoint(x, y, 0);
    };
    auto cells = vtkSmartPointer<vtkCellArray>::New();
    auto materials = vtkSmartPointer<vtkIntArray>::New();
    materials->SetName(lumeno::MaterialIdsName);
    auto parts = vtkSmartPointer<vtkIntArray>::New();
    parts->SetName(lumeno::PartIdsName);
    for (int square = 0; square < 2; ++square) {
        const double x = square;
        const vtkIdType corners[4] = {add(x, 0), add(x + 1, 0), add(x + 1, 1), add(x, 1)};
        const auto triangle = [&](vtkIdType a, vtkIdType b, vtkIdType c) {
            const vtkIdType ids[3] = {a, b, c};
            cells->InsertNextCell(3, ids);
            materials->InsertNextValue(square);
            parts->InsertNextValue(square);
        };
        if (fine) {
            const vtkIdType centre = add(x + 0.5, 0.5);
            for (int side = 0; side < 4; ++side)
                triangle(corners[side], corners[(side + 1) % 4], centre);
        } else {
            triangle(corners[0], corners[1], corners[2]);
            triangle(corners[0], corners[2], corners[3]);
        }
    }
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->SetPoints(points);
    model->SetPolys(cells);
    model->GetPointData()->SetTCoords(uv);
    model->GetCellData()->AddArray(materials);
    model->GetCellData()->AddArray(parts);
    if (pointColours) {
        auto colours = vtkSmartPointer<vtkUnsignedCharArray>::New();
        colours->SetName("RGB");
        colours->SetNumberOfComponents(3);
        for (vtkIdType i = 0; i < points->GetNumberOfPoints(); ++i)
            colours->InsertNextTuple3(PointGreen.red(), PointGreen.green(), PointGreen.blue());
        model->GetPointData()->SetScalars(colours);
    }
    return model;
}

// Material 0 ("painted") with the texture, material 1 ("red") plain.
lumeno::SharedLook QuadLook(const QByteArray &textureBytes, double textureOffset = 0)
{
    auto look = std::make_shared<ModelLook>();
    lumeno::TextureImage image;
    image.name = QStringLiteral("paint.png");
    image.mimeType = QStringLiteral("image/png");
    image.bytes = textureBytes;
    look->images.push_back(image);
    lumeno::Material painted;
    painted.name = QStringLiteral("painted");
    painted.baseColour = {1, 1, 0.5, 1}; // a texture that cannot be shown leaves this colour
    painted.baseColourTexture.image = 0;
    painted.baseColourTexture.transformed = textureOffset != 0;
    painted.baseColourTexture.offset = {textureOffset, 0};
    lumeno::Material plain;
    plain.name = QStringLiteral("red");
    plain.baseColour = {0.8, 0.1, 0.1, 1};
    look->materials = {painted, plain};
    lumeno::ModelPart left, right;
    left.name = QStringLiteral("left");
    right.name = QStringLiteral("right");
    look->parts = {left, right};
    return look;
}

std::shared_ptr<const LookForDrawing> PlainQuadLook()
{
    return PrepareLookForDrawing(QuadLook(TexturePng()), false);
}

QVTKOpenGLNativeWidget *ViewWidget(MainWindow &window, bool decimated)
{
    return window.findChild<QVTKOpenGLNativeWidget *>(decimated ? QStringLiteral("vtkDecimatedWindow")
                                                                : QStringLiteral("vtkOriginalWindow"));
}

// The colour drawn at the model's point (x, y, 0) in one view.
QColor ColourAt(MainWindow &window, bool decimated, double x, double y)
{
    QVTKOpenGLNativeWidget *widget = ViewWidget(window, decimated);
    DualView &view = window.View();
    vtkRenderer *renderer = decimated ? view.DecimatedRenderer() : view.OriginalRenderer();
    const MaterialActors &materials = decimated ? view.DecimatedMaterials() : view.OriginalMaterials();
    if (materials.Actors().empty())
        return {};
    widget->renderWindow()->Render();
    const QImage image = widget->grabFramebuffer();
    double model[4] = {x, y, 0, 1}, placed[4];
    materials.Actors().front()->GetMatrix()->MultiplyPoint(model, placed);
    renderer->SetWorldPoint(placed);
    renderer->WorldToDisplay();
    const double *display = renderer->GetDisplayPoint();
    return image.pixelColor(int(display[0]), image.height() - 1 - int(display[1]));
}

bool Near(const QColor &drawn, const QColor &expected)
{
    return std::abs(drawn.red() - expected.red()) <= 12 && std::abs(drawn.green() - expected.green()) <= 12 &&
           std::abs(drawn.blue() - expected.blue()) <= 12;
}

int CountPixels(const QImage &image, const std::function<bool(const QColor &)> &counted)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += counted(image.pixelColor(x, y));
    return count;
}

} // namespace

class TestMaterialViews : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().clear(); }

    // Both views, the loaded model and a level of it with the same ids, face-on from above.
    void eachMaterialIsDrawnInItsTextureOrColour_data()
    {
        QTest::addColumn<QByteArray>("texture");
        QTest::addColumn<bool>("linearColours");
        QTest::addColumn<bool>("pointColours");
        QTest::addColumn<double>("textureOffset");
        QTest::addColumn<QColor>("left");  // at a quarter of the textured square
        QTest::addColumn<QColor>("right"); // at three quarters
        QTest::addColumn<QColor>("plain");
        QTest::addColumn<QString>("notShown");
        // The textured material's base colour (1, 1, 0.5) times the texture's colours.
        const QColor yellow(255, 255, 0), cyan(0, 255, 128), pale(255, 255, 128), drawnRed(204, 26, 26);
        QTest::newRow("texture") << TexturePng() << false << false << 0.0 << yellow << cyan << drawnRed
                                 << QString();
        // Moved by half its width, the texture repeats: its halves change places; in linear colours,
        // 0.5 of linear light is 0.735 on screen.
        QTest::newRow("texture moved") << TexturePng() << true << false << 0.5 << QColor(0, 255, 187)
                                       << yellow << QColor(231, 89, 89) << QString();
        QTest::newRow("points' colours where no texture is")
            << TexturePng() << false << true << 0.0 << yellow << cyan << PointGreen << QString();
        // Its material's plain colour, not the points' colours.
        QTest::newRow("texture that is no image") << QByteArray("not a PNG") << false << true << 0.0 << pale
                                                  << pale << PointGreen << "paint.png";
    }

    void eachMaterialIsDrawnInItsTextureOrColour()
    {
        QFETCH(QByteArray, texture);
        QFETCH(bool, linearColours);
        QFETCH(bool, pointColours);
        QFETCH(double, textureOffset);
        QFETCH(QColor, left);
        QFETCH(QColor, right);
        QFETCH(QColor, plain);
        QFETCH(QString, notShown);
        const std::shared_ptr<const LookForDrawing> look =
            PrepareLookForDrawing(QuadLook(texture, textureOffset), linearColours);
        QCOMPARE(look->texturesNotShown.join(QLatin1Char(',')), notShown);

        MainWindow window;
        QVERIFY(testing::Show(window));
        DualView &view = window.View();
        const vtkSmartPointer<vtkPolyData> model = TwoMaterialQuad(true, pointColours);
        view.ShowModels(model, model, lumeno::UpAxis::Z, look);
        view.ShowOriginalPanel();
        view.AimCameras(DualView::CameraPreset::Top);
        const vtkSmartPointer<vtkPolyData> level = TwoMaterialQuad(false, pointColours);
        view.ShowDecimatedResult(level, QStringLiteral("50%"));
        vtkDataSet *drawn = view.DecimatedMaterials().Actors().front()->GetMapper()->GetInput();
        QCOMPARE(vtkPolyData::SafeDownCast(drawn)->GetPoints(), level->GetPoints());

        for (bool decimated : {false, true})
            for (const auto &[x, expected] : {std::pair{0.25, left}, std::pair{0.75, right}, std::pair{1.5, plain}}) {
                const QColor colour = ColourAt(window, decimated, x, 0.5);
                QVERIFY2(Near(colour, expected),
                         qPrintable(colour.name() + QStringLiteral(" instead of ") + expected.name()));
            }
    }

    // Points and lines take each material's colour, set off from the background, and no texture.
    void pointsAndLinesAreDrawnUntextured()
    {
        QSettings().setValue(QStringLiteral("modelRed"), 0.0); // a model colour no material has
        QSettings().setValue(QStringLiteral("modelGreen"), 0.0);
        QSettings().setValue(QStringLiteral("modelBlue"), 1.0);
        MainWindow window;
        QVERIFY(testing::Show(window));
        DualView &view = window.View();
        const vtkSmartPointer<vtkPolyData> model = TwoMaterialQuad(true, false);
        view.ShowModels(model, model, lumeno::UpAxis::Z, PlainQuadLook());
        view.AimCameras(DualView::CameraPreset::Top);
        const auto textured = [](const MaterialActors &materials) {
            return materials.Actors().front()->GetTexture() != nullptr;
        };
        QVERIFY(textured(view.OriginalMaterials()) && textured(view.DecimatedMaterials()));
        const auto reddish = [](const QColor &c) { return c.red() > c.green() + 80 && c.red() > c.blue() + 80; };
        const auto yellowish = [](const QColor &c) { return c.red() > 200 && c.green() > 200 && c.blue() < 80; };
        const auto bluish = [](const QColor &c) { return c.blue() > c.red() + 80 && c.blue() > c.green() + 80; };
        for (const auto mode : {DualView::Representation::Points, DualView::Representation::Wireframe}) {
            QVERIFY(view.CycleRepresentation());
            QCOMPARE(view.CurrentRepresentation(), mode);
            QVERIFY(!textured(view.OriginalMaterials()) && !textured(view.DecimatedMaterials()));
            ViewWidget(window, true)->renderWindow()->Render();
            const QImage image = ViewWidget(window, true)->grabFramebuffer();
            QVERIFY(CountPixels(image, reddish) > 0);
            QCOMPARE(CountPixels(image, yellowish), 0);
            QCOMPARE(CountPixels(image, bluish), 0); // every triangle has its material
        }
        QVERIFY(view.CycleRepresentation());
        QVERIFY(textured(view.OriginalMaterials()) && textured(view.DecimatedMaterials()));
    }

    // Light materials on a light background keep their hue for points and lines, set off from
    // the background instead of all turning one grey.
    void materialShadesStandOutApart()
    {
        const auto lightness = [](const std::array<double, 3> &c) {
            return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
        };
        const std::array<double, 3> white{1, 1, 1}, gold{1, 0.9, 0.6}, paleBlue{0.6, 0.8, 1};
        const std::array<double, 3> shades[2] = {ContrastShade(gold, white, white),
                                                 ContrastShade(paleBlue, white, white)};
        for (const auto &shade : shades)
            QVERIFY2(lightness(white) - lightness(shade) >= 0.4 - 1e-9, qPrintable(QString::number(lightness(shade))));
        QVERIFY(shades[0][0] > shades[0][2] && shades[1][0] < shades[1][2]); // the hue stays
    }

    // The note under each panel names what the triangles shown use: a level that lost a part says so.
    void panelsNameThePartsAndMaterials()
    {
        MainWindow window;
        QVERIFY(testing::Show(window));
        DualView &view = window.View();
        const vtkSmartPointer<vtkPolyData> model = TwoMaterialQuad(true, false);
        // A model drawn by its proxy gets the lists of what it uses, not its triangles split;
        // drawn itself, it gets its pieces.
        QVERIFY(MaterialPiecesOf(model, false).pieces.empty());
        QCOMPARE(MaterialPiecesOf(model, false).materialsUsed, (std::vector<int>{0, 1}));
        view.ShowModels(model, model, lumeno::UpAxis::Z, PlainQuadLook());
        view.ShowOriginalPanel();
        const QString both =
            QStringLiteral("With texture coordinates\n2 parts: left, right\n2 materials: painted, red");
        QCOMPARE(view.OriginalPanelNote(), both);
        QCOMPARE(view.DecimatedPanelNote(), both);
        QCOMPARE(view.OriginalMaterials().Actors().size(), size_t(2));

        // Only the left square's two triangles.
        const vtkSmartPointer<vtkPolyData> whole = TwoMaterialQuad(false, false);
        auto left = vtkSmartPointer<vtkPolyData>::New();
        left->ShallowCopy(whole);
        auto cells = vtkSmartPointer<vtkCellArray>::New();
        for (vtkIdType cell = 0; cell < 2; ++cell)
            cells->InsertNextCell(whole->GetCell(cell)->GetPointIds());
        left->SetPolys(cells);
        for (const char *name : {lumeno::MaterialIdsName, lumeno::PartIdsName}) {
            auto ids = vtkSmartPointer<vtkIntArray>::New();
            ids->DeepCopy(whole->GetCellData()->GetArray(name));
            ids->SetNumberOfTuples(2);
            left->GetCellData()->AddArray(ids);
        }
        view.ShowDecimatedResult(left, QStringLiteral("10%"));
        const QString one = QStringLiteral("With texture coordinates\n%1\n%2")
                                .arg(DualView::tr("%n parts: %1", nullptr, 1).arg(QStringLiteral("left")),
                                     DualView::tr("%n materials: %1", nullptr, 1).arg(QStringLiteral("painted")));
        QCOMPARE(view.DecimatedPanelNote(), one);
        QCOMPARE(view.DecimatedMaterials().Actors().size(), size_t(1));

        // A model without a look after it is drawn whole, as before.
        view.Clear();
        view.ShowModels(testing::Sphere(), testing::Sphere(), lumeno::UpAxis::Z);
        QVERIFY(view.OriginalMaterials().Actors().empty() && view.DecimatedMaterials().Actors().empty());
        QVERIFY(view.OriginalActor()->GetVisibility() && view.DecimatedActor()->GetVisibility());
        QCOMPARE(view.OriginalRenderer()->GetActors()->GetNumberOfItems(), 1);
    }
};

LUMENO_TEST_MAIN(TestMaterialViews)
#include "test_material_views.moc"
