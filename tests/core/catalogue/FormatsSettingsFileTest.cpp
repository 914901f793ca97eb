// The formats settings file: what is written, what is read back, and when the file is replaced.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CatalogueTestSupport.h"
#include "detail/IEDefaultCatalogue.h"
#include "detail/IEFormatsSettingsFile.h"

namespace {

using C = CIECommonType;
using F = CIEFormat;
using IEKeywords::CollectMask;

// Formats owned by a test.
struct TFormats {
  qel_templ::CQelArray<CIEFormat*> items;
  TFormats() = default;
  TFormats(const TFormats&) = delete;
  TFormats& operator=(const TFormats&) = delete;
  TFormats(TFormats&&) = delete;
  TFormats& operator=(TFormats&&) = delete;
  ~TFormats() {
    for (CIEFormat* format : items) delete format;
  }
};

void ExpectSameFormat(const CIEFormat& expected, const CIEFormat& actual, int row) {
  EXPECT_EQ(expected.GetGUID(), actual.GetGUID()) << row;
  EXPECT_EQ(expected.GetName(), actual.GetName()) << row;
  EXPECT_EQ(expected.GetDataDirections(), actual.GetDataDirections()) << row;
  EXPECT_EQ(expected.GetDLLName(true), actual.GetDLLName(true)) << row;
  EXPECT_EQ(expected.GetDLLName(false), actual.GetDLLName(false)) << row;
  EXPECT_EQ(expected.GetTitle(), actual.GetTitle()) << row;
  EXPECT_EQ(expected.GetExtension(false), actual.GetExtension(false)) << row;
  EXPECT_EQ(expected.GetFilterExtension(), actual.GetFilterExtension()) << row;
  for (int kind = 0; kind < IEKeywords::MASK_KIND_COUNT; ++kind)
    EXPECT_EQ(CollectMask(expected, static_cast<IEKeywords::EMaskKind>(kind)),
              CollectMask(actual, static_cast<IEKeywords::EMaskKind>(kind)))
        << row << " mask " << kind;
  EXPECT_EQ(expected.AreDistUnitsUsed(), actual.AreDistUnitsUsed()) << row;
  EXPECT_EQ(expected.AreAngleUnitsUsed(), actual.AreAngleUnitsUsed()) << row;
}

// Writes formats, switches the file on and reads it back.
void RoundTrip(const TempDir& dir, const qel_templ::CQelArray<CIEFormat*>& written, TFormats& read) {
  ASSERT_TRUE(IEFormatsSettingsFile::Store(dir.WPath("s.xml"), written));
  std::u16string text = ReadUtf16File(dir, "s.xml");
  ReplaceFirst(text, u"useDataFromFile=\"false\"", u"useDataFromFile=\"true\"");
  WriteUtf16File(dir, "s.xml", text);
  bool rewrite = true;
  ASSERT_TRUE(IEFormatsSettingsFile::Load(dir.WPath("s.xml"), read.items, rewrite));
  EXPECT_FALSE(rewrite);
}

TEST(FormatsSettingsFile, DefaultsRoundTrip) {
  TempDir dir;
  TFormats defaults, read;
  IEDefaultCatalogue::AppendFormats(defaults.items);
  RoundTrip(dir, defaults.items, read);
  ASSERT_EQ(111, read.items.GetSize());
  for (int i = 0; i < 111; ++i) ExpectSameFormat(*defaults.items[i], *read.items[i], i);
}

TEST(FormatsSettingsFile, WhatIsWritten) {
  TempDir dir;
  TFormats defaults;
  IEDefaultCatalogue::AppendFormats(defaults.items);
  ASSERT_TRUE(IEFormatsSettingsFile::Store(dir.WPath("s.xml"), defaults.items));
  const std::string bytes = dir.Read("s.xml");
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(std::string("\xFF\xFE<\0", 4), bytes.substr(0, 4));
  const std::u16string text = ReadUtf16File(dir, "s.xml");
  EXPECT_EQ(
      0u,
      text.find(u"<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n"
                u"<IEFormatsData version=\"1.6\" useDataFromFile=\"false\" numberOfFormats=\"111\">\r\n"));
  // Attributes of a format in their order, the start tag ended by CR LF.
  EXPECT_NE(
      std::u16string::npos,
      text.find(
          u"<IEFormat guid=\"{79241EB7-2DDB-4FBF-A677-8E0DB4DF8204}\" name=\"ESRI Shape (*.shp)\" "
          u"directionType=\"ImportExport\" importDLL=\"shapeplug\" exportDLL=\"shapeplug\" "
          u"titleForVerticalScreen=\"SHP\" extension=\".shp\" filterExtension=\"SHP Files (*.shp)|\">\r\n"));
  EXPECT_NE(std::u16string::npos,
            text.find(u"directionType=\"Import\" importDLL=\"stdreaders\" exportDLL=\"\""));
  EXPECT_NE(std::u16string::npos,
            text.find(u"directionType=\"Export\" importDLL=\"\" exportDLL=\"stdwriters\""));
  // Row 30 has no extension and depends on no unit: both unit sections say so and stay empty.
  const size_t row30 = text.find(u"{E61D009F-1968-4B92-80C2-CF2559B7E614}");
  ASSERT_NE(std::u16string::npos, row30);
  const std::u16string format30 = text.substr(row30, text.find(u"</IEFormat>", row30) - row30);
  EXPECT_NE(std::u16string::npos, format30.find(u"extension=\"\" filterExtension=\"\""));
  const size_t dist = format30.find(u"<DistanceUnits used=\"false\">\r\n");
  const size_t angle = format30.find(u"<AngeUnits used=\"false\">\r\n");
  ASSERT_NE(std::u16string::npos, dist);
  ASSERT_NE(std::u16string::npos, angle);
  EXPECT_EQ(std::u16string::npos, format30.substr(dist, format30.find(u"<Parameters>") - dist).find(u"/>"));
  // Sections in their order, keywords in value order.
  const size_t row0 = text.find(u"{35A07CA2-548D-43A6-8DCA-6282A6E20A3E}");
  const std::u16string sections[] = {u"<Configurations>",
                                     u"<REGULAR/>",
                                     u"<CONTRACTOR/>",
                                     u"</Configurations>",
                                     u"<UsingModes>",
                                     u"<DataTypes>",
                                     u"<POINTS/>",
                                     u"<MULTIPLE/>",
                                     u"<DistanceUnits used=\"true\">\r\n",
                                     u"<ANY_UNITS/>",
                                     u"<AngeUnits used=\"false\">",
                                     u"<Parameters>",
                                     u"<PTL_SIGN_IN_POINT_NAME_EXP/>",
                                     u"</Parameters>",
                                     u"</IEFormat>"};
  size_t at = row0;
  for (const auto& piece : sections) {
    const size_t next = text.find(piece, at);
    ASSERT_NE(std::u16string::npos, next) << testing::PrintToString(CQelString(piece.c_str()));
    at = next;
  }
  EXPECT_NE(std::u16string::npos, text.find(u"</IEFormats>", at));
}

TEST(FormatsSettingsFile, MasksAndTextsRoundTrip) {
  TempDir dir;
  TFormats written, read;
  _GUID guid{};
  ASSERT_TRUE(GuidFromString(u"{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}", guid));
  // Bits without a keyword (parameter 50, angle bit 10, data type 30) are not written.
  const TIEMask parameters =
      Bits(F::PHOTO_NOTES, F::XSECTIONS_SLOPES_ARE_STORED_SEPARATELY_IMP) | IEUtils::ToFlag(50);
  written.items.Add(
      new CIEFormat(guid, u"Quotes \"&\" <angles> 'and' \u00e9\u4e2d\tTab", C::DIRECTION_EXPORT, u"writer",
                    u"", u"T&T", u"abc", u"A (*.abc)| B (*.b)|", Bits(C::CONTRACTOR),
                    Bits(C::ONBOARD_WITH_SCANNING), Bits(STAKE_REPORTS, MULTIPLE) | IEUtils::ToFlag(30),
                    Bits(EDIST_UNITS::LIGHT_YEARS, EDIST_UNITS::PARSECS), IEUtils::ToFlag(10), parameters));
  RoundTrip(dir, written.items, read);
  ASSERT_EQ(1, read.items.GetSize());
  const CIEFormat& format = *read.items[0];
  EXPECT_EQ(guid, format.GetGUID());
  EXPECT_EQ(u"Quotes \"&\" <angles> 'and' \u00e9\u4e2d\tTab", format.GetName());
  EXPECT_EQ(u"T&T", format.GetTitle());
  EXPECT_EQ(u"abc", format.GetExtension(false));
  EXPECT_EQ(u"A (*.abc)| B (*.b)|", format.GetFilterExtension());
  EXPECT_EQ(u"", format.GetDLLName(false));
  EXPECT_EQ(C::DIRECTION_EXPORT, format.GetDataDirections());
  EXPECT_TRUE(format.IsUsingModeApplied(C::ONBOARD_WITH_SCANNING));
  EXPECT_EQ(Bits(STAKE_REPORTS, MULTIPLE), CollectMask(format, IEKeywords::MASK_DATA_TYPES));
  EXPECT_FALSE(format.IsDataTypeSupported(static_cast<EIEDataType>(30)));
  EXPECT_TRUE(format.IsDistUnitsTypeSupported(static_cast<EDIST_UNITS>(24)));
  EXPECT_TRUE(format.IsDistUnitsTypeSupported(static_cast<EDIST_UNITS>(25)));
  EXPECT_EQ(Bits(EDIST_UNITS::LIGHT_YEARS, EDIST_UNITS::PARSECS),
            CollectMask(format, IEKeywords::MASK_DISTANCE_UNITS));
  EXPECT_FALSE(format.AreAngleUnitsUsed());
  EXPECT_FALSE(format.IsParameterSupported(static_cast<F::EParameterName>(50)));
  EXPECT_EQ(parameters & ~IEUtils::ToFlag(50), CollectMask(format, IEKeywords::MASK_PARAMETERS));
}

// Edits a default settings file and reads it: the formats that result, and whether the loader
// asks for the file to be replaced.
TEST(FormatsSettingsFile, ReadingEditedFiles) {
  TempDir dir;
  TFormats defaults;
  IEDefaultCatalogue::AppendFormats(defaults.items);
  ASSERT_TRUE(IEFormatsSettingsFile::Store(dir.WPath("defaults.xml"), defaults.items));
  std::u16string on = ReadUtf16File(dir, "defaults.xml");
  ReplaceFirst(on, u"useDataFromFile=\"false\"", u"useDataFromFile=\"true\"");
  const std::u16string row1 = Std(defaults.items[1]->GetGUIDAsString());
  const std::u16string row2 = Std(defaults.items[2]->GetGUIDAsString());
  std::u16string row2Lower = row2;
  for (char16_t& c : row2Lower)
    if (c >= u'A' && c <= u'F') c = static_cast<char16_t>(c - u'A' + u'a');

  using Edits = std::vector<std::pair<std::u16string, std::u16string>>;
  const struct {
    const char* label;
    Edits edits;
    int formats;  // loaded formats; 0: none, the defaults are used
    bool rewrite;
    bool everyOccurrence;
  } cases[] = {
      {"switched on", {}, 111, false, false},
      {"version 2.0", {{u"version=\"1.6\" use", u"version=\"2.0\" use"}}, 111, false, false},
      {"version 1.60", {{u"version=\"1.6\" use", u"version=\"1.60\" use"}}, 111, false, false},
      {"version 1.5", {{u"version=\"1.6\" use", u"version=\"1.5\" use"}}, 0, true, false},
      {"version 1.10", {{u"version=\"1.6\" use", u"version=\"1.10\" use"}}, 0, true, false},
      {"version empty", {{u"version=\"1.6\" use", u"version=\"\" use"}}, 0, true, false},
      {"version missing", {{u"version=\"1.6\" use", u"use"}}, 0, true, false},
      {"version not a number", {{u"version=\"1.6\" use", u"version=\"nan\" use"}}, 0, true, false},
      {"switched off", {{u"useDataFromFile=\"true\"", u"useDataFromFile=\"false\""}}, 0, false, false},
      {"switch in other case", {{u"useDataFromFile=\"true\"", u"useDataFromFile=\"True\""}}, 0, false, false},
      {"switch missing", {{u"useDataFromFile=\"true\"", u""}}, 0, false, false},
      {"lower-case GUID", {{row2, row2Lower}}, 111, false, false},
      {"bad GUID dropped", {{row1, u"{not-a-guid}"}}, 110, false, false},
      {"GUID missing", {{u"guid=\"" + row1, u"guid2=\"" + row1}}, 110, false, false},
      {"root misnamed",
       {{u"<IEFormatsData ", u"<IEFormatData "}, {u"</IEFormatsData>", u"</IEFormatData>"}},
       0,
       true,
       false},
      {"formats outside IEFormats",
       {{u"<IEFormats>", u"<Other/><IEFormatz>"}, {u"</IEFormats>", u"</IEFormatz>"}},
       0,
       true,
       false},
      {"every GUID missing", {{u"guid=", u"gid="}}, 0, true, true},
  };
  for (const auto& c : cases) {
    std::u16string text = on;
    for (const auto& edit : c.edits) {
      ReplaceFirst(text, edit.first, edit.second);
      for (size_t at = text.find(edit.first); c.everyOccurrence && at != std::u16string::npos;
           at = text.find(edit.first))
        text.replace(at, edit.first.size(), edit.second);
    }
    WriteUtf16File(dir, "s.xml", text);
    TFormats read;
    bool rewrite = !c.rewrite;
    const bool loaded = IEFormatsSettingsFile::Load(dir.WPath("s.xml"), read.items, rewrite);
    EXPECT_EQ(c.formats > 0, loaded) << c.label;
    EXPECT_EQ(c.formats, read.items.GetSize()) << c.label;
    EXPECT_EQ(c.rewrite, rewrite) << c.label;
  }
}

TEST(FormatsSettingsFile, AttributesReadLeniently) {
  TempDir dir;
  const struct {
    const char16_t* direction;
    C::EDataDirections expected;
  } directions[] = {
      {u"Import", C::DIRECTION_IMPORT},
      {u"IMPORT", C::DIRECTION_IMPORT},
      {u"export", C::DIRECTION_EXPORT},
      {u"eXpOrT", C::DIRECTION_EXPORT},
      {u"ImportExport", C::DIRECTION_IMPORT_EXPORT},
      {u"Both", C::DIRECTION_IMPORT_EXPORT},
      {u"", C::DIRECTION_IMPORT_EXPORT},
      {u" Export", C::DIRECTION_IMPORT_EXPORT},
  };
  for (const auto& d : directions) {
    // A hand-written file: UTF-8 without declaration, a missing extension attribute here and there,
    // unknown elements and keywords, keywords in section end tags.
    const std::string text =
        "<?xml version=\"1.0\"?>\n<Settings><IEFormatsData useDataFromFile=\"true\" version=\"1.6\">\n"
        "<Unknown/><IEFormats><Comment>x</Comment>\n"
        "<IEFormat guid=\"{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}\" directionType=\"" +
        Std8(d.direction) +
        "\" extension=\"..dat\">\n"
        "<Configurations><REGULAR/><regular/><NOPE/><JAPAN></JAPAN></Configurations>\n"
        "<DataTypes><LINES/><POINTS/><Configurations/></DataTypes><Parameters used=\"true\"/>\n"
        "<DistanceUnits used=\"false\"><PARSECS/></DistanceUnits>\n"
        "<Configurations><CONTRACTOR/></Configurations>\n"
        "</IEFormat>\n"
        "<IEFormat guid=\"{1F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}\" extension=\"dat\"></IEFormat>\n"
        "</IEFormats></IEFormatsData></Settings>\n";
    dir.Write("s.xml", text);
    TFormats read;
    bool rewrite = true;
    ASSERT_TRUE(IEFormatsSettingsFile::Load(dir.WPath("s.xml"), read.items, rewrite));
    ASSERT_EQ(2, read.items.GetSize());
    const CIEFormat& format = *read.items[0];
    EXPECT_EQ(d.expected, format.GetDataDirections()) << Std8(d.direction);
    EXPECT_EQ(u"", format.GetName());
    EXPECT_EQ(u".dat", format.GetExtension(false));
    // A section that comes twice adds to the mask.
    EXPECT_EQ(Bits(C::REGULAR, C::JAPAN, C::CONTRACTOR),
              CollectMask(format, IEKeywords::MASK_CONFIGURATIONS));
    EXPECT_EQ(Bits(POINTS, LINES), CollectMask(format, IEKeywords::MASK_DATA_TYPES));
    // The mask alone says whether units are used, not the attribute.
    EXPECT_TRUE(format.AreDistUnitsUsed());
    EXPECT_EQ(0u, CollectMask(format, IEKeywords::MASK_PARAMETERS));
    EXPECT_EQ(u"dat", read.items[1]->GetExtension(false));
  }
}

// The wrapper's outcomes as job results; the out-argument changes only on success.
TEST(IEXMLParser, InitializeReportsWhatHappened) {
  TempDir dir;
  dir.Write("good.xml", "<a><b/></a>");
  dir.Write("bad.xml", "not xml");
  const struct {
    const char* name;
    EIEResult expected;
  } cases[] = {
      {"missing.xml", IE_RESULT_CANNOT_OPEN}, {"bad.xml", IE_RESULT_BAD_FILE}, {"good.xml", IE_RESULT_OK}};
  for (const auto& c : cases) {
    CIEXMLParser* const untouched = reinterpret_cast<CIEXMLParser*>(&dir);
    CIEXMLParser* parser = untouched;
    EXPECT_EQ(c.expected, CIEXMLParser::Initialize(dir.WPath(c.name), parser)) << c.name;
    if (c.expected != IE_RESULT_OK) {
      EXPECT_EQ(untouched, parser) << c.name;
      continue;
    }
    std::unique_ptr<CIEXMLParser> owned(parser);
    CQelString tag, attributes, text;
    ASSERT_TRUE(owned->ReadToken(tag, attributes, text));
    EXPECT_EQ(u"a", tag);
    EXPECT_TRUE(owned->IsUTF8());
  }
}

}  // namespace
