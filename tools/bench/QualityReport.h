#pragma once

#include <QJsonObject>
#include <QString>

// The results of RunQualityBench as Markdown: for each part of the corpus, per level one
// table of every engine's distances, triangles and time on each mesh; then each part's
// summary (QualitySummary.h).
QString QualityMarkdownReport(const QJsonObject &report);
