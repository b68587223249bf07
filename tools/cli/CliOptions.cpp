#include "CliOptions.h"
#include "CliSupport.h"

#include "io/ModelWriter.h"

#include <algorithm>
#include <cmath>

namespace {

// The input dialogs of the window allow the same ranges.
constexpr double MinimumError = 0.000001;
constexpr double MaximumError = 10.0;

class ArgumentReader
{
public:
    explicit ArgumentReader(const QStringList &given) : arguments(given) {}

    ParsedArguments Read()
    {
        QStringList positional;
        bool optionsEnded = false;
        while (error.isEmpty() && next < arguments.size()) {
            const QString argument = arguments[next++];
            if (optionsEnded || argument == QLatin1String("-") || !argument.startsWith(QLatin1Char('-')))
                positional << argument;
            else if (argument == QLatin1String("--"))
                optionsEnded = true;
            else
                ReadOption(argument);
        }
        if (error.isEmpty() && !options.help && !options.version)
            TakePositional(positional);
        if (error.isEmpty() && !options.help && !options.version)
            CheckCombination();
        return {options, error};
    }

private:
    void ReadOption(const QString &argument)
    {
        // "--name=value" is the same as "--name value".
        QString name = argument;
        const int equals = argument.indexOf(QLatin1Char('='));
        if (argument.startsWith(QLatin1String("--")) && equals > 0) {
            name = argument.left(equals);
            pendingValue = argument.mid(equals + 1);
        }

        if (name == QLatin1String("-h") || name == QLatin1String("--help"))
            options.help = true;
        else if (name == QLatin1String("--version"))
            options.version = true;
        else if (name == QLatin1String("--json"))
            options.json = true;
        else if (name == QLatin1String("-q") || name == QLatin1String("--quiet"))
            options.quiet = true;
        else if (name == QLatin1String("--no-measure"))
            options.measure = false;
        else if (name == QLatin1String("--smooth"))
            options.smooth = true;
        else if (name == QLatin1String("--format"))
            options.format = Value(name).toLower();
        else if (name == QLatin1String("-o") || name == QLatin1String("--output"))
            options.output = Value(name);
        else if (name == QLatin1String("--engine"))
            Engine(name);
        else if (name == QLatin1String("--keep"))
            options.keepPercent = Number(name);
        else if (name == QLatin1String("--max-error"))
            options.maxError = Number(name);
        else if (name == QLatin1String("--scale"))
            options.scale = Triple(name);
        else if (name == QLatin1String("--rotate"))
            options.rotate = Triple(name);
        else
            Fail(QStringLiteral("unknown option %1").arg(name));

        if (error.isEmpty() && pendingValue)
            Fail(QStringLiteral("%1 takes no value").arg(name));
        pendingValue.reset();
    }

    QString Value(const QString &name)
    {
        if (pendingValue) {
            const QString value = *pendingValue;
            pendingValue.reset();
            return value;
        }
        if (next >= arguments.size()) {
            Fail(QStringLiteral("%1 needs a value").arg(name));
            return QString();
        }
        return arguments[next++];
    }

    double Number(const QString &name)
    {
        const QString text = Value(name);
        if (!error.isEmpty())
            return 0.0;
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok || !std::isfinite(value))
            Fail(QStringLiteral("%1 needs a number, not \"%2\"").arg(name, text));
        return value;
    }

    void Engine(const QString &name)
    {
        const QString key = Value(name).toLower();
        if (error.isEmpty() && !(options.engine = lumeno::EngineFromKey(key)))
            Fail(QStringLiteral("--engine must be classic or quality"));
    }

    std::array<double, 3> Triple(const QString &name)
    {
        std::array<double, 3> values{};
        if (pendingValue) {
            Fail(QStringLiteral("%1 needs three numbers: X Y Z").arg(name));
            return values;
        }
        for (double &value : values) {
            if (next >= arguments.size()) {
                Fail(QStringLiteral("%1 needs three numbers: X Y Z").arg(name));
                break;
            }
            value = Number(name);
            if (!error.isEmpty())
                break;
        }
        return values;
    }

