#include "FileFuncs.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "SystemPath.h"

namespace {

int LastSeparator(const CQelString& path) {
  int slash = path.ReverseFind('/');
  int back = path.ReverseFind('\\');
  return slash > back ? slash : back;
}

bool IsDir(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Copies every byte of in to out; false on any read or write error.
bool CopyBytes(int in, int out) {
  char buf[65536];
  for (;;) {
    ssize_t n = read(in, buf, sizeof buf);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (!WriteAll(out, buf, static_cast<size_t>(n))) return false;
  }
}

// Creates the folder after its missing parents; another process creating one meanwhile is fine.
bool MakeDirs(const std::string& p) {
  if (p.empty()) return false;
  if (IsDir(p)) return true;
  size_t slash = p.rfind('/');
  if (slash != std::string::npos && slash > 0 && !MakeDirs(p.substr(0, slash))) return false;
  if (mkdir(p.c_str(), 0777) != 0 && errno != EEXIST) return false;
  return IsDir(p);
}

}  // namespace

namespace FileFuncs {

bool CreateDir(const CQelString& path) {
  std::string p = qel_path::ToSystemPath(path);
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  return MakeDirs(p);
}

bool IsDirExist(const CQelString& path) { return IsDir(qel_path::ToSystemPath(path)); }

CQelString ExtractFileNameWithExtFromPathName(const CQelString& path) {
  return path.Mid(LastSeparator(path) + 1);
}

CQelString ExtractPathNameWithoutExtFromPathName(const CQelString& path) {
  int dot = path.ReverseFind('.');
  return dot > LastSeparator(path) ? path.Left(dot) : path;
}

}  // namespace FileFuncs

namespace FileFuncsEx {

bool CopyFromTo(const CQelString& from, const CQelString& to, int flags) {
  std::string src = qel_path::ToSystemPath(from);
  std::string dst = qel_path::ToSystemPath(to);
  if (src.empty() || dst.empty()) return false;
  int in = open(src.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  struct stat srcStat, dstStat;
  bool ok = fstat(in, &srcStat) == 0 && S_ISREG(srcStat.st_mode);
  if (ok && stat(dst.c_str(), &dstStat) == 0) {
    bool same = dstStat.st_dev == srcStat.st_dev && dstStat.st_ino == srcStat.st_ino;
    ok = !same && !S_ISDIR(dstStat.st_mode) && (flags & COPY_OVERWRITE) != 0;
  }
  if (!ok) {
    close(in);
    return false;
  }
  // A temporary file beside the target: the rename below is then atomic.
  size_t slash = dst.rfind('/');
  std::string tmp = (slash == std::string::npos ? std::string() : dst.substr(0, slash + 1)) + ".copy-XXXXXX";
  int out = mkostemp(&tmp[0], O_CLOEXEC);
  if (out < 0) {
    close(in);
    return false;
  }
  ok = CopyBytes(in, out) && fchmod(out, srcStat.st_mode & 07777) == 0 && fsync(out) == 0;
  close(in);
  ok = close(out) == 0 && ok;
  if (ok && !(flags & COPY_OVERWRITE)) {
    // link() refuses an existing name, so a target created meanwhile is not replaced.
    ok = link(tmp.c_str(), dst.c_str()) == 0;
    unlink(tmp.c_str());
    return ok;
  }
  ok = ok && rename(tmp.c_str(), dst.c_str()) == 0;
  if (!ok) unlink(tmp.c_str());
  return ok;
}

}  // namespace FileFuncsEx
