// Paths as the file system takes them: UTF-8 bytes with '/' between folders. The system names
// files in UTF-16 and accepts '\' as a folder separator, as the original platform did.
#pragma once

#include <string>

namespace qel_path {
// The UTF-16 path as UTF-8 bytes (whatever the ANSI code page is), every '\' turned into '/'.
// Null gives the empty string.
std::string ToSystemPath(const unsigned short* path);
// UTF-8 bytes of the file system as UTF-16.
std::u16string FromSystemPath(const char* path);
// True when the file system has an entry (file, folder or other) of that name.
bool PathExists(const unsigned short* path);
}  // namespace qel_path
