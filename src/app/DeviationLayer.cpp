#include "DeviationLayer.h"

#include "PrepareForDrawing.h"
#include "fonts/ViewTextFont.h"
#include "model/DeviationColours.h"

#include <QStringList>

#include <vtkCellPicker.h>
#include <vtkImageData.h>
#include <vtkLookupTable.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkProperty2D.h>
#include <vtkRenderer.h>
#include <vtkScalarBarActor.h>
#include <vtkTextActor.h>
#include <vtkTextProperty.h>
#include <vtkTexture.h>
#include <vtkTransform.h>

#include <algorithm>

namespace {

constexpr int RampSteps = 256;

vtkSmartPointer<vtkLookupTable> RampTable()
{
    auto table = vtkSmartPointer<vtkLookupTable>::New();
    table->SetNumberOfTableValues(RampSteps);
    table->SetRange(0.0, 1.0);
    for (int i = 0; i < RampSteps; ++i) {
        const lumeno::Rgb8 colour = lumeno::DeviationColour(double(i) / (RampSteps - 1));
        table->SetTableValue(i, colour[0] / 255.0, colour[1] / 255.0, colour[2] / 255.0, 1.0);
    }
    return table;
}

vtkSmartPointer<vtkTexture> RampTexture()
{
    auto image = vtkSmartPointer<vtkImageData>::New();
    image->SetDimensions(RampSteps, 1, 1);
    image->AllocateScalars(VTK_UNSIGNED_CHAR, 3);
    auto *pixels = static_cast<unsigned char *>(image->GetScalarPointer());
    for (int i = 0; i < RampSteps; ++i) {
        const lumeno::Rgb8 colour = lumeno::DeviationColour(double(i) / (RampSteps - 1));
        std::copy(colour.begin(), colour.end(), pixels + 3 * i);
    }
    auto texture = vtkSmartPointer<vtkTexture>::New();
    texture->SetInputData(image);
    texture->InterpolateOn();
    texture->SetWrap(vtkTexture::ClampToEdge);
    return texture;
}

// White on a dark, half transparent ground: readable on every background colour.
vtkSmartPointer<vtkTextActor> MakeLegendText(const QByteArray &fontFile, bool bold)
{
    auto text = vtkSmartPointer<vtkTextActor>::New();
    vtkTextProperty *property = text->GetTextProperty();
    ApplyViewTextFont(property, fontFile);
    property->SetFontSize(13);
    property->SetBold(bold);
    property->SetColor(1.0, 1.0, 1.0);
    property->SetBackgroundColor(0.15, 0.15, 0.15);
    property->SetBackgroundOpacity(0.6);
    property->SetJustificationToRight();
    return text;
}

} // namespace

DeviationLayer::DeviationLayer() = default;
DeviationLayer::~DeviationLayer() = default;

void DeviationLayer::Show(vtkRenderer *renderer, const SharedDeviationPicture &shown, vtkActor *own,
                          const QByteArray &fontFile)
{
    for (vtkProp *prop : Props())
        renderer->RemoveViewProp(prop);
    picture = shown;
    if (!picture)
        return;
    if (!actor) {
        mapper = vtkSmartPointer<vtkPolyDataMapper>::New();
        mapper->ScalarVisibilityOff();
        actor = vtkSmartPointer<vtkActor>::New();
        // The ramp as a texture along the points' texture coordinates: through the ramp
        // between the points too, not a blend of their two colours.
        actor->SetTexture(RampTexture());
        actor->SetMapper(mapper);
        actor->ForceOpaqueOn();
        bar = vtkSmartPointer<vtkScalarBarActor>::New();
        bar->SetLookupTable(RampTable());
        bar->SetMaximumNumberOfColors(RampSteps);
        bar->SetDrawTickLabels(0);
        bar->SetDrawAnnotations(0);
        bar->SetBarRatio(1.0);
        bar->GetPositionCoordinate()->SetCoordinateSystemToDisplay();
        bar->GetPosition2Coordinate()->SetCoordinateSystemToDisplay();
        title = MakeLegendText(fontFile, true);
        top = MakeLegendText(fontFile, false);
        bottom = MakeLegendText(fontFile, false);
    }
    mapper->SetInputData(DrawnModel(picture->drawing));
    if (own) {
        actor->SetOrigin(own->GetOrigin());
        actor->SetScale(own->GetScale());
        actor->SetPosition(own->GetPosition());
        actor->SetOrientation(own->GetOrientation());
        actor->SetUserTransform(own->GetUserTransform());
    }
    title->SetInput(DeviationLegendTitle().toUtf8().constData());
    top->SetInput(DeviationLegendValue(picture->largest).toUtf8().constData());
    bottom->SetInput(DeviationLegendValue(0.0).toUtf8().constData());
    for (vtkProp *prop : Props())
        renderer->AddViewProp(prop);
}

std::vector<vtkProp *> DeviationLayer::Props() const
{
    if (!actor)
        return {};
    return {actor, bar, title, top, bottom};
}

void DeviationLayer::Apply(int representation)
{
    if (!actor)
        return;
    vtkProperty *property = actor->GetProperty();
    property->SetRepresentation(representation);
    property->SetLighting(representation == VTK_SURFACE);
    property->SetPointSize(3.0f);
    property->SetLineWidth(1.5f);
}

void DeviationLayer::SetUserTransform(vtkTransform *transform)
{
    if (actor)
        actor->SetUserTransform(transform);
}

void DeviationLayer::PlaceLegend(int width, int height)
{
    if (!bar)
        return;
    // A bar 16 pixels wide along the right edge, from a fifth of the height to below the title.
    const int barWidth = 16, right = width - 12;
    const int low = std::max(12, height / 5), high = std::max(low + 40, height - 90);
    bar->GetPositionCoordinate()->SetValue(right - barWidth, low);
    bar->GetPosition2Coordinate()->SetValue(barWidth, high - low);
    title->SetDisplayPosition(right, high + 28);
    top->SetDisplayPosition(right - barWidth - 6, high - 14);
    bottom->SetDisplayPosition(right - barWidth - 6, low);
}

double DeviationLayer::DistanceAt(vtkRenderer *renderer, int x, int y) const
{
    if (!picture || !actor || !renderer->HasViewProp(actor))
        return -1.0;
    auto picker = vtkSmartPointer<vtkCellPicker>::New();
    picker->PickFromListOn();
    picker->AddPickList(actor);
    picker->AddLocator(picture->cells); // no walk over every triangle
    picker->SetTolerance(0.002);
    if (!picker->Pick(x, y, 0.0, renderer))
        return -1.0;
    // The cell's corner nearest to where the ray met it.
    return picture->DistanceAt(picker->GetPointId());
}

QString DeviationLayer::LegendText() const
{
    if (!picture || !title)
        return QString();
    return QStringList{QString::fromUtf8(title->GetInput()), QString::fromUtf8(top->GetInput()),
                       QString::fromUtf8(bottom->GetInput())}
        .join(QLatin1Char('\n'));
}
