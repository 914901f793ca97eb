#include "IEUtilsText.h"
#include "qel_formats.h"

namespace IEUtils {
namespace {

constexpr int kBlockData = 128;
constexpr unsigned short kStartOfText = 0x02;
constexpr unsigned short kEndOfText = 0x03;

bool IsDigit(unsigned short c) { return c >= u'0' && c <= u'9'; }

// "9" is followed by "0"; a counter that is not a digit restarts at "0".
unsigned short NextCounter(unsigned short counter) {
  return IsDigit(counter) ? static_cast<unsigned short>(u'0' + (counter - u'0' + 1) % 10) : u'0';
}

// 0x02, the data, the counter, the checksum over data and counter, 0x03, CR LF.
void AppendFrame(CQelString& output, const unsigned short* data, unsigned short counter) {
  unsigned short checksum = counter;
  for (int i = 0; i < kBlockData; ++i) checksum ^= data[i];
  CQelString digits;
  digits.Format(u"%03d", checksum);
  output += kStartOfText;
  output.Append(data, kBlockData);
  output += counter;
  output += digits;
  output += kEndOfText;
  output += u"\r\n";
}

}  // namespace

bool CreateBlockString(const CQelString& data, CQelString& pending, CQelString& output, bool pad) {
  CQelString work = pending.IsEmpty() ? CQelString(u"0") : pending;
  work += data;
  unsigned short counter = work[0];
  const unsigned short* chars = work;
  int pos = 1;
  while (work.GetLength() - pos >= kBlockData) {
    AppendFrame(output, chars + pos, counter);
    counter = NextCounter(counter);
    pos += kBlockData;
  }
  CQelString rest = work.Mid(pos);
  if (pad) {
    rest += CQelString(u' ', kBlockData - rest.GetLength());
    AppendFrame(output, rest, counter);
    counter = NextCounter(counter);
    rest.Empty();
  }
  pending = CQelString(counter, 1) + rest;
  return true;
}

bool WriteBlockString(FILE* file, const CQelString& data, CQelString& pending, bool pad) {
  CQelString output;
  CreateBlockString(data, pending, output, pad);
  return qel_formats::WriteString(file, output);
}

}  // namespace IEUtils
