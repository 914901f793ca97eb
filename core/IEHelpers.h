// Chief header of the helpers family: IEUtils (units, numbers, names, paths, text), IEMath and
// the ASCII field vocabulary IEAsciiFields.
#pragma once

#include "util/IEAsciiFields.h"
#include "util/IEDefs.h"
#include "util/IEMath.h"
#include "util/IEUtils.h"
