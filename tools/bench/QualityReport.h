#pragma once

#include <QJsonObject>
#include <QString>

// The results of RunQualityBench as Markdown: per level one table of every engine's distance
// and time on each mesh, and one of the quality engine's distances against the better of
// vtkQuadricDecimation and meshoptimizer.
QString QualityMarkdownReport(const QJsonObject &report);
