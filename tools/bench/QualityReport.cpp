#include "QualityReport.h"

#include <QJsonArray>
#include <QLocale>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

const char *const Measures[] = {"mean", "rms", "max"};

// A share of the diagonal in percent, to three significant digits without an exponent;
// below a millionth of a percent (rounding of coordinates) as 0.
QString Percent(double share)
{
    if (share < 0.0)
        return QStringLiteral("–");
    const double percent = share * 100.0;
    if (percent < 1e-6)
        return QStringLiteral("0");
    const int decimals = std::clamp(2 - int(std::floor(std::log10(percent))), 0, 8);
    return QString::number(percent, 'f', decimals);
}

QString Count(qint64 value)
{
    QLocale english(QLocale::English);
    return english.toString(value);
}

QJsonObject Level(const QJsonObject &mesh, int percent)
{
    for (const QJsonValue &level : mesh[QLatin1String("levels")].toArray())
        if (level[QLatin1String("percent")].toInt() == percent)
            return level.toObject();
    return {};
}

QString MeshName(const QJsonObject &mesh)
{
    return QStringLiteral("%1 (%2)").arg(mesh[QLatin1String("name")].toString(),
                                         Count(qint64(mesh[QLatin1String("triangles")].toDouble())));
}

void DistanceTable(QTextStream &out, const QJsonArray &meshes, const QStringList &engines, int percent)
{
    out << "| Mesh (triangles)";
    for (const QString &engine : engines)
        out << " | " << engine << " mean / RMS / max | " << engine << " time, triangles";
    out << " |\n|---";
    for (int i = 0; i < engines.size(); ++i)
        out << "|---:|---:";
    out << "|\n";
    for (const QJsonValue &value : meshes) {
        const QJsonObject mesh = value.toObject();
        const QJsonObject results = Level(mesh, percent)[QLatin1String("engines")].toObject();
        out << "| " << MeshName(mesh);
        for (const QString &engine : engines) {
            const QJsonObject result = results[engine].toObject();
            out << " | " << Percent(result[QLatin1String("mean")].toDouble(-1)) << " / "
                << Percent(result[QLatin1String("rms")].toDouble(-1)) << " / "
                << Percent(result[QLatin1String("max")].toDouble(-1)) << " | ";
            const QJsonValue seconds = result[QLatin1String("seconds")];
            out << (seconds.isDouble() ? QStringLiteral("%1 s").arg(seconds.toDouble(), 0, 'f', 3)
                                       : QStringLiteral("(with the first level)"))
                << ", " << Count(qint64(result[QLatin1String("triangles")].toDouble()));
        }
        out << " |\n";
    }
}

// The quality engine's mean, RMS and max each divided by the lower of the two peers' (below 1: ours is closer).
void RatioTable(QTextStream &out, const QJsonArray &meshes, int percent)
{
    out << "\nThe quality engine against the better of vtkQuadric and meshoptimizer (below 1: ours is closer):\n\n"
           "| Mesh (triangles) | mean | RMS | max |\n|---|---:|---:|---:|\n";
    for (const QJsonValue &value : meshes) {
        const QJsonObject mesh = value.toObject();
        const QJsonObject results = Level(mesh, percent)[QLatin1String("engines")].toObject();
        out << "| " << MeshName(mesh);
        for (const char *measure : Measures) {
            const auto figure = [&](const char *engine) {
                return results[QLatin1String(engine)].toObject()[QLatin1String(measure)].toDouble(-1);
            };
            const double ours = figure("quality"), vtk = figure("vtkQuadric"), meshopt = figure("meshoptimizer");
            const double best = std::min(vtk, meshopt);
            if (ours < 0 || vtk < 0 || meshopt < 0 || best <= 0)
                out << " | –";
            else
                out << " | " << QString::number(ours / best, 'f', 2) << " ("
                    << (vtk <= meshopt ? "vtkQuadric" : "meshoptimizer") << ")";
        }
        out << " |\n";
    }
}

} // namespace

QString QualityMarkdownReport(const QJsonObject &report)
{
    QString text;
    QTextStream out(&text);
    const QJsonArray meshes = report[QLatin1String("meshes")].toArray();
    QStringList engines;
    for (const QJsonValue &engine : report[QLatin1String("engines")].toArray())
        engines << engine.toString();
    out << "Distances: symmetric, Metro-style, over every vertex and "
        << Count(qint64(report[QLatin1String("samplesPerSurface")].toDouble()))
        << " random points by area on each surface, in % of the original's bounding box diagonal. "
           "Times are wall seconds on a shared machine (load average "
        << report[QLatin1String("loadAverageAtStart")].toDouble() << " at the start, "
        << report[QLatin1String("loadAverageAtEnd")].toDouble()
        << " at the end); oneRun is the quality engine making the nine levels and those measured in one run, whose time (welding and scaling included) is given with the first level.\n";
    for (const QJsonValue &percent : report[QLatin1String("percents")].toArray()) {
        out << "\n### " << percent.toInt() << " % of the triangles kept\n\n";
        DistanceTable(out, meshes, engines, percent.toInt());
        RatioTable(out, meshes, percent.toInt());
    }
    out.flush();
    return text;
}
