#include "BufferedFile.h"

#include <stdio.h>
#include <sys/types.h>

#include <cstring>
#include <new>
#include <string>

namespace {

std::string SystemPath(const char* path) {
  std::string p(path ? path : "");
  for (char& c : p)
    if (c == '\\') c = '/';
  return p;
}

// The fopen mode for an accepted mode text: the letter, an optional '+', and 'b' anywhere after
// the letter. Null for anything else, so that no caller can ask for append or exclusive modes.
const char* CheckedMode(const char* mode) {
  if (!mode) return nullptr;
  char letter = mode[0];
  if (letter != 'r' && letter != 'w') return nullptr;
  bool plus = false, binary = false;
  for (const char* p = mode + 1; *p; ++p) {
    if (*p == '+' && !plus)
      plus = true;
    else if (*p == 'b' && !binary)
      binary = true;
    else
      return nullptr;
  }
  if (letter == 'r') return plus ? "r+b" : "rb";
  return plus ? "w+b" : "wb";
}

FILE* AsFile(void* f) { return static_cast<FILE*>(f); }

}  // namespace

bool CBufferedFile::Open(const char* path, const char* mode, size_t bufferSize) {
  Close();
  const char* checked = CheckedMode(mode);
  if (!checked || !path || !*path) return false;
  FILE* f = std::fopen(SystemPath(path).c_str(), checked);
  if (!f) return false;
  if (bufferSize < BUFSIZ) bufferSize = BUFSIZ;
  m_buffer.reset(new (std::nothrow) char[bufferSize]);
  if (m_buffer) setvbuf(f, m_buffer.get(), _IOFBF, bufferSize);
  m_pFile = f;
  m_bWriteFailed = false;
  return true;
}

bool CBufferedFile::Close() noexcept {
  if (!m_pFile) return true;
  bool ok = std::fclose(AsFile(m_pFile)) == 0 && !m_bWriteFailed;
  m_pFile = nullptr;
  m_buffer.reset();
  m_bWriteFailed = false;
  return ok;
}

size_t CBufferedFile::Read(void* buffer, size_t size, size_t count) noexcept {
  if (!m_pFile || !buffer || size == 0) return 0;
  return std::fread(buffer, size, count, AsFile(m_pFile));
}

size_t CBufferedFile::Write(const void* buffer, size_t size, size_t count) noexcept {
  if (!m_pFile || !buffer || size == 0) return 0;
  size_t n = std::fwrite(buffer, size, count, AsFile(m_pFile));
  if (n != count) m_bWriteFailed = true;
  return n;
}

bool CBufferedFile::Seek(uint64_t offset, ESeek from) noexcept {
  if (!m_pFile) return false;
  int whence = from == SEEK_FROM_BEGIN ? SEEK_SET : from == SEEK_FROM_CURRENT ? SEEK_CUR : SEEK_END;
  // The library passes unsigned offsets; for relative seeks the value is a two's complement delta.
  return fseeko(AsFile(m_pFile), static_cast<off_t>(offset), whence) == 0;
}

uint64_t CBufferedFile::Tell() const noexcept {
  if (!m_pFile) return UINT64_MAX;
  off_t pos = ftello(AsFile(m_pFile));
  return pos < 0 ? UINT64_MAX : static_cast<uint64_t>(pos);
}

bool CBufferedFile::Flush() noexcept {
  if (!m_pFile) return false;
  if (std::fflush(AsFile(m_pFile)) != 0) m_bWriteFailed = true;
  return !m_bWriteFailed;
}

bool CBufferedFile::Remove(const char* path) {
  return path && *path && std::remove(SystemPath(path).c_str()) == 0;
}
