#include "BareReference.h"

#include "reduce/DecimationLevels.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <vtkAbstractPolyDataReader.h>
#include <vtkDecimatePro.h>
#include <vtkOBJReader.h>
#include <vtkPLYReader.h>
#include <vtkSTLReader.h>

namespace bare {

vtkSmartPointer<vtkPolyData> Read(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    vtkSmartPointer<vtkAbstractPolyDataReader> reader;
    if (suffix == QLatin1String("stl"))
        reader = vtkSmartPointer<vtkSTLReader>::New();
    else if (suffix == QLatin1String("obj"))
        reader = vtkSmartPointer<vtkOBJReader>::New();
    else
        reader = vtkSmartPointer<vtkPLYReader>::New();
    reader->SetFileName(QFile::encodeName(path).constData());
    reader->Update();
    vtkSmartPointer<vtkPolyData> model = reader->GetOutput();
    return model;
}

Cascade RunCascade(vtkPolyData *model)
{
    Cascade cascade;
    auto decimator = vtkSmartPointer<vtkDecimatePro>::New();
    vtkPolyData *input = model;
    double inputShare = 1.0;
    for (int step = 0; step < lumeno::LevelCount; ++step) {
        QElapsedTimer clock;
        clock.start();
        decimator->SetInputData(input);
        // As the classic engine reduces: each level's share relative to the level before.
        const double share = lumeno::DecimationLevels[step].Share();
        decimator->SetTargetReduction(1.0 - share / inputShare);
        inputShare = share;
        decimator->Update();
        auto level = vtkSmartPointer<vtkPolyData>::New();
        level->ShallowCopy(decimator->GetOutput());
        cascade.levels[step] = level;
        cascade.stepSeconds[step] = clock.nsecsElapsed() / 1e9;
        input = level;
    }
    return cascade;
}

} // namespace bare
