// The information panels in the upper left corner of both views.
#include "DualView.h"

#include "MaterialPieces.h"
#include "PrepareForDrawing.h"
#include "fonts/ViewTextFont.h"
#include "model/PointAttributes.h"

#include <QImage>
#include <QStringList>
#include <QVTKOpenGLNativeWidget.h>

#include <vtkActor2D.h>
#include <vtkImageData.h>
#include <vtkImageMapper.h>
#include <vtkPolyData.h>
#include <vtkProperty2D.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>
#include <vtkTextActor.h>
#include <vtkTextProperty.h>

#include <algorithm>
#include <cstring>

namespace {

// Decodes the embedded panel picture straight into a VTK image (no temporary file).
vtkSmartPointer<vtkImageData> ImageFromResource(const QString &path)
{
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGBA8888);
    auto data = vtkSmartPointer<vtkImageData>::New();
    if (image.isNull())
        return data;
    data->SetDimensions(image.width(), image.height(), 1);
    data->AllocateScalars(VTK_UNSIGNED_CHAR, 4);
    auto *pixels = static_cast<unsigned char *>(data->GetScalarPointer());
    const int rowBytes = image.width() * 4;
    // VTK rows run bottom-up, QImage rows top-down.
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(pixels + static_cast<size_t>(y) * rowBytes, image.constScanLine(image.height() - 1 - y),
                    rowBytes);
    return data;
}

vtkSmartPointer<vtkTextActor> MakeText(const QString &text, const QByteArray &fontFile, int fontSize, double x,
                                       double y, bool rightJustified)
{
    auto actor = vtkSmartPointer<vtkTextActor>::New();
    actor->SetInput(text.toUtf8().constData());
    vtkTextProperty *property = actor->GetTextProperty();
    ApplyViewTextFont(property, fontFile);
    property->SetFontSize(fontSize);
    property->BoldOn();
    property->SetColor(1.0, 1.0, 1.0);
    if (rightJustified)
        property->SetJustificationToRight();
    actor->GetProperty()->SetColor(1.0, 1.0, 1.0);
    actor->SetDisplayPosition(static_cast<int>(x), static_cast<int>(y));
    return actor;
}

double TextWidth(vtkTextActor *actor, vtkRenderer *renderer)
{
    double box[4];
    actor->GetBoundingBox(renderer, box);
    return box[1] - box[0];
}

// The label and the counts side by side within the panel's 195 pixels: a wide font, a long
// label or a count of millions makes the label smaller, and then the counts, rather than
// letting them run into each other.
void FitPanelTexts(vtkRenderer *renderer, vtkTextActor *label, vtkTextActor *faces, vtkTextActor *vertices)
{
    if (!renderer->GetRenderWindow())
        return;
    constexpr double room = 195 - 17 - 14; // from the label's left edge to the counts' right one, less a gap
    double counts = std::max(TextWidth(faces, renderer), TextWidth(vertices, renderer));
    if (counts > room / 2) {
        const int size = std::max(10, static_cast<int>(14 * (room / 2) / counts));
        for (vtkTextActor *count : {faces, vertices})
            count->GetTextProperty()->SetFontSize(size);
        counts = std::max(TextWidth(faces, renderer), TextWidth(vertices, renderer));
    }
    const double width = TextWidth(label, renderer);
    if (width > 0 && width + counts > room)
        label->GetTextProperty()->SetFontSize(std::max(12, static_cast<int>(36 * (room - counts) / width)));
}

// Draws a panel anew at the top edge of a view of the given height: the image first, so
// that the texts are drawn over it.
void AddPanel(vtkRenderer *renderer, int height, const QByteArray &fontFile, vtkActor2D *image, const QString &label,
              long long faces, long long vertices, vtkSmartPointer<vtkTextActor> &labelActor,
              vtkSmartPointer<vtkTextActor> &facesActor, vtkSmartPointer<vtkTextActor> &verticesActor)
{
    image->SetPosition(10, height - 57);
    renderer->AddActor(image);
    labelActor = MakeText(label, fontFile, 36, 17, height - 47, false);
    renderer->AddActor(labelActor);
    facesActor = MakeText(QStringLiteral("F %L1").arg(faces), fontFile, 14, 195, height - 31, true);
    renderer->AddActor(facesActor);
    verticesActor = MakeText(QStringLiteral("V %L1").arg(vertices), fontFile, 14, 195, height - 48, true);
    renderer->AddActor(verticesActor);
    FitPanelTexts(renderer, labelActor, facesActor, verticesActor);
}

