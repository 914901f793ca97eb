#include "WinFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "SystemPath.h"

int CFileException::ErrnoToCause(int osError) {
  switch (osError) {
    case 0:
      return none;
    case ENOENT:
      return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return badPath;
    case EMFILE:
    case ENFILE:
      return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return accessDenied;
    case ENOSPC:
    case EDQUOT:
      return diskFull;
    default:
      return generic;
  }
}

bool CFile::Open(const unsigned short* fileName, unsigned openFlags, CFileException* error) {
  Close();
  int flags = O_CLOEXEC;
  if (openFlags & modeReadWrite)
    flags |= O_RDWR;
  else if (openFlags & modeWrite)
    flags |= O_WRONLY;
  else
    flags |= O_RDONLY;
  if (openFlags & modeCreate) {
    flags |= O_CREAT;
    if (!(openFlags & modeNoTruncate)) flags |= O_TRUNC;
  }
  const std::string path = qel_path::ToSystemPath(fileName);
  int fd = -1;
  if (!path.empty()) {
    do {
      fd = ::open(path.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
  } else {
    errno = ENOENT;
  }
  if (fd >= 0) {
    // A folder opens for reading on POSIX but is no file to read.
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
      ::close(fd);
      fd = -1;
      errno = EISDIR;
    }
  }
  if (fd < 0) {
    if (error) *error = CFileException(CFileException::ErrnoToCause(errno), errno, CQelString(fileName));
    return false;
  }
  m_hFile = fd;
  m_strFileName = fileName;
  return true;
}

void CFile::Close() noexcept {
  if (m_hFile != hFileNull) ::close(m_hFile);
  m_hFile = hFileNull;
  m_strFileName.Empty();
}

void CFile::Flush() noexcept {
  if (m_hFile != hFileNull) ::fsync(m_hFile);
}

unsigned CFile::Read(void* buffer, unsigned count) noexcept {
  if (m_hFile == hFileNull || !buffer) return 0;
  char* p = static_cast<char*>(buffer);
  unsigned done = 0;
  while (done < count) {
    size_t want = count - done;
    if (want > SSIZE_MAX) want = SSIZE_MAX;
    const ssize_t r = ::read(m_hFile, p + done, want);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) break;
    done += static_cast<unsigned>(r);
  }
  return done;
}

bool CFile::Write(const void* buffer, unsigned count) noexcept {
  if (m_hFile == hFileNull || (!buffer && count)) return false;
  const char* p = static_cast<const char*>(buffer);
  unsigned done = 0;
  while (done < count) {
    const ssize_t r = ::write(m_hFile, p + done, count - done);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return false;
    done += static_cast<unsigned>(r);
  }
  return true;
}

int64_t CFile::Seek(int64_t offset, unsigned from) noexcept {
  if (m_hFile == hFileNull) return -1;
  int whence;
  switch (from) {
    case begin:
      whence = SEEK_SET;
      break;
    case current:
      whence = SEEK_CUR;
      break;
    case end:
      whence = SEEK_END;
      break;
    default:
      return -1;
  }
  const off_t r = ::lseek(m_hFile, static_cast<off_t>(offset), whence);
  return r < 0 ? -1 : static_cast<int64_t>(r);
}

uint64_t CFile::GetPosition() const noexcept {
  if (m_hFile == hFileNull) return 0;
  const off_t r = ::lseek(m_hFile, 0, SEEK_CUR);
  return r < 0 ? 0 : static_cast<uint64_t>(r);
}

uint64_t CFile::GetLength() const noexcept {
  struct stat st;
  if (m_hFile == hFileNull || fstat(m_hFile, &st) != 0) return 0;
  return static_cast<uint64_t>(st.st_size);
}

void CFile::Remove(const unsigned short* fileName) {
  const std::string path = qel_path::ToSystemPath(fileName);
  if (path.empty()) throw CFileException(CFileException::fileNotFound, ENOENT, CQelString(fileName));
  if (::unlink(path.c_str()) != 0) {
    const int err = errno;
    throw CFileException(CFileException::ErrnoToCause(err), err, CQelString(fileName));
  }
}
