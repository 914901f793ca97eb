// Fuzz target: the line readers on any bytes, as UTF-16 and as 8-bit lines, with and without
// skipping empty lines, and as short 8-bit lines.
#include "FuzzSupport.h"
#include "IEUtils.h"
#include "WinFile.h"

namespace {

// Reads lines until the end of the file; stops when a read makes no progress.
template <class ReadOne>
void ReadAllLines(const CQelString& path, ReadOne readOne) {
  CFile file;
  if (!file.Open(path, CFile::modeRead)) return;
  const uint64_t length = file.GetLength();
  for (uint64_t position = 0; position < length;) {
    readOne(file);
    const uint64_t next = file.GetPosition();
    if (next <= position) break;
    position = next;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string name = fuzz_support::ScratchFolder() + "/lines.txt";
  fuzz_support::WriteFile(name, data, size);
  const CQelString path(name.c_str());
  CQelString text;
  for (bool utf16 : {true, false})
    for (bool skip : {true, false})
      ReadAllLines(path, [&](CFile& file) { IEUtils::ReadLineAndTrim(file, text, utf16, skip); });
  ReadAllLines(path, [&](CFile& file) { IEUtils::Read1Line(file, text); });
  unsigned short buffer[17];
  ReadAllLines(path, [&](CFile& file) { IEUtils::ReadUnicodeString(file, buffer, -16, false); });
  return 0;
}
