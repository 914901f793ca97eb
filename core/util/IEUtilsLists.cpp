#include "IEUtilsText.h"

namespace IEUtils {
namespace {

// Trims white space on both sides and drops every carriage return and line feed.
void CleanToken(CQelString& token) {
  token.Trim();
  token.Remove(u'\r');
  token.Remove(u'\n');
}

}  // namespace

bool ParseValues(const CQelString& text, CIEStringArray& values, unsigned short delimiter,
                 const CQelString& forbidden) {
  const int length = text.GetLength();
  int pos = 0;
  for (;;) {
    const int hit = text.Find(delimiter, pos);
    const bool last = hit < 0;
    CQelString token = text.Mid(pos, (last ? length : hit) - pos);
    CleanToken(token);
    if (!forbidden.IsEmpty() && token.FindOneOf(forbidden) >= 0) return false;
    values.Add(token);
    if (last) break;
    pos = hit + 1;
  }
  return true;
}

bool IsStringInStringArray(const CIEStringArray& values, const CQelString& text) {
  for (const CQelString& value : values)
    if (value == text) return true;
  return false;
}

}  // namespace IEUtils
