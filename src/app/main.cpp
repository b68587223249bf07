#include "ApplicationSetup.h"
#include "MainWindow.h"
#include "io/read/VtkMessageLog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>

namespace {

void DescribeArguments(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Simplifies triangle meshes: STL, OBJ, PLY, OFF, glTF, GLB and 3MF models."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The model to open at start. The window holds one model at a time: "
                                                "of several files, the first is opened."),
                                 QStringLiteral("[file]"));
}

// --help and --version are answered before the window's application exists, which needs a
// display: both work in a terminal without one, and in a package's build.
void AnswerHelpOrVersion(int argc, char *argv[])
{
    QCoreApplication console(argc, argv);
    NameApplication();
    QCommandLineParser parser;
    DescribeArguments(parser);
    // Qt's own options (-platform ...) are unknown here; the full check comes once the window's
    // application has taken them.
    parser.parse(console.arguments());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
}

} // namespace

int main(int argc, char *argv[])
{
    AnswerHelpOrVersion(argc, argv);
    PrepareApplication();
    QApplication app(argc, argv);
    NameApplication();

    QCommandLineParser parser;
    DescribeArguments(parser);
    parser.process(app);

    // The window reports failures itself; VTK's own texts are kept for finding out more.
    lumeno::SendVtkMessagesToLog(lumeno::DefaultVtkMessageLog());

    MainWindow window;
    window.show();
    QStringList files;
    for (const QString &file : parser.positionalArguments())
        files << QFileInfo(file).absoluteFilePath();
    // Once the window is on screen, so that the load's progress and messages show over it.
    if (!files.isEmpty())
        QTimer::singleShot(0, &window, [&window, files] { window.LoadModels(files); });
    return app.exec();
}
