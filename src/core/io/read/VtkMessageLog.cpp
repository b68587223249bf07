#include "io/read/VtkMessageLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <vtkLogger.h>
#include <vtkObjectFactory.h>
#include <vtkOutputWindow.h>
#include <vtkSmartPointer.h>

#include <mutex>

namespace lumeno {

namespace {

constexpr qint64 MaximumLogSize = 1000000;

class vtkFileMessageWindow : public vtkOutputWindow
{
public:
    static vtkFileMessageWindow *New();
    vtkTypeMacro(vtkFileMessageWindow, vtkOutputWindow);

    void SetLogFile(const QString &path)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        logFile = path;
    }

    // Every kind of message ends here; filters may report from any thread.
    void DisplayText(const char *text) override
    {
        const std::lock_guard<std::mutex> lock(mutex);
        QFile file(logFile);
        const bool full = file.size() > MaximumLogSize;
        if (!file.exists())
            QDir().mkpath(QFileInfo(logFile).absolutePath());
        if (file.open(full ? QIODevice::WriteOnly | QIODevice::Truncate : QIODevice::Append)) {
            file.write(text);
            if (!QByteArray(text).endsWith('\n'))
                file.write("\n");
        }
    }

protected:
    vtkFileMessageWindow() = default;

private:
    std::mutex mutex;
    QString logFile;
};

vtkStandardNewMacro(vtkFileMessageWindow);

} // namespace

void SendVtkMessagesToLog(const QString &logFile)
{
    auto window = vtkSmartPointer<vtkFileMessageWindow>::New();
    window->SetLogFile(logFile);
    vtkOutputWindow::SetInstance(window);
    // The standard error macros also log through VTK's logger, which prints to standard
    // error on its own.
    vtkLogger::SetStderrVerbosity(vtkLogger::VERBOSITY_OFF);
}

QString DefaultVtkMessageLog()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/vtk-messages.log");
}

} // namespace lumeno
