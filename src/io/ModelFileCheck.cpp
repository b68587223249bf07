#include "io/ModelFileCheck.h"
