#include "BenchReport.h"

#include <QJsonArray>
#include <QTextStream>

#include <array>
#include <utility>

namespace {

double Seconds(const QJsonObject &headless, const char *phase, const char *clock = "seconds")
{
    return headless[QLatin1String("phases")].toObject()[QLatin1String(phase)].toObject()[QLatin1String(clock)]
        .toDouble();
}

QString Time(double seconds)
{
    return QStringLiteral("%1 s").arg(seconds, 0, 'f', 3);
}

QString MiB(double kib)
{
    return QStringLiteral("%1 MiB").arg(kib / 1024.0, 0, 'f', 0);
}

QString Verdict(double ratio, double limit)
{
    const bool met = ratio <= limit;
    return QStringLiteral("%1 %2").arg(ratio, 0, 'f', 2).arg(met ? QStringLiteral("met") : QStringLiteral("**missed**"));
}

class Table
{
public:
    explicit Table(QTextStream &stream) : out(stream)
    {
        out << "| Measure | Lumeno3D | Reference | Ratio (wall) | Ratio (CPU) | Target |\n"
               "|---|---:|---:|---:|---:|---|\n";
    }
    void Row(const QString &measure, const QString &ours, const QString &reference, const QString &wallRatio,
             const QString &cpuRatio, const QString &target)
    {
        out << "| " << measure << " | " << ours << " | " << reference << " | " << wallRatio << " | " << cpuRatio
            << " | " << target << " |\n";
    }

private:
    QTextStream &out;
};

// Both engines side by side, with the quality engine's targets against the classic one.
void EngineTable(QTextStream &out, const QJsonObject &headless)
{
    const QJsonObject engines = headless[QLatin1String("engines")].toObject();
    const int cores = engines[QLatin1String("cores")].toInt();
    // Nine levels, 10 % level's mean and max deviation, custom 10 %, by error 0.001.
    using Figures = std::array<double, 5>;
    const auto figures = [&](const QString &engine) {
        const auto time = [&](const char *phase) { return Seconds(headless, qPrintable(phase + engine)); };
        const QJsonObject level = engines[engine].toObject();
        return Figures{time("levels."), level[QLatin1String("tenPercentMeanDeviation")].toDouble(),
                       level[QLatin1String("tenPercentMaxDeviation")].toDouble(), time("custom10."),
                       time("byError0.001.")};
    };
    const Figures classic = figures(QStringLiteral("classic"));
    const Figures quality = figures(QStringLiteral("quality"));
    Figures ratio;
    for (size_t i = 0; i < ratio.size(); ++i)
        ratio[i] = quality[i] / classic[i];
    const auto row = [&out](const QString &name, const Figures &values, bool ratios) {
        out << "| " << name;
        for (size_t i = 0; i < values.size(); ++i)
            out << " | "
                << (ratios ? QString::number(values[i], 'f', 2)
                           : QString::number(values[i], i == 1 || i == 2 ? 'e' : 'f', i == 1 || i == 2 ? 2 : 3));
        out << " |\n";
    };
    const double oneThread = Seconds(headless, "levels.quality.1thread");

    out << "\nReduction engines on " << cores << " cores (deviations as shares of the bounding box diagonal):\n\n"
        << "| Engine | Nine levels (s) | 10 % mean dev. | 10 % max dev. | Custom 10 % (s) | By error 0.001 (s) |\n"
           "|---|---:|---:|---:|---:|---:|\n";
    row(QStringLiteral("classic"), classic, false);
    row(QStringLiteral("quality (%1 threads)").arg(cores), quality, false);
    out << "| quality (1 thread) | " << QString::number(oneThread, 'f', 3) << " | | | | |\n";
    row(QStringLiteral("quality / classic"), ratio, true);
    out << "\nThe quality engine's nine levels on " << cores << " threads: "
        << QString::number(oneThread / quality[0], 'f', 2) << " times as fast as on one. "
        << QStringLiteral("Targets: 10 % mean deviation ≤ 0.5× classic: ") << Verdict(ratio[1], 0.5)
        << QStringLiteral("; nine levels ≤ 0.5× classic on 2 cores: ") << Verdict(ratio[0], 0.5)
        << (cores == 2 ? QString() : QStringLiteral(" (measured on %1 cores)").arg(cores)) << ".\n";
}

} // namespace

