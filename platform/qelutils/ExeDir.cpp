#include "ExeDir.h"

#include <unistd.h>

#include <string>

#include "SystemPath.h"

CQelString GetExeDir() {
  std::string path(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", &path[0], path.size());
  if (n <= 0 || static_cast<size_t>(n) >= path.size()) return CQelString();
  path.resize(static_cast<size_t>(n));
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return CQelString();
  path.resize(slash == 0 ? 1 : slash);
  const std::u16string wide = qel_path::FromSystemPath(path.c_str());
  return CQelString(reinterpret_cast<const unsigned short*>(wide.c_str()), static_cast<int>(wide.size()));
}
