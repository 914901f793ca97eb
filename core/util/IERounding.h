// Rounding and flag helpers of IEUtils that the data model needs at its lowest level.
#pragma once

#include <cstdint>

namespace IEUtils {
// value rounded half away from zero to the given decimals; the integer part is kept apart so
// that large values keep their precision.
double CutValue(double value, int decimals);
// The 64-bit value 1 shifted left by n: the bit of enumerator n in a capability mask.
constexpr uint64_t ToFlag(uint64_t n) { return n < 64 ? uint64_t(1) << n : 0; }
}  // namespace IEUtils