// Lines under the panel, on a dark ground of their own: readable over any background colour.
vtkSmartPointer<vtkTextActor> MakeNote(const QString &text, const QByteArray &fontFile, int height)
{
    auto note = MakeText(text, fontFile, 12, 12, height - 64, false);
    vtkTextProperty *property = note->GetTextProperty();
    property->SetVerticalJustificationToTop();
    property->SetBackgroundColor(0.2, 0.2, 0.2);
    property->SetBackgroundOpacity(0.8);
    property->SetFrame(false);
    return note;
}

// What the model's points carry, "With vertex colours and normals"; empty for none.
QString AttributeLine(vtkPolyData *model)
{
    const lumeno::PointAttributes attributes = lumeno::AttributesOf(model);
    return attributes.Any() ? DualView::tr("With %1").arg(lumeno::AttributeText(attributes)) : QString();
}

// A model too large to draw in full (PrepareForDrawing) is drawn simplified: the counts above are its own.
QString DrawnLine(vtkPolyData *model)
{
    vtkPolyData *drawn = DrawnModel(model);
    return drawn == model ? QString()
                          : DualView::tr("Drawn simplified to %1 triangles to fit into memory")
                                .arg(QLocale().toString(qint64(drawn->GetNumberOfPolys())));
}

// The first names of a list, each cut to a length the note's line has room for, "…" for the rest.
QString ShortList(const QStringList &names)
{
    constexpr int shown = 3, longest = 20;
    QStringList listed;
    for (const QString &name : names) {
        if (listed.size() == shown) {
            listed << QStringLiteral("\u2026");
            break;
        }
        listed << (name.size() > longest ? name.left(longest - 1) + QStringLiteral("\u2026") : name);
    }
    return listed.join(QStringLiteral(", "));
}

// "3 parts: hull, mast, sail" and "2 materials: wood, rope": the parts and materials the
// model's triangles use, named; nothing for a model without a look.
QStringList LookLines(vtkPolyData *model, const LookForDrawing *look)
{
    if (!look)
        return {};
    const lumeno::ModelLook &modelLook = *look->look;
    const MaterialPieces &pieces = MaterialPiecesOf(model, false);
    QStringList lines;
    if (modelLook.HasParts()) {
        QStringList names;
        for (int part : pieces.partsUsed)
            if (size_t(part) < modelLook.parts.size() && !modelLook.parts[size_t(part)].name.isEmpty())
                names << modelLook.parts[size_t(part)].name;
        const int count = int(pieces.partsUsed.size());
        lines << (names.isEmpty() ? DualView::tr("%n parts", nullptr, count)
                                  : DualView::tr("%n parts: %1", nullptr, count).arg(ShortList(names)));
    }
    if (modelLook.HasMaterials()) {
        QStringList names;
        int count = 0;
        for (const int material : pieces.materialsUsed) {
            if (size_t(material) >= modelLook.materials.size())
                continue;
            ++count;
            if (!modelLook.materials[size_t(material)].name.isEmpty())
                names << modelLook.materials[size_t(material)].name;
        }
        lines << (names.isEmpty() ? DualView::tr("%n materials", nullptr, count)
                                  : DualView::tr("%n materials: %1", nullptr, count).arg(ShortList(names)));
    }
    return lines;
}

QString NoteText(vtkTextActor *note)
{
    return note ? QString::fromUtf8(note->GetInput()) : QString();
}

} // namespace

