#include "io/ModelWriter.h"
