#include "IEUtilsText.h"
#include "qel_formats.h"

namespace IEUtils {
namespace {

// Trims white space on both sides and drops every carriage return and line feed.
void CleanToken(CQelString& token) {
  token.Trim();
  token.Remove(u'\r');
  token.Remove(u'\n');
}

void AddCleanToken(CIEStringArray& values, CQelString token) {
  CleanToken(token);
  values.Add(std::move(token));
}

// Splits at ',' into at most maxTokens tokens; no token for an empty text or a final ','.
void ParseCommaLimited(const CQelString& text, CIEStringArray& values, int maxTokens) {
  const int length = text.GetLength();
  int pos = 0;
  for (int count = 0; pos < length && count < maxTokens; ++count) {
    int hit = text.Find(u',', pos);
    if (hit < 0) hit = length;
    AddCleanToken(values, text.Mid(pos, hit - pos));
    pos = hit + 1;
  }
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
    values.Add(std::move(token));
    if (last) break;
    pos = hit + 1;
  }
  return true;
}

bool ParseValuesForAPAFormat(const CQelString& text, CIEStringArray& values, unsigned short,
                             const CQelString&) {
  ParseCommaLimited(text, values, 5);
  return true;
}

bool ParseValuesForSIMAFormat(const CQelString& text, CIEStringArray& values, unsigned short,
                              const CQelString&) {
  ParseCommaLimited(text, values, 6);
  return true;
}

// A delimiter between an opening and a closing double quote belongs to the token, so that a
// quoted field such as "Smith, John" stays one value; the quotes stay in the token. Outside
// quotes a run of spaces is one delimiter when the delimiter is a space.
void ParseValuesInQuotes(const CQelString& source, CIEStringArray& values, unsigned short delimiter) {
  CQelString text(source);
  text.Trim();
  const int length = text.GetLength();
  bool inQuotes = false;
  int start = 0;
  for (int i = 0; i < length; ++i) {
    const unsigned short c = text[i];
    if (c == u'"') {
      inQuotes = !inQuotes;
      continue;
    }
    if (c != delimiter || inQuotes) continue;
    AddCleanToken(values, text.Mid(start, i - start));
    if (delimiter == u' ')
      while (i + 1 < length && text[i + 1] == u' ') ++i;
    start = i + 1;
  }
  AddCleanToken(values, text.Mid(start));
}

CQelString StringArrayToString(const CIEStringArray& values) {
  CQelString out;
  for (int i = 0; i < values.GetSize(); ++i) {
    if (i) out += u',';
    out += values[i];
  }
  return out;
}

bool IsStringInStringArray(const CIEStringArray& values, const CQelString& text) {
  for (const CQelString& value : values)
    if (value == text) return true;
  return false;
}

void RemoveBorderQuotes(CQelString& text) {
  if (text.GetAt(0) != u'"') return;
  text.Delete(0);
  const int last = text.GetLength() - 1;
  if (last >= 0 && text.Find(u'"') == last) text.Delete(last);
}

void RemoveUnnecessaryDelimiters(CQelString& text, unsigned short delimiter) {
  CQelString out;
  for (int i = 0; i < text.GetLength(); ++i) {
    const unsigned short c = text[i];
    if (c == delimiter && i > 0 && text[i - 1] == delimiter) continue;
    out += c;
  }
  if (out.GetAt(0) == delimiter) out.Delete(0);
  if (out.GetLength() > 0 && out[out.GetLength() - 1] == delimiter) out.Delete(out.GetLength() - 1);
  text = std::move(out);
}

CQelString GetStringOfSpaces(int count) { return count > 0 ? CQelString(u' ', count) : CQelString(); }

CQelString GetReportString(unsigned short fill, int width, bool alignRight, const CQelString& text,
                           bool reserveOne) {
  if (width <= 0) return CQelString();
  CQelString body(text);
  if (body.GetLength() >= width) body = body.Left(reserveOne ? width - 1 : width);
  const int padding = width - body.GetLength();
  if (padding <= 0) return body;
  const CQelString pad(fill, padding);
  return alignRight ? pad + body : body + pad;
}

CQelString RGB2HTML(const uint32_t& colour) {
  CQelString text;
  text.Format(u"#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  return text;
}

bool HTML2RGB(const CQelString& text, uint32_t& colour) {
  if (text.GetLength() != 7 || text[0] != u'#') return false;
  unsigned red = 0, green = 0, blue = 0;
  qel_formats::ScanText(text.Mid(1), "%2X%2X%2X", &red, &green, &blue);
  // A signed pair such as "-1" scans as a huge value: keep each part to its own byte.
  colour = (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
  return true;
}

}  // namespace IEUtils
