#include "XmlParser.h"

// The system's expat is built with DTD support; declaring it makes the amplification limits visible.
#ifndef XML_DTD
#define XML_DTD
#endif
#include <expat.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "CodePage.h"
#include "SystemPath.h"
#include "TextFile.h"

namespace {

constexpr size_t kMaxTextBytes = 16u << 20;
constexpr size_t kMaxDocumentBytes = 256u << 20;
constexpr size_t kChunkBytes = 64u << 10;

CQelString FromUtf8(const char* s, size_t n) {
  std::u16string w;
  qel_cp::EncodingToUtf16("UTF-8", s, n, w);
  return CQelString(reinterpret_cast<const unsigned short*>(w.data()), static_cast<int>(w.size()));
}

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsBlank(const std::string& s) {
  for (char c : s)
    if (!IsXmlSpace(c)) return false;
  return true;
}

// First byte of a document in UTF-16 without byte-order mark: '<' or white space.
bool IsXmlStartByte(unsigned char b) { return b == '<' || IsXmlSpace(static_cast<char>(b)); }

// A character that an XML 1.0 document cannot carry, not even as a character reference.
bool IsForbiddenUnit(const CQelString& s, int i) {
  unsigned c = s.GetAt(i);
  if (c < 0x20) return c != '\t' && c != '\n' && c != '\r';
  if (c == 0xFFFE || c == 0xFFFF) return true;
  if (c >= 0xD800 && c <= 0xDBFF) {
    unsigned next = s.GetAt(i + 1);
    return !(next >= 0xDC00 && next <= 0xDFFF);
  }
  if (c >= 0xDC00 && c <= 0xDFFF) {
    unsigned prev = i > 0 ? s.GetAt(i - 1) : 0u;
    return !(prev >= 0xD800 && prev <= 0xDBFF);
  }
  return false;
}

// Attribute value text: markup characters as entities, tab/LF/CR as character references (a
// parser would otherwise turn them into blanks), and characters XML cannot hold as U+FFFD.
CQelString EscapeValue(const CQelString& value) {
  CQelString out;
  for (int i = 0; i < value.GetLength(); ++i) {
    unsigned short c = value.GetAt(i);
    switch (c) {
      case '&':
        out += u"&amp;";
        break;
      case '<':
        out += u"&lt;";
        break;
      case '>':
        out += u"&gt;";
        break;
      case '"':
        out += u"&quot;";
        break;
      case '\'':
        out += u"&apos;";
        break;
      case '\t':
        out += u"&#9;";
        break;
      case '\n':
        out += u"&#10;";
        break;
      case '\r':
        out += u"&#13;";
        break;
      default:
        out += IsForbiddenUnit(value, i) ? static_cast<unsigned short>(0xFFFD) : c;
    }
  }
  return out;
}

void AppendCodePoint(CQelString& out, unsigned long cp) {
  if (cp >= 0x10000) {
    cp -= 0x10000;
    out += static_cast<unsigned short>(0xD800 + (cp >> 10));
    out += static_cast<unsigned short>(0xDC00 + (cp & 0x3FF));
  } else {
    out += static_cast<unsigned short>(cp);
  }
}

// The reference starting at s[i] ('&'); appends what it stands for and returns its length, or 0
// when it is not one of the predefined entities or a valid character reference.
int DecodeReference(const CQelString& s, int i, CQelString& out) {
  int semi = s.Find(static_cast<unsigned short>(';'), i);
  if (semi < 0 || semi - i > 12) return 0;
  CQelString ref = s.Mid(i + 1, semi - i - 1);
  static const struct {
    const char16_t* name;
    unsigned short ch;
  } kEntities[] = {{u"amp", '&'}, {u"lt", '<'}, {u"gt", '>'}, {u"quot", '"'}, {u"apos", '\''}};
  for (const auto& e : kEntities)
    if (ref == e.name) {
      out += e.ch;
      return semi - i + 1;
    }
  if (ref.GetAt(0) != '#' || ref.GetLength() < 2) return 0;
  bool hex = ref.GetAt(1) == 'x';
  int first = hex ? 2 : 1;
  if (first >= ref.GetLength()) return 0;
  unsigned long cp = 0;
  for (int k = first; k < ref.GetLength(); ++k) {
    unsigned c = ref.GetAt(k);
    int d = c >= '0' && c <= '9'          ? static_cast<int>(c - '0')
            : hex && c >= 'a' && c <= 'f' ? static_cast<int>(c - 'a' + 10)
            : hex && c >= 'A' && c <= 'F' ? static_cast<int>(c - 'A' + 10)
                                          : -1;
    if (d < 0) return 0;
    cp = cp * (hex ? 16 : 10) + static_cast<unsigned long>(d);
    if (cp > 0x10FFFF) return 0;
  }
  if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  AppendCodePoint(out, cp);
  return semi - i + 1;
}

CQelString Unescape(const CQelString& s) {
  CQelString out;
  for (int i = 0; i < s.GetLength();) {
    int used = s.GetAt(i) == '&' ? DecodeReference(s, i, out) : 0;
    if (used) {
      i += used;
    } else {
      out += s.GetAt(i);
      ++i;
    }
  }
  return out;
}

bool IsSpaceUnit(unsigned short c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

// Receives expat's events and turns them into tokens.
class CXmlTokenSink {
 public:
  CXmlTokenSink() : m_parser(nullptr) {}
  ~CXmlTokenSink() {
    if (m_parser) XML_ParserFree(m_parser);
  }
  CXmlTokenSink(const CXmlTokenSink&) = delete;
  CXmlTokenSink& operator=(const CXmlTokenSink&) = delete;
  CXmlTokenSink(CXmlTokenSink&&) = delete;
  CXmlTokenSink& operator=(CXmlTokenSink&&) = delete;

  // Parses everything source delivers. read(buffer, size) returns the bytes read, or -1 on a
  // read error. Returns an XML_INIT_* result and fills parser on success.
  template <class Read>
  int Run(Read read, CXmlParserBase& target) {
    unsigned char head[2];
    char buf[kChunkBytes];
    long got = read(buf, sizeof buf);
    if (got < 0) return CXmlParserBase::XML_INIT_CANNOT_OPEN;
    if (got == 0) return CXmlParserBase::XML_INIT_BAD_CONTENT;
    head[0] = static_cast<unsigned char>(buf[0]);
    head[1] = got > 1 ? static_cast<unsigned char>(buf[1]) : 0;
    const char* encoding = nullptr;
    if (got > 1 && ((head[0] == 0xFF && head[1] == 0xFE) || (IsXmlStartByte(head[0]) && head[1] == 0)))
      encoding = "UTF-16LE";
    else if (got > 1 && ((head[0] == 0xFE && head[1] == 0xFF) || (head[0] == 0 && IsXmlStartByte(head[1]))))
      encoding = "UTF-16BE";
    m_bUtf16 = encoding != nullptr;
    m_parser = XML_ParserCreate(encoding);
    if (!m_parser) return CXmlParserBase::XML_INIT_BAD_CONTENT;
    XML_SetUserData(m_parser, this);
    XML_SetElementHandler(m_parser, &OnStart, &OnEnd);
    XML_SetCharacterDataHandler(m_parser, &OnText);
    XML_SetStartDoctypeDeclHandler(m_parser, &OnDoctype);
    XML_SetXmlDeclHandler(m_parser, &OnXmlDecl);
    XML_SetParamEntityParsing(m_parser, XML_PARAM_ENTITY_PARSING_NEVER);
#if XML_MAJOR_VERSION > 2 || (XML_MAJOR_VERSION == 2 && XML_MINOR_VERSION >= 4)
    XML_SetBillionLaughsAttackProtectionMaximumAmplification(m_parser, 100.0f);
    XML_SetBillionLaughsAttackProtectionActivationThreshold(m_parser, 1u << 20);
#endif
    size_t total = 0;
    bool readError = false;
    while (!m_bFailed) {
      total += static_cast<size_t>(got);
      if (total > kMaxDocumentBytes) {
        m_bFailed = true;
        break;
      }
      bool last = got == 0;
      if (XML_Parse(m_parser, buf, static_cast<int>(got), last) == XML_STATUS_ERROR) m_bFailed = true;
      if (last) break;
      got = read(buf, sizeof buf);
      if (got < 0) {
        readError = true;
        break;
      }
    }
    if (readError) return CXmlParserBase::XML_INIT_CANNOT_OPEN;
    if (!m_bRootSeen) return CXmlParserBase::XML_INIT_BAD_CONTENT;
    target.m_pTokens = std::make_shared<const std::vector<CXmlParserBase::Token>>(std::move(m_tokens));
    target.m_nNext = 0;
    target.m_bFailed = m_bFailed;
    target.m_bUtf16 = m_bUtf16;
    target.m_bUtf8 = !m_bUtf16 && m_bDeclaredUtf8;
    return CXmlParserBase::XML_INIT_OK;
  }

 private:
  struct OpenElement {
    size_t token;
    std::string text;
  };
  XML_Parser m_parser;
  std::vector<CXmlParserBase::Token> m_tokens;
  std::vector<OpenElement> m_open;
  bool m_bFailed = false;
  bool m_bRootSeen = false;
  bool m_bUtf16 = false;
  bool m_bDeclaredUtf8 = true;

  void Fail() {
    m_bFailed = true;
    XML_StopParser(m_parser, XML_FALSE);
  }

  static void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** atts) {
    auto* self = static_cast<CXmlTokenSink*>(data);
    CXmlParserBase::Token token;
    token.name = FromUtf8(name, std::strlen(name));
    CQelString attribs;
    for (const XML_Char** a = atts; a[0] && a[1]; a += 2)
      attribs +=
          CXmlParserBase::FormAttrib(FromUtf8(a[0], std::strlen(a[0])), FromUtf8(a[1], std::strlen(a[1])));
    token.attribs = attribs.Mid(1);
    self->m_bRootSeen = true;
    self->m_open.push_back(OpenElement{self->m_tokens.size(), std::string()});
    self->m_tokens.push_back(std::move(token));
  }

  static void XMLCALL OnEnd(void* data, const XML_Char*) {
    auto* self = static_cast<CXmlTokenSink*>(data);
    if (self->m_open.empty()) return;
    OpenElement element = std::move(self->m_open.back());
    self->m_open.pop_back();
    CXmlParserBase::Token& start = self->m_tokens[element.token];
    if (!IsBlank(element.text)) start.text = FromUtf8(element.text.data(), element.text.size());
    // expat reports the end of "<a/>" without consuming any bytes of its own.
    if (XML_GetCurrentByteCount(self->m_parser) == 0) {
      start.name += static_cast<unsigned short>('/');
      return;
    }
    CXmlParserBase::Token end;
    end.name = CQelString(u"/") + start.name;
    end.attribs = start.attribs;
    end.text = start.text;
    self->m_tokens.push_back(std::move(end));
  }

  static void XMLCALL OnText(void* data, const XML_Char* s, int len) {
    auto* self = static_cast<CXmlTokenSink*>(data);
    if (self->m_open.empty() || len <= 0) return;
    std::string& text = self->m_open.back().text;
    if (text.size() + static_cast<size_t>(len) > kMaxTextBytes) {
      self->Fail();
      return;
    }
    text.append(s, static_cast<size_t>(len));
  }

  static void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    static_cast<CXmlTokenSink*>(data)->Fail();
  }

