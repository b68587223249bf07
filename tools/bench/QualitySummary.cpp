#include "QualitySummary.h"

#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

const BenchEngine BenchEngines[5] = {{"quality", "quality"},
                                     {"classic", "classic"},
                                     {"cgalLindstromTurk", "CGAL Lindstrom–Turk"},
                                     {"vtkQuadric", "vtkQuadricDecimation"},
                                     {"meshoptimizer", "meshoptimizer"}};

bool MissedGoal(const QJsonObject &result, qint64 goal)
{
    const qint64 triangles = qint64(result[QLatin1String("triangles")].toDouble(-1));
    if (triangles < 0 || result[QLatin1String("mean")].toDouble(-1) < 0)
        return true;
    return std::llabs(triangles - goal) > std::max<qint64>(2, qint64(std::ceil(0.01 * double(goal))));
}

namespace {

// Below a millionth of the diagonal a distance is the rounding of coordinates: both sides of a
// ratio are raised to it, so that two exact results compare as equal, not as 0/0.
constexpr double Floor = 1e-6;

double Ratio(double ours, double peer)
{
    return std::max(ours, Floor) / std::max(peer, Floor);
}

// The ratios of one peer over a part: per measure, each with its mesh and level.
struct Ratios
{
    struct Pair
    {
        double ratio;
        QString where; // "mesh at 10 %"
        int percent;
        QString peer; // for the better of two peers: which one it was
    };
    std::vector<Pair> pairs;

    double GeometricMean(int percent = 0) const
    {
        double logs = 0.0;
        int count = 0;
        for (const Pair &pair : pairs)
            if (percent == 0 || pair.percent == percent) {
                logs += std::log(pair.ratio);
                ++count;
            }
        return count ? std::exp(logs / count) : -1.0;
    }
    // How many pairs lie above the ratio.
    int Above(double limit) const
    {
        return int(std::count_if(pairs.begin(), pairs.end(), [limit](const Pair &pair) { return pair.ratio > limit; }));
    }
    const Pair *Worst() const
    {
        const auto worst = std::max_element(pairs.begin(), pairs.end(),
                                            [](const Pair &a, const Pair &b) { return a.ratio < b.ratio; });
        return worst == pairs.end() ? nullptr : &*worst;
    }
};

// The figure a peer reaches on a level for one measure ("mean", "max"), with the peer's name;
// negative when it made nothing.
using PeerFigure =
    std::function<std::pair<double, QString>(const QJsonObject &engines, double goal, const char *measure)>;

double Figure(const QJsonObject &engines, const char *key, const char *measure)
{
    return engines[QLatin1String(key)].toObject()[QLatin1String(measure)].toDouble(-1);
}

// A peer's figure where it reached the goal: one that kept more triangles is no fair measure
// of ours (where ours missed, the pair stays, and the miss is counted).
double ReachedFigure(const QJsonObject &engines, const char *key, double goal, const char *measure)
{
    return MissedGoal(engines[QLatin1String(key)].toObject(), qint64(goal)) ? -1.0 : Figure(engines, key, measure);
}

Ratios Collect(const QJsonArray &meshes, const char *measure, const PeerFigure &peer)
{
    Ratios ratios;
    for (const QJsonValue &mesh : meshes)
        for (const QJsonValue &level : mesh[QLatin1String("levels")].toArray()) {
            const QJsonObject engines = level[QLatin1String("engines")].toObject();
            const double ours = Figure(engines, "quality", measure);
            const auto [theirs, name] = peer(engines, level[QLatin1String("goalTriangles")].toDouble(), measure);
            if (ours < 0 || theirs < 0)
                continue;
            const int percent = level[QLatin1String("percent")].toInt();
            ratios.pairs.push_back({Ratio(ours, theirs),
                                    QStringLiteral("%1 at %2 %").arg(mesh[QLatin1String("name")].toString()).arg(percent),
                                    percent, name});
        }
    return ratios;
}

QString Number(double value)
{
    return value < 0 ? QStringLiteral("–") : QString::number(value, 'f', value < 10 ? 2 : 1);
}

QString WorstText(const Ratios::Pair *worst, bool namePeer)
{
    if (!worst)
        return QStringLiteral("–");
    QString text = QStringLiteral("%1 (%2").arg(Number(worst->ratio), worst->where);
    if (namePeer)
        text += QStringLiteral(", ") + worst->peer;
    return text + QLatin1Char(')');
}

} // namespace

