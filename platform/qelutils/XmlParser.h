// CXmlParserBase, CXmlParser: a pull tokenizer over an XML file (UTF-8 or UTF-16) and the helpers
// that render tags and attributes it reads back unchanged.
//
// Tokens, in document order:
//   - a start tag "<a x='1'>": name "a", attribute text `x="1"`, text = the element's text;
//   - an end tag "</a>": name "/a", the same attribute text and text as its start tag;
//   - an empty-element tag "<a x='1'/>": one token, name "a/" (the '/' goes last; callers strip
//     it), its attribute text, empty text. "<a></a>" is a start and an end token instead.
// An element's text is its own character data (that of child elements excluded) with entities
// and character references resolved; text made only of blanks, tabs, CR and LF counts as empty.
// Attribute text lists the attributes in document order as `name="value"` pairs separated by one
// blank, values escaped as FormAttrib escapes them, so ReadAttrib gives the values back exactly.
// Comments, processing instructions and the XML declaration yield no token; a tag name is
// never empty.
//
// The file is parsed completely by DoInitialize (with expat). Hardening: a document type
// declaration makes the content unusable, so no DTD, external entity or entity expansion
// beyond the five predefined entities is ever processed; expat's amplification protection stays
// on; the text of one element is capped at 16 MiB and a document at 256 MiB. A file that turns
// malformed after its root element started yields the tokens before the fault (elements left
// open by the fault have empty text), then ReadToken gives false and HasFailed() true.
#pragma once

#include <memory>
#include <vector>

#include "QelAlloc.h"
#include "qel_text.h"

class CTextFile;

class CXmlParserBase {
 public:
  // DoInitialize results.
  enum { XML_INIT_OK = 0, XML_INIT_CANNOT_OPEN = 1, XML_INIT_BAD_CONTENT = 2 };
  // Kinds of tag that TagTypeFlag renders.
  enum ETagType {
    TAG_START = 0,       // "<name>"
    TAG_START_OPEN = 1,  // "<name", for attributes; the caller ends it with ">" or "/>"
    TAG_EMPTY = 2,       // "<name/>"
    TAG_END = 3          // "</name>"
  };

  CXmlParserBase() = default;
  virtual ~CXmlParserBase() = default;
  CXmlParserBase(const CXmlParserBase&) = default;
  CXmlParserBase& operator=(const CXmlParserBase&) = default;
  CXmlParserBase(CXmlParserBase&&) = default;
  CXmlParserBase& operator=(CXmlParserBase&&) = default;

  // Reads and tokenizes the file at path into parser, replacing what parser held. When parser
  // was made with a CTextFile that is open, the document is read from that file (from its
  // current position) and path is not used. Returns XML_INIT_OK (0); XML_INIT_CANNOT_OPEN (1)
  // when the file cannot be opened or read; XML_INIT_BAD_CONTENT (2) when it is empty, not XML,
  // in an encoding expat does not know, has a document type declaration, exceeds a size cap, or
  // turns malformed before its root element's start tag.
  static int DoInitialize(const CQelString& path, CXmlParserBase& parser);

  // The next token; false when the tokens are used up (see HasFailed).
  bool ReadToken(CQelString& tagName, CQelString& attribText, CQelString& text);
  // True when the tokens ended early because the document is malformed or too large.
  bool HasFailed() const noexcept { return m_bFailed; }
  // The encoding the file was recognised in: UTF-8 (with or without byte-order mark, when no
  // other encoding is declared) or UTF-16 (either byte order, with or without mark). Both are
  // false before a successful DoInitialize and for other declared encodings (ISO-8859-1,
  // US-ASCII).
  bool IsUTF8() const noexcept { return m_bUtf8; }
  bool IsUTF16() const noexcept { return m_bUtf16; }

  // The value of attribute name in attribText (as ReadToken gives it, or any text of
  // name="value" / name='value' pairs, e.g. an element's text), with the five predefined
  // entities and numeric character references resolved. Names match exactly and wholly. Empty
  // when absent or when the text around it is broken (no '=' or no closing quote).
  static CQelString ReadAttrib(const CQelString& attribText, const CQelString& name);

  // Writers. Names are written as given; callers pass valid XML names.
  // "<name>" (leaveOpen false) or "<name" (leaveOpen true; add FormAttrib pairs, then ">" or "/>").
  static CQelString OpenTag(const CQelString& name, bool leaveOpen = false);
  // "</name>".
  static CQelString CloseTag(const CQelString& name);
  // ` name="value"` with a leading blank; & < > " ' are written as entities and tab, LF and CR
  // as character references, so that the value survives attribute normalisation unchanged.
  static CQelString FormAttrib(const CQelString& name, const CQelString& value);
  // The tag of the given kind; OpenTag and CloseTag are its shorthands.
  static CQelString TagTypeFlag(const CQelString& name, ETagType type);

 protected:
  // Data source for DoInitialize: when set and open it replaces the path. Not owned.
  CTextFile* m_pTextFile = nullptr;

 private:
  struct Token {
    CQelString name;
    CQelString attribs;
    CQelString text;
  };
  friend class CXmlTokenSink;
  // Shared by copies: tokens are never changed after DoInitialize.
  std::shared_ptr<const std::vector<Token>> m_pTokens;
  size_t m_nNext = 0;
  bool m_bFailed = false;
  bool m_bUtf8 = false;
  bool m_bUtf16 = false;
};

class CXmlParser : public CXmlParserBase {
 public:
  // file: an optional text file, open for reading, that DoInitialize reads instead of the path;
  // the parser does not own it and the caller keeps it open until DoInitialize returned.
  explicit CXmlParser(CTextFile* file = nullptr) { m_pTextFile = file; }
  ~CXmlParser() override = default;
  CXmlParser(const CXmlParser&) = default;
  CXmlParser& operator=(const CXmlParser&) = default;
  CXmlParser(CXmlParser&&) = default;
  CXmlParser& operator=(CXmlParser&&) = default;

  QEL_DECLARE_SHARED_ALLOCATION()
};
