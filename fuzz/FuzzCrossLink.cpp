// Fuzz target: the cross-link reader and the vertex lookup over what it read.
#include "CrossLink.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string base = fuzz_support::ScratchFolder() + "/links";
  fuzz_support::WriteFile(base + ".clf", data, size);
  CCrossLinkReader reader;
  reader.Read(CQelString((base + ".shp").c_str()));
  for (int i = 0; i < reader.GetCount(); ++i) {
    const CIEStation& s = reader.GetAt(i)->station;
    reader.Find(s.x, s.y, s.z, true);
  }
  return 0;
}
