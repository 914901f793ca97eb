#include <gtest/gtest.h>

#include <memory>

#include "CatalogueTestSupport.h"

namespace {

using C = CIECommonType;
using F = CIEFormat;

_GUID Guid(const char16_t* text) {
  _GUID guid{};
  EXPECT_TRUE(GuidFromString(text, guid)) << "bad GUID in test";
  return guid;
}

std::unique_ptr<CIEFormat> MakeFormat(C::EDataDirections direction, TIEMask configurations,
                                      TIEMask usingModes, const char16_t* extension = u"txt",
                                      TIEMask angleUnits = 0) {
  return std::unique_ptr<CIEFormat>(new CIEFormat(
      Guid(u"{35a07CA2-548D-43a6-8DCA-6282A6E20A3E}"), u"Sample (*.txt)", direction, u"writer", u"reader",
      u"SMP", extension, u"Text Files (*.txt)|", configurations, usingModes, Bits(POINTS, MULTIPLE),
      Bits(EDIST_UNITS::METERS, EDIST_UNITS::PARSECS), angleUnits, Bits(F::MULTIPLE_FILES_EXP)));
}

TEST(FormatDescriptor, Getters) {
  auto format = MakeFormat(C::DIRECTION_EXPORT, Bits(C::REGULAR), 0);
  EXPECT_EQ(u"Sample (*.txt)", format->GetName());
  EXPECT_EQ(C::DIRECTION_EXPORT, format->GetDataDirections());
  EXPECT_EQ(u"writer", format->GetDLLName(true));
  EXPECT_EQ(u"reader", format->GetDLLName(false));
  EXPECT_EQ(u"SMP", format->GetTitle());
  EXPECT_EQ(u"Text Files (*.txt)|", format->GetFilterExtension());
  EXPECT_EQ(u"txt", format->GetExtension(false));
  EXPECT_EQ(u".txt", format->GetExtension(true));
  EXPECT_TRUE(format->IsDataTypeSupported(MULTIPLE));
  EXPECT_FALSE(format->IsDataTypeSupported(LINES));
  EXPECT_TRUE(format->IsDistUnitsTypeSupported(EDIST_UNITS::PARSECS));
  EXPECT_FALSE(format->IsDistUnitsTypeSupported(EDIST_UNITS::ANY_UNITS));
  EXPECT_TRUE(format->IsParameterSupported(F::MULTIPLE_FILES_EXP));
  EXPECT_FALSE(format->IsParameterSupported(F::PHOTO_NOTES));
  EXPECT_TRUE(format->AreDistUnitsUsed());
  EXPECT_FALSE(format->AreAngleUnitsUsed());
  // A copy is a separate descriptor with the same content.
  CIEFormat copy(*format);
  EXPECT_EQ(format->GetGUID(), copy.GetGUID());
  EXPECT_EQ(format->GetExtension(true), copy.GetExtension(true));
}

TEST(FormatDescriptor, EmptyExtensionGetsNoDot) {
  auto format = MakeFormat(C::DIRECTION_IMPORT, 0, 0, u"");
  EXPECT_EQ(u"", format->GetExtension(true));
  EXPECT_EQ(u"", format->GetExtension(false));
}

TEST(FormatDescriptor, GuidTextIsUpperCaseRegistryForm) {
  auto format = MakeFormat(C::DIRECTION_IMPORT, 0, 0);
  EXPECT_EQ(u"{35A07CA2-548D-43A6-8DCA-6282A6E20A3E}", format->GetGUIDAsString());
}

TEST(FormatDescriptor, IsIdEqual) {
  auto format = MakeFormat(C::DIRECTION_IMPORT, 0, 0);
  const struct {
    const char16_t* text;
    bool equal;
  } cases[] = {
      {u"{35A07CA2-548D-43A6-8DCA-6282A6E20A3E}", true},  {u"{35a07ca2-548d-43a6-8dca-6282a6e20a3e}", true},
      {u"{35a07CA2-548d-43A6-8dCa-6282A6e20a3E}", true},  {u"{35A07CA2-548D-43A6-8DCA-6282A6E20A3F}", false},
      {u"35A07CA2-548D-43A6-8DCA-6282A6E20A3E", false},   {u"{35A07CA2-548D-43A6-8DCA-6282A6E20A3E}x", false},
      {u"{35A07CA2-548D-43A6-8DCA-6282A6E20A3}", false},  {u"{35A07CA2+548D-43A6-8DCA-6282A6E20A3E}", false},
      {u"{35A07CA2-548D-43A6-8DCA-6282A6E20AXE}", false}, {u"", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.equal, format->IsIdEqual(reinterpret_cast<const unsigned short*>(c.text)))
        << testing::PrintToString(CQelString(c.text));
  EXPECT_FALSE(format->IsIdEqual(nullptr));
}

TEST(FormatDescriptor, AngleMaskWithoutKnownUnit) {
  // Bit 10 stands for no angle unit: the format depends on angles but supports none of the six.
  auto format = MakeFormat(C::DIRECTION_IMPORT, 0, 0, u"txt", IEUtils::ToFlag(10));
  EXPECT_TRUE(format->AreAngleUnitsUsed());
  for (int unit = 0; unit < EANGLE_UNITS_COUNT; ++unit)
    EXPECT_FALSE(format->IsAngleUnitsTypeSupported(static_cast<EANGLE_UNITS>(unit))) << unit;
}

TEST(FormatDescriptor, CompareCommonData) {
  const auto any = static_cast<C::EDataDirections>(7);
  const struct {
    C::EDataDirections entryDirection;
    TIEMask entryConfigurations, entryModes;
    C::EDataDirections direction;
    TIEMask configurations, modes;
    bool offered;
  } cases[] = {
      // Direction.
      {C::DIRECTION_IMPORT, 0, 0, C::DIRECTION_IMPORT, 0, 0, true},
      {C::DIRECTION_IMPORT, 0, 0, C::DIRECTION_EXPORT, 0, 0, false},
      {C::DIRECTION_IMPORT, 0, 0, C::DIRECTION_IMPORT_EXPORT, 0, 0, false},
      {C::DIRECTION_EXPORT, 0, 0, C::DIRECTION_EXPORT, 0, 0, true},
      {C::DIRECTION_EXPORT, 0, 0, C::DIRECTION_IMPORT, 0, 0, false},
      {C::DIRECTION_IMPORT_EXPORT, 0, 0, C::DIRECTION_IMPORT, 0, 0, true},
      {C::DIRECTION_IMPORT_EXPORT, 0, 0, C::DIRECTION_EXPORT, 0, 0, true},
      {C::DIRECTION_IMPORT_EXPORT, 0, 0, C::DIRECTION_IMPORT_EXPORT, 0, 0, true},
      {C::DIRECTION_IMPORT, 0, 0, any, 0, 0, true},
      {C::DIRECTION_EXPORT, 0, 0, static_cast<C::EDataDirections>(-1), 0, 0, true},
      // Configurations: every requested one must be supported; none requested ignores them.
      {C::DIRECTION_IMPORT, Bits(C::JAPAN), 0, any, 0, 0, true},
      {C::DIRECTION_IMPORT, Bits(C::REGULAR), 0, any, Bits(C::REGULAR, C::JAPAN), 0, false},
      {C::DIRECTION_IMPORT, Bits(C::JAPAN), 0, any, Bits(C::REGULAR, C::JAPAN), 0, false},
      {C::DIRECTION_IMPORT, Bits(C::REGULAR, C::ONBOARD, C::JAPAN), 0, any, Bits(C::REGULAR, C::JAPAN), 0,
       true},
      {C::DIRECTION_IMPORT, Bits(C::CONTRACTOR), 0, any, Bits(C::CONTRACTOR), 0, true},
      // Bits beyond the four configurations are not asked for.
      {C::DIRECTION_IMPORT, Bits(C::REGULAR), 0, any, Bits(C::REGULAR) | IEUtils::ToFlag(9), 0, true},
      // Using modes: each mode the entry applies must be enabled; extra enabled modes do not matter.
      {C::DIRECTION_IMPORT, 0, Bits(C::EXPORT_IN_JAPAN), any, 0, 0, false},
      {C::DIRECTION_IMPORT, 0, Bits(C::EXPORT_IN_JAPAN), any, 0, Bits(C::EXPORT_IN_JAPAN), true},
      {C::DIRECTION_IMPORT, 0, Bits(C::EXPORT_IN_JAPAN), any, 0, Bits(C::ONBOARD_WITH_SCANNING), false},
      {C::DIRECTION_IMPORT, 0, 0, any, 0, Bits(C::EXPORT_IN_JAPAN, C::ONBOARD_WITH_SCANNING), true},
      {C::DIRECTION_IMPORT, 0, Bits(C::EXPORT_IN_JAPAN, C::ONBOARD_WITH_SCANNING), any, 0,
       Bits(C::EXPORT_IN_JAPAN), false},
  };
  int row = 0;
  for (const auto& c : cases) {
    CIEDataType entry(POINTS, u"Points", c.entryDirection, c.entryConfigurations, c.entryModes);
    EXPECT_EQ(c.offered, entry.CompareCommonData(c.direction, c.configurations, c.modes)) << "case " << row;
    ++row;
  }
}

// An entry that answers differently than its masks: the selection test must ask the entry.
class CAlwaysJapanType : public CIEDataType {
 public:
  CAlwaysJapanType() : CIEDataType(LINES, u"Lines", DIRECTION_IMPORT_EXPORT, 0, 0) {}
  bool IsConfigurationSupported(ESupportedConfigurations configuration) const override {
    return configuration == JAPAN;
  }
  bool IsUsingModeApplied(EUsingModes mode) const override { return mode == EXPORT_IN_JAPAN; }
};

TEST(FormatDescriptor, CompareCommonDataAsksTheEntry) {
  CAlwaysJapanType entry;
  EXPECT_TRUE(entry.CompareCommonData(C::DIRECTION_EXPORT, Bits(C::JAPAN), Bits(C::EXPORT_IN_JAPAN)));
  EXPECT_FALSE(entry.CompareCommonData(C::DIRECTION_EXPORT, Bits(C::JAPAN), 0));
  EXPECT_FALSE(entry.CompareCommonData(C::DIRECTION_EXPORT, Bits(C::REGULAR), Bits(C::EXPORT_IN_JAPAN)));
}

TEST(DataTypeDescriptor, Classification) {
  const struct {
    EIEDataType type;
    bool point, line, road;
  } cases[] = {
      {POINTS, true, false, false},
      {CODES, false, false, false},
      {LINES, false, true, false},
      {AREAS, false, false, false},
      {PARCELS, false, false, true},
      {H_ALIGNMENTS, false, false, true},
      {V_ALIGNMENTS, false, false, true},
      {X_SECTIONS, false, false, true},
      {ROAD_STRINGS, false, false, false},
      {ROADS, false, false, true},
      {SURFACES, false, false, false},
      {POINT_LISTS, true, false, false},
      {X_SECTION_TEMPLATES, false, false, false},
      {ROAD_SURVEY, false, false, false},
      {LOCALIZATION, false, false, false},
      {SCANNING_DATA, false, false, false},
      {JOB_HISTORY, false, false, false},
      {LAYER_STATES, false, false, false},
      {RAW_DATA, false, false, false},
      {STAKE_REPORTS, false, false, false},
      {MULTIPLE, true, true, true},
  };
  ASSERT_EQ(static_cast<size_t>(EIEDataType_COUNT), sizeof cases / sizeof cases[0]);
  for (const auto& c : cases) {
    CIEDataType type(c.type, u"x", C::DIRECTION_IMPORT, 0, 0);
    EXPECT_EQ(c.type, type.GetTypeID());
    EXPECT_EQ(c.point, type.IsPointDataType()) << c.type;
    EXPECT_EQ(c.line, type.IsLineDataType()) << c.type;
    EXPECT_EQ(c.road, type.IsRoadDataType()) << c.type;
  }
}

TEST(CatalogueKeywords, EveryValueHasItsKeyword) {
  using namespace IEKeywords;
  const struct {
    EMaskKind kind;
    int count;
    const char16_t* section;
    int value;
    const char16_t* keyword;
  } cases[] = {
      {MASK_CONFIGURATIONS, 4, u"Configurations", C::CONTRACTOR, u"CONTRACTOR"},
      {MASK_USING_MODES, 2, u"UsingModes", C::ONBOARD_WITH_SCANNING, u"ONBOARD_WITH_SCANNING"},
      {MASK_DATA_TYPES, 21, u"DataTypes", STAKE_REPORTS, u"STAKE_REPORTS"},
      {MASK_DISTANCE_UNITS, 27, u"DistanceUnits", static_cast<int>(EDIST_UNITS::LIGHT_YEARS), u"LIGHT_YEARS"},
      {MASK_ANGLE_UNITS, 6, u"AngeUnits", static_cast<int>(EANGLE_UNITS::MILS), u"MILS"},
      {MASK_PARAMETERS, 48, u"Parameters", F::XSECTIONS_SLOPES_ARE_STORED_SEPARATELY_IMP,
       u"XSECTIONS_SLOPES_ARE_STORED_SEPARATELY_IMP"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.count, GetKeywordCount(c.kind));
    EXPECT_EQ(Std(c.section), Std(GetSectionName(c.kind)));
    EXPECT_EQ(Std(c.keyword), Std(GetKeyword(c.kind, c.value)));
    EXPECT_EQ(nullptr, GetKeyword(c.kind, c.count));
    EXPECT_EQ(nullptr, GetKeyword(c.kind, -1));
    for (int v = 0; v < c.count; ++v)
      EXPECT_EQ(v, FindKeyword(c.kind, reinterpret_cast<const unsigned short*>(GetKeyword(c.kind, v))));
  }
  EXPECT_EQ(-1, FindKeyword(MASK_DATA_TYPES, reinterpret_cast<const unsigned short*>(u"points")));
  EXPECT_EQ(-1, FindKeyword(MASK_DATA_TYPES, reinterpret_cast<const unsigned short*>(u"POINTS/")));
  EXPECT_EQ(Std(u"ImportExport"), Std(GetDirectionKeyword(C::DIRECTION_IMPORT_EXPORT)));
  EXPECT_EQ(Std(u"Import"), Std(GetDirectionKeyword(C::DIRECTION_IMPORT)));
  EXPECT_EQ(Std(u"Export"), Std(GetDirectionKeyword(C::DIRECTION_EXPORT)));
}

}  // namespace
