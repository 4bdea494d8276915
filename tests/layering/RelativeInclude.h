// Checked as a file of transport/: a relative path would slip past the
// folder rule, to a folder above or to one beside.
#include "../cycle/CycleContext.h"
#include "./FtpCodes.h"
#include "names/FileNames.h"
