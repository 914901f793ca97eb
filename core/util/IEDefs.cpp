#include "IEDefs.h"

static_assert(static_cast<int>(EDIST_UNITS::ANY_UNITS) == 26, "distance units run from 0 to 26");
static_assert(static_cast<int>(EANGLE_UNITS::ANY_UNITS) == 5, "angle units run from 0 to 5");
static_assert(MULTIPLE == 20, "data types run from POINTS (0) to MULTIPLE (20)");
