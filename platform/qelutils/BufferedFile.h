// CBufferedFile: a binary file read and written through a large stream buffer, for libraries
// that make many small reads and writes at changing positions (the shapefile library's hooks).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "QelAlloc.h"

class CBufferedFile {
 public:
  enum ESeek { SEEK_FROM_BEGIN = 0, SEEK_FROM_CURRENT = 1, SEEK_FROM_END = 2 };
  static constexpr size_t kDefaultBufferSize = 256 * 1024;

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
  bool IsOpen() const noexcept { return m_pFile != nullptr; }
  // Flushes and closes; false when a write, the flush or the close failed.
  bool Close() noexcept;

  // Items of size bytes read or written, as fread and fwrite count them.
  size_t Read(void* buffer, size_t size, size_t count) noexcept;
  size_t Write(const void* buffer, size_t size, size_t count) noexcept;
  bool Seek(uint64_t offset, ESeek from) noexcept;
  // The position, or UINT64_MAX when it cannot be told.
  uint64_t Tell() const noexcept;
  bool Flush() noexcept;

  // Deletes a file; true on success.
  static bool Remove(const char* path);

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  void* m_pFile = nullptr;
  std::unique_ptr<char[]> m_buffer;
  bool m_bWriteFailed = false;
};
