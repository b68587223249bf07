#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTest>

#include <vtkSmartPointer.h>

#include <functional>

class QMenu;
class QWidget;
class QVTKOpenGLNativeWidget;
class vtkPolyData;

namespace testing {

// Points HOME, XDG_CONFIG_HOME, XDG_CACHE_HOME and TMPDIR at a fresh folder and the
// update service at a closed loopback port. Must run before the application exists.
void IsolateEnvironment();

// Creates the application the way main() does (identity, locale, surface format).
void PrepareApplication();

// The folder the environment was pointed at.
QString SandboxPath();

// Answers the next modal widget (message box, input or file dialog) from the event loop.
void AnswerNextModal(std::function<void(QWidget *)> answer, int timeoutMs = 10000);

// The pixels of a view as they were last rendered.
QImage Grab(QVTKOpenGLNativeWidget *view);

// Triangulated sphere with roughly 2 * theta * (phi - 2) triangles.
vtkSmartPointer<vtkPolyData> Sphere(int theta = 32, int phi = 32);

// Writes a polydata with VTK's writers, chosen by suffix (stl, ply, obj).
bool WriteModel(vtkPolyData *model, const QString &path);

// What the open menu shows: the texts of its visible entries, separators as "--", none
// first and never two in a row (as the menu draws them).
QStringList VisibleEntries(QMenu *menu);

// Runs the event loop until the predicate holds or the time is up.
bool WaitUntil(const std::function<bool()> &predicate, int timeoutMs = 30000);

} // namespace testing

// main() of a GUI test program: an isolated environment, then the test object.
#define LUMENO_TEST_MAIN(TestObject)                                                                                  \
    int main(int argc, char *argv[])                                                                                  \
    {                                                                                                                 \
        testing::IsolateEnvironment();                                                                                \
        testing::PrepareApplication();                                                                                \
        QApplication app(argc, argv);                                                                                 \
        QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));                                             \
        QCoreApplication::setApplicationName(QStringLiteral("Lumeno3D"));                                            \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                      \
        TestObject test;                                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                    \
        return QTest::qExec(&test, argc, argv);                                                                       \
    }
