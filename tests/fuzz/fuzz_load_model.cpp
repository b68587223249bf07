// Loads the input as the window does (checks, VTK reader, model check), then the classic engine's first level
// and a smoothing.
#include "io/read/ModelReader.h"
#include "reduce/ClassicReducer.h"
#include "model/MeshOperations.h"

#include <QTemporaryDir>

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

    const vtkSmartPointer<vtkPolyData> level =
        lumeno::ClassicReducer().KeepShare(result.model, lumeno::DecimationLevels[0].Share(), {});
    lumeno::Smooth(level ? level.Get() : result.model.Get(), lumeno::SmoothingIterations);
    return 0;
}
