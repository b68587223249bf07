#pragma once

#include <QJsonObject>
#include <QString>

// The measured results as Markdown tables, with each ratio beside its target. gui may be empty.
QString MarkdownReport(const QJsonObject &headless, const QJsonObject &gui);
