#include <climits>
#include <cmath>

#include "IEUtilsNumeric.h"
#include "qel_formats.h"

namespace IEUtils {
namespace {

constexpr int kMaxNumberText = 40;
constexpr double kMeanEarthRadius = 6371000.0;

bool IsDigit(unsigned short c) { return c >= u'0' && c <= u'9'; }

}  // namespace

CQelString DoubleToString(double value, int decimals) { return qel_formats::DoubleToString(value, decimals); }

CQelString IntToString(int value) { return qel_formats::IntToString(value); }

bool DoubleToString_WithExp(double value, CQelString& text) {
  if (value == 0.0) {
    text = u"0.00000000000000000E+00";
    return true;
  }
  // Seventeen significant digits, rounded: all a double holds. A further digit would lie
  // beyond its precision and would be cut off unrounded by the 18-character mantissa below.
  CQelString printed;
  printed.Format(u"%.16E", std::fabs(value));
  printed.Trim();
  const int e = printed.Find(u'E');
  if (e < 0) return false;
  int exponent = 0;
  if (qel_formats::ScanText(printed.Mid(e + 1), "%d", &exponent) != 1) return false;
  CQelString mantissa = printed.Left(e);
  if (mantissa.GetLength() < 2) return false;
  // d.ddd becomes .dddd: the first digit moves behind the point.
  const unsigned short first = mantissa[0];
  mantissa.SetAt(0, mantissa[1]);
  mantissa.SetAt(1, first);
  int shown;
  unsigned short expSign;
  if (exponent >= 0) {
    shown = exponent + 1;
    expSign = u'+';
  } else {
    shown = -exponent - 1;
    expSign = shown == 0 ? u'+' : u'-';
  }
  text.Format(u"%c%18.18sE%c%02d", value < 0 ? u'-' : u'0', static_cast<const unsigned short*>(mantissa),
              expSign, shown);
  return true;
}

bool StringToDouble(const CQelString& text, double& value, bool exponentForm) {
  double scanned = 0.0;
  if (exponentForm) {
    const int r = qel_formats::ScanText(text, "%le", &scanned);
    if (r == 0 || r == -1) return false;
    value = scanned;
    return true;
  }
  if (!IsValidDecimalNumber(text)) {
    CQelString trimmed(text);
    if (!IsValidDecimalNumber(trimmed.Trim())) return false;
  }
  if (qel_formats::ScanText(text, "%lf", &scanned) != 1) return false;
  value = scanned;
  return true;
}

bool IsValidInteger(const CQelString& text) {
  const int n = text.GetLength();
  if (n == 0 || n > kMaxNumberText) return false;
  for (int i = 0; i < n; ++i)
    if (!IsDigit(text[i])) return false;
  return true;
}

bool IsValidDecimalNumber(const CQelString& text) {
  const int n = text.GetLength();
  if (n == 0 || n > kMaxNumberText) return false;
  for (int i = 0; i < n; ++i) {
    const unsigned short c = text[i];
    if (IsDigit(c) || c == u',' || c == u'.') continue;
    if (i == 0 && (c == u'-' || c == u'+')) continue;
    return false;
  }
  return true;
}

int TRUNC(double value) {
  if (std::isnan(value)) return 0;
  const int sign = value > 0 ? 1 : -1;
  const double a = std::fabs(value);
  // Beyond the range of int the conversion would be undefined: saturate instead.
  if (a >= static_cast<double>(INT_MAX)) return sign * INT_MAX;
  const int whole = static_cast<int>(a);
  if (a - whole >= 0.5) return sign * static_cast<int>(a + 0.5);
  return sign * whole;
}

double dNearInt(double value) {
  const double sign = value < 0 ? -1.0 : 1.0;
  return sign * std::floor(std::fabs(value) + 0.5);
}

double CheckZeroVal(double value) { return std::fabs(value) < 0.0001 ? 0.0 : value; }

bool IsOdd(int value) { return value % 2 != 0; }

bool IsInBorders(double value, double low, double high) { return low <= value && value <= high; }

double getEllToGroundScale(double height, double radius) {
  return 1.0 + height / (radius <= 1.0 ? kMeanEarthRadius : radius);
}

double getElevationOnLine(double s1, double z1, double s2, double z2, double s) {
  if (s2 - s1 == 0.0) return z1;
  return z1 + (s - s1) * (z2 - z1) / (s2 - s1);
}

double DTT(const double* p, const double* q) {
  if (!p || !q) return 0.0;
  const double dx = q[0] - p[0];
  const double dy = q[1] - p[1];
  return std::sqrt(dx * dx + dy * dy);
}

double CTT(const double* p, const double* q) {
  if (!p || !q) return 0.0;
  return std::atan2(q[1] - p[1], q[0] - p[0]);
}

bool ArcBy3Points(const double* p1, const double* p2, const double* p3, double* centre, double& radius,
                  double& a2, double& a3) {
  if (!p1 || !p2 || !p3 || !centre) return false;
  const double x1 = p1[0], y1 = p1[1], x2 = p2[0], y2 = p2[1], x3 = p3[0], y3 = p3[1];
  const double d = 2.0 * ((x2 - x1) * (y3 - y2) - (x3 - x2) * (y2 - y1));
  if (d == 0.0) return false;
  const double c1 = x2 * x2 + y2 * y2 - x1 * x1 - y1 * y1;
  const double c2 = x3 * x3 + y3 * y3 - x2 * x2 - y2 * y2;
  centre[0] = (c1 * (y3 - y2) - c2 * (y2 - y1)) / d;
  centre[1] = (c2 * (x2 - x1) - c1 * (x3 - x2)) / d;
  centre[2] = 0.0;
  radius = DTT(p2, centre);
  a2 = CTT(p2, centre);
  a3 = CTT(p3, centre);
  return true;
}

}  // namespace IEUtils
