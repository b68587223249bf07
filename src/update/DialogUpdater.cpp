#include "update/DialogUpdater.h"
