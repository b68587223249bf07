#pragma once

#include <QString>

#include <array>
#include <optional>

namespace lumeno {

// Which axis of a model points up. Files do not say so, except by convention: 3MF and the STL
// of printers and slicers stand on a build plate in the x-y plane (Z up); glTF is Y up, and so
// are most OBJ and PLY files.
enum class UpAxis { Y, Z };

// What the user chose: decided per model (Automatic), or always the one axis.
enum class UpAxisChoice { Automatic, Y, Z };

// "automatic", "y" or "z": the settings' word for a choice.
QString UpAxisChoiceKey(UpAxisChoice choice);
std::optional<UpAxisChoice> UpAxisChoiceFromKey(const QString &key);

// The up axis of a model in the given format (the file's lower-case suffix) with the given
// bounds (xmin, xmax, ymin, ymax, zmin, zmax).
UpAxis ModelUpAxis(UpAxisChoice choice, const QString &format, const double bounds[6]);

// Where the first view of a model looks from: the offset from the model's centre to the camera,
// and the view-up. Oblique, and to each side at a different angle, so that the three faces of a
// box facing the camera are lit differently and read as a solid, not as a flat shape.
struct ViewDirection
{
    std::array<double, 3> towardsCamera;
    std::array<double, 3> viewUp;
};
ViewDirection FirstViewDirection(UpAxis up);

} // namespace lumeno
