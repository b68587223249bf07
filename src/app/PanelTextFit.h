#pragma once

class vtkTextActor;

// The room between an information panel's big label, drawn from its left edge, and its counts,
// right-justified at their anchor: the label's font is made smaller until a gap of `gap`
// pixels stays (a seven-digit face count beside "100%"), never below `smallest` points.
// The texts are measured with their own properties at the render window's `dpi`.
void KeepLabelClearOfCounts(vtkTextActor *label, vtkTextActor *faces, vtkTextActor *vertices, int dpi,
                            int gap = 20, int smallest = 18);

// The pixels from the label's anchor to its right edge, and from the counts' left edge to
// their anchor (the wider of the two), as they would be drawn now.
int LabelWidth(vtkTextActor *label, int dpi);
int CountsWidth(vtkTextActor *faces, vtkTextActor *vertices, int dpi);
