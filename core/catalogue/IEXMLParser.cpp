#include "IEXMLParser.h"

#include <memory>
#include <new>

CIEXMLParser::CIEXMLParser(CITextFile* file) : CXmlParser(file) {}

CIEXMLParser::CIEXMLParser(const CIEXMLParser& other) = default;

CIEXMLParser& CIEXMLParser::operator=(const CIEXMLParser& other) = default;

CIEXMLParser::~CIEXMLParser() = default;

EIEResult CIEXMLParser::Initialize(const CQelString& path, CIEXMLParser*& parser) {
  // A module boundary: nothing the tokenizer throws may leave it.
  try {
    std::unique_ptr<CIEXMLParser> created(new CIEXMLParser(nullptr));
    if (!created) return IE_RESULT_OUT_OF_MEMORY;
    switch (DoInitialize(path, *created)) {
      case XML_INIT_OK:
        parser = created.release();
        return IE_RESULT_OK;
      case XML_INIT_CANNOT_OPEN:
        return IE_RESULT_CANNOT_OPEN;
      case XML_INIT_BAD_CONTENT:
        return IE_RESULT_BAD_FILE;
      default:
        return IE_RESULT_FAILED;
    }
  } catch (const std::bad_alloc&) {
    return IE_RESULT_OUT_OF_MEMORY;
  } catch (...) {
    return IE_RESULT_FAILED;
  }
}
