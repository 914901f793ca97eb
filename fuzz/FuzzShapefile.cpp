// Fuzz target: the shapefile importer on a whole set (.shp, .shx, .dbf, .prj, .clf).
#include <cstdio>

#include "FuzzSupport.h"
#include "IEData.h"
#include "IESettings.h"
#include "ShapeImporter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> files = fuzz_support::SplitFiles(data, size);
  const std::string base = fuzz_support::ScratchFolder() + "/set";
  const char* const extensions[] = {".shp", ".shx", ".dbf", ".prj", ".clf"};
  for (size_t i = 0; i < 5; ++i) {
    std::string path = base + extensions[i];
    if (i < files.size())
      fuzz_support::WriteFile(path, reinterpret_cast<const uint8_t*>(files[i].data()), files[i].size());
    else
      std::remove(path.c_str());
  }
  TIESettings settings;
  settings.AddDataType(POINTS);
  CIEData root(settings);
  CShapeImporter* importer = new CShapeImporter(&root, CQelString((base + ".shp").c_str()), nullptr);
  if (importer) {
    importer->Import();
    delete importer;
  }
  return 0;
}
