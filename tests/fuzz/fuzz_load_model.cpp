// Loads the input as the window does (checks, VTK reader, model check), then one cascade step and a smoothing.
#include "io/ModelReader.h"
#include "mesh/DecimationLevels.h"
#include "mesh/MeshOperations.h"

#include <QTemporaryDir>

#include <vtkDecimatePro.h>
#include <vtkNew.h>
#include <vtkObject.h>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    vtkObject::GlobalWarningDisplayOff(); // a reader's complaints would drown libFuzzer's output
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString suffix = QStringLiteral(LUMENO_FUZZ_SUFFIX);
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input.") + suffix);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        qFatal("cannot write the fuzz input to %s", qPrintable(path));
    file.close();
    const lumeno::ReadResult result = lumeno::ReadModel(path, suffix);
    if (!result.model)
        return 0;

    vtkNew<vtkDecimatePro> decimator;
    const vtkSmartPointer<vtkPolyData> level =
        lumeno::Decimate(decimator, result.model, lumeno::DecimationCascade[0].reduction);
    lumeno::Smooth(level ? level.Get() : result.model.Get(), lumeno::SmoothingIterations);
    return 0;
}