QString MarkdownReport(const QJsonObject &headless, const QJsonObject &gui)
{
    QString text;
    QTextStream out(&text);
    out << "Model: " << headless[QLatin1String("triangles")].toVariant().toLongLong() << " triangles, "
        << headless[QLatin1String("vertices")].toVariant().toLongLong() << " vertices, binary STL of "
        << QString::number(headless[QLatin1String("modelFileSize")].toDouble() / 1e6, 'f', 1) << " MB. "
        << "Load average " << headless[QLatin1String("loadAverageAtStart")].toDouble() << " at the start, "
        << headless[QLatin1String("loadAverageAtEnd")].toDouble() << " at the end (2 cores).\n\n";

    Table table(out);
    // A group left out with --only has no phases and no rows.
    const auto ran = [&](const char *phase) {
        return headless[QLatin1String("phases")].toObject().contains(QLatin1String(phase));
    };
    const auto compare = [&](const QString &measure, const char *ours, const char *reference, const QString &name,
                             double limit) {
        if (!ran(ours))
            return;
        const double a = Seconds(headless, ours);
        const double b = Seconds(headless, reference);
        const double cpuRatio = Seconds(headless, ours, "cpuSeconds") / Seconds(headless, reference, "cpuSeconds");
        table.Row(measure, Time(a), name + QLatin1Char(' ') + Time(b), Verdict(a / b, limit),
                  Verdict(cpuRatio, limit), QStringLiteral("≤ ") + QString::number(limit, 'f', 2));
    };
    compare(QStringLiteral("Load"), "load.core", "load.bare", QStringLiteral("VTK reader"), 1.10);
    compare(QStringLiteral("Nine-level cascade"), "cascade.core", "cascade.bare", QStringLiteral("bare VTK"), 1.10);

    const QJsonObject isolated = headless[QLatin1String("isolated")].toObject();
    const double corePeak =
        isolated[QLatin1String("cascade.core")].toObject()[QLatin1String("peakResidentKiB")].toDouble();
    const double barePeak =
        isolated[QLatin1String("cascade.bare")].toObject()[QLatin1String("peakResidentKiB")].toDouble();
    if (!isolated.isEmpty())
        table.Row(QStringLiteral("Peak memory, load + cascade (own process each)"), MiB(corePeak),
                  QStringLiteral("bare VTK ") + MiB(barePeak), Verdict(corePeak / barePeak, 1.25), QString(),
                  QStringLiteral("≤ 1.25"));

    compare(QStringLiteral("Write binary STL"), "write.stl.core", "write.stl.vtk", QStringLiteral("vtkSTLWriter"), 1.10);
    compare(QStringLiteral("Write binary PLY"), "write.ply.core", "write.ply.vtk", QStringLiteral("vtkPLYWriter"), 1.10);
    // Our time may be at most VTK's.
    compare(QStringLiteral("Write OBJ"), "write.obj.core", "write.obj.vtk", QStringLiteral("VTK's vtkOBJWriter"), 1.00);
    compare(QStringLiteral("Write GLB"), "write.glb.core", "write.ply.core", QStringLiteral("our binary PLY"), 1.50);
    for (auto [phase, name] : {std::pair{"write.gltf.core", "Write glTF (embedded)"},
                               std::pair{"write.3mf.core", "Write 3MF"}, std::pair{"write.off.core", "Write OFF"}})
        if (ran(phase))
            table.Row(QLatin1String(name), Time(Seconds(headless, phase)), QString(), QString(), QString(), QString());

    for (auto [phase, name] : {std::pair{"custom10.core", "Custom 10 %"}, std::pair{"byError0.001.core", "By error 0.001"},
                               std::pair{"smooth.core", "Smoothing, 50 iterations"}})
        if (ran(phase))
            table.Row(QLatin1String(name), Time(Seconds(headless, phase)), QString(), QString(), QString(), QString());

    if (!gui.isEmpty()) {
        const double finished = gui[QLatin1String("timeToDecimationFinishedSeconds")].toDouble();
        const double reference =
            gui[QLatin1String("bareLoadSeconds")].toDouble() + gui[QLatin1String("bareCascadeSeconds")].toDouble();
        table.Row(QStringLiteral("Window: open to `DecimationFinished`"), Time(finished),
                  QStringLiteral("bare load + cascade ") + Time(reference), Verdict(finished / reference, 1.15),
                  QString(), QStringLiteral("≤ 1.15"));
        const double stall = gui[QLatin1String("longestStallMs")].toDouble();
        table.Row(QStringLiteral("Window: longest event-loop stall during the cascade"),
                  QStringLiteral("%1 ms").arg(stall, 0, 'f', 0), QString(),
                  stall <= 100.0 ? QStringLiteral("met") : QStringLiteral("**missed**"), QString(),
                  QStringLiteral("≤ 100 ms"));
    }

    if (!gui.isEmpty()) {
        // Where the window's time goes: its renders of the views (Mesa's software OpenGL under Xvfb).
        double loadRenderMs = 0.0, laterRenderMs = 0.0;
        int loadRenders = 0, laterRenders = 0;
        const double loadEndMs = gui[QLatin1String("loadModelSeconds")].toDouble() * 1000.0;
        for (const QJsonValue &render : gui[QLatin1String("rendersOver50msAtMs")].toArray()) {
            const bool duringLoad = render[0].toDouble() < loadEndMs;
            (duringLoad ? loadRenderMs : laterRenderMs) += render[1].toDouble();
            ++(duringLoad ? loadRenders : laterRenders);
        }
        out << "\n| Window | |\n|---|---:|\n"
            << "| `LoadModel` (read, checks, first renders), GUI thread | "
            << Time(gui[QLatin1String("loadModelSeconds")].toDouble()) << " |\n"
            << "| of which renders over 50 ms | " << loadRenders << " = " << Time(loadRenderMs / 1000.0) << " |\n"
            << "| renders over 50 ms after the load (cascade and `DecimationFinishedSlot`) | " << laterRenders
            << " = " << Time(laterRenderMs / 1000.0) << " |\n"
            << "| longest single event handler during the cascade | "
            << QStringLiteral("%1 ms").arg(gui[QLatin1String("longestEventHandlerMs")].toDouble(), 0, 'f', 0)
            << " |\n"
            << "| event-loop stalls over 100 ms during the cascade | "
            << gui[QLatin1String("stallsOver100ms")].toInt() << " |\n"
            << "| progress updates reaching the GUI thread | " << gui[QLatin1String("progressUpdates")].toInt()
            << " |\n"
            << "| peak resident memory from the open to the levels | "
            << QStringLiteral("%1 GB").arg(gui[QLatin1String("peakResidentBytesToLevels")].toDouble() / 1e9, 0, 'f', 2)
            << (gui[QLatin1String("drawnByProxy")].toBool() ? " (drawn by proxy)" : "") << " |\n";

        const QJsonObject load = gui[QLatin1String("load")].toObject();
        out << "\n| Window operation (on the worker) | Time | Longest stall | Stalls over 100 ms |\n"
               "|---|---:|---:|---:|\n"
            << "| `LoadModel` (read on its own thread, then drawn in both views) | "
            << Time(gui[QLatin1String("loadModelSeconds")].toDouble()) << " | "
            << QStringLiteral("%1 ms").arg(load[QLatin1String("longestStallMs")].toDouble(), 0, 'f', 0) << " | "
            << load[QLatin1String("stallsOver100ms")].toInt() << " |\n"
            << "| Nine-level cascade (from the end of `LoadModel`) | "
            << Time(gui[QLatin1String("timeToDecimationFinishedSeconds")].toDouble() -
                    gui[QLatin1String("loadModelSeconds")].toDouble())
            << " | " << QStringLiteral("%1 ms").arg(gui[QLatin1String("longestStallMs")].toDouble(), 0, 'f', 0)
            << " | " << gui[QLatin1String("stallsOver100ms")].toInt() << " |\n";
        for (auto [key, name] : {std::pair{"custom10", "Custom 10 %"}, std::pair{"byError0.001", "By error 0.001"},
                                 std::pair{"smoothing", "Smoothing of the loaded model"}}) {
            const QJsonObject phase = gui[QLatin1String(key)].toObject();
            if (phase.isEmpty())
                continue;
            out << "| " << name << " | " << Time(phase[QLatin1String("seconds")].toDouble()) << " | "
                << QStringLiteral("%1 ms").arg(phase[QLatin1String("longestStallMs")].toDouble(), 0, 'f', 0)
                << " | " << phase[QLatin1String("stallsOver100ms")].toInt() << " |\n";
        }
        const QJsonObject redraw = gui[QLatin1String("redrawSmoothed")].toObject();
        if (!redraw.isEmpty())
            out << "\nDrawing the smoothed model again with nothing changed (the driver's work alone): "
                << QStringLiteral("%1 to %2 ms, median %3 ms.\n")
                       .arg(redraw[QLatin1String("minMs")].toDouble(), 0, 'f', 0)
                       .arg(redraw[QLatin1String("maxMs")].toDouble(), 0, 'f', 0)
                       .arg(redraw[QLatin1String("medianMs")].toDouble(), 0, 'f', 0);
    }

    const QJsonObject response = gui[QLatin1String("levelsResponse")].toObject();
    if (!response.isEmpty()) {
        out << "\n| While the levels are made | classic | quality |\n|---|---:|---:|\n";
        const QJsonObject classic = response[QLatin1String("classic")].toObject();
        const QJsonObject quality = response[QLatin1String("quality")].toObject();
        out << "| fewest progress updates between two levels | "
            << classic[QLatin1String("fewestProgressUpdatesPerLevel")].toInt() << " | "
            << quality[QLatin1String("fewestProgressUpdatesPerLevel")].toInt() << " |\n";
        for (auto [key, name] : {std::pair{"cancelSeconds", "Cancel, until the next operation runs"},
                                 std::pair{"exitSeconds", "closing the window"}})
            out << "| " << name << " | " << Time(classic[QLatin1String(key)].toDouble()) << " | "
                << Time(quality[QLatin1String(key)].toDouble()) << " |\n";
    }

    if (headless.contains(QLatin1String("engines")))
        EngineTable(out, headless);

    if (headless.contains(QLatin1String("cascadeSteps")))
        out << "\n| Step | Triangles | Lumeno3D | Bare VTK |\n|---|---:|---:|---:|\n";
    for (const QJsonValue &step : headless[QLatin1String("cascadeSteps")].toArray())
        out << "| " << step[QLatin1String("percent")].toInt() << " % | "
            << step[QLatin1String("coreTriangles")].toVariant().toLongLong() << " | "
            << Time(step[QLatin1String("coreSeconds")].toDouble()) << " | "
            << Time(step[QLatin1String("bareSeconds")].toDouble()) << " |\n";
    return text;
}
