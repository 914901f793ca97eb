#include "WinFind.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "SystemPath.h"

namespace {

// The entries of one search, listed when it starts.
struct FindState {
  std::vector<WIN32_FIND_DATAW> entries;
  size_t next = 0;
};

FILETIME ToFileTime(const struct timespec& ts) {
  const uint64_t ticks = static_cast<uint64_t>(static_cast<int64_t>(ts.tv_sec) * 10000000ll +
                                               static_cast<int64_t>(ts.tv_nsec / 100) +
                                               static_cast<int64_t>(kFileTimeEpochOffset));
  FILETIME ft;
  ft.dwLowDateTime = static_cast<uint32_t>(ticks);
  ft.dwHighDateTime = static_cast<uint32_t>(ticks >> 32);
  return ft;
}

void FillRecord(const std::string& folder, const char* name, WIN32_FIND_DATAW& data) {
  data = WIN32_FIND_DATAW();
  const std::u16string wide = qel_path::FromSystemPath(name);
  const size_t n = wide.size() < static_cast<size_t>(MAX_PATH - 1) ? wide.size() : MAX_PATH - 1;
  for (size_t i = 0; i < n; ++i) data.cFileName[i] = wide[i];
  struct stat st;
  if (stat((folder + "/" + name).c_str(), &st) != 0) return;
  if (S_ISDIR(st.st_mode))
    data.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
  else
    data.dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
  if (!(st.st_mode & S_IWUSR)) data.dwFileAttributes |= FILE_ATTRIBUTE_READONLY;
  if (name[0] == '.' && name[1] && !(name[1] == '.' && !name[2]))
    data.dwFileAttributes |= FILE_ATTRIBUTE_HIDDEN;
  data.ftCreationTime = ToFileTime(st.st_ctim);
  data.ftLastAccessTime = ToFileTime(st.st_atim);
  data.ftLastWriteTime = ToFileTime(st.st_mtim);
  const uint64_t size = S_ISDIR(st.st_mode) ? 0 : static_cast<uint64_t>(st.st_size);
  data.nFileSizeHigh = static_cast<uint32_t>(size >> 32);
  data.nFileSizeLow = static_cast<uint32_t>(size);
}

HANDLE StartSearch(const unsigned short* pattern, WIN32_FIND_DATAW* data) {
  const std::string full = qel_path::ToSystemPath(pattern);
  const size_t slash = full.rfind('/');
  std::string folder = slash == std::string::npos ? "." : full.substr(0, slash);
  if (folder.empty()) folder = "/";
  std::string name = slash == std::string::npos ? full : full.substr(slash + 1);
  if (name == "*.*") name = "*";
  if (name.empty()) return INVALID_HANDLE_VALUE;

  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
  if (!dir) return INVALID_HANDLE_VALUE;
  auto state = std::make_unique<FindState>();
  while (const dirent* entry = readdir(dir.get())) {
    if (fnmatch(name.c_str(), entry->d_name, FNM_NOESCAPE | FNM_CASEFOLD) != 0) continue;
    state->entries.emplace_back();
    FillRecord(folder, entry->d_name, state->entries.back());
  }
  if (state->entries.empty()) return INVALID_HANDLE_VALUE;
  *data = state->entries[0];
  state->next = 1;
  return state.release();
}

}  // namespace

HANDLE FindFirstFileW(const unsigned short* pattern, WIN32_FIND_DATAW* data) {
  if (!data) return INVALID_HANDLE_VALUE;
  try {
    return StartSearch(pattern, data);
  } catch (const std::bad_alloc&) {
    return INVALID_HANDLE_VALUE;  // a folder too large to list in the memory left
  }
}

bool FindNextFileW(HANDLE search, WIN32_FIND_DATAW* data) {
  if (!search || search == INVALID_HANDLE_VALUE || !data) return false;
  auto* state = static_cast<FindState*>(search);
  if (state->next >= state->entries.size()) return false;
  *data = state->entries[state->next++];
  return true;
}

bool FindClose(HANDLE search) {
  if (!search || search == INVALID_HANDLE_VALUE) return false;
  delete static_cast<FindState*>(search);
  return true;
}
