// File search of the platform: find records and FindFirstFileW / FindNextFileW / FindClose over
// a folder listing. Entries come in the order the file system lists them, "." and ".." included.
#pragma once

#include <cstdint>

#include "WinTime.h"
#include "WinTypes.h"

constexpr int MAX_PATH = 260;
constexpr uint32_t FILE_ATTRIBUTE_READONLY = 0x01;
constexpr uint32_t FILE_ATTRIBUTE_HIDDEN = 0x02;
constexpr uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr uint32_t FILE_ATTRIBUTE_NORMAL = 0x80;
inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));

struct WIN32_FIND_DATAW {
  uint32_t dwFileAttributes = 0;
  FILETIME ftCreationTime;  // the status-change time: POSIX keeps no creation time
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  uint32_t nFileSizeHigh = 0;
  uint32_t nFileSizeLow = 0;
  unsigned short cFileName[MAX_PATH] = {};  // UTF-16, zero-terminated, cut to MAX_PATH - 1 units
};

// pattern: a folder, a separator ('/' or '\') and a name pattern with '*' and '?' ("*.*" matches
// every name, as "*" does). Names match without regard to ASCII case, as on the original platform.
// Returns INVALID_HANDLE_VALUE when the folder cannot be read or nothing matches; otherwise data
// receives the first entry and the handle must be closed with FindClose.
HANDLE FindFirstFileW(const unsigned short* pattern, WIN32_FIND_DATAW* data);
// False when no entry is left.
bool FindNextFileW(HANDLE search, WIN32_FIND_DATAW* data);
bool FindClose(HANDLE search);
