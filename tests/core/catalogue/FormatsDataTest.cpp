// The catalogue instance and its settings file: when the file is read, written or left alone, and
// what bad files and unwritable places do.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CatalogueTestSupport.h"

namespace {

class FormatsDataFile : public FreshCatalogue {
 protected:
  TempDir m_dir;

  const CIEFormatsData& Start(const std::string& name = "s.xml") {
    IntializeIEFormatsDataFromFile(m_dir.WPath(name));
    return GetIEFormatsData();
  }
  static int FormatCount(const CIEFormatsData& catalogue) {
    int count = 0;
    while (catalogue.GetFormatByInd(static_cast<unsigned>(count))) ++count;
    return count;
  }
  // The bytes of the file that a first start writes.
  std::string DefaultFileBytes() {
    TempDir other;
    CIEFormatsDataInstance::Destroy();
    IntializeIEFormatsDataFromFile(other.WPath("d.xml"));
    CIEFormatsDataInstance::Destroy();
    return other.Read("d.xml");
  }
};

TEST_F(FormatsDataFile, FirstStartWritesTheDefaults) {
  const CIEFormatsData& catalogue = Start();
  EXPECT_EQ(111, FormatCount(catalogue));
  ASSERT_TRUE(m_dir.Exists("s.xml"));
  const std::u16string text = ReadUtf16File(m_dir, "s.xml");
  EXPECT_NE(std::u16string::npos, text.find(u"useDataFromFile=\"false\" numberOfFormats=\"111\""));
}

TEST_F(FormatsDataFile, SwitchedOnFileReplacesTheFormats) {
  Start();
  CIEFormatsDataInstance::Destroy();
  std::u16string text = ReadUtf16File(m_dir, "s.xml");
  SwitchOnWithoutFirstFormat(text);
  WriteUtf16File(m_dir, "s.xml", text);
  const std::string edited = m_dir.Read("s.xml");

  const CIEFormatsData& catalogue = Start();
  EXPECT_EQ(110, FormatCount(catalogue));
  EXPECT_EQ(u"Text Custom Report (*.txt)", catalogue.GetFormatByInd(0)->GetName());
  EXPECT_EQ(edited, m_dir.Read("s.xml"));
  // The data types never come from the file.
  EXPECT_NE(nullptr, catalogue.GetDataTypeById(MULTIPLE));
}

TEST_F(FormatsDataFile, SwitchedOffFileIsIgnoredAndKept) {
  Start();
  CIEFormatsDataInstance::Destroy();
  std::u16string text = ReadUtf16File(m_dir, "s.xml");
  ReplaceFirst(text, u"name=\"Varnel Text Custom (*.txt)\"", u"name=\"Edited\"");
  WriteUtf16File(m_dir, "s.xml", text);
  const std::string edited = m_dir.Read("s.xml");

  const CIEFormatsData& catalogue = Start();
  EXPECT_EQ(111, FormatCount(catalogue));
  EXPECT_EQ(u"Varnel Text Custom (*.txt)", catalogue.GetFormatByInd(0)->GetName());
  EXPECT_EQ(edited, m_dir.Read("s.xml"));
}

// Files that cannot be used give the defaults and are replaced by them.
TEST_F(FormatsDataFile, UnusableFilesAreReplaced) {
  const std::string defaults = DefaultFileBytes();
  ASSERT_FALSE(defaults.empty());
  std::u16string on = Utf16FileText(defaults);
  ReplaceFirst(on, u"useDataFromFile=\"false\"", u"useDataFromFile=\"true\"");
  const std::string onBytes = Utf16FileBytes(on);
  std::u16string outdated = on;
  ReplaceFirst(outdated, u"version=\"1.6\"", u"version=\"1.5\"");
  std::string utf32 = std::string("\xFF\xFE\0\0", 4);
  for (char c : std::string("<?xml version=\"1.0\"?><IEFormatsData version=\"1.6\" "
                            "useDataFromFile=\"false\"></IEFormatsData>"))
    utf32 += std::string(1, c) + std::string(3, '\0');

  const struct {
    const char* label;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"byte-order mark only", "\xFF\xFE"},
      {"truncated, switched on", onBytes.substr(0, onBytes.size() / 2)},
      {"truncated inside a character", onBytes.substr(0, 4001)},
      {"truncated, switched off", defaults.substr(0, defaults.size() - 40)},
      {"not XML", "this is not a settings file\n"},
      {"binary", std::string("\x00\x01\x02\xFF\xFE\x00", 6)},
      {"another encoding",
       "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
       "<IEFormatsData version=\"1.6\" useDataFromFile=\"false\"></IEFormatsData>\n"},
      {"UTF-32", utf32},
      {"document type declaration",
       "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY a \"b\">]>"
       "<IEFormatsData version=\"1.6\" useDataFromFile=\"false\"></IEFormatsData>"},
      {"outdated, switched on", Utf16FileBytes(outdated)},
  };
  for (const auto& c : cases) {
    m_dir.Write("s.xml", c.bytes);
    EXPECT_EQ(111, FormatCount(Start())) << c.label;
    EXPECT_EQ(defaults, m_dir.Read("s.xml")) << c.label;
    CIEFormatsDataInstance::Destroy();
  }
}

TEST_F(FormatsDataFile, UnwritablePlaceLeavesTheCatalogueComplete) {
  m_dir.Write("file", "x");
  // A folder that cannot exist: its parent is a file.
  const CIEFormatsData& catalogue = Start("file/s.xml");
  EXPECT_EQ(111, FormatCount(catalogue));
  EXPECT_EQ(20u, [&] {
    qel_templ::CQelArray<const CIEDataType*> types;
    catalogue.GetDataTypes(types, static_cast<CIECommonType::EDataDirections>(3), 0, 3);
    return static_cast<unsigned>(types.GetSize());
  }());
}

TEST_F(FormatsDataFile, OnlyTheFirstCallCreatesTheCatalogue) {
  const CIEFormatsData& first = GetIEFormatsData();
  IntializeIEFormatsDataFromFile(m_dir.WPath("s.xml"));
  EXPECT_EQ(&first, &GetIEFormatsData());
  EXPECT_FALSE(m_dir.Exists("s.xml"));

  // After the clean-up the next call builds a new catalogue, this time with its file.
  CIEFormatsDataInstance::Destroy();
  IntializeIEFormatsDataFromFile(m_dir.WPath("s.xml"));
  EXPECT_TRUE(m_dir.Exists("s.xml"));
  IntializeIEFormatsDataFromFile(m_dir.WPath("other.xml"));
  EXPECT_FALSE(m_dir.Exists("other.xml"));
}

}  // namespace
