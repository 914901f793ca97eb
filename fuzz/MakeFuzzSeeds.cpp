// Writes the seed corpora of the fuzz targets: the bundled sample set and the small fixtures of
// the tests (cross-link files of both versions, projection texts, a dictionary).
// Usage: make_fuzz_seeds CORPUS_FOLDER SAMPLE_FOLDER GEO_FOLDER
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "FuzzSupport.h"
#include "detail/IEDefaultCatalogue.h"
#include "detail/IEFormatsSettingsFile.h"

namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void Write(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

template <class T>
std::string Le(T value) {
  return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

// ASCII text as UTF-16LE bytes.
std::string Utf16(const std::string& ascii) {
  std::string bytes;
  for (char c : ascii) bytes += std::string(1, c) + '\0';
  return bytes;
}

std::string VertexRecord(const char* name, double x, double y, double z) {
  char field[18] = {};
  std::strncpy(field, name, sizeof field);
  return std::string(field, 18) + Le<int16_t>(1) + Le<int16_t>(1) + Le(x) + Le(y) + Le(z);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_fuzz_seeds CORPUS_FOLDER SAMPLE_FOLDER GEO_FOLDER\n");
    return 2;
  }
  const std::filesystem::path corpus = argv[1], sample = argv[2], geo = argv[3];
  int n = 0;
  for (const char* kind : {"site_POINTS", "site_POLYLINES", "site_POLYGONS"}) {
    std::string seed;
    const char* const extensions[] = {".shp", ".shx", ".dbf", ".prj", ".clf"};
    for (int i = 0; i < 5; ++i) {
      if (i) seed += fuzz_support::kFileSeparator;
      seed += ReadAll(sample / (std::string(kind) + extensions[i]));
    }
    Write(corpus / "FuzzShapefile" / ("sample" + std::to_string(++n)), seed);
    Write(corpus / "FuzzCrossLink" / (std::string(kind) + ".clf"),
          ReadAll(sample / (std::string(kind) + ".clf")));
    Write(corpus / "FuzzProjection" / (std::string(kind) + ".prj"),
          ReadAll(sample / (std::string(kind) + ".prj")));
  }
  Write(corpus / "FuzzCrossLink" / "version1", std::string("CrossLinkFile_Ver1.0") + std::string(26, '\0') +
                                                   VertexRecord("A", 1, 2, 3) + VertexRecord("B", 4, 5, 6));
  Write(corpus / "FuzzCrossLink" / "version2-ns", std::string("FS014CrossLinkFile_Ver2.0NS016") +
                                                      std::string(2, '\0') + Le(1.0) + Le(2.0) +
                                                      Le<int32_t>(9002));
  Write(corpus / "FuzzProjection" / "geographic",
        "GEOGCS[\"GCS_WGS_1984\",DATUM[\"D_WGS_1984\",SPHEROID[\"WGS_1984\",6378137,298.257223563]],"
        "PRIMEM[\"Greenwich\",0],UNIT[\"Degree\",0.0174532925199433]]");
  Write(corpus / "FuzzProjection" / "dictionary", ReadAll(geo / "dictionary.ini"));

  const std::string xml =
      "<?xml version=\"1.0\"?>\n<root a=\"1\" name=\"x &amp; y\">\n  <empty/>\n  "
      "<item>text</item>\n</root>\n";
  Write(corpus / "FuzzXml" / "utf8", xml);
  const std::string utf16 = "\xFF\xFE" + Utf16(xml);
  Write(corpus / "FuzzXml" / "utf16", utf16);
  Write(corpus / "FuzzSettingsFile" / "utf16", utf16);
  // The built-in catalogue as the settings file writes it, switched off and switched on.
  qel_templ::CQelArray<CIEFormat*> formats;
  IEDefaultCatalogue::AppendFormats(formats);
  const std::filesystem::path settings = corpus / "FuzzSettingsFile" / "switched-off";
  std::filesystem::create_directories(settings.parent_path());
  IEFormatsSettingsFile::Store(CQelString(settings.string().c_str()), formats);
  for (CIEFormat* format : formats) delete format;
  std::string on = ReadAll(settings);
  const std::string off = Utf16("useDataFromFile=\"false\""), onText = Utf16("useDataFromFile=\"true\"");
  const size_t at = on.find(off);
  if (at != std::string::npos) on.replace(at, off.size(), onText);
  Write(corpus / "FuzzSettingsFile" / "switched-on", on);
  Write(corpus / "FuzzTextLines" / "mixed-ends", "first\r\nsecond\n\rthird\r\r\n\nfourth");
  Write(corpus / "FuzzTextLines" / "utf16", std::string("\xFF\xFE"
                                                        "a\0\r\0\n\0b\0",
                                                        10));
  return 0;
}
