// CBufferedFile: a binary file read and written through a large buffer of its own, for libraries that
// make many small reads and writes at changing positions; a seek inside the buffer calls no system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "QelAlloc.h"

class CBufferedFile {
 public:
  enum ESeek { SEEK_FROM_BEGIN = 0, SEEK_FROM_CURRENT = 1, SEEK_FROM_END = 2 };
  static constexpr size_t kDefaultBufferSize = 256 * 1024;
  static constexpr size_t kMinimumBufferSize = 16;

  CBufferedFile() = default;
  CBufferedFile(const CBufferedFile&) = delete;
  CBufferedFile(CBufferedFile&&) = delete;
  CBufferedFile& operator=(const CBufferedFile&) = delete;
  CBufferedFile& operator=(CBufferedFile&&) = delete;
  ~CBufferedFile() { Close(); }

  // path: the file name as the system takes it (UTF-8); '\' is taken as a folder separator.
  // mode: one of the binary fopen modes r, r+, w, w+ (with b anywhere after the letter). A file
  // already open is closed first. False when the mode is not one of these or the open fails.
  bool Open(const char* path, const char* mode, size_t bufferSize = kDefaultBufferSize);
  bool IsOpen() const noexcept { return m_nFile >= 0; }
  // Writes what is buffered and closes; false when a write, the flush or the close failed.
  bool Close() noexcept;

  // Items of size bytes read or written, as fread and fwrite count them: a partial item at the
  // end of the file is read (the position moves past it) but not counted.
  size_t Read(void* buffer, size_t size, size_t count) noexcept;
  size_t Write(const void* buffer, size_t size, size_t count) noexcept;
  // False, with the position unchanged, when the new position would lie before the file's start.
  bool Seek(uint64_t offset, ESeek from) noexcept;
  // The position, or UINT64_MAX when the file is not open.
  uint64_t Tell() const noexcept;
  // Hands what is buffered to the system; false once any write has failed.
  bool Flush() noexcept;

  // Deletes a file; true on success.
  static bool Remove(const char* path);

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  // The buffer holds m_nValid bytes of the file from m_nStart on; bytes from m_nDirtyBegin up to
  // m_nDirtyEnd were written into it and are not in the file yet.
  bool WriteBack() noexcept;
  void MoveWindow(uint64_t start) noexcept;
  bool Fill(uint64_t start) noexcept;
  size_t ReadDirect(char* out, size_t bytes, uint64_t at) noexcept;
  bool WriteDirect(const char* in, size_t bytes, uint64_t at) noexcept;

  int m_nFile = -1;
  bool m_bReadable = false;
  bool m_bWritable = false;
  bool m_bWriteFailed = false;
  std::unique_ptr<char[]> m_buffer;
  size_t m_nCapacity = 0;
  uint64_t m_nStart = 0;
  size_t m_nValid = 0;
  size_t m_nDirtyBegin = 0;
  size_t m_nDirtyEnd = 0;
  uint64_t m_nPos = 0;
};
