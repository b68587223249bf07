#include "processing/MeshOperations.h"
