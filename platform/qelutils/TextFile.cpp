#include "TextFile.h"

#include <sys/stat.h>

#include <string>

#include "CodePage.h"
#include "SystemPath.h"

namespace {

constexpr int kMinBufferSize = 16;

bool IsAsciiTextByte(int b) { return b == '\t' || b == '\n' || b == '\r' || (b >= 0x20 && b <= 0x7E); }

// Checks UTF-8 one byte at a time, so that a file of any size is checked in constant memory.
class Utf8Checker {
 public:
  // False as soon as the bytes so far cannot be valid UTF-8 without zero bytes.
  bool Feed(unsigned char b) {
    if (m_need == 0) {
      if (b < 0x80) return b != 0;
      if (b >= 0xC2 && b <= 0xDF)
        Start(1, b & 0x1F, 0x80);
      else if (b >= 0xE0 && b <= 0xEF)
        Start(2, b & 0x0F, 0x800);
      else if (b >= 0xF0 && b <= 0xF4)
        Start(3, b & 0x07, 0x10000);
      else
        return false;
      return true;
    }
    if ((b & 0xC0) != 0x80) return false;
    m_cp = (m_cp << 6) | (b & 0x3Fu);
    if (--m_need > 0) return true;
    return m_cp >= m_min && m_cp <= 0x10FFFF && !(m_cp >= 0xD800 && m_cp <= 0xDFFF);
  }
  bool Complete() const { return m_need == 0; }

 private:
  void Start(int need, unsigned cp, unsigned min) {
    m_need = need;
    m_cp = cp;
    m_min = min;
  }
  int m_need = 0;
  unsigned m_cp = 0;
  unsigned m_min = 0;
};

struct Detection {
  bool empty = true;
  CTextFile::EEncoding encoding = CTextFile::ENCODING_ANSI;
  int bomBytes = 0;
};

// Reads the file from its start to tell its encoding; leaves the position at the start.
Detection Detect(FILE* f) {
  Detection d;
  unsigned char head[3] = {0, 0, 0};
  size_t n = std::fread(head, 1, 3, f);
  d.empty = n == 0;
  if (n >= 2 && head[0] == 0xFF && head[1] == 0xFE) {
    d.encoding = CTextFile::ENCODING_UTF16LE;
    d.bomBytes = 2;
  } else if (n >= 2 && head[0] == 0xFE && head[1] == 0xFF) {
    d.encoding = CTextFile::ENCODING_UTF16BE;
    d.bomBytes = 2;
  } else if (n == 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) {
    d.encoding = CTextFile::ENCODING_UTF8;
    d.bomBytes = 3;
  } else if (n >= 2 && IsAsciiTextByte(head[0]) && head[1] == 0) {
    d.encoding = CTextFile::ENCODING_UTF16LE;
  } else if (n >= 2 && head[0] == 0 && IsAsciiTextByte(head[1])) {
    d.encoding = CTextFile::ENCODING_UTF16BE;
  } else if (n > 0) {
    std::rewind(f);
    Utf8Checker checker;
    bool valid = true;
    int c;
    while (valid && (c = std::fgetc(f)) != EOF) valid = checker.Feed(static_cast<unsigned char>(c));
    if (valid && checker.Complete() && !std::ferror(f)) d.encoding = CTextFile::ENCODING_UTF8;
  }
  std::rewind(f);
  return d;
}

// Detection of the file at path; empty when it cannot be read.
Detection DetectPath(const CQelString& path) {
  CTextFile file(4096);
  Detection d;
  if (file.OpenRead(path)) {
    d.empty = false;
    d.encoding = file.GetEncoding();
  }
  return d;
}

}  // namespace

CTextFile::CTextFile(int bufferSize)
    : m_nBufferSize(bufferSize < kMinBufferSize ? kMinBufferSize : bufferSize) {}

CTextFile::~CTextFile() { Close(); }

bool CTextFile::OpenStream(const CQelString& path, const char* mode) {
  Close();
  std::string name = qel_path::ToSystemPath(path);
  if (name.empty()) return false;
  FILE* f = std::fopen(name.c_str(), mode);
  if (!f) return false;
  struct stat st;
  if (fstat(fileno(f), &st) != 0 || S_ISDIR(st.st_mode)) {
    std::fclose(f);
    return false;
  }
  m_pBuffer = static_cast<char*>(dlmalloc(static_cast<size_t>(m_nBufferSize)));
  if (m_pBuffer) std::setvbuf(f, m_pBuffer, _IOFBF, static_cast<size_t>(m_nBufferSize));
  m_pFile = f;
  m_bWriteFailed = false;
  return true;
}

bool CTextFile::OpenRead(const CQelString& path) {
  if (!OpenStream(path, "rb")) return false;
  m_bWriting = false;
  Detection d = Detect(m_pFile);
  m_eEncoding = d.encoding;
  m_nBomBytes = d.bomBytes;
  return true;
}

bool CTextFile::Create(const CQelString& path, EEncoding encoding, bool writeBom) {
  if (!OpenStream(path, "wb")) return false;
  m_bWriting = true;
  m_eEncoding = encoding;
  m_nBomBytes = 0;
  static const unsigned char kLe[] = {0xFF, 0xFE}, kBe[] = {0xFE, 0xFF}, kUtf8[] = {0xEF, 0xBB, 0xBF};
  if (!writeBom) return true;
  switch (encoding) {
    case ENCODING_UTF16LE:
      return WriteBytes(kLe, sizeof kLe);
    case ENCODING_UTF16BE:
      return WriteBytes(kBe, sizeof kBe);
    case ENCODING_UTF8:
      return WriteBytes(kUtf8, sizeof kUtf8);
    default:
      return true;
  }
}