void DualView::CreatePanelImages()
{
    const vtkSmartPointer<vtkImageData> panel = ImageFromResource(QStringLiteral(":/Other/info_background"));
    // One mapper per view: a mapper keeps the picture as a texture of the one OpenGL
    // context it last drew in, and each view has its own context.
    auto makePanelActor = [&panel] {
        auto mapper = vtkSmartPointer<vtkImageMapper>::New();
        mapper->SetInputData(panel);
        mapper->SetColorWindow(255.0);
        mapper->SetColorLevel(127.5);
        auto actor = vtkSmartPointer<vtkActor2D>::New();
        actor->SetMapper(mapper);
        return actor;
    };
    panelImageOriginal = makePanelActor();
    panelImageDecimated = makePanelActor();
}

void DualView::RemovePanel(vtkRenderer *renderer, vtkActor2D *image, vtkTextActor *label, vtkTextActor *faces,
                           vtkTextActor *vertices)
{
    for (vtkProp *prop : {static_cast<vtkProp *>(label), static_cast<vtkProp *>(faces),
                          static_cast<vtkProp *>(vertices), static_cast<vtkProp *>(image)})
        renderer->RemoveActor(prop);
}

void DualView::ShowOriginalPanel()
{
    if (!originalModel)
        return;
    RemovePanel(rendererOriginal, panelImageOriginal, labelActorOriginal, facesActorOriginal, verticesActorOriginal);
    rendererOriginal->RemoveActor(noteActorOriginal);
    noteActorOriginal = nullptr;
    const int height = originalWidget->height();
    AddPanel(rendererOriginal, height, textFontFile, panelImageOriginal, QStringLiteral("100%"),
             originalModel->GetNumberOfPolys(), originalModel->GetNumberOfPoints(), labelActorOriginal,
             facesActorOriginal, verticesActorOriginal);
    QStringList lines = QStringList{DrawnLine(originalModel), AttributeLine(originalModel)} +
                        LookLines(originalModel, look.get());
    lines.removeAll(QString());
    if (!lines.isEmpty()) {
        noteActorOriginal = MakeNote(lines.join(QLatin1Char('\n')), textFontFile, height);
        rendererOriginal->AddActor(noteActorOriginal);
    }
    OriginalWindow()->Render();
}

void DualView::PlaceDecimatedPanel()
{
    RemovePanel(rendererDecimated, panelImageDecimated, labelActorDecimated, facesActorDecimated,
                verticesActorDecimated);
    rendererDecimated->RemoveActor(noteActorDecimated);
    noteActorDecimated = nullptr;
    if (!decimatedModel)
        return;
    const int height = decimatedWidget->height();
    const int *size = DecimatedWindow()->GetSize();
    deviation.PlaceLegend(size[0], size[1]);
    AddPanel(rendererDecimated, height, textFontFile, panelImageDecimated, decimatedLabel,
             decimatedModel->GetNumberOfPolys(), decimatedModel->GetNumberOfPoints(), labelActorDecimated,
             facesActorDecimated, verticesActorDecimated);
    QStringList lines =
        QStringList{decimatedNote, DrawnLine(decimatedModel), AttributeLine(decimatedModel)} +
        LookLines(decimatedModel, look.get());
    lines.removeAll(QString());
    if (lines.isEmpty())
        return;
    noteActorDecimated = MakeNote(lines.join(QLatin1Char('\n')), textFontFile, height);
    rendererDecimated->AddActor(noteActorDecimated);
}

QString DualView::OriginalPanelNote() const
{
    return NoteText(noteActorOriginal);
}

QString DualView::DecimatedPanelNote() const
{
    return NoteText(noteActorDecimated);
}

void DualView::RefreshPanels()
{
    // Rendering modifies the render windows, whose ModifiedEvent lands here again.
    if (refreshingPanels)
        return;
    refreshingPanels = true;
    PlaceStartHints(); // sized to the view
    ShowOriginalPanel();
    if (decimatedModel) {
        PlaceDecimatedPanel();
        RenderDecimated();
    }
    refreshingPanels = false;
}

void DualView::renderWindowResized(vtkObject *, unsigned long)
{
    RefreshPanels();
}
