#include "BufferedFile.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

// The open flags for an accepted mode text: the letter, an optional '+', and 'b' anywhere after
// the letter, with the meaning fopen gives them. -1 for anything else, so that no caller can ask
// for append or exclusive modes.
int OpenFlags(const char* mode) {
  if (!mode) return -1;
  const char letter = mode[0];
  if (letter != 'r' && letter != 'w') return -1;
  bool plus = false, binary = false;
  for (const char* p = mode + 1; *p; ++p) {
    if (*p == '+' && !plus)
      plus = true;
    else if (*p == 'b' && !binary)
      binary = true;
    else
      return -1;
  }
  if (letter == 'r') return plus ? O_RDWR : O_RDONLY;
  return (plus ? O_RDWR : O_WRONLY) | O_CREAT | O_TRUNC;
}

}  // namespace

bool CBufferedFile::Open(const char* path, const char* mode, size_t bufferSize) {
  Close();
  const int flags = OpenFlags(mode);
  if (flags < 0 || !path || !*path) return false;
  bufferSize = std::max(bufferSize, kMinimumBufferSize);
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[bufferSize]);
  if (!buffer) return false;
  const std::string systemPath = SystemPath(path);
  int file;
  do {
    file = ::open(systemPath.c_str(), flags | O_CLOEXEC, 0666);
  } while (file < 0 && errno == EINTR);
  if (file < 0) return false;
  m_nFile = file;
  m_bReadable = (flags & O_ACCMODE) != O_WRONLY;
  m_bWritable = (flags & O_ACCMODE) != O_RDONLY;
  m_bWriteFailed = false;
  m_buffer = std::move(buffer);
  m_nCapacity = bufferSize;
  m_nStart = 0;
  m_nValid = 0;
  m_nDirtyBegin = m_nDirtyEnd = 0;
  m_nPos = 0;
  return true;
}

bool CBufferedFile::Close() noexcept {
  if (m_nFile < 0) return true;
  bool ok = WriteBack();
  // close is not repeated after EINTR: the descriptor is released either way.
  if (::close(m_nFile) != 0) ok = false;
  m_nFile = -1;
  m_buffer.reset();
  m_nCapacity = 0;
  m_nValid = 0;
  m_nDirtyBegin = m_nDirtyEnd = 0;
  m_bWriteFailed = false;
  return ok;
}

size_t CBufferedFile::ReadDirect(char* out, size_t bytes, uint64_t at) noexcept {
  size_t done = 0;
  while (done < bytes) {
    const ssize_t n = ::pread(m_nFile, out + done, bytes - done, static_cast<off_t>(at + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

bool CBufferedFile::WriteDirect(const char* in, size_t bytes, uint64_t at) noexcept {
  size_t done = 0;
  while (done < bytes) {
    const ssize_t n = ::pwrite(m_nFile, in + done, bytes - done, static_cast<off_t>(at + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool CBufferedFile::WriteBack() noexcept {
  if (m_nDirtyEnd > m_nDirtyBegin &&
      !WriteDirect(m_buffer.get() + m_nDirtyBegin, m_nDirtyEnd - m_nDirtyBegin, m_nStart + m_nDirtyBegin))
    m_bWriteFailed = true;
  m_nDirtyBegin = m_nDirtyEnd = 0;
  return !m_bWriteFailed;
}

void CBufferedFile::MoveWindow(uint64_t start) noexcept {
  WriteBack();
  m_nStart = start;
  m_nValid = 0;
}

bool CBufferedFile::Fill(uint64_t start) noexcept {
  MoveWindow(start);
  m_nValid = ReadDirect(m_buffer.get(), m_nCapacity, start);
  return m_nValid > 0;
}

size_t CBufferedFile::Read(void* buffer, size_t size, size_t count) noexcept {
  if (m_nFile < 0 || !m_bReadable || !buffer || size == 0 || count == 0) return 0;
  size_t total = 0;
  if (__builtin_mul_overflow(size, count, &total)) return 0;
  char* out = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < total) {
    const uint64_t pos = m_nPos + done;
    if (pos >= m_nStart && pos < m_nStart + m_nValid) {
      const size_t offset = static_cast<size_t>(pos - m_nStart);
      const size_t n = std::min(total - done, m_nValid - offset);
      std::memcpy(out + done, m_buffer.get() + offset, n);
      done += n;
    } else if (total - done >= m_nCapacity) {
      // A read larger than the buffer goes straight into the caller's memory, after the buffered
      // writes that it may cover.
      WriteBack();
      done += ReadDirect(out + done, total - done, pos);
      break;
    } else if (!Fill(pos)) {
      break;
    }
  }
  m_nPos += done;
  return done / size;
}

size_t CBufferedFile::Write(const void* buffer, size_t size, size_t count) noexcept {
  if (m_nFile < 0 || !m_bWritable || !buffer || size == 0 || count == 0) return 0;
  size_t total = 0;
  if (__builtin_mul_overflow(size, count, &total)) return 0;
  const char* in = static_cast<const char*>(buffer);
  size_t done = 0;
  while (done < total) {
    const uint64_t pos = m_nPos + done;
    // The buffer takes bytes that continue its content without a gap.
    if (pos >= m_nStart && pos <= m_nStart + m_nValid && pos < m_nStart + m_nCapacity) {
      const size_t offset = static_cast<size_t>(pos - m_nStart);
      const size_t n = std::min(total - done, m_nCapacity - offset);
      std::memcpy(m_buffer.get() + offset, in + done, n);
      if (m_nDirtyEnd == m_nDirtyBegin) {
        m_nDirtyBegin = offset;
        m_nDirtyEnd = offset + n;
      } else {
        m_nDirtyBegin = std::min(m_nDirtyBegin, offset);
        m_nDirtyEnd = std::max(m_nDirtyEnd, offset + n);
      }
      m_nValid = std::max(m_nValid, offset + n);
      done += n;
    } else if (total - done >= m_nCapacity) {
      WriteBack();
      if (!WriteDirect(in + done, total - done, pos)) break;
      // The buffer may hold an older copy of what was just written.
      m_nValid = 0;
      done = total;
    } else {
      MoveWindow(pos);
    }
  }
  m_nPos += done;
  if (done != total) m_bWriteFailed = true;
  return done / size;
}

bool CBufferedFile::Seek(uint64_t offset, ESeek from) noexcept {
  if (m_nFile < 0) return false;
  // Offsets are unsigned; for relative seeks the value is a two's complement delta.
  uint64_t base = 0;
  if (from == SEEK_FROM_CURRENT) {
    base = m_nPos;
  } else if (from == SEEK_FROM_END) {
    struct stat status;
    if (::fstat(m_nFile, &status) != 0) return false;
    // Written bytes still in the buffer may reach past the end that the system knows.
    base = static_cast<uint64_t>(status.st_size);
    if (m_nValid > 0) base = std::max(base, m_nStart + m_nValid);
  }
  const uint64_t target = base + offset;
  const bool backwards = from != SEEK_FROM_BEGIN && static_cast<int64_t>(offset) < 0;
  if (backwards ? target > base : target < base) return false;
  if (target > static_cast<uint64_t>(INT64_MAX)) return false;
  m_nPos = target;
  return true;
}

uint64_t CBufferedFile::Tell() const noexcept { return m_nFile < 0 ? UINT64_MAX : m_nPos; }

bool CBufferedFile::Flush() noexcept { return m_nFile >= 0 && WriteBack(); }

bool CBufferedFile::Remove(const char* path) {
  return path && *path && std::remove(SystemPath(path).c_str()) == 0;
}
