#include "CliOptions.h"
#include "CliSupport.h"

#include "io/write/ModelWriter.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The input dialogs of the window allow the same ranges.
constexpr double MinimumError = 0.000001;
constexpr double MaximumError = 10.0;
// More jobs than models never run; this only keeps the number in an int.
constexpr qint64 MaximumJobs = 4096;

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
        else if (name == QLatin1String("-v") || name == QLatin1String("--version"))
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
        else if (name == QLatin1String("--lod-glb"))
            options.lodGlb = Value(name);
        else if (name == QLatin1String("-d") || name == QLatin1String("--output-dir"))
            options.outputFolder = Value(name);
        else if (name == QLatin1String("--engine"))
            Engine(name);
        else if (name == QLatin1String("--textures"))
            Textures(name);
        else if (name == QLatin1String("--merge-parts"))
            options.mergeParts = true;
        else if (name == QLatin1String("--jobs") || name == QLatin1String("-j"))
            options.jobs = int(std::min<qint64>(Count(name), MaximumJobs));
        else if (name == QLatin1String("--skip-existing"))
            options.skipExisting = true;
        else if (name == QLatin1String("--deviation-colours"))
            DeviationColours();
        else if (name == QLatin1String("--keep"))
            options.keepPercent = Number(name);
        else if (name == QLatin1String("--triangles"))
            options.triangles = Count(name);
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

    qint64 Count(const QString &name)
    {
        const QString text = Value(name);
        if (!error.isEmpty())
            return 0;
        bool ok = false;
        const qint64 value = text.toLongLong(&ok);
        if (!ok || value < 1)
            Fail(QStringLiteral("%1 needs a whole number of at least 1, not \"%2\"").arg(name, text));
        return value;
    }

    void Engine(const QString &name)
    {
        const QString key = Value(name).toLower();
        if (error.isEmpty() && !(options.engine = lumeno::EngineFromKey(key)))
            Fail(QStringLiteral("--engine must be classic or quality"));
    }

    void Textures(const QString &name)
    {
        const QString key = Value(name).toLower();
        if (!error.isEmpty())
            return;
        if (key == QLatin1String("copy"))
            options.textures = lumeno::ModelWriteOptions::Textures::Copy;
        else if (key == QLatin1String("reference"))
            options.textures = lumeno::ModelWriteOptions::Textures::Reference;
        else
            Fail(QStringLiteral("--textures must be copy or reference"));
    }

    // Its value is optional: "=replace", or "add" or "replace" as the next argument (no model
    // file is named so, without a suffix).
    void DeviationColours()
    {
        QString how = QStringLiteral("add");
        if (pendingValue)
            how = *std::exchange(pendingValue, std::nullopt);
        else if (next < arguments.size() &&
                 (arguments[next] == QLatin1String("add") || arguments[next] == QLatin1String("replace")))
            how = arguments[next++];
        if (how == QLatin1String("add"))
            options.deviationColours = DeviationColouring::Add;
        else if (how == QLatin1String("replace"))
            options.deviationColours = DeviationColouring::Replace;
        else
            Fail(QStringLiteral("--deviation-colours must be add or replace"));
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
        if (command == QLatin1String("info"))
            options.command = CliCommand::Info;
        else if (command == QLatin1String("levels"))
            options.command = CliCommand::Levels;
        else if (command == QLatin1String("reduce"))
            options.command = CliCommand::Reduce;
        else {
            Fail(QStringLiteral("unknown command %1").arg(command));
            return;
        }
        options.inputs = positional.mid(1);
        if (options.inputs.isEmpty()) {
            Fail(QStringLiteral("%1 needs a model file").arg(command));
            return;
        }
        if (options.command != CliCommand::Levels || !options.outputFolder.isEmpty())
            return;
        // "levels MODEL --lod-glb OUT.glb" writes the one file only.
        if (!options.lodGlb.isEmpty() && options.inputs.size() == 1)
            return;
        // "levels MODEL OUT_DIR", the form from before -d.
        if (options.inputs.size() != 2) {
            Fail(options.inputs.size() == 1 ? QStringLiteral("levels needs an output folder: -d OUT_DIR")
                                            : QStringLiteral("levels of several models needs the output folder "
                                                             "given by -d OUT_DIR"));
            return;
        }
        // A glob that found two models is no model and a folder.
        if (QFileInfo(options.inputs[1]).isFile()) {
            Fail(QStringLiteral("%1 is a file, not an output folder: give the folder with -d OUT_DIR")
                     .arg(options.inputs[1]));
            return;
        }
        options.outputFolder = options.inputs.takeLast();
    }

    void CheckCombination()
    {
        const bool reduce = options.command == CliCommand::Reduce;
        const bool levels = options.command == CliCommand::Levels;
        if (!levels && !reduce && options.engine)
            return Fail(QStringLiteral("--engine belongs to the levels and reduce commands"));
        if (!levels && !reduce && !options.measure)
            return Fail(QStringLiteral("--no-measure belongs to the levels and reduce commands"));
        if (!levels && !reduce && options.textures)
            return Fail(QStringLiteral("--textures belongs to the levels and reduce commands"));
        if (!levels && !reduce && options.mergeParts)
            return Fail(QStringLiteral("--merge-parts belongs to the levels and reduce commands"));
        if (!levels && !reduce && options.jobs)
            return Fail(QStringLiteral("--jobs belongs to the levels and reduce commands"));
        if (!levels && !reduce && options.skipExisting)
            return Fail(QStringLiteral("--skip-existing belongs to the levels and reduce commands"));
        if (!levels && !reduce && options.deviationColours)
            return Fail(QStringLiteral("--deviation-colours belongs to the levels and reduce commands"));
        const bool intoFolder = levels || (reduce && options.output.isEmpty());
        if (!options.format.isEmpty() && !intoFolder)
            return Fail(QStringLiteral("--format belongs to levels and to reduce -d"));
        if (!options.format.isEmpty() && !lumeno::IsModelSuffix(options.format))
            return Fail(QStringLiteral("--format must be stl, ply, obj, glb, gltf, 3mf or off"));
        if (!levels && !reduce && !options.outputFolder.isEmpty())
            return Fail(QStringLiteral("-d belongs to the levels and reduce commands"));
        if (!options.lodGlb.isEmpty()) {
            if (!levels)
                return Fail(QStringLiteral("--lod-glb belongs to the levels command"));
            if (QFileInfo(options.lodGlb).suffix().compare(QLatin1String("glb"), Qt::CaseInsensitive) != 0)
                return Fail(QStringLiteral("--lod-glb needs a file name ending in .glb, not \"%1\"").arg(options.lodGlb));
            if (options.inputs.size() > 1)
                return Fail(QStringLiteral("--lod-glb names one output file: give one MODEL"));
            if (!options.measure)
                return Fail(QStringLiteral("--lod-glb needs the levels' deviations: leave out --no-measure"));
            if (!options.format.isEmpty() && options.outputFolder.isEmpty())
                return Fail(QStringLiteral("--format is the format of the files in OUT_DIR: give -d OUT_DIR too"));
            if (options.deviationColours && options.outputFolder.isEmpty())
                return Fail(QStringLiteral("--deviation-colours colours the files in OUT_DIR, not the LOD file: give "
                                           "-d OUT_DIR too"));
        }
        if (!reduce) {
            if (!options.output.isEmpty() || options.keepPercent || options.triangles || options.maxError ||
                options.smooth || options.scale || options.rotate)
                return Fail(QStringLiteral("-o, --keep, --triangles, --max-error, --smooth, --scale and --rotate "
                                           "belong to the reduce command"));
            return;
        }
        if (options.output.isEmpty() && options.outputFolder.isEmpty())
            return Fail(QStringLiteral("reduce needs an output: -o OUTPUT, or -d OUT_DIR"));
        if (!options.output.isEmpty() && !options.outputFolder.isEmpty())
            return Fail(QStringLiteral("give either -o or -d, not both"));
        if (!options.output.isEmpty() && options.inputs.size() > 1)
            return Fail(QStringLiteral("-o names one output file: reduce several models with -d OUT_DIR"));
        const int targets = int(options.keepPercent.has_value()) + int(options.triangles.has_value()) +
                            int(options.maxError.has_value());
        if (targets > 1)
            return Fail(QStringLiteral("give one of --keep, --triangles and --max-error"));
        if (targets == 0)
            return Fail(QStringLiteral("reduce needs --keep PERCENT, --triangles N or --max-error E"));
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
    return QStringLiteral(R"(Usage: lumeno3d-cli info MODEL... [--json]
  or:  lumeno3d-cli levels -d OUT_DIR MODEL... [options of levels]
  or:  lumeno3d-cli levels MODEL OUT_DIR [options of levels]
  or:  lumeno3d-cli levels MODEL --lod-glb OUT.glb [-d OUT_DIR] [options of levels]
  or:  lumeno3d-cli reduce -o OUTPUT MODEL HOW_FAR [options of reduce]
  or:  lumeno3d-cli reduce -d OUT_DIR MODEL... HOW_FAR [options of reduce]
HOW_FAR is one of --keep PERCENT, --triangles N and --max-error E. The options
of levels are --format, --engine, --textures, --merge-parts, --no-measure,
--lod-glb, --jobs, --skip-existing, --deviation-colours, --json and --quiet;
reduce takes those but --lod-glb, and --smooth,
--scale and --rotate.

Reduces triangle meshes the way the Lumeno3D window does, without a window.
MODEL is an STL, OBJ, PLY, OFF, glTF (.gltf, .glb) or 3MF file, recognised
by its last suffix in any case (part.v2.stl is an STL file). Each part of a
glTF or 3MF file is placed as the file places it. Every command takes several
models (find ... -exec lumeno3d-cli levels -d OUT_DIR {} +, or a glob);
levels and reduce do several at once (--jobs). A model that fails does not
stop the others.

Commands:
  info     Prints the number of triangles and vertices, what the points carry
           besides their position (vertex colours, normals, texture
           coordinates), the bounds, the file size and the estimated size of
           each level as the window's level buttons show it (the size of the
           file it gives in MODEL's format, from the level's nominal share).
  levels   Computes the nine levels that keep nominally 90 %, 80 % ... 10 % of
           the triangles exactly as the window does (the classic engine makes
           each level from the one before, the quality engine all in one run)
           and writes them into OUT_DIR as <base>_90.<ext> ... <base>_10.<ext>,
           <base> being MODEL's name without its last suffix. The format is
           that of MODEL unless --format says otherwise.
  reduce   Makes one reduction of each MODEL and writes it to OUTPUT, or into
           OUT_DIR as <base>.<ext>, in the format that the suffix names (stl:
           binary STL, ply: binary PLY, obj: OBJ text, glb: binary glTF,
           gltf: glTF with its data embedded, 3mf: 3MF, off: OFF text).

Options of levels:
  --lod-glb OUT.glb    Write OUT.glb: one GLB file holding MODEL and its nine
                       levels as levels of detail (MSFT_lod, which web
                       engines read; other readers show MODEL), the
                       materials and textures once. The nine files are
                       written as well only when OUT_DIR is given. Each
                       level's triangles and deviation are in the file, and
                       the share of the screen from which on an engine draws
                       it (lumeno3d-cli(1) describes the layout). One MODEL;
                       not with --no-measure.

Options of reduce:
  -o, --output OUTPUT  The file to write (one MODEL). It is never the input
                       file.
  --keep PERCENT       Keep this share of the triangles (more than 0, up to
                       100), as far as the filter can.
  --triangles N        Keep N triangles (all of them when MODEL has fewer; the
                       quality engine gives N or one fewer, the classic
                       engine about N).
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
  -d, --output-dir OUT_DIR
                       levels and reduce: the folder to write into.
  --format F           levels and reduce -d: stl, ply, obj, glb, gltf, 3mf or off
                       instead of MODEL's own format.
  --engine E           levels and reduce: classic (vtkDecimatePro) or quality
                       (quadric edge collapse, the default: closer to MODEL,
                       faster).
  --textures HOW       levels and reduce: how an OBJ output's material file
                       finds the textures: copy (the default) writes the
                       images next to the output, under another name where a
                       different file of that name is there already;
                       reference names the image files where they are, by a
                       path relative to the output (images held inside MODEL
                       are written next to the output even so).
  --merge-parts        levels and reduce: write the model as one part instead
                       of keeping the parts of MODEL apart (glTF nodes and
                       meshes, OBJ objects, 3MF objects).
  --no-measure         levels and reduce: do not measure how far each result
                       lies from MODEL (its deviation, in shares of MODEL's
                       bounding box diagonal); the deviation is then left out.
                       reduce --max-error with the quality engine still
                       measures while it searches for the bound.
  -j, --jobs N         levels and reduce: do N models at once (a whole number,
                       at least 1). By default as many as the cores allow and
                       the memory holds for the largest model; the engines of
                       the models at once share the cores. Whatever N is, the
                       files written are the same, and the results and
                       messages are printed whole, in the order of the models.
                       Models of which one writes another's input, or two
                       write one file, are done one after the other.
  --skip-existing      levels and reduce: leave each model whose outputs are
                       all there and newer than the model, so that a batch
                       that was stopped resumes with the models it had not
                       finished (a file bears its output's name only once it
                       is complete). Its result says it was skipped.
  --deviation-colours [add|replace]
                       levels and reduce: colour each point of the output by
                       its distance to MODEL, as the window's Show deviation
                       does (blue for none to dark red for the output's
                       largest deviation). add (the default) writes them as a
                       colour set of their own where the output has vertex
                       colours (glTF COLOR_1; PLY deviation_red,
                       deviation_green and deviation_blue), as its colours
                       where it has none; replace writes them instead of its
                       colours. PLY, GLB and glTF only: other formats are
                       written without them, with a warning.
  --json               Print the results (counts, times, sizes) as JSON Lines
                       on standard output: one object per MODEL, on one line,
                       with "schema": 1 (the layout is described in
                       lumeno3d-cli(1)).
  -q, --quiet          No progress on standard error. Progress is a one-line
                       bar (a turning mark and the time taken while the share
                       done is not known) when standard error is a terminal,
                       otherwise one line per step.
  -h, --help           Print this help.
  -v, --version        Print the version.

Binary PLY, GLB and glTF keep vertex colours, normals and texture coordinates,
OBJ normals and texture coordinates, OFF and 3MF vertex colours, binary STL
none. OBJ (with a .mtl file of the same name beside it), GLB and glTF (their
images held inside) keep the materials, the textures and the parts; 3MF keeps
the materials, the parts and the base colour textures; PLY, STL and OFF keep
none of these and write the parts as one. A model without materials is written
as before ("mtllib NONE" in OBJ). Writing a model to a format that cannot hold
all it carries prints one warning line on standard error naming what is left
out.

Output folders are created when missing. Files are written atomically: a file
of the same name is replaced only once the new one is complete, keeps its
permissions, and is left as it was when writing fails. A write-protected file
is never replaced, and the input file is never written. The same model with the
same options gives the same bytes in every file, on any machine with the same
build.

Exit status:
  0  success
  1  usage error (unknown command or option, missing or bad value)
  2  an input cannot be read (missing, unknown suffix, damaged, not enough
     memory for reading it)
  3  an output file was not written (also when the result would have no
     triangle, coordinates too large to store, or not enough memory)
With several models the status is the highest of theirs. Every failure prints
one line on standard error that names the file. A result that misses the
triangles asked by more than 1 % of the count and 2 triangles (a model that
cannot be reduced that far) is written, with a warning line on standard error
and the status 0.
)");
}
