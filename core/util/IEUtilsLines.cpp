#include <string>
#include <vector>

#include "IEUtilsText.h"
#include "TextFile.h"

namespace IEUtils {
namespace {

constexpr int kLineChunk = 128;

// One unit of a text file: a UTF-16 unit (two bytes, little-endian) or a byte.
bool ReadUnit(CFile& file, unsigned short& unit) {
  unsigned char b[2];
  if (file.Read(b, 2) != 2) return false;  // an odd final byte cannot form a unit
  unit = static_cast<unsigned short>(b[0] | b[1] << 8);
  return true;
}

bool ReadUnit(CFile& file, char& unit) { return file.Read(&unit, 1) == 1; }

// Reads one line into buffer, which holds |count| units and a terminator, and returns how many
// units were stored. The line ends after |count| units or at CR or LF; the line end swallows one
// more LF and one more CR (CR LF, LF CR, CR CR, LF LF), or with skipEmptyLines every following
// CR and LF. With a negative count the line end is stored as one LF.
template <class U>
int ReadLineUnits(CFile& file, U* buffer, int count, bool skipEmptyLines) {
  if (!buffer) return 0;
  const int limit = count < 0 ? -count : count;
  int stored = 0;
  U unit;
  while (stored < limit && ReadUnit(file, unit)) {
    if (unit != U('\r') && unit != U('\n')) {
      buffer[stored++] = unit;
      continue;
    }
    // One more LF and one more CR belong to this line end, so the unit that ended the line may
    // come once more: CR CR and LF LF end one line too.
    bool moreCr = true, moreLf = true;
    U next;
    while (ReadUnit(file, next)) {
      if (next == U('\n') && (skipEmptyLines || moreLf)) {
        moreLf = false;
        continue;
      }
      if (next == U('\r') && (skipEmptyLines || moreCr)) {
        moreCr = false;
        continue;
      }
      file.Seek(-static_cast<int64_t>(sizeof(U)), CFile::current);
      break;
    }
    if (count < 0) buffer[stored++] = U('\n');
    break;
  }
  buffer[stored] = 0;
  return stored;
}

void RemoveFinalLineFeedAndBlank(CQelString& text) {
  const int n = text.GetLength();
  if (n > 0 && text[n - 1] == u'\n') text.Delete(n - 1);
  CQelString trimmed(text);
  if (trimmed.Trim().IsEmpty()) text.Empty();
}

}  // namespace

unsigned short* ReadUnicodeString(CFile& file, unsigned short* buffer, int count, bool skipEmptyLines) {
  if (count == 0 || !buffer) return nullptr;
  return ReadLineUnits(file, buffer, count, skipEmptyLines) > 0 ? buffer : nullptr;
}

void ReadLine(CFile& file, CQelString& text, bool utf16, bool skipEmptyLines) {
  text.Empty();
  // Lines are read in chunks of 128 units until a chunk ends the line. 8-bit lines are
  // converted once they are complete, so that no character is split between two chunks.
  if (utf16) {
    std::vector<unsigned short> chunk(kLineChunk + 1);
    int n;
    do {
      n = ReadLineUnits(file, chunk.data(), -kLineChunk, skipEmptyLines);
      text.Append(chunk.data(), n);
    } while (n == kLineChunk && chunk[n - 1] != u'\n');
  } else {
    std::vector<char> chunk(kLineChunk + 1);
    std::string bytes;
    int n;
    do {
      n = ReadLineUnits(file, chunk.data(), -kLineChunk, skipEmptyLines);
      bytes.append(chunk.data(), n);
    } while (n == kLineChunk && chunk[n - 1] != '\n');
    text = CQelString(bytes.data(), static_cast<int>(bytes.size()));
  }
  RemoveFinalLineFeedAndBlank(text);
}

void ReadLineAndTrim(CFile& file, CQelString& text, bool utf16, bool skipEmptyLines) {
  ReadLine(file, text, utf16, skipEmptyLines);
  text.Trim();
}

void Read1Line(CFile& file, CQelString& text) {
  char buffer[kLineChunk + 1] = {};
  int n = 0;
  char byte;
  while (n < kLineChunk && file.Read(&byte, 1) == 1) {
    if (byte == '\r') {
      // The line feed of CR LF is dropped; any other byte starts the next line.
      if (file.Read(&byte, 1) == 1 && byte != '\n') file.Seek(-1, CFile::current);
      break;
    }
    buffer[n++] = byte;
  }
  text = CQelString(buffer);
}

bool IsUTF8File(const CQelString& fileName) { return CTextFile::IsUTF8File(fileName); }

bool IsUTF16File(const CQelString& fileName) { return CTextFile::IsUTF16File(fileName); }

void WriteUnicodeString(CFile& file, const CQelString& text) {
  if (!file.IsOpen() || text.IsEmpty()) return;
  std::vector<unsigned char> bytes(static_cast<size_t>(text.GetLength()) * 2);
  for (int i = 0; i < text.GetLength(); ++i) {
    bytes[2 * i] = static_cast<unsigned char>(text[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<unsigned char>(text[i] >> 8);
  }
  file.Write(bytes.data(), static_cast<unsigned>(bytes.size()));
}

}  // namespace IEUtils
