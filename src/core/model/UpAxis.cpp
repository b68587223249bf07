#include "model/UpAxis.h"

#include <algorithm>
#include <cmath>

namespace lumeno {

QString UpAxisChoiceKey(UpAxisChoice choice)
{
    switch (choice) {
    case UpAxisChoice::Y: return QStringLiteral("y");
    case UpAxisChoice::Z: return QStringLiteral("z");
    case UpAxisChoice::Automatic: break;
    }
    return QStringLiteral("automatic");
}

std::optional<UpAxisChoice> UpAxisChoiceFromKey(const QString &key)
{
    for (UpAxisChoice choice : {UpAxisChoice::Automatic, UpAxisChoice::Y, UpAxisChoice::Z})
        if (key == UpAxisChoiceKey(choice))
            return choice;
    return std::nullopt;
}

namespace {

// An STL file is a printer part when its bounds say so. A slicer or a CAD program puts a part on
// the build plate: its lowest point at z = 0 (within 1 % of its size, for rounding and a
// raft). A Y-up model stands on y = 0 instead. A part on both planes (a CAD export in the
// positive octant) or on neither (a scan centred on the origin) is a printer part when it is
// flattest along z, as parts are laid out on the plate; anything else keeps the usual Y up.
bool LooksLikePrinterPart(const double bounds[6])
{
    const double extent[3] = {bounds[1] - bounds[0], bounds[3] - bounds[2], bounds[5] - bounds[4]};
    const double size = std::sqrt(extent[0] * extent[0] + extent[1] * extent[1] + extent[2] * extent[2]);
    if (!(extent[0] >= 0.0 && extent[1] >= 0.0 && extent[2] >= 0.0) || !std::isfinite(size) || size <= 0.0)
        return false; // no points, or all at one place
    const auto onPlane = [&](int axis) { return std::abs(bounds[2 * axis]) <= 0.01 * size; };
    const bool onZ = onPlane(2);
    const bool onY = onPlane(1);
    if (onZ != onY)
        return onZ;
    return extent[2] < std::min(extent[0], extent[1]);
}

} // namespace

UpAxis ModelUpAxis(UpAxisChoice choice, const QString &format, const double bounds[6])
{
    switch (choice) {
    case UpAxisChoice::Y: return UpAxis::Y;
    case UpAxisChoice::Z: return UpAxis::Z;
    case UpAxisChoice::Automatic: break;
    }
    if (format == QLatin1String("3mf"))
        return UpAxis::Z;
    if (format == QLatin1String("stl") && LooksLikePrinterPart(bounds))
        return UpAxis::Z;
    return UpAxis::Y;
}

ViewDirection FirstViewDirection(UpAxis up)
{
    // From the front, right and above: half as far to the right as to the front, a little
    // less high than far. Y up looks along -z at first (VTK's own first view), Z up along +y.
    if (up == UpAxis::Z)
        return {{0.5, -1.0, 0.7}, {0.0, 0.0, 1.0}};
    return {{0.5, 0.7, 1.0}, {0.0, 1.0, 0.0}};
}

} // namespace lumeno
