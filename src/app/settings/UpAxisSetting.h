#pragma once

#include "model/UpAxis.h"

// Which way up the first view of a model shows it, chosen in the preferences and stored as
// "UpAxis" ("automatic", "y" or "z"); anything else stored counts as automatic.
lumeno::UpAxisChoice StoredUpAxisChoice();
void StoreUpAxisChoice(lumeno::UpAxisChoice choice);
