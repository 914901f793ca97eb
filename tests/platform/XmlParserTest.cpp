#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextFile.h"
#include "XmlParser.h"
#include "support/TestSupport.h"

namespace {

struct Tok {
  std::string name, attribs, text;
  bool operator==(const Tok& o) const { return name == o.name && attribs == o.attribs && text == o.text; }
};
void PrintTo(const Tok& t, std::ostream* os) {
  *os << "{" << t.name << " | " << t.attribs << " | " << t.text << "}";
}

std::string Utf8(const CQelString& s) {
  std::string out;
  qel_cp::Utf16ToEncoding("UTF-8", s, static_cast<size_t>(s.GetLength()), out);
  return out;
}

std::vector<Tok> AllTokens(CXmlParserBase& parser) {
  std::vector<Tok> out;
  CQelString name, attribs, text;
  while (parser.ReadToken(name, attribs, text)) out.push_back({Utf8(name), Utf8(attribs), Utf8(text)});
  return out;
}

class XmlParserTest : public ::testing::Test {
 protected:
  TempDir dir;
  int Init(const std::string& bytes, CXmlParser& parser) {
    dir.Write("doc.xml", bytes);
    return CXmlParserBase::DoInitialize(dir.WPath("doc.xml"), parser);
  }
};

const char kDoc[] =
    "<?xml version=\"1.0\"?>\n"
    "<!-- a comment -->\n"
    "<root version='1.6' name=\"a&amp;b\">\n"
    "  <item id=\"1\">Größe &lt;5&gt;</item>\n"
    "  <?pi ignored?>\n"
    "  <flag/>\n"
    "  <none x=\"y\" />\n"
    "  <pair></pair>\n"
    "  <mixed>one<child/>two</mixed>\n"
    "</root>\n";

const std::vector<Tok> kDocTokens = {
    {"root", "version=\"1.6\" name=\"a&amp;b\"", ""},
    {"item", "id=\"1\"", "Größe <5>"},
    {"/item", "id=\"1\"", "Größe <5>"},
    {"flag/", "", ""},
    {"none/", "x=\"y\"", ""},
    {"pair", "", ""},
    {"/pair", "", ""},
    {"mixed", "", "onetwo"},
    {"child/", "", ""},
    {"/mixed", "", "onetwo"},
    {"/root", "version=\"1.6\" name=\"a&amp;b\"", ""},
};

}  // namespace

TEST_F(XmlParserTest, TokensOfADocument) {
  CXmlParser parser;
  ASSERT_EQ(CXmlParserBase::XML_INIT_OK, Init(kDoc, parser));
  EXPECT_TRUE(parser.IsUTF8());
  EXPECT_FALSE(parser.IsUTF16());
  EXPECT_EQ(kDocTokens, AllTokens(parser));
  EXPECT_FALSE(parser.HasFailed());
  CQelString a, b, c;
  EXPECT_FALSE(parser.ReadToken(a, b, c));
}

