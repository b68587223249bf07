#pragma once

#include <QJsonObject>
#include <QString>

// The results of RunQualityBench as Markdown: per level one table of every engine's distance
// and time on each mesh, and one of CollapseEdges' distances against the better of
// vtkQuadricDecimation and the quality engine.
QString QualityMarkdownReport(const QJsonObject &report);
