#pragma once

#include <QJsonObject>

class MainWindow;

// How long the window takes from choosing a level to drawing it, without and with View ▸ Show
// deviation (its picture made on demand, or already with the levels), with the longest stall of
// the GUI thread meanwhile; and the levels' time with the pictures made along. The window has
// the model open, its levels made and the deviation off.
QJsonObject MeasureDeviationResponse(MainWindow &window);
