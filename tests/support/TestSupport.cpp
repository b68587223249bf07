#include "TestSupport.h"

#include "settings/LanguageNames.h"
#include "Resources.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QSurfaceFormat>
#include <QTemporaryDir>
#include <QTimer>
#include <QVTKOpenGLNativeWidget.h>

#include <vtkOBJWriter.h>
#include <vtkPLYWriter.h>
#include <vtkPolyData.h>
#include <vtkRenderWindow.h>
#include <vtkSTLWriter.h>
#include <vtkSphereSource.h>
#include <vtkTriangleFilter.h>

#include <cstdlib>
#include <memory>

namespace testing {

namespace {
std::unique_ptr<QTemporaryDir> sandbox;
}

void IsolateEnvironment()
{
    sandbox = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/lumeno-test-XXXXXX"));
    const QString root = sandbox->path();
    for (const char *sub : {"home", "config", "cache", "tmp", "runtime", "home/Desktop"})
        QDir(root).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(root + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root + QStringLiteral("/runtime")));
    qputenv("HOME", QFile::encodeName(root + QStringLiteral("/home")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root + QStringLiteral("/cache")));
    qputenv("TMPDIR", QFile::encodeName(root + QStringLiteral("/tmp")));
    // Mesa would write its shader cache while a test holds the file size limit of a full disk.
    qputenv("MESA_SHADER_CACHE_DISABLE", "true");
    // Port 9 (discard) on loopback: nothing listens, the update check fails at once.
    qputenv("LUMENO3D_UPDATE_URL", "http://127.0.0.1:9");
}

void PrepareApplication()
{
    InitLanguageNames();
    QLocale::setDefault(QLocale::system());
    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
    InitLumenoResources();
}

QString SandboxPath()
{
    return sandbox ? sandbox->path() : QString();
}

void AnswerNextModal(std::function<void(QWidget *)> answer, int timeoutMs)
{
    auto *timer = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, answer, started, timeoutMs] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        } else if (started->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
}

QImage Grab(QVTKOpenGLNativeWidget *view)
{
    // What the user sees: the part of the screen the view covers.
    view->renderWindow()->Render();
    view->update();
    QTest::qWait(300);
    const QPoint origin = view->mapToGlobal(QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, origin.x(), origin.y(), view->width(), view->height())
        .toImage();
}

vtkSmartPointer<vtkPolyData> Sphere(int theta, int phi)
{
    auto source = vtkSmartPointer<vtkSphereSource>::New();
    source->SetThetaResolution(theta);
    source->SetPhiResolution(phi);
    source->SetRadius(1.0);
    auto triangles = vtkSmartPointer<vtkTriangleFilter>::New();
    triangles->SetInputConnection(source->GetOutputPort());
    triangles->Update();
    vtkSmartPointer<vtkPolyData> sphere = triangles->GetOutput();
    return sphere;
}

bool WriteModel(vtkPolyData *model, const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QByteArray name = QFile::encodeName(path);
    if (suffix == QLatin1String("stl")) {
        auto writer = vtkSmartPointer<vtkSTLWriter>::New();
        writer->SetFileName(name.constData());
        writer->SetFileTypeToBinary();
        writer->SetInputData(model);
        return writer->Write() == 1;
    }
    if (suffix == QLatin1String("ply")) {
        auto writer = vtkSmartPointer<vtkPLYWriter>::New();
        writer->SetFileName(name.constData());
        writer->SetFileTypeToBinary();
        writer->SetInputData(model);
        return writer->Write() == 1;
    }
    if (suffix == QLatin1String("obj")) {
        auto writer = vtkSmartPointer<vtkOBJWriter>::New();
        writer->SetFileName(name.constData());
        writer->SetInputData(model);
        return writer->Write() == 1;
    }
    return false;
}

bool WaitUntil(const std::function<bool()> &predicate, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!predicate()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(5);
    }
    return true;
}

QStringList VisibleEntries(QMenu *menu)
{
    QStringList entries;
    bool lastWasSeparator = true;
    for (QAction *action : menu->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator()) {
            if (!lastWasSeparator)
                entries << QStringLiteral("--");
            lastWasSeparator = true;
            continue;
        }
        entries << action->text();
        lastWasSeparator = false;
    }
    return entries;
}

} // namespace testing
