// CTextFile: a text file read line by line or written through a buffer of a chosen size, in
// the encodings the system meets: the ANSI code page, UTF-8 and UTF-16 (little- or big-endian).
#pragma once

#include <cstdio>

#include "QelAlloc.h"
#include "qel_text.h"

class CTextFile {
 public:
  enum EEncoding { ENCODING_ANSI = 0, ENCODING_UTF8 = 1, ENCODING_UTF16LE = 2, ENCODING_UTF16BE = 3 };

  // bufferSize: bytes of the stream buffer (at least 16; smaller values are raised).
  explicit CTextFile(int bufferSize = 512);
  virtual ~CTextFile();
  CTextFile(const CTextFile&) = delete;
  CTextFile& operator=(const CTextFile&) = delete;
  CTextFile(CTextFile&&) = delete;
  CTextFile& operator=(CTextFile&&) = delete;

  // Opens an existing file for reading and detects its encoding (see IsUTF16File, IsUTF8File;
  // anything else is the ANSI code page). The position is the first byte of the file: ReadLine
  // skips a byte-order mark, ReadBytes does not.
  bool OpenRead(const CQelString& path);
  // Creates the file (replacing an existing one) for writing text in encoding. With writeBom a
  // byte-order mark starts the file: FF FE for UTF-16LE, FE FF for UTF-16BE, EF BB BF for UTF-8
  // (none for the ANSI code page).
  bool Create(const CQelString& path, EEncoding encoding, bool writeBom = true);
  bool IsOpen() const noexcept { return m_pFile != nullptr; }
  EEncoding GetEncoding() const noexcept { return m_eEncoding; }
  int GetBufferSize() const noexcept { return m_nBufferSize; }

  // Reads the next line without its end (LF, CR LF or a lone CR). False at the end of the file
  // or on a read error; a last line without an end is still returned. Invalid bytes become
  // U+FFFD (UTF-8) or '?' / U+FFFD as the code page conversion does.
  bool ReadLine(CQelString& line);
  // Reads up to count raw bytes; returns how many were read (0 at the end or on error).
  int ReadBytes(void* buffer, int count);

  // Writes the text in the file's encoding; WriteLine adds CR LF. False when not everything was
  // written; once a write failed, Close reports false as well.
  bool Write(const CQelString& text);
  bool WriteLine(const CQelString& text);
  // Flushes and closes. False when any write, the flush or the close failed.
  bool Close();

  // UTF-16: the file starts with a UTF-16 byte-order mark (FF FE or FE FF), or, without one,
  // its first two bytes are an ASCII character (tab, CR, LF or 0x20..0x7E) and a zero byte in
  // either order. An empty or missing file is neither UTF-16 nor UTF-8.
  static bool IsUTF16File(const CQelString& path);
  // UTF-8: the file starts with the UTF-8 byte-order mark EF BB BF, or, without one, it is not
  // UTF-16 by the rule above, holds no zero byte and the whole file is valid UTF-8 (shortest
  // forms, no surrogates). Plain ASCII therefore counts as UTF-8.
  static bool IsUTF8File(const CQelString& path);

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  FILE* m_pFile = nullptr;
  char* m_pBuffer = nullptr;
  int m_nBufferSize;
  EEncoding m_eEncoding = ENCODING_ANSI;
  bool m_bWriting = false;
  bool m_bWriteFailed = false;
  int m_nBomBytes = 0;

  bool OpenStream(const CQelString& path, const char* mode);
  bool WriteBytes(const void* data, size_t size);
  // Next UTF-16 unit in the file's byte order; false at the end.
  bool ReadUnit(unsigned short& unit);
  bool ReadWideLine(CQelString& line);
  bool ReadNarrowLine(CQelString& line);
};