  static void XMLCALL OnXmlDecl(void* data, const XML_Char*, const XML_Char* encoding, int) {
    auto* self = static_cast<CXmlTokenSink*>(data);
    self->m_bDeclaredUtf8 = !encoding || strcasecmp(encoding, "UTF-8") == 0;
  }
};

int CXmlParserBase::DoInitialize(const CQelString& path, CXmlParserBase& parser) {
  parser.m_pTokens.reset();
  parser.m_nNext = 0;
  parser.m_bFailed = false;
  parser.m_bUtf8 = parser.m_bUtf16 = false;
  CXmlTokenSink sink;
  if (parser.m_pTextFile && parser.m_pTextFile->IsOpen()) {
    CTextFile* file = parser.m_pTextFile;
    return sink.Run(
        [file](char* buf, size_t size) {
          return static_cast<long>(file->ReadBytes(buf, static_cast<int>(size)));
        },
        parser);
  }
  std::string name = qel_path::ToSystemPath(path);
  FILE* f = name.empty() ? nullptr : std::fopen(name.c_str(), "rb");
  if (!f) return XML_INIT_CANNOT_OPEN;
  struct stat st;
  int result = XML_INIT_CANNOT_OPEN;
  if (fstat(fileno(f), &st) == 0 && !S_ISDIR(st.st_mode)) {
    result = sink.Run(
        [f](char* buf, size_t size) {
          size_t n = std::fread(buf, 1, size, f);
          return n == 0 && std::ferror(f) ? -1L : static_cast<long>(n);
        },
        parser);
  }
  std::fclose(f);
  return result;
}

