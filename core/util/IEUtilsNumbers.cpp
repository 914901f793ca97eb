#include "IEUtilsNumeric.h"

namespace IEUtils {
namespace {

constexpr int kMaxNumberText = 40;

bool IsDigit(unsigned short c) { return c >= u'0' && c <= u'9'; }

}  // namespace

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

}  // namespace IEUtils
