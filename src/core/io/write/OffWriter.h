#pragma once

class QString;
class vtkPolyData;

namespace lumeno {

// Writes the model as OFF text, or COFF with the vertex colours (r g b a as bytes) when it
// has them; numbers are the shortest that read back to the same float. False when the file
// cannot be written completely.
bool WriteOff(vtkPolyData *model, const QString &path);

} // namespace lumeno
