#pragma once

#include "io/write/LookGroups.h"

#include <vtkPolyDataAlgorithm.h>

namespace lumeno {

// How a model with a look is written: the material file it names, and its polygons by part
// ("o <part>", or one "g grp1" when merged) and by material ("usemtl <material>"; "usemtl
// mtlNONE" for polygons without one). Names are single words (WordNames).
struct ObjLayout
{
    QString materialLibrary;
    std::vector<QString> materialNames;
    std::vector<QString> partNames;
    std::vector<PartGroup> groups;
};

// Writes a polydata as a Wavefront OBJ text file when the pipeline updates: points,
// point normals and texture coordinates (when every point has one), then vertex, line,
// polygon and strip cells, each corner naming its point's own normal and texture line.
// Without a layout (SetLayout) no material file is named ("mtllib NONE"). Numbers are written like printf's %g.
// A file that cannot be opened or written is an error: RequestData returns 0 and the
// error code is set (vtkErrorCode::CannotOpenFileError or OutOfDiskSpaceError).
// It stands in for VTK's vtkOBJWriter, which the bench measures it against.
class ObjFileWriter : public vtkPolyDataAlgorithm
{
public:
    static ObjFileWriter *New();
    vtkTypeMacro(ObjFileWriter, vtkPolyDataAlgorithm);
    void PrintSelf(ostream &os, vtkIndent indent) override;

    vtkSetStringMacro(FileName);
    vtkGetStringMacro(FileName);

    // Kept by the caller while the writer runs; null (the default) for no look.
    void SetLayout(const ObjLayout *layout) { Layout = layout; }

protected:
    ObjFileWriter();
    ~ObjFileWriter() override;

    int RequestData(vtkInformation *request, vtkInformationVector **inputVector,
                    vtkInformationVector *outputVector) override;

private:
    ObjFileWriter(const ObjFileWriter &) = delete;
    void operator=(const ObjFileWriter &) = delete;

    char *FileName = nullptr;
    const ObjLayout *Layout = nullptr;
};

} // namespace lumeno
