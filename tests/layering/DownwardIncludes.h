// Checked as a file of transport/: its own folder and those below it.
#include <string>

#include "names/FileNames.h"
#include "platform/Paths.h"
#include "state/ConfigRecord.h"
#include "transport/FtpCodes.h"
