// Fuzz target: the formats settings file. Whatever the bytes, loading gives formats or asks for
// the defaults, and every loaded format is freed again.
#include "FuzzSupport.h"
#include "detail/IEFormatsSettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz_support::ScratchFolder() + "/formats.xml";
  fuzz_support::WriteFile(path, data, size);
  qel_templ::CQelArray<CIEFormat*> formats;
  bool rewrite = false;
  IEFormatsSettingsFile::Load(CQelString(path.c_str()), formats, rewrite);
  for (CIEFormat* format : formats) delete format;
  return 0;
}
