#include "io/write/GltfLookWriter.h"

#include "io/write/GltfBuilder.h"
#include "io/write/GltfFileOutput.h"
#include "io/write/LookGroups.h"

#include <vtkPolyData.h>

#include <limits>

namespace lumeno {

namespace {

void Build(GltfBuilder &builder, vtkPolyData *model, const std::vector<PartGroup> &groups)
{
    builder.AddLook();
    for (const PartGroup &group : groups)
        if (const auto node = builder.AddMesh(model, group))
            builder.AddNode(*node);
}

} // namespace

bool WriteGltfWithLook(vtkPolyData *model, const QString &path, bool binary, const ModelLook &look, bool mergeParts)
{
    if (!model->GetPoints() || model->GetNumberOfPoints() > std::numeric_limits<quint32>::max())
        return false;
    // Planned first, then written as it is made: the buffer is never held whole.
    const std::vector<PartGroup> groups = GroupPolygons(model, &look, mergeParts);
    GltfBuilder plan(look, nullptr);
    Build(plan, model, groups);
    return WriteGltfFile(path, plan.Json(binary), plan.Size(), binary, [&](BufferOutput &out) {
        GltfBuilder builder(look, &out);
        Build(builder, model, groups);
    });
}

} // namespace lumeno
