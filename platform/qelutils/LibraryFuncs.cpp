#include "LibraryFuncs.h"

#include <dlfcn.h>
#include <limits.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "CodePage.h"
#include "ExeDir.h"
#include "SystemPath.h"
#include "WinError.h"

namespace {

std::string FolderOf(const std::string& file) {
  size_t slash = file.rfind('/');
  return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

// The folder of libqelutils.so, found through the address of one of its own functions.
std::string LibraryFolder() {
  Dl_info info;
  if (dladdr(reinterpret_cast<void*>(&FolderOf), &info) == 0 || !info.dli_fname) return std::string();
  char resolved[PATH_MAX];
  if (!realpath(info.dli_fname, resolved)) return std::string();
  return FolderOf(resolved);
}

// The folders searched, in order, without empty entries.
std::vector<std::string> SearchFolders() {
  std::vector<std::string> folders;
  if (const char* env = std::getenv("EXCHCORE_PLUGIN_PATH")) {
    std::string all(env);
    size_t start = 0;
    while (start <= all.size()) {
      size_t colon = all.find(':', start);
      if (colon == std::string::npos) colon = all.size();
      if (colon > start) folders.push_back(all.substr(start, colon - start));
      start = colon + 1;
    }
  }
  for (const std::string& f : {LibraryFolder(), qel_path::ToSystemPath(GetExeDir())})
    if (!f.empty()) folders.push_back(f);
  return folders;
}

bool IsRegularFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Maps a failed dlopen to the platform's error numbers: out of memory or not loadable.
uint32_t LoadErrorCode(const char* message) {
  if (message && (std::strstr(message, "Cannot allocate memory") || std::strstr(message, "out of memory")))
    return ERROR_NOT_ENOUGH_MEMORY;
  return ERROR_MOD_NOT_FOUND;
}

void* BindLibrary(const CQelString& baseName) {
  CQelStringA file = LibraryFileName(baseName);
  if (file.IsEmpty()) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  uint32_t error = ERROR_MOD_NOT_FOUND;
  for (const std::string& folder : SearchFolders()) {
    std::string candidate = folder + "/" + static_cast<const char*>(file);
    if (!IsRegularFile(candidate)) continue;
    dlerror();
    if (void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) return handle;
    error = LoadErrorCode(dlerror());
  }
  SetLastError(error);
  return nullptr;
}

}  // namespace

CQelStringA LibraryFileName(const CQelString& libraryBaseName) {
  CQelString name(libraryBaseName);
  if (name.GetLength() >= 4 && name.Right(4).CompareNoCase(u".dll") == 0)
    name = name.Left(name.GetLength() - 4);
  if (name.IsEmpty() || name.FindOneOf(u"/\\") >= 0) return CQelStringA();
  std::string file = "lib" + qel_path::ToSystemPath(name) + ".so";
  return CQelStringA(file.c_str(), static_cast<int>(file.size()));
}

mandatory_error::QelErrorCode<bool> GetLibraryFunction(void*& handle, void*& entry, const char* entryName,
                                                       const CQelString& libraryBaseName) {
  entry = nullptr;
  bool boundHere = false;
  if (!handle) {
    handle = BindLibrary(libraryBaseName);
    if (!handle) return false;
    boundHere = true;
  }
  if (entryName && *entryName) {
    dlerror();
    entry = dlsym(handle, entryName);
  }
  if (entry) return true;
  SetLastError(ERROR_PROC_NOT_FOUND);
  if (boundHere) {
    dlclose(handle);
    handle = nullptr;
  }
  return false;
}

mandatory_error::QelErrorCode<bool> GetLibraryFunction(void*& handle, void*& entry,
                                                       const CQelString& entryName,
                                                       const CQelString& libraryBaseName) {
  std::string name;
  qel_cp::Utf16ToEncoding("UTF-8", entryName, static_cast<size_t>(entryName.GetLength()), name);
  return GetLibraryFunction(handle, entry, name.c_str(), libraryBaseName);
}

void FreeLibraryFunction(void*& handle) {
  if (handle) dlclose(handle);
  handle = nullptr;
}
