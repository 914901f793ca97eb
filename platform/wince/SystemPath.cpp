#include "SystemPath.h"

#include <sys/stat.h>

#include "CodePage.h"

namespace qel_path {

std::string ToSystemPath(const unsigned short* path) {
  std::string out;
  if (!path) return out;
  size_t n = 0;
  while (path[n]) ++n;
  qel_cp::Utf16ToEncoding("UTF-8", path, n, out);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

std::u16string FromSystemPath(const char* path) {
  std::u16string out;
  if (path) qel_cp::EncodingToUtf16("UTF-8", path, std::char_traits<char>::length(path), out);
  return out;
}

bool PathExists(const unsigned short* path) {
  const std::string p = ToSystemPath(path);
  struct stat st;
  return !p.empty() && lstat(p.c_str(), &st) == 0;
}

}  // namespace qel_path
