// The free helpers of IEUtils: numbers and units, text, names and paths, and the byte string
// TStringA.
#pragma once

#include "IERounding.h"
#include "IETStringA.h"
#include "IEUtilsNumeric.h"
#include "IEUtilsText.h"
#include "IIEMessageBox.h"
