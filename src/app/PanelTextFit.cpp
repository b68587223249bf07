#include "PanelTextFit.h"

#include <vtkTextActor.h>
#include <vtkTextProperty.h>
#include <vtkStdString.h>
#include <vtkTextRenderer.h>

#include <algorithm>

namespace {

int TextWidth(vtkTextActor *text, int dpi)
{
    vtkTextRenderer *renderer = vtkTextRenderer::GetInstance();
    int bounds[4] = {0, 0, 0, 0};
    if (!text || !text->GetInput() || !renderer ||
        !renderer->GetBoundingBox(text->GetTextProperty(), vtkStdString(text->GetInput()), bounds, dpi))
        return 0;
    return bounds[1] - bounds[0];
}

} // namespace

int LabelWidth(vtkTextActor *label, int dpi)
{
    return TextWidth(label, dpi);
}

int CountsWidth(vtkTextActor *faces, vtkTextActor *vertices, int dpi)
{
    return std::max(TextWidth(faces, dpi), TextWidth(vertices, dpi));
}

void KeepLabelClearOfCounts(vtkTextActor *label, vtkTextActor *faces, vtkTextActor *vertices, int dpi, int gap,
                            int smallest)
{
    const int labelLeft = int(label->GetPositionCoordinate()->GetValue()[0]);
    const int countsAnchor = int(faces->GetPositionCoordinate()->GetValue()[0]);
    const int room = countsAnchor - CountsWidth(faces, vertices, dpi) - gap - labelLeft;
    vtkTextProperty *property = label->GetTextProperty();
    // One point at a time: the widths of a font's sizes do not scale exactly.
    while (property->GetFontSize() > smallest && LabelWidth(label, dpi) > room)
        property->SetFontSize(property->GetFontSize() - 1);
}
