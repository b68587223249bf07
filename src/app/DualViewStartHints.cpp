// What the views say while no model is open: how to start.
#include "DualView.h"

#include "fonts/ViewTextFont.h"

#include <algorithm>

#include <vtkCoordinate.h>
#include <vtkRenderWindow.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>
#include <vtkTextActor.h>
#include <vtkTextProperty.h>

namespace {

// Centred in the view, in a grey that stands out from the background; smaller than its usual
// size where the view is too narrow for its longest line.
vtkSmartPointer<vtkTextActor> MakeHint(const QString &text, const QByteArray &fontFile,
                                       const DualView::Colours &colours, vtkRenderer *renderer)
{
    auto actor = vtkSmartPointer<vtkTextActor>::New();
    actor->SetInput(text.toUtf8().constData());
    actor->GetPositionCoordinate()->SetCoordinateSystemToNormalizedViewport();
    actor->SetPosition(0.5, 0.5);
    vtkTextProperty *property = actor->GetTextProperty();
    ApplyViewTextFont(property, fontFile);
    property->SetFontSize(16);
    property->SetJustificationToCentered();
    property->SetVerticalJustificationToCentered();
    property->SetLineSpacing(1.4);
    const auto lightness = [](const DualView::Rgb &c) { return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]; };
    const double background = (lightness(colours.backgroundTop) + lightness(colours.backgroundBottom)) / 2;
    const double grey = background > 0.5 ? 0.3 : 0.85;
    property->SetColor(grey, grey, grey);
    const int *size = renderer->GetSize();
    if (renderer->GetRenderWindow() && size[0] > 0 && size[1] > 0) {
        actor->SetConstrainedFontSize(renderer, size[0] * 9 / 10, size[1] / 2);
        property->SetFontSize(std::min(property->GetFontSize(), 16));
    }
    return actor;
}

QString HintText(vtkTextActor *actor)
{
    return actor ? QString::fromUtf8(actor->GetInput()) : QString();
}

} // namespace

void DualView::SetStartHints(const QString &original, const QString &decimated)
{
    startHintOriginal = original;
    startHintDecimated = decimated;
    PlaceStartHints();
    Render();
}

void DualView::PlaceStartHints()
{
    if (!rendererOriginal || !rendererDecimated)
        return; // the render windows change while the renderers are made
    rendererOriginal->RemoveActor(startHintActorOriginal);
    rendererDecimated->RemoveActor(startHintActorDecimated);
    startHintActorOriginal = nullptr;
    startHintActorDecimated = nullptr;
    if (originalModel)
        return;
    if (!startHintOriginal.isEmpty()) {
        startHintActorOriginal = MakeHint(startHintOriginal, hintFontFile, colours, rendererOriginal);
        rendererOriginal->AddActor(startHintActorOriginal);
    }
    if (!startHintDecimated.isEmpty()) {
        startHintActorDecimated = MakeHint(startHintDecimated, hintFontFile, colours, rendererDecimated);
        rendererDecimated->AddActor(startHintActorDecimated);
    }
}

QString DualView::OriginalStartHint() const
{
    return HintText(startHintActorOriginal);
}

QString DualView::DecimatedStartHint() const
{
    return HintText(startHintActorDecimated);
}
