#include "ApplicationSetup.h"

#include "Resources.h"
#include "Version.h"
#include "settings/LanguageNames.h"

#include <QGuiApplication>
#include <QLocale>
#include <QSurfaceFormat>
#include <QVTKOpenGLNativeWidget.h>

void PrepareApplication()
{
    InitLanguageNames();
    QLocale::setDefault(QLocale::system());
    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat());
    InitLumenoResources();
}

void NameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("lumeno3d.org"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumeno3D"));
    QCoreApplication::setApplicationVersion(lumeno::version::applicationVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lumeno3d.Lumeno3D"));
}
