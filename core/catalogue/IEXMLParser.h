// CIEXMLParser: the utility library's XML tokenizer as exchcore exports it, with the one call that
// opens and tokenizes a file and reports the outcome as a job result.
#pragma once

#include "IEDefs.h"
#include "ITextFile.h"
#include "XmlParser.h"

class CIEXMLParser : public CXmlParser {
 public:
  CIEXMLParser(const CIEXMLParser& other);
  CIEXMLParser& operator=(const CIEXMLParser& other);
  CIEXMLParser(CIEXMLParser&&) = delete;
  CIEXMLParser& operator=(CIEXMLParser&&) = delete;
  ~CIEXMLParser() override;

  // Opens and tokenizes the file at path. IE_RESULT_OK: parser receives a new parser that the
  // caller deletes. Otherwise parser is left as it was: IE_RESULT_CANNOT_OPEN when the file cannot
  // be opened, IE_RESULT_BAD_FILE when its content is not usable XML, IE_RESULT_OUT_OF_MEMORY
  // when memory ran out, IE_RESULT_FAILED for anything else.
  static EIEResult Initialize(const CQelString& path, CIEXMLParser*& parser);

  QEL_DECLARE_SHARED_ALLOCATION()

 protected:
  // file: an open text file to read instead of the path, or null to open the path.
  explicit CIEXMLParser(CITextFile* file);
};
