#include "detail/IEFormatsSettingsFile.h"

#include <memory>

#include "IEKeywords.h"
#include "IERounding.h"
#include "IEXMLParser.h"
#include "qel_formats.h"

namespace IEFormatsSettingsFile {
namespace {

using IEKeywords::EMaskKind;

const char16_t kRoot[] = u"IEFormatsData";
const char16_t kFormatsElement[] = u"IEFormats";
const char16_t kFormatElement[] = u"IEFormat";
const char16_t kFileVersion[] = u"1.6";

// The settings file's attribute names of a format, in the order they are written.
const char16_t kGuid[] = u"guid";
const char16_t kName[] = u"name";
const char16_t kDirection[] = u"directionType";
const char16_t kImportDll[] = u"importDLL";
const char16_t kExportDll[] = u"exportDLL";
const char16_t kTitle[] = u"titleForVerticalScreen";
const char16_t kExtension[] = u"extension";
const char16_t kFilter[] = u"filterExtension";

struct TToken {
  CQelString tag;
  CQelString attributes;
  CQelString text;
};

bool Next(CIEXMLParser& parser, TToken& token) {
  return parser.ReadToken(token.tag, token.attributes, token.text);
}

CQelString EndTagName(const char16_t* element) { return u"/" + CQelString(element); }

// Reads a mask section up to its end tag: every token whose name, with every '/' removed, is a
// keyword of the section sets that keyword's bit.
TIEMask ReadSection(CIEXMLParser& parser, EMaskKind kind) {
  const CQelString end = EndTagName(IEKeywords::GetSectionName(kind));
  TIEMask mask = 0;
  TToken token;
  while (Next(parser, token) && token.tag != end) {
    token.tag.Remove('/');
    const int value = IEKeywords::FindKeyword(kind, token.tag);
    if (value >= 0) mask |= IEUtils::ToFlag(value);
  }
  return mask;
}

CIECommonType::EDataDirections ParseDirection(const CQelString& text) {
  if (text.CompareNoCase(u"Import") == 0) return CIECommonType::DIRECTION_IMPORT;
  if (text.CompareNoCase(u"Export") == 0) return CIECommonType::DIRECTION_EXPORT;
  return CIECommonType::DIRECTION_IMPORT_EXPORT;
}

// Reads one IEFormat element whose start tag carried attributes. An element without a valid GUID
// is skipped; its children then pass as ordinary tokens of the enclosing loop.
void LoadFormat(CIEXMLParser& parser, const CQelString& attributes,
                qel_templ::CQelArray<CIEFormat*>& formats) {
  const CQelString guidText = CXmlParserBase::ReadAttrib(attributes, kGuid);
  _GUID guid;
  if (guidText.IsEmpty() || !GuidFromString(guidText.c_str(), guid)) return;

  CQelString extension = CXmlParserBase::ReadAttrib(attributes, kExtension);
  if (extension.GetAt(0) == '.') extension.Delete(0);

  TIEMask masks[IEKeywords::MASK_KIND_COUNT] = {};
  const CQelString end = EndTagName(kFormatElement);
  TToken token;
  while (Next(parser, token) && !token.tag.IsEmpty() && token.tag != end) {
    for (int kind = 0; kind < IEKeywords::MASK_KIND_COUNT; ++kind) {
      if (token.tag == IEKeywords::GetSectionName(static_cast<EMaskKind>(kind))) {
        masks[kind] |= ReadSection(parser, static_cast<EMaskKind>(kind));
        break;
      }
    }
  }

  CIEFormat* format = new CIEFormat(
      guid, CXmlParserBase::ReadAttrib(attributes, kName),
      ParseDirection(CXmlParserBase::ReadAttrib(attributes, kDirection)),
      CXmlParserBase::ReadAttrib(attributes, kExportDll), CXmlParserBase::ReadAttrib(attributes, kImportDll),
      CXmlParserBase::ReadAttrib(attributes, kTitle), extension,
      CXmlParserBase::ReadAttrib(attributes, kFilter), masks[IEKeywords::MASK_CONFIGURATIONS],
      masks[IEKeywords::MASK_USING_MODES], masks[IEKeywords::MASK_DATA_TYPES],
      masks[IEKeywords::MASK_DISTANCE_UNITS], masks[IEKeywords::MASK_ANGLE_UNITS],
      masks[IEKeywords::MASK_PARAMETERS]);
  if (format) formats.Add(format);
}

// Reads the IEFormats elements of the root; returns how many formats were appended.
int LoadFormats(CIEXMLParser& parser, qel_templ::CQelArray<CIEFormat*>& formats) {
  const int before = formats.GetSize();
  const CQelString rootEnd = EndTagName(kRoot);
  const CQelString formatsEnd = EndTagName(kFormatsElement);
  TToken token;
  while (Next(parser, token) && !token.tag.IsEmpty() && token.tag != rootEnd) {
    if (token.tag != kFormatsElement) continue;
    while (Next(parser, token) && !token.tag.IsEmpty() && token.tag != formatsEnd) {
      if (token.tag == kFormatElement) LoadFormat(parser, token.attributes, formats);
    }
  }
  return formats.GetSize() - before;
}

// True when the document breaks off or turns malformed somewhere. Looks ahead on a copy, which
// shares the tokens, so that a broken file is replaced even when it is switched off and would
// otherwise be read no further than its root.
bool IsMalformed(const CIEXMLParser& parser) {
  CIEXMLParser probe(parser);
  TToken token;
  while (Next(probe, token)) {
  }
  return probe.HasFailed();
}

CQelString StartTag(const char16_t* name, const CQelString& attributes) {
  return CXmlParserBase::TagTypeFlag(name, CXmlParserBase::TAG_START_OPEN) + attributes + u">";
}

CQelString FormatStartTag(const CIEFormat& format) {
  CQelString attributes;
  attributes += CXmlParserBase::FormAttrib(kGuid, format.GetGUIDAsString());
  attributes += CXmlParserBase::FormAttrib(kName, format.GetName());
  attributes +=
      CXmlParserBase::FormAttrib(kDirection, IEKeywords::GetDirectionKeyword(format.GetDataDirections()));
  attributes += CXmlParserBase::FormAttrib(kImportDll, format.GetDLLName(false));
  attributes += CXmlParserBase::FormAttrib(kExportDll, format.GetDLLName(true));
  attributes += CXmlParserBase::FormAttrib(kTitle, format.GetTitle());
  attributes += CXmlParserBase::FormAttrib(kExtension, format.GetExtension(true));
  attributes += CXmlParserBase::FormAttrib(kFilter, format.GetFilterExtension());
  return StartTag(kFormatElement, attributes);
}

// One section: the start tag (unit sections say whether the format uses units at all), one empty
// element per keyword set in the mask, in value order, and the end tag.
bool WriteSection(CTextFile& file, const CIEFormat& format, EMaskKind kind) {
  const char16_t* section = IEKeywords::GetSectionName(kind);
  const TIEMask mask = IEKeywords::CollectMask(format, kind);
  CQelString start;
  if (kind == IEKeywords::MASK_DISTANCE_UNITS || kind == IEKeywords::MASK_ANGLE_UNITS) {
    const bool used =
        kind == IEKeywords::MASK_DISTANCE_UNITS ? format.AreDistUnitsUsed() : format.AreAngleUnitsUsed();
    start = StartTag(section, CXmlParserBase::FormAttrib(u"used", used ? u"true" : u"false"));
  } else {
    start = CXmlParserBase::OpenTag(section);
  }
  bool ok = file.WriteLine(u"  " + start);
  for (int v = 0; v < IEKeywords::GetKeywordCount(kind); ++v) {
    if (mask & IEUtils::ToFlag(v))
      ok = file.WriteLine(u"    " + CXmlParserBase::TagTypeFlag(IEKeywords::GetKeyword(kind, v),
                                                                CXmlParserBase::TAG_EMPTY)) &&
           ok;
  }
  return file.WriteLine(u"  " + CXmlParserBase::CloseTag(section)) && ok;
}

}  // namespace

bool Load(const CQelString& path, qel_templ::CQelArray<CIEFormat*>& formats, bool& rewrite) {
  rewrite = true;
  CIEXMLParser* opened = nullptr;
  if (CIEXMLParser::Initialize(path, opened) != IE_RESULT_OK) return false;
  std::unique_ptr<CIEXMLParser> parser(opened);

  // Only well-formed files recognised as UTF-8 or UTF-16 are read; others are replaced.
  if ((!parser->IsUTF8() && !parser->IsUTF16()) || IsMalformed(*parser)) return false;

  TToken token;
  bool atRoot = false;
  while (!atRoot && Next(*parser, token)) atRoot = token.tag == kRoot;
  if (!atRoot) return false;

  const CQelString version = CXmlParserBase::ReadAttrib(token.attributes, u"version");
  // Written so that a version that is not a number (NaN) counts as outdated too.
  if (version.IsEmpty() || !(qel_formats::WideToDouble(version) >= kMinimumVersion)) return false;

  if (CXmlParserBase::ReadAttrib(token.attributes, u"useDataFromFile") != u"true") {
    rewrite = false;
    return false;
  }
  if (LoadFormats(*parser, formats) > 0) {
    rewrite = false;
    return true;
  }
  return false;
}

bool Store(const CQelString& path, const qel_templ::CQelArray<CIEFormat*>& formats) {
  CTextFile file;
  if (!file.Create(path, CTextFile::ENCODING_UTF16LE, true)) return false;

  bool ok = file.WriteLine(u"<?xml" + CXmlParserBase::FormAttrib(u"version", u"1.0") +
                           CXmlParserBase::FormAttrib(u"encoding", u"utf-16") + u"?>");
  CQelString rootAttributes = CXmlParserBase::FormAttrib(u"version", kFileVersion);
  rootAttributes += CXmlParserBase::FormAttrib(u"useDataFromFile", u"false");
  rootAttributes +=
      CXmlParserBase::FormAttrib(u"numberOfFormats", qel_formats::IntToString(formats.GetSize()));
  ok = file.WriteLine(StartTag(kRoot, rootAttributes)) && ok;
  ok = file.WriteLine(CXmlParserBase::OpenTag(kFormatsElement)) && ok;
  for (const CIEFormat* format : formats) {
    ok = file.WriteLine(FormatStartTag(*format)) && ok;
    for (int kind = 0; kind < IEKeywords::MASK_KIND_COUNT; ++kind)
      ok = WriteSection(file, *format, static_cast<EMaskKind>(kind)) && ok;
    ok = file.WriteLine(CXmlParserBase::CloseTag(kFormatElement)) && ok;
  }
  ok = file.WriteLine(CXmlParserBase::CloseTag(kFormatsElement)) && ok;
  ok = file.WriteLine(CXmlParserBase::CloseTag(kRoot)) && ok;
  return file.Close() && ok;
}

}  // namespace IEFormatsSettingsFile
