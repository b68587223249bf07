#include "ParkedLevels.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <vtkCellArray.h>
#include <vtkXMLPolyDataReader.h>
#include <vtkXMLPolyDataWriter.h>

#include <cerrno>
#include <new>

#include <signal.h>

namespace {

constexpr QLatin1String FolderPrefix("lumeno-levels-");

// A program that ended without removing its folder (killed, or out of memory) leaves up to
// several gigabytes behind: folders of processes that no longer run go at the next parking.
QString FolderTemplate()
{
    QDir temporary(QDir::tempPath());
    for (const QString &name : temporary.entryList({FolderPrefix + QLatin1Char('*')}, QDir::Dirs)) {
        bool isNumber = false;
        const qint64 pid = name.mid(FolderPrefix.size()).section(QLatin1Char('-'), 0, 0).toLongLong(&isNumber);
        if (isNumber && pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            QDir(temporary.filePath(name)).removeRecursively();
    }
    return temporary.filePath(FolderPrefix + QString::number(QCoreApplication::applicationPid()) +
                              QStringLiteral("-XXXXXX"));
}

} // namespace

ParkedLevels::ParkedLevels() : folder(FolderTemplate()) {}

bool ParkedLevels::Park(int step, vtkPolyData *level)
{
    if (!folder.isValid())
        return false;
    const QString path = folder.filePath(QStringLiteral("level-%1.vtp").arg(step));
    auto writer = vtkSmartPointer<vtkXMLPolyDataWriter>::New();
    writer->SetInputData(level);
    writer->SetFileName(QFile::encodeName(path).constData());
    writer->SetDataModeToAppended();
    writer->EncodeAppendedDataOff();
    writer->SetCompressorTypeToNone();
    writer->SetHeaderTypeToUInt64();
    if (writer->Write() != 1 || writer->GetErrorCode() != 0) {
        QFile::remove(path);
        return false;
    }
    parked.push_back({step, path});
    return true;
}

void ParkedLevels::Return(const Returned &returned, const std::function<bool()> &stopped)
{
    for (const Parked &level : std::exchange(parked, {})) {
        if (stopped())
            return;
        auto reader = vtkSmartPointer<vtkXMLPolyDataReader>::New();
        reader->SetFileName(QFile::encodeName(level.path).constData());
        vtkSmartPointer<vtkPolyData> model;
        try {
            reader->Update();
            if (reader->GetErrorCode() == 0) {
                model = vtkSmartPointer<vtkPolyData>::New(); // of its own, not the reader's output
                model->ShallowCopy(reader->GetOutput());
            }
        } catch (const std::bad_alloc &) {
            model = nullptr;
        }
        reader = nullptr;
        QFile::remove(level.path);
        if (!model || model->GetNumberOfPolys() == 0)
            continue;
        // VTK's reader gives 64-bit cells; the level was made with 32-bit ones, half the size.
        vtkCellArray *cells = model->GetPolys();
        if (cells->IsStorage64Bit() && cells->CanConvertTo32BitStorage())
            cells->ConvertTo32BitStorage();
        returned(level.step, model);
    }
}
