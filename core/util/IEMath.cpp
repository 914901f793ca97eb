#include "IEMath.h"

#include <cmath>

namespace IEMath {
namespace {

// WGS 84.
constexpr double kA = 6378137.0;
constexpr double kE2 = 0.00669437999014;
constexpr double kPi = 3.141592653589793;
constexpr int kMaxRounds = 10;

double PrimeVerticalRadius(double latitude) {
  const double s = std::sin(latitude);
  return kA / std::sqrt(1.0 - kE2 * s * s);
}

}  // namespace

int _llh2xyz(const CIEPosition3D& llh, CIEPosition3D& xyz) {
  const double lat = llh.x, lon = llh.y, h = llh.z;
  if (lat == 0.0 && h == 0.0) return 0;
  const double s = std::sin(lat);
  const double n = kA / std::pow(1.0 - kE2 * s * s, 0.5);
  xyz.x = (h + n) * std::cos(lon) * std::cos(lat);
  xyz.y = (h + n) * std::sin(lon) * std::cos(lat);
  xyz.z = (n * 0.9933056200098587 + h) * s;
  return 1;
}

int _xyz2llh(const CIEPosition3D& xyz, CIEPosition3D& llh, double tolerance) {
  const double x = xyz.x, y = xyz.y, z = xyz.z;
  if (x == 0.0 && y == 0.0 && z == 0.0) return 0;
  const double p = std::sqrt(x * x + y * y);
  double lat = std::atan2(z, p * 0.99330562000986);
  if (tolerance < 10.0) {
    double previous = -100.0;
    int rounds = 0;
    while (!(std::fabs(lat - previous) <= tolerance)) {
      if (++rounds > kMaxRounds) return 0;
      previous = lat;
      const double n = PrimeVerticalRadius(previous);
      lat = std::atan2(z + n * kE2 * std::sin(previous), p);
    }
  }
  const double n = PrimeVerticalRadius(lat);
  double h;
  if (std::fabs(lat) <= kPi * 0.005555555555555556 * 80.0)
    h = p / std::cos(lat) - n;
  else
    h = z / std::sin(lat) - n + n * kE2;
  llh.x = lat;
  llh.y = std::atan2(y, x);
  llh.z = h;
  return 1;
}

}  // namespace IEMath