TEST_F(XmlParserTest, SameTokensInEveryEncoding) {
  std::string body(kDoc + std::string(kDoc).find('\n') + 1);  // without the declaration
  const std::string decl16 = "<?xml version=\"1.0\" encoding=\"utf-16\"?>\n";
  struct Case {
    const char* label;
    std::string bytes;
    bool utf8, utf16;
  } cases[] = {
      {"UTF-8", body, true, false},
      {"UTF-8 with BOM", "\xEF\xBB\xBF" + std::string(kDoc), true, false},
      {"UTF-16LE with BOM", "\xFF\xFE" + TempDir::Utf16Bytes(decl16 + body, true), false, true},
      {"UTF-16BE with BOM", "\xFE\xFF" + TempDir::Utf16Bytes(decl16 + body, false), false, true},
      {"UTF-16LE without BOM", TempDir::Utf16Bytes(body, true), false, true},
      {"UTF-16BE without BOM", TempDir::Utf16Bytes(body, false), false, true},
      {"UTF-16LE, blank first", TempDir::Utf16Bytes("\n" + body, true), false, true},
      {"UTF-16LE declaring utf-8", TempDir::Utf16Bytes("<?xml version='1.0' encoding='utf-8'?>" + body, true),
       false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    CXmlParser parser;
    ASSERT_EQ(CXmlParserBase::XML_INIT_OK, Init(c.bytes, parser));
    EXPECT_EQ(c.utf8, parser.IsUTF8());
    EXPECT_EQ(c.utf16, parser.IsUTF16());
    EXPECT_EQ(kDocTokens, AllTokens(parser));
  }
}

TEST_F(XmlParserTest, OtherDeclaredEncodingIsReadButNotReportedAsUtf) {
  CXmlParser parser;
  ASSERT_EQ(CXmlParserBase::XML_INIT_OK, Init("<?xml version='1.0' encoding='ISO-8859-1'?><a>Gr\xF6\xDF"
                                              "e</a>",
                                              parser));
  EXPECT_FALSE(parser.IsUTF8());
  EXPECT_FALSE(parser.IsUTF16());
  std::vector<Tok> expected = {{"a", "", "Größe"}, {"/a", "", "Größe"}};
  EXPECT_EQ(expected, AllTokens(parser));
}

TEST_F(XmlParserTest, UnusableFilesAreRefused) {
  struct Case {
    const char* label;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"white space only", "  \n"},
      {"binary", std::string("\x7F"
                             "ELF\x02\x01\x01\x00\x00\x00\xFF\xFE\x00",
                             13)},
      {"plain text", "hello world"},
      {"declaration only", "<?xml version='1.0'?>"},
      {"comment only", "<!-- nothing -->"},
      {"cut inside the root tag", "<?xml version='1.0'?><roo"},
      {"cut inside an attribute", "<root a=\"1"},
      {"malformed before root", "<<root/>"},
      {"unknown encoding", "<?xml version='1.0' encoding='x-unknown-42'?><a/>"},
      {"document type", "<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>"},
      {"external document type", "<!DOCTYPE a SYSTEM \"/etc/passwd\"><a/>"},
      {"billion laughs",
       "<?xml version='1.0'?><!DOCTYPE l [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
       "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;\">]><l>&d;&d;&d;</l>"},
      {"UTF-32", std::string("\xFF\xFE\x00\x00<\x00\x00\x00"
                             "a\x00\x00\x00/\x00\x00\x00>\x00\x00\x00",
                             20)},
      {"odd UTF-16", std::string("<\x00"
                                 "a\x00/\x00>",
                                 7)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    CXmlParser parser;
    EXPECT_EQ(CXmlParserBase::XML_INIT_BAD_CONTENT, Init(c.bytes, parser));
    CQelString a, b, t;
    EXPECT_FALSE(parser.ReadToken(a, b, t));
  }
}

TEST_F(XmlParserTest, FilesThatCannotBeOpened) {
  CXmlParser parser;
  EXPECT_EQ(CXmlParserBase::XML_INIT_CANNOT_OPEN,
            CXmlParserBase::DoInitialize(dir.WPath("missing.xml"), parser));
  EXPECT_EQ(CXmlParserBase::XML_INIT_CANNOT_OPEN,
            CXmlParserBase::DoInitialize(TempDir::Wide(dir.Path()), parser));
  EXPECT_EQ(CXmlParserBase::XML_INIT_CANNOT_OPEN, CXmlParserBase::DoInitialize(CQelString(), parser));
}

TEST_F(XmlParserTest, FaultAfterTheRootStartedEndsTheTokens) {
  struct Case {
    const char* label;
    std::string bytes;
    std::vector<Tok> tokens;
  } cases[] = {
      {"truncated",
       "<root><a>x</a><b>cut",
       {{"root", "", ""}, {"a", "", "x"}, {"/a", "", "x"}, {"b", "", ""}}},
      {"mismatched end", "<root><a></b></root>", {{"root", "", ""}, {"a", "", ""}}},
      {"junk after the root", "<root/>junk", {{"root/", "", ""}}},
      {"second root", "<r></r><r/>", {{"r", "", ""}, {"/r", "", ""}}},
      {"undefined entity", "<root><a>&nbsp;</a></root>", {{"root", "", ""}, {"a", "", ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    CXmlParser parser;
    ASSERT_EQ(CXmlParserBase::XML_INIT_OK, Init(c.bytes, parser));
    EXPECT_EQ(c.tokens, AllTokens(parser));
    EXPECT_TRUE(parser.HasFailed());
  }
}

TEST_F(XmlParserTest, OversizedTextEndsTheTokens) {
  std::string bytes = "<root><small>s</small><big>";
  bytes += std::string((16u << 20) + 1, 'x');
  bytes += "</big></root>";
  CXmlParser parser;
  ASSERT_EQ(CXmlParserBase::XML_INIT_OK, Init(bytes, parser));
  std::vector<Tok> expected = {{"root", "", ""}, {"small", "", "s"}, {"/small", "", "s"}, {"big", "", ""}};
  EXPECT_EQ(expected, AllTokens(parser));
  EXPECT_TRUE(parser.HasFailed());
}

TEST_F(XmlParserTest, DeepNestingIsHandled) {
  std::string bytes;
  for (int i = 0; i < 5000; ++i) bytes += "<e>";
  for (int i = 0; i < 5000; ++i) bytes += "</e>";
  CXmlParser parser;
  ASSERT_EQ(CXmlParserBase::XML_INIT_OK, Init(bytes, parser));
  EXPECT_EQ(10000u, AllTokens(parser).size());
  EXPECT_FALSE(parser.HasFailed());
}

TEST_F(XmlParserTest, CopiesReadOnIndependently) {
  CXmlParser parser;
  ASSERT_EQ(CXmlParserBase::XML_INIT_OK, Init(kDoc, parser));
  CQelString n, a, t;
  ASSERT_TRUE(parser.ReadToken(n, a, t));
  CXmlParser copy(parser);
  EXPECT_EQ(std::vector<Tok>(kDocTokens.begin() + 1, kDocTokens.end()), AllTokens(parser));
  EXPECT_EQ(std::vector<Tok>(kDocTokens.begin() + 1, kDocTokens.end()), AllTokens(copy));
  CXmlParser assigned;
  assigned = copy;
  EXPECT_FALSE(assigned.ReadToken(n, a, t));
}

TEST_F(XmlParserTest, ReadsFromAGivenTextFile) {
  dir.Write("doc.xml", kDoc);
  CTextFile file;
  ASSERT_TRUE(file.OpenRead(dir.WPath("doc.xml")));
  CXmlParser parser(&file);
  ASSERT_EQ(CXmlParserBase::XML_INIT_OK, CXmlParserBase::DoInitialize(dir.WPath("not-used.xml"), parser));
  EXPECT_EQ(kDocTokens, AllTokens(parser));
}

TEST(XmlWriters, RenderTags) {
  EXPECT_EQ(CQelString(u"<IEFormats>"), CXmlParserBase::OpenTag(u"IEFormats"));
  EXPECT_EQ(CQelString(u"<IEFormat"), CXmlParserBase::OpenTag(u"IEFormat", true));
  EXPECT_EQ(CQelString(u"</IEFormat>"), CXmlParserBase::CloseTag(u"IEFormat"));
  EXPECT_EQ(CQelString(u"<METERS/>"), CXmlParserBase::TagTypeFlag(u"METERS", CXmlParserBase::TAG_EMPTY));
  EXPECT_EQ(CQelString(u"<a>"), CXmlParserBase::TagTypeFlag(u"a", CXmlParserBase::TAG_START));
  EXPECT_EQ(CQelString(u" v=\"a&amp;&lt;&gt;&quot;&apos;&#9;&#10;&#13;\""),
            CXmlParserBase::FormAttrib(u"v", u"a&<>\"'\t\n\r"));
}

// What the writers render, ReadToken and ReadAttrib give back unchanged, in both encodings.
TEST_F(XmlParserTest, WrittenAttributesReadBackUnchanged) {
  const char16_t* values[] = {
      u"",
      u"plain",
      u"a & b < c > d",
      u"\"double\" and 'single'",
      u"line one\nline two\r\nthree\tfour",
      u"  leading and trailing  ",
      u"&amp; is not an entity here; nor &#65;",
      u"]]> and <!-- -->",
      u"Größe, Ångström, 測量",
      u"pin \U0001F4CD and \U0001F600",
      u"x=\"y\" z='w'",
  };
  for (CTextFile::EEncoding encoding : {CTextFile::ENCODING_UTF16LE, CTextFile::ENCODING_UTF8}) {
    SCOPED_TRACE(encoding);
    CTextFile out;
    ASSERT_TRUE(out.Create(dir.WPath("round.xml"), encoding));
    out.WriteLine(u"<?xml version=\"1.0\" encoding=\"" +
                  CQelString(encoding == CTextFile::ENCODING_UTF8 ? u"utf-8" : u"utf-16") + u"\"?>");
    out.WriteLine(CXmlParserBase::OpenTag(u"root"));
    for (const char16_t* v : values) {
      out.WriteLine(CXmlParserBase::OpenTag(u"item", true) + CXmlParserBase::FormAttrib(u"value", v) +
                    CXmlParserBase::FormAttrib(u"other", u"o") + u"/>");
    }
    out.Write(CXmlParserBase::TagTypeFlag(u"empty", CXmlParserBase::TAG_EMPTY));
    out.WriteLine(CXmlParserBase::CloseTag(u"root"));
    ASSERT_TRUE(out.Close());

    CXmlParser parser;
    ASSERT_EQ(CXmlParserBase::XML_INIT_OK, CXmlParserBase::DoInitialize(dir.WPath("round.xml"), parser));
    EXPECT_EQ(encoding == CTextFile::ENCODING_UTF16LE, parser.IsUTF16());
    CQelString name, attribs, text;
    ASSERT_TRUE(parser.ReadToken(name, attribs, text));
    EXPECT_EQ(CQelString(u"root"), name);
    for (const char16_t* v : values) {
      ASSERT_TRUE(parser.ReadToken(name, attribs, text));
      EXPECT_EQ(CQelString(u"item/"), name);
      EXPECT_EQ(CQelString(v), CXmlParserBase::ReadAttrib(attribs, u"value"));
      EXPECT_EQ(CQelString(u"o"), CXmlParserBase::ReadAttrib(attribs, u"other"));
    }
    ASSERT_TRUE(parser.ReadToken(name, attribs, text));
    EXPECT_EQ(CQelString(u"empty/"), name);
    ASSERT_TRUE(parser.ReadToken(name, attribs, text));
    EXPECT_EQ(CQelString(u"/root"), name);
    EXPECT_FALSE(parser.ReadToken(name, attribs, text));
    EXPECT_FALSE(parser.HasFailed());
  }
}

TEST_F(XmlParserTest, CharactersXmlCannotHoldAreReplacedSoTheFileStaysReadable) {
  CTextFile out;
  ASSERT_TRUE(out.Create(dir.WPath("ctl.xml"), CTextFile::ENCODING_UTF16LE));
  const unsigned short raw[] = {'a', 0x01, 'b', 0xD800, 'c', 0xFFFF, 0};
  out.Write(CXmlParserBase::OpenTag(u"r", true) + CXmlParserBase::FormAttrib(u"v", CQelString(raw)) + u"/>");
  ASSERT_TRUE(out.Close());
  CXmlParser parser;
  ASSERT_EQ(CXmlParserBase::XML_INIT_OK, CXmlParserBase::DoInitialize(dir.WPath("ctl.xml"), parser));
  CQelString name, attribs, text;
  ASSERT_TRUE(parser.ReadToken(name, attribs, text));
  EXPECT_EQ(CQelString(u"a\uFFFDb\uFFFDc\uFFFD"), CXmlParserBase::ReadAttrib(attribs, u"v"));
}

TEST(XmlReadAttrib, FindsValuesInAttributeAndElementText) {
  struct Case {
    const char16_t* text;
    const char16_t* name;
    const char16_t* expected;
  } cases[] = {
      {u"Name=\"A\" X=\"1.5\" Y=\"2\"", u"X", u"1.5"},
      {u"SigX=\"9\" X=\"1\"", u"X", u"1"},
      {u"SigX=\"9\"", u"X", u""},
      {u"X = '7'  Y='8'", u"Y", u"8"},
      {u"a=\"Y='no'\" Y=\"yes\"", u"Y", u"yes"},
      {u"Name=\"x\"", u"name", u""},
      {u"", u"X", u""},
      {u"word X=\"1\"", u"X", u"1"},
      {u"X=1 Y=\"2\"", u"Y", u"2"},
      {u"X=\"unterminated", u"X", u""},
      {u"Y=\"1\" X=\"open", u"Y", u"1"},
      {u"v=\"&lt;&amp;&gt;&quot;&apos;\"", u"v", u"<&>\"'"},
      {u"v=\"&#65;&#x42;&#x1F4CD;\"", u"v", u"AB\U0001F4CD"},
      {u"v=\"&#0; &#xD800; &bogus; &#x110000; & ;\"", u"v", u"&#0; &#xD800; &bogus; &#x110000; & ;"},
      {u"v=\"&amp;amp;\"", u"v", u"&amp;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(CQelString(c.text)));
    EXPECT_EQ(CQelString(c.expected), CXmlParserBase::ReadAttrib(c.text, c.name));
  }
}
