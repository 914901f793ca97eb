// Internal to the platform layer: file names are handed to the system as UTF-8, whatever the
// ANSI code page, so that every path the system builds reaches the same file.
#pragma once

#include <string>

#include "CodePage.h"
#include "qel_text.h"

namespace qel_detail {

inline std::string ToFsPath(const CQelString& path) {
  std::string out;
  qel_cp::Utf16ToEncoding("UTF-8", path, static_cast<size_t>(path.GetLength()), out);
  return out;
}

}  // namespace qel_detail