bool CTextFile::WriteBytes(const void* data, size_t size) {
  if (!m_pFile || !m_bWriting) return false;
  if (size && std::fwrite(data, 1, size, m_pFile) != size) m_bWriteFailed = true;
  return !m_bWriteFailed;
}

bool CTextFile::Write(const CQelString& text) {
  if (!m_pFile || !m_bWriting) return false;
  const unsigned short* units = text;
  size_t n = static_cast<size_t>(text.GetLength());
  std::string bytes;
  if (m_eEncoding == ENCODING_UTF16LE || m_eEncoding == ENCODING_UTF16BE) {
    bytes.resize(2 * n);
    bool le = m_eEncoding == ENCODING_UTF16LE;
    for (size_t i = 0; i < n; ++i) {
      bytes[2 * i + (le ? 0 : 1)] = static_cast<char>(units[i] & 0xFF);
      bytes[2 * i + (le ? 1 : 0)] = static_cast<char>(units[i] >> 8);
    }
  } else if (m_eEncoding == ENCODING_UTF8) {
    qel_cp::Utf16ToEncoding("UTF-8", units, n, bytes);
  } else {
    qel_cp::Utf16ToAnsi(units, n, bytes);
  }
  return WriteBytes(bytes.data(), bytes.size());
}

bool CTextFile::WriteLine(const CQelString& text) { return Write(text) && Write(CQelString(u"\r\n")); }

int CTextFile::ReadBytes(void* buffer, int count) {
  if (!m_pFile || m_bWriting || !buffer || count <= 0) return 0;
  return static_cast<int>(std::fread(buffer, 1, static_cast<size_t>(count), m_pFile));
}

bool CTextFile::ReadUnit(unsigned short& unit) {
  int a = std::fgetc(m_pFile);
  if (a == EOF) return false;
  int b = std::fgetc(m_pFile);
  if (b == EOF) return false;  // a dangling odd byte is not a character
  unit = m_eEncoding == ENCODING_UTF16LE ? static_cast<unsigned short>(a | (b << 8))
                                         : static_cast<unsigned short>((a << 8) | b);
  return true;
}

bool CTextFile::ReadWideLine(CQelString& line) {
  unsigned short u;
  if (!ReadUnit(u)) return false;
  std::u16string text;
  while (u != '\n') {
    if (u == '\r') {
      long pos = std::ftell(m_pFile);
      unsigned short next;
      if (ReadUnit(next) && next != '\n') std::fseek(m_pFile, pos, SEEK_SET);
      break;
    }
    text += static_cast<char16_t>(u);
    if (!ReadUnit(u)) break;
  }
  line = CQelString(reinterpret_cast<const unsigned short*>(text.data()), static_cast<int>(text.size()));
  return true;
}

bool CTextFile::ReadNarrowLine(CQelString& line) {
  int c = std::fgetc(m_pFile);
  if (c == EOF) return false;
  std::string bytes;
  while (c != '\n' && c != EOF) {
    if (c == '\r') {
      int next = std::fgetc(m_pFile);
      if (next != '\n' && next != EOF) std::ungetc(next, m_pFile);
      break;
    }
    bytes += static_cast<char>(c);
    c = std::fgetc(m_pFile);
  }
  std::u16string text;
  if (m_eEncoding == ENCODING_UTF8)
    qel_cp::EncodingToUtf16("UTF-8", bytes.data(), bytes.size(), text);
  else
    qel_cp::AnsiToUtf16(bytes.data(), bytes.size(), text);
  line = CQelString(reinterpret_cast<const unsigned short*>(text.data()), static_cast<int>(text.size()));
  return true;
}

bool CTextFile::ReadLine(CQelString& line) {
  if (!m_pFile || m_bWriting) return false;
  if (m_nBomBytes && std::ftell(m_pFile) == 0) std::fseek(m_pFile, m_nBomBytes, SEEK_SET);
  bool wide = m_eEncoding == ENCODING_UTF16LE || m_eEncoding == ENCODING_UTF16BE;
  return wide ? ReadWideLine(line) : ReadNarrowLine(line);
}

bool CTextFile::Close() {
  if (!m_pFile) return true;
  bool ok = !m_bWriteFailed;
  if (m_bWriting && std::fflush(m_pFile) != 0) ok = false;
  if (std::fclose(m_pFile) != 0) ok = false;
  m_pFile = nullptr;
  dlfree(m_pBuffer);
  m_pBuffer = nullptr;
  m_bWriting = false;
  m_bWriteFailed = false;
  return ok;
}

bool CTextFile::IsUTF16File(const CQelString& path) {
  Detection d = DetectPath(path);
  return !d.empty && (d.encoding == ENCODING_UTF16LE || d.encoding == ENCODING_UTF16BE);
}

bool CTextFile::IsUTF8File(const CQelString& path) {
  Detection d = DetectPath(path);
  return !d.empty && d.encoding == ENCODING_UTF8;
}
