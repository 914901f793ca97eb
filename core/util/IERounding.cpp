#include "IERounding.h"

#include <cmath>

namespace IEUtils {

double CutValue(double value, int decimals) {
  const double p = std::pow(10.0, decimals);
  const double k = std::trunc(value);
  const double scaled = (value - k) * p;
  double g = std::trunc(scaled);
  const double r = scaled - g;
  if (r >= 0.5)
    g += 1.0;
  else if (r <= -0.5)
    g -= 1.0;
  return g / p + k;
}

}  // namespace IEUtils
