#pragma once

#include <vtkPolyDataAlgorithm.h>

namespace lumeno {

// Writes a polydata as a Wavefront OBJ text file when the pipeline updates: points,
// point normals and texture coordinates (when every point has one), then vertex, line,
// polygon and strip cells, each corner naming its point's own normal and texture line.
// No material file is written ("mtllib NONE"). Numbers are written like printf's %g.
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

protected:
    ObjFileWriter();
    ~ObjFileWriter() override;

    int RequestData(vtkInformation *request, vtkInformationVector **inputVector,
                    vtkInformationVector *outputVector) override;

private:
    ObjFileWriter(const ObjFileWriter &) = delete;
    void operator=(const ObjFileWriter &) = delete;

    char *FileName = nullptr;
};

} // namespace lumeno
