// CFile and CFileException: the framework's binary file class over POSIX descriptors. Failures
// are reported by return values; only the static Remove throws, since the one file error the
// system handles itself is a failed delete after a stopped export.
#pragma once

#include <cstdint>

#include "QelAlloc.h"
#include "qel_text.h"

class CFileException {
 public:
  enum ECause { none, generic, fileNotFound, badPath, tooManyOpenFiles, accessDenied, diskFull, endOfFile };

  CFileException() = default;
  CFileException(int cause, int osError, const CQelString& fileName)
      : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}
  CFileException(const CFileException&) = default;
  CFileException(CFileException&&) = default;
  CFileException& operator=(const CFileException&) = default;
  CFileException& operator=(CFileException&&) = default;
  ~CFileException() = default;

  // Maps an errno value to a cause.
  static int ErrnoToCause(int osError);

  int m_cause = none;
  int m_lOsError = 0;  // the errno of the failed call
  CQelString m_strFileName;

  QEL_DECLARE_SHARED_ALLOCATION()
};

class CFile {
 public:
  enum OpenFlags : unsigned {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareDenyWrite = 0x0020,  // accepted; POSIX has no mandatory sharing modes
    modeCreate = 0x1000,      // create, truncating an existing file unless modeNoTruncate is given
    modeNoTruncate = 0x2000
  };
  enum SeekPosition : unsigned { begin = 0, current = 1, end = 2 };
  static constexpr int hFileNull = -1;

  CFile() noexcept = default;
  CFile(const CFile&) = delete;
  CFile(CFile&&) = delete;
  CFile& operator=(const CFile&) = delete;
  CFile& operator=(CFile&&) = delete;
  ~CFile() { Close(); }

  // Opens the file (a '\' in the path is taken as a folder separator); a file already open is
  // closed first. On failure error, when given, receives the cause.
  bool Open(const unsigned short* fileName, unsigned openFlags, CFileException* error = nullptr);
  bool IsOpen() const noexcept { return m_hFile != hFileNull; }
  void Close() noexcept;
  void Flush() noexcept;

  // Bytes read: 0 at the end of the file, on error and when the file is not open.
  unsigned Read(void* buffer, unsigned count) noexcept;
  // True when every byte was written; false when the file is not open or the write failed.
  bool Write(const void* buffer, unsigned count) noexcept;
  // The new position from the start, or -1 (position unchanged) on failure or when not open.
  int64_t Seek(int64_t offset, unsigned from) noexcept;
  void SeekToBegin() noexcept { Seek(0, begin); }
  int64_t SeekToEnd() noexcept { return Seek(0, end); }
  // 0 when the file is not open.
  uint64_t GetPosition() const noexcept;
  uint64_t GetLength() const noexcept;
  const CQelString& GetFilePath() const noexcept { return m_strFileName; }

  // Deletes a file; throws CFileException when it cannot be deleted.
  static void Remove(const unsigned short* fileName);

  // The descriptor, hFileNull while no file is open. Public, as ported code tests it directly.
  int m_hFile = hFileNull;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  CQelString m_strFileName;
};