void WritePartSummary(QTextStream &out, const QString &part, const QJsonArray &meshes)
{
    std::vector<int> percents;
    int levelCount = 0;
    for (const QJsonValue &mesh : meshes)
        for (const QJsonValue &level : mesh[QLatin1String("levels")].toArray()) {
            ++levelCount;
            const int percent = level[QLatin1String("percent")].toInt();
            if (std::find(percents.begin(), percents.end(), percent) == percents.end())
                percents.push_back(percent);
        }

    out << "\n### Summary of the " << part << " part: " << meshes.size() << " meshes, " << levelCount
        << " mesh-and-level pairs\n\n"
           "The quality engine's distance divided by the peer's (below 1: ours is closer); geometric mean over "
           "the pairs where ours made a result and the peer reached its goal, per level, the worst pair, and how "
           "many pairs lie above 1 and above 1.5.\n\n"
        << QString::fromUtf8("| Ours ÷ | pairs | mean: geo. mean");
    for (int percent : percents)
        out << " | " << percent << " %";
    out << " | mean: worst | mean: > 1, > 1.5 | largest: geo. mean | largest: worst | largest: > 1, > 1.5 |\n|---|---:|---:";
    for (size_t i = 0; i < percents.size(); ++i)
        out << "|---:";
    out << "|---|---:|---:|---|---:|\n";

    const auto line = [&](const QString &label, const PeerFigure &peer, bool namePeer) {
        const Ratios mean = Collect(meshes, "mean", peer), largest = Collect(meshes, "max", peer);
        if (mean.pairs.empty())
            return;
        out << "| " << label << " | " << mean.pairs.size() << " | " << Number(mean.GeometricMean());
        for (int percent : percents)
            out << " | " << Number(mean.GeometricMean(percent));
        out << " | " << WorstText(mean.Worst(), namePeer) << " | " << mean.Above(1.0) << ", " << mean.Above(1.5)
            << " | " << Number(largest.GeometricMean()) << " | " << WorstText(largest.Worst(), namePeer) << " | "
            << largest.Above(1.0) << ", " << largest.Above(1.5) << " |\n";
    };
    for (const BenchEngine &engine : BenchEngines) {
        if (QLatin1String(engine.key) == QLatin1String("quality"))
            continue;
        line(QString::fromUtf8(engine.label),
             [&engine](const QJsonObject &engines, double goal, const char *measure) {
                 return std::make_pair(ReachedFigure(engines, engine.key, goal, measure), QString());
             },
             false);
    }
    // The goals are set against the closer of the two best peers, measure by measure.
    line(QStringLiteral("better of CGAL and vtkQuadricDecimation"),
         [](const QJsonObject &engines, double goal, const char *measure) {
             const double cgal = ReachedFigure(engines, "cgalLindstromTurk", goal, measure);
             const double vtk = ReachedFigure(engines, "vtkQuadric", goal, measure);
             if (cgal < 0 && vtk < 0)
                 return std::make_pair(-1.0, QString());
             const bool cgalBetter = vtk < 0 || (cgal >= 0 && cgal <= vtk);
             return cgalBetter ? std::make_pair(cgal, QStringLiteral("CGAL"))
                               : std::make_pair(vtk, QStringLiteral("vtkQuadric"));
         },
         true);

    out << "\nLevels that missed their goal (no result, or more than 1 % or 2 triangles from the count asked):";
    for (const BenchEngine &engine : BenchEngines) {
        int missed = 0, made = 0;
        QStringList names;
        for (const QJsonValue &mesh : meshes)
            for (const QJsonValue &level : mesh[QLatin1String("levels")].toArray()) {
                const QJsonObject engines = level[QLatin1String("engines")].toObject();
                if (!engines.contains(QLatin1String(engine.key)))
                    continue;
                ++made;
                const qint64 goal = qint64(level[QLatin1String("goalTriangles")].toDouble());
                if (MissedGoal(engines[QLatin1String(engine.key)].toObject(), goal)) {
                    ++missed;
                    if (names.size() < 8)
                        names << QStringLiteral("%1 at %2 %").arg(mesh[QLatin1String("name")].toString())
                                     .arg(level[QLatin1String("percent")].toInt());
                }
            }
        if (made == 0)
            continue;
        out << "\n- " << QString::fromUtf8(engine.label) << ": " << missed << " of " << made;
        if (missed)
            out << " (" << names.join(QStringLiteral(", ")) << (missed > names.size() ? QString::fromUtf8(", …") : QString()) << ")";
    }
    out << "\n";
}