    void TakePositional(const QStringList &positional)
    {
        if (positional.isEmpty()) {
            Fail(QStringLiteral("no command given"));
            return;
        }
        const QString command = positional.first();
        int wanted = 0;
        if (command == QLatin1String("info")) {
            options.command = CliCommand::Info;
            wanted = 1;
        } else if (command == QLatin1String("levels")) {
            options.command = CliCommand::Levels;
            wanted = 2;
        } else if (command == QLatin1String("reduce")) {
            options.command = CliCommand::Reduce;
            wanted = 1;
        } else {
            Fail(QStringLiteral("unknown command %1").arg(command));
            return;
        }
        const QStringList files = positional.mid(1);
        if (files.size() < wanted) {
            Fail(wanted == 1 ? QStringLiteral("%1 needs a model file").arg(command)
                             : QStringLiteral("%1 needs a model file and an output folder").arg(command));
            return;
        }
        if (files.size() > wanted) {
            Fail(QStringLiteral("unexpected argument %1").arg(files[wanted]));
            return;
        }
        options.input = files[0];
        if (options.command == CliCommand::Levels)
            options.outputFolder = files[1];
    }

    void CheckCombination()
    {
        const bool reduce = options.command == CliCommand::Reduce;
        const bool levels = options.command == CliCommand::Levels;
        if (!levels && !reduce && options.engine)
            return Fail(QStringLiteral("--engine belongs to the levels and reduce commands"));
        if (!levels && !reduce && !options.measure)
            return Fail(QStringLiteral("--no-measure belongs to the levels and reduce commands"));
        if (!levels && !options.format.isEmpty())
            return Fail(QStringLiteral("--format belongs to the levels command"));
        if (levels && !options.format.isEmpty() && !lumeno::IsModelSuffix(options.format))
            return Fail(QStringLiteral("--format must be stl, ply, obj, glb, gltf, 3mf or off"));
        if (!reduce) {
            if (!options.output.isEmpty() || options.keepPercent || options.maxError || options.smooth ||
                options.scale || options.rotate)
                return Fail(QStringLiteral("-o, --keep, --max-error, --smooth, --scale and --rotate belong to the "
                                           "reduce command"));
            return;
        }
        if (options.output.isEmpty())
            return Fail(QStringLiteral("reduce needs an output file: -o OUTPUT"));
        if (options.keepPercent && options.maxError)
            return Fail(QStringLiteral("give either --keep or --max-error, not both"));
        if (!options.keepPercent && !options.maxError)
            return Fail(QStringLiteral("reduce needs either --keep PERCENT or --max-error E"));
        // Keeping nothing leaves no model to write.
        if (options.keepPercent && (*options.keepPercent <= 0.0 || *options.keepPercent > 100.0))
            return Fail(QStringLiteral("--keep must be more than 0 and at most 100"));
        if (options.maxError && (*options.maxError < MinimumError || *options.maxError > MaximumError))
            return Fail(QStringLiteral("--max-error must lie between 0.000001 and 10"));
        if (options.scale && std::count(options.scale->begin(), options.scale->end(), 0.0) > 0)
            return Fail(QStringLiteral("--scale factors must not be 0: the model would lose its size"));
    }

    void Fail(const QString &message)
    {
        if (error.isEmpty())
            error = message;
    }

    const QStringList &arguments;
    int next = 0;
    std::optional<QString> pendingValue;
    CliOptions options;
    QString error;
};

} // namespace

ParsedArguments ParseArguments(const QStringList &arguments)
{
    return ArgumentReader(arguments).Read();
}

