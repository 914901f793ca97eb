// Fuzz target: the XML tokenizer on any bytes, read token by token to the end, with every
// attribute text also searched for a value.
#include "FuzzSupport.h"
#include "XmlParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz_support::ScratchFolder() + "/in.xml";
  fuzz_support::WriteFile(path, data, size);
  CXmlParser parser;
  if (CXmlParserBase::DoInitialize(CQelString(path.c_str()), parser) != 0) return 0;
  CQelString tag, attributes, text;
  while (parser.ReadToken(tag, attributes, text)) CXmlParserBase::ReadAttrib(attributes, u"name");
  return 0;
}
