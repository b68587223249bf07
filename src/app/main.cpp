#include "ApplicationSetup.h"
#include "MainWindow.h"
#include "io/VtkMessageLog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>

int main(int argc, char *argv[])
{
    PrepareApplication();
    QApplication app(argc, argv);
    NameApplication();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simplifies triangle meshes: STL, OBJ, PLY, OFF, glTF, GLB and 3MF models."));
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
        QTimer::singleShot(0, &window, [&window, path] { window.LoadModel(path); });
    }
    return app.exec();
}
