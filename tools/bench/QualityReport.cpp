#include "QualityReport.h"

#include "QualitySummary.h"

#include <QJsonArray>
#include <QLocale>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

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

QString MeshName(const QJsonObject &mesh)
{
    return QStringLiteral("%1 (%2)").arg(mesh[QLatin1String("name")].toString(),
                                         Count(qint64(mesh[QLatin1String("triangles")].toDouble())));
}

QJsonObject Level(const QJsonObject &mesh, int percent)
{
    for (const QJsonValue &level : mesh[QLatin1String("levels")].toArray())
        if (level[QLatin1String("percent")].toInt() == percent)
            return level.toObject();
    return {};
}

// "mean / max · triangles · time", the triangles marked ✗ when they missed the goal.
QString Cell(const QJsonObject &result, qint64 goal)
{
    if (result.isEmpty() || result[QLatin1String("triangles")].toDouble(-1) < 0)
        return QStringLiteral("none");
    return QStringLiteral("%1 / %2 · %3%4 · %5 s")
        .arg(Percent(result[QLatin1String("mean")].toDouble(-1)), Percent(result[QLatin1String("max")].toDouble(-1)),
             Count(qint64(result[QLatin1String("triangles")].toDouble())),
             MissedGoal(result, goal) ? QStringLiteral(" ✗") : QString())
        .arg(result[QLatin1String("seconds")].toDouble(), 0, 'f', 3);
}

void LevelTable(QTextStream &out, const QJsonArray &meshes, const std::vector<const BenchEngine *> &engines,
                int percent)
{
    out << "\n#### " << percent << " % of the triangles kept\n\n| Mesh (triangles) | goal";
    for (const BenchEngine *engine : engines)
        out << " | " << QString::fromUtf8(engine->label);
    out << " |\n|---|---:";
    for (size_t i = 0; i < engines.size(); ++i)
        out << "|---:";
    out << "|\n";
    for (const QJsonValue &value : meshes) {
        const QJsonObject mesh = value.toObject();
        const QJsonObject level = Level(mesh, percent);
        const qint64 goal = qint64(level[QLatin1String("goalTriangles")].toDouble());
        const QJsonObject results = level[QLatin1String("engines")].toObject();
        out << "| " << MeshName(mesh) << " | " << Count(goal);
        for (const BenchEngine *engine : engines)
            out << " | " << Cell(results[QLatin1String(engine->key)].toObject(), goal);
        out << " |\n";
    }
}

// What CGAL's peer changed to make each mesh a manifold one, and where it failed.
void CgalNotes(QTextStream &out, const QJsonArray &meshes)
{
    QStringList notes;
    for (const QJsonValue &mesh : meshes) {
        QStringList said;
        for (const QJsonValue &level : mesh[QLatin1String("levels")].toArray()) {
            const QJsonObject cgal = level[QLatin1String("engines")][QLatin1String("cgalLindstromTurk")].toObject();
            for (const QJsonValue &change : cgal[QLatin1String("changes")].toArray())
                if (!said.contains(change.toString()))
                    said << change.toString();
            const QString error = cgal[QLatin1String("error")].toString();
            if (!error.isEmpty() && !said.contains(error))
                said << error;
        }
        if (!said.isEmpty())
            notes << QStringLiteral("- %1: %2").arg(mesh[QLatin1String("name")].toString(), said.join(QStringLiteral("; ")));
    }
    if (!notes.isEmpty())
        out << "\nCGAL's peer changed these meshes to make them manifold (the others it took as they are):\n\n"
            << notes.join(QLatin1Char('\n')) << "\n";
}

} // namespace

QString QualityMarkdownReport(const QJsonObject &report)
{
    QString text;
    QTextStream out(&text);
    const QJsonArray meshes = report[QLatin1String("meshes")].toArray();
    const QStringList present = report[QLatin1String("engines")].toVariant().toStringList();
    std::vector<const BenchEngine *> engines;
    for (const BenchEngine &engine : BenchEngines)
        if (present.contains(QLatin1String(engine.key)))
            engines.push_back(&engine);
    QStringList parts;
    for (const QJsonValue &mesh : meshes) {
        const QString part = mesh[QLatin1String("part")].toString(QStringLiteral("development"));
        if (!parts.contains(part))
            parts << part;
    }
    const auto meshesOf = [&meshes](const QString &part) {
        QJsonArray of;
        for (const QJsonValue &mesh : meshes)
            if (mesh[QLatin1String("part")].toString(QStringLiteral("development")) == part)
                of.append(mesh);
        return of;
    };

    out << "Distances: symmetric, Metro-style, over every vertex and "
        << Count(qint64(report[QLatin1String("samplesPerSurface")].toDouble()))
        << QString::fromUtf8(" random points by area on each surface, in % of the original's bounding box diagonal; "
                             "each cell is mean / largest · triangles (✗: more than 1 % or 2 triangles from the "
                             "goal) · wall seconds on a shared machine (load average ")
        << report[QLatin1String("loadAverageAtStart")].toDouble() << " at the start, "
        << report[QLatin1String("loadAverageAtEnd")].toDouble()
        << " at the end). The peers take the surface welded by position and carry no attributes; CGAL's runs as a "
           "process of its own and gives its own time (mesh making and collapse).\n";
    const QJsonArray unread = report[QLatin1String("unread")].toArray();
    if (!unread.isEmpty())
        out << "\nLeft out, unreadable or without triangles: " << unread.toVariantList().size() << " ("
            << QJsonValue(unread).toVariant().toStringList().join(QStringLiteral(", ")) << ")\n";
    for (const QString &part : parts) {
        const QJsonArray of = meshesOf(part);
        out << "\n## The " << part << " part (" << of.size() << " meshes)\n";
        for (const QJsonValue &percent : report[QLatin1String("percents")].toArray())
            LevelTable(out, of, engines, percent.toInt());
        CgalNotes(out, of);
    }
    out << "\n## Summary\n";
    for (const QString &part : parts)
        WritePartSummary(out, part, meshesOf(part));
    const double seconds = report[QLatin1String("wallSeconds")].toDouble(-1);
    if (seconds >= 0)
        out << "\nThe bench ran " << QString::number(seconds / 60.0, 'f', 1) << " minutes.\n";
    out.flush();
    return text;
}
