#pragma once

#include <QString>
#include <QStringList>

struct CliOptions;

// The files the levels and reduce commands write for an input, by name alone.

// OUT_DIR/<base>_<percent>.<ext>: <base> is the input's name without its last suffix (part.v1.stl
// and part.v2.stl keep apart), <ext> that of --format or of the input.
QString LevelFileOf(const CliOptions &options, const QString &input, int percent);

// OUT_DIR/<base>_*.<ext>: all levels of the input, for messages.
QString LevelFilesPattern(const CliOptions &options, const QString &input);

// -o OUTPUT, or OUT_DIR/<base>.<ext>.
QString ReducedFileOf(const CliOptions &options, const QString &input);

// The models the command writes for the input: the nine levels, or the one reduction.
QStringList OutputFilesOf(const CliOptions &options, const QString &input);

// Whether the order of the models changes what the batch writes: the output of one is the
// input of another, or two write one file. Such a batch does one model after the other.
bool OrderMatters(const CliOptions &options);
