#pragma once

#include <QJsonObject>
#include <QString>

// Points HOME, XDG_* and the update service at places of the benchmark's own, so that the
// window neither reads nor writes the user's settings and asks no server. Before the
// application exists.
void IsolateGuiEnvironment();

// Loads the model into the real MainWindow and waits for DecimationFinished, measuring the
// GUI thread's event loop meanwhile; the bare VTK load and cascade run first for comparison
// unless withReference is false (to profile the window alone).
QJsonObject RunGuiBench(const QString &model, bool withReference);
