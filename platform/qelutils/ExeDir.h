// The folder of the running program, where the host keeps its files next to its executable.
#pragma once

#include "qel_text.h"

// The folder of the executable (from /proc/self/exe), without a final separator; empty when
// it cannot be found.
CQelString GetExeDir();