bool CXmlParserBase::ReadToken(CQelString& tagName, CQelString& attribText, CQelString& text) {
  if (!m_pTokens || m_nNext >= m_pTokens->size()) return false;
  const Token& t = (*m_pTokens)[m_nNext++];
  tagName = t.name;
  attribText = t.attribs;
  text = t.text;
  return true;
}

CQelString CXmlParserBase::ReadAttrib(const CQelString& attribText, const CQelString& name) {
  const int len = attribText.GetLength();
  int i = 0;
  while (i < len) {
    while (i < len && IsSpaceUnit(attribText.GetAt(i))) ++i;
    int nameStart = i;
    while (i < len && attribText.GetAt(i) != '=' && !IsSpaceUnit(attribText.GetAt(i))) ++i;
    CQelString found = attribText.Mid(nameStart, i - nameStart);
    while (i < len && IsSpaceUnit(attribText.GetAt(i))) ++i;
    if (attribText.GetAt(i) != '=') continue;  // a word without a value: skip it
    ++i;
    while (i < len && IsSpaceUnit(attribText.GetAt(i))) ++i;
    unsigned short quote = attribText.GetAt(i);
    if (quote != '"' && quote != '\'') continue;
    int valueStart = ++i;
    int close = attribText.Find(quote, valueStart);
    if (close < 0) return CQelString();
    if (found == name) return Unescape(attribText.Mid(valueStart, close - valueStart));
    i = close + 1;
  }
  return CQelString();
}

CQelString CXmlParserBase::OpenTag(const CQelString& name, bool leaveOpen) {
  return TagTypeFlag(name, leaveOpen ? TAG_START_OPEN : TAG_START);
}

CQelString CXmlParserBase::CloseTag(const CQelString& name) { return TagTypeFlag(name, TAG_END); }

CQelString CXmlParserBase::FormAttrib(const CQelString& name, const CQelString& value) {
  return CQelString(u" ") + name + u"=\"" + EscapeValue(value) + u"\"";
}

CQelString CXmlParserBase::TagTypeFlag(const CQelString& name, ETagType type) {
  switch (type) {
    case TAG_START_OPEN:
      return CQelString(u"<") + name;
    case TAG_EMPTY:
      return CQelString(u"<") + name + u"/>";
    case TAG_END:
      return CQelString(u"</") + name + u">";
    case TAG_START:
    default:
      return CQelString(u"<") + name + u">";
  }
}
