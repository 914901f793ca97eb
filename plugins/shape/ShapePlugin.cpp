// The plug-in's entry points: the shapefile format's importer and exporter. The DBF code-library
// format of the same library is not served yet; its identifier gives no object.
#include "IEFormat.h"
#include "ShapeExporter.h"
#include "ShapeImporter.h"

#define SHAPEPLUG_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

const char16_t kShapeFormatId[] = u"{79241EB7-2DDB-4fbf-A677-8E0DB4DF8204}";
const char16_t kDbfCodesFormatId[] = u"{B4C2FC07-523D-4192-B518-585367AE93B5}";

bool IsFormat(const CIEFormat* format, const char16_t* id) {
  return format->IsIdEqual(reinterpret_cast<const unsigned short*>(id));
}

}  // namespace

SHAPEPLUG_EXPORT CImporterImpl* MakeImporter(CIEData* data, const CQelString& fileName,
                                             const CIEFormat* format) {
  if (!format || IsFormat(format, kDbfCodesFormatId)) return nullptr;
  if (!IsFormat(format, kShapeFormatId)) return nullptr;
  return new CShapeImporter(data, fileName, format);
}

SHAPEPLUG_EXPORT CExporterImpl* MakeExporter(CIEData* data, const CQelString& fileName,
                                             const CIEFormat* format) {
  if (!format || IsFormat(format, kDbfCodesFormatId)) return nullptr;
  if (!IsFormat(format, kShapeFormatId)) return nullptr;
  return new CShapeExporter(data, fileName, format);
}
