#include "HostText.h"

#include "CodePage.h"

std::string ToUtf8(const CQelString& text) {
  std::string out;
  qel_cp::Utf16ToEncoding("UTF-8", text.c_str(), static_cast<size_t>(text.GetLength()), out);
  return out;
}

CQelString FromUtf8(const std::string& text) {
  std::u16string wide;
  qel_cp::EncodingToUtf16("UTF-8", text.data(), text.size(), wide);
  return CQelString(reinterpret_cast<const unsigned short*>(wide.data()), static_cast<int>(wide.size()));
}
