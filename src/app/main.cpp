#include "settings/LanguageNames.h"
#include "MainWindow.h"
#include "Resources.h"
#include "Version.h"
#include "io/VtkMessageLog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QSurfaceFormat>
#include <QTimer>
#include <QVTKOpenGLNativeWidget.h>

int main(int argc, char *argv[])
{
    InitLanguageNames();
    QLocale::setDefault(QLocale::system());
    // The OpenGL views need their surface format before the application exists.
    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
    InitLumenoResources();

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("lumeno3d.org"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumeno3D"));
    QCoreApplication::setApplicationVersion(lumeno::version::applicationVersion());
    // Names the desktop entry, so that the desktop shows the window under the program's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lumeno3d.Lumeno3D"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simplifies triangle meshes: STL, OBJ and PLY models."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The model to open at start."),
                                 QStringLiteral("[file]"));
    parser.process(app);

    // The window reports failures itself; VTK's own texts are kept for finding out more.
    lumeno::SendVtkMessagesToLog(lumeno::DefaultVtkMessageLog());

    MainWindow window;
    window.show();
    if (!parser.positionalArguments().isEmpty()) {
        const QString path = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
        // Once the window is on screen, so that the load's progress and messages show over it.
        QTimer::singleShot(0, &window, [&window, path] { window.LoadModel(path, QFileInfo(path).suffix()); });
    }
    return app.exec();
}
