#include "settings/LanguageNames.h"
#include "MainWindow.h"
#include "Resources.h"
#include "Version.h"
#include "io/VtkMessageLog.h"

#include <QApplication>
#include <QLocale>
#include <QSurfaceFormat>
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
    // The window reports failures itself; VTK's own texts are kept for finding out more.
    lumeno::SendVtkMessagesToLog(lumeno::DefaultVtkMessageLog());

    MainWindow window;
    QCoreApplication::setApplicationVersion(lumeno::version::applicationVersion());
    window.show();
    return app.exec();
}
