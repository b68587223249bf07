#include "io/vtkOBJWriter.h"