QString HelpText()
{
    return QStringLiteral(R"(Usage:
  lumeno3d-cli info MODEL [--json]
  lumeno3d-cli levels MODEL OUT_DIR [--format stl|ply|obj|glb|gltf|3mf|off]
               [--engine E]
               [--no-measure] [--json] [--quiet]
  lumeno3d-cli reduce MODEL -o OUTPUT (--keep PERCENT | --max-error E)
               [--smooth] [--scale X Y Z] [--rotate X Y Z] [--engine E]
               [--no-measure] [--json] [--quiet]

Reduces triangle meshes the way the Lumeno3D window does, without a window.
MODEL is an STL, OBJ, PLY, OFF, glTF (.gltf, .glb) or 3MF file, recognised
by its last suffix in any case (part.v2.stl is an STL file). The parts of a
glTF or 3MF file become one model, each placed as the file places it.

Commands:
  info     Prints the number of triangles and vertices, what the points carry
           besides their position (vertex colours, normals, texture
           coordinates), the bounds, the file size and the estimated size of
           each level as the window's level buttons show it (the size of the
           file it gives in MODEL's format, from the level's nominal share).
  levels   Computes the nine levels that keep nominally 90 %, 80 % ... 10 % of
           the triangles exactly as the window does (the classic engine makes
           each level from the one before, the quality engine each from MODEL)
           and writes them into OUT_DIR
           as <base>_90.<ext> ... <base>_10.<ext>, <base> being MODEL's name
           without its last suffix. OUT_DIR is created when missing. The
           format is that of MODEL unless --format says otherwise.
  reduce   Makes one reduction of MODEL and writes it to OUTPUT, in the format
           that OUTPUT's suffix names (stl: binary STL, ply: binary PLY,
           obj: OBJ text, glb: binary glTF, gltf: glTF with its data
           embedded, 3mf: 3MF, off: OFF text).

Options of reduce:
  -o, --output OUTPUT  The file to write. It is never the input file.
  --keep PERCENT       Keep this share of the triangles (more than 0, up to
                       100), as far as the filter can.
  --max-error E        Remove triangles while the accumulated error stays
                       below E, relative to the bounding box diagonal
                       (0.000001 to 10).
  --smooth             Then smooth the result (50 iterations, like the
                       window's Smooth).
  --scale X Y Z        Then scale by these factors along X, Y and Z (none 0).
  --rotate X Y Z       Then rotate by these angles in degrees: about X, then
                       Y, then Z, through the origin, after the scaling (the
                       order of the window's Transform dialog).

Common options:
  --engine E           levels and reduce: classic (vtkDecimatePro) or quality
                       (meshoptimizer, the default: closer to MODEL, faster).
  --no-measure         levels and reduce: do not measure how far each result
                       lies from MODEL (its deviation, in shares of MODEL's
                       bounding box diagonal); the deviation is then left out.
                       reduce --max-error with the quality engine still
                       measures while it searches for the bound.
  --json               Print the results (counts, times, sizes) as one JSON
                       object on standard output; measureSeconds is the time
                       spent measuring deviations. "attributes" lists what the
                       points carry ("colours", "normals",
                       "textureCoordinates"): for info those of MODEL, for
                       levels and reduce those kept in the written files;
                       "droppedAttributes" lists those the output format
                       cannot hold.
  -q, --quiet          No progress on standard error. Progress is a one-line
                       bar when standard error is a terminal, otherwise one
                       line per step.
  -h, --help           Print this help.
  --version            Print the version.

Binary PLY, GLB and glTF keep vertex colours, normals and texture coordinates,
OBJ normals and texture coordinates, OFF and 3MF vertex colours, binary STL
none; materials and textures of glTF and 3MF files are not kept: writing a model to a format that
cannot hold all it carries prints one warning line on standard error naming
what is left out.

Files are written atomically: a file of the same name is replaced only once
the new one is complete, keeps its permissions, and is left as it was when
writing fails. A write-protected file is never replaced, and the input file is
never written.

Exit status:
  0  success
  1  usage error (unknown command or option, missing or bad value)
  2  the input cannot be read (missing, unknown suffix, damaged)
  3  an output file was not written (also when the result would have no
     triangle, or coordinates too large to store)
Every failure prints one line on standard error that names the file. A result
that keeps more than 5 percentage points above the share asked (a model that
cannot be reduced that far) is written, with a warning line on standard error
and the status 0.
)");
}
