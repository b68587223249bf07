#pragma once

// Whether Save as asks before writing a file that cannot hold all the model carries, stored
// as "AskBeforeSavingWithLoss" (true unless the user chose otherwise).
bool AsksBeforeSavingWithLoss();
void SetAskBeforeSavingWithLoss(bool ask);
