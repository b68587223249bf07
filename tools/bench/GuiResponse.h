#pragma once

#include <QJsonObject>
#include <QString>

class MainWindow;

// How the window answers while the levels of the model it has open are made, with each engine:
// how often the progress bar moves per level, how long Cancel takes until the next operation
// runs, and how long closing the window takes. The window has the model open and is idle.
QJsonObject MeasureLevelsResponse(MainWindow &window, const QString &modelPath);
