#include <cmath>

#include "IEUtilsNumeric.h"

namespace IEUtils {
namespace {

constexpr unsigned short kDegreeSign = 0x00B0;
// Places the decimal point moves between D.MMSS and DMMSS.
constexpr int kPackedShift = 4;

// The packed value D.MMSSsss as text with the given decimals.
CQelString PackedText(double degrees, int decimals) {
  return DoubleToString(Deg2DDDMMSS(degrees, decimals, false), decimals);
}

// The packed text with the point moved four places right (DMMSS.sss); point receives where the
// point stood, which is where the minutes now begin. Short texts are padded with zeros first.
CQelString ShiftedPackedText(double degrees, int decimals, int& point) {
  CQelString text = PackedText(degrees, decimals);
  point = text.Find(u'.');
  if (point < 0) {
    point = text.GetLength();
    text += u'.';
  }
  while (text.GetLength() - point - 1 < kPackedShift) text += u'0';
  text.Delete(point);
  text.Insert(point + kPackedShift, u'.');
  return text;
}

// Removes every occurrence of ch; true when there was one.
bool RemoveAll(CQelString& text, unsigned short ch) { return text.Remove(ch) > 0; }

// Reads "D MM SS.sss" or D°MM'SS.sss" with an optional hemisphere letter: the marker's position
// is where the decimal point of the packed value belongs.
double ParseSeparatedCoords(ECOORDS_STYLE style, const CQelString& text, bool& ok) {
  CQelString copy(text);
  double sign = 1.0;
  if (RemoveAll(copy, u'S'))
    sign = -1.0;
  else if (RemoveAll(copy, u'W'))
    sign = -1.0;
  int marker;
  if (style == COORDS_DDD_MM_SS) {
    marker = copy.Find(u' ');
    copy.Remove(u' ');
  } else {
    copy.Remove(u' ');
    marker = copy.Find(kDegreeSign);
    copy.Remove(kDegreeSign);
    copy.Remove(u'\'');
    const int quote = copy.Find(u'"');
    if (quote >= 0) copy = copy.Left(quote);
  }
  // Without its marker the text is not in this style: a point inserted anywhere else would
  // give a plausible but wrong angle.
  if (marker < 0) {
    ok = false;
    return 0.0;
  }
  const int point = copy.Find(u'.');
  if (point >= 0) copy.Delete(point);
  copy.Insert(marker, u'.');
  double value = 0.0;
  ok = StringToDouble(copy, value, false);
  return ok ? DDDMMSS2Deg(value) * sign : 0.0;
}

}  // namespace

CQelString CoordsByStyleToString(ECOORDS_STYLE style, double degrees, int precision, ECOORDS_SIGN sign) {
  switch (style) {
    case COORDS_DEC_DEG:
      return DoubleToString(degrees, precision < 0 ? 12 : precision);
    case COORDS_DDD_MMSS: {
      const int decimals = precision < 0 ? 12 : precision;
      return PackedText(degrees, decimals);
    }
    case COORDS_DDDMMSS_S:
    case COORDS_DDD_MM_SS: {
      int point;
      CQelString text = ShiftedPackedText(degrees, precision < 0 ? 9 : precision, point);
      if (style == COORDS_DDD_MM_SS) {
        text.Insert(point + 2, u' ');
        text.Insert(point, u' ');
      }
      return text;
    }
    case COORDS_DDDMMSS: {
      CQelString text = PackedText(degrees, kPackedShift);
      text.Remove(u'.');
      return text;
    }
    case COORDS_PLAIN:
      return DoubleToString(CheckZeroVal(degrees), precision < 0 ? 3 : precision);
    case COORDS_DMS_SYMBOLS: {
      unsigned short letter = 0;
      if (sign == SIGN_LATITUDE)
        letter = degrees >= 0 ? u'N' : u'S';
      else if (sign != SIGN_NONE)
        letter = degrees >= 0 ? u'E' : u'W';
      int point;
      CQelString text =
          ShiftedPackedText(letter ? std::abs(degrees) : degrees, precision < 0 ? 9 : precision, point);
      text.Insert(point + 2, u'\'');
      text.Insert(point, kDegreeSign);
      text += u'"';
      if (letter) text += letter;
      return text;
    }
  }
  return CQelString();
}

double StringByStyleToCoords(ECOORDS_STYLE style, const CQelString& text, bool& ok) {
  double value = 0.0;
  ok = StringToDouble(text, value, false);
  if (style == COORDS_DDD_MM_SS || style == COORDS_DMS_SYMBOLS) return ParseSeparatedCoords(style, text, ok);
  if (!ok) return 0.0;
  switch (style) {
    case COORDS_DDD_MMSS:
      return DDDMMSS2Deg(value);
    case COORDS_DDDMMSS_S:
    case COORDS_DDDMMSS:
      return DDDMMSS2Deg(value * 0.0001);
    default:
      return value;
  }
}

}  // namespace IEUtils
