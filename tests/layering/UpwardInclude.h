// Checked as a file of transport/: the cycle is above it.
#include "cycle/CycleContext.h"
#include "names/FileNames.h"
