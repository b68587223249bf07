#include "io/ModelReader.h"
