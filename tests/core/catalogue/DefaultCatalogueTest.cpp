// The built-in catalogue: its rows as given, the regularities of the table and the figures of the
// filters over it. A later edit of the table that breaks one of them fails here.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "CatalogueTestSupport.h"

namespace {

using C = CIECommonType;
using F = CIEFormat;
using D = EDIST_UNITS;
using A = EANGLE_UNITS;
using IEKeywords::CollectMask;

const unsigned short* W(const char16_t* text) { return reinterpret_cast<const unsigned short*>(text); }

class DefaultCatalogue : public FreshCatalogue {
 protected:
  const CIEFormatsData& Catalogue() { return GetIEFormatsData(); }
  std::vector<const CIEFormat*> Formats() {
    std::vector<const CIEFormat*> formats;
    for (unsigned i = 0; const CIEFormat* format = Catalogue().GetFormatByInd(i); ++i)
      formats.push_back(format);
    return formats;
  }
  std::vector<int> Supported(EIEDataType type, C::EDataDirections direction, TIEMask configurations,
                             TIEMask modes) {
    qel_templ::CQelArray<int> indices;
    Catalogue().GetSupportedFormatsByDataType(indices, type, direction, configurations, modes);
    return std::vector<int>(indices.begin(), indices.end());
  }
  std::vector<std::u16string> DataTypeNames(C::EDataDirections direction, TIEMask configurations,
                                            TIEMask modes) {
    qel_templ::CQelArray<const CIEDataType*> types;
    Catalogue().GetDataTypes(types, direction, configurations, modes);
    std::vector<std::u16string> names;
    for (const CIEDataType* type : types) names.push_back(Std(type->GetName()));
    return names;
  }
  // Indices of the formats for which pred holds.
  template <class P>
  std::set<int> Rows(P pred) {
    std::set<int> rows;
    const auto formats = Formats();
    for (size_t i = 0; i < formats.size(); ++i)
      if (pred(*formats[i])) rows.insert(static_cast<int>(i));
    return rows;
  }
};

const char16_t* const kNames[] = {
    u"Varnel Text Custom (*.txt)",
    u"Text Custom Report (*.txt)",
    u"Varnel Text Custom QC (*.txt)",
    u"Varnel QP-4 (*.qp4)",
    u"Varnel QP-5 (*.qp5)",
    u"Varnel KRT210/310/10 (*.xyz)",
    u"Varnel KRT-6 (*.krt6)",
    u"Varnel QP-6/KRT-7 (*.pnt)",
    u"Varnel KRT-7 w/strings (*.txt)",
    u"Varnel RZ (*.pnt)",
    u"Varnel RZ Finland (*.rz)",
    u"Varnel GRDX (*.gc3)",
    u"Varnel GRDX (*.pt3)",
    u"Varnel GRDX (*.ln3)",
    u"Varnel GRDX (*.rd3)",
    u"Varnel GRDX Project (*.gp3)",
    u"AutoCAD DXF (*.dxf)",
    u"AutoCAD 2000 Drawing (*.dwg)",
    u"AutoCAD 2007 Drawing (*.dwg)",
    u"ESRI Shape (*.shp)",
    u"MapInfo (*.mif)",
    u"MapInfo (*.tab)",
    u"TDS (*.cr5)",
    u"LandXML (*.xml)",
    u"MOSS GENIO (*.mgn)",
    u"Credo (*.top)",
    u"Cut Sheet Standard (*.txt)",
    u"Cut Sheet User Defined (*.txt)",
    u"Check Sheet (*.txt)",
    u"PTL Sheet(*.txt)",
    u"MAP Exchange",
    u"Civil 3D",
    u"SSS (*.hal)",
    u"SSS (*.val)",
    u"SSS (*.rd)",
    u"SSS (*.hal; *.val; *.rd)",
    u"TDS (*.rd5)",
    u"Kelmora (*.khl)",
    u"Kelmora (*.kvl)",
    u"Kelmora (*.krd)",
    u"Kelmora (*.khl; *.kvl; *.krd)",
    u"CLIP (*.PLT)",
    u"CLIP (*.ALZ)",
    u"CLIP (*.TRV)",
    u"CLIP (*.PLT; *.ALZ; *.TRV)",
    u"INROADS (*.ASC)",
    u"ISPOL (*.ALI)",
    u"ISPOL (*.RAS)",
    u"ISPOL (*.SC1)",
    u"ISPOL (*.ALI; *.RAS; *.SC1)",
    u"Tekla (*.vgp)",
    u"Varnel QP-5 (*.qp5)",
    u"Varnel KRT210/310/10 (*.raw)",
    u"Varnel KRT-6 (*.krt6)",
    u"Varnel QP-6/KRT-7 (*.krt7)",
    u"Varnel KRT-7+ (*.krt7)",
    u"SurvCE (*.RW5)",
    u"TDS (*.RAW)",
    u"MOSS Survey (*.txt)",
    u"Field Book (*.fbk)",
    u"VVF (*.vvf)",
    u"VVF with Code Style (*.vvf)",
    u"Kelmora X-Section Survey (*.xss)",
    u"Find Chainage/Station Report (*.txt)",
    u"SSS (*.xtl)",
    u"TDS (*.tp5)",
    u"Kelmora (*.xst)",
    u"TDS (*.RAW)",
    u"Trimble DC (*.dc)",
    u"NEZ (*.csv)",
    u"NEZ w/strings (*.csv)",
    u"Varnel XML (*.xml)",
    u"Varnel Text (*.vdd)",
    u"DBF (*.dbf)",
    u"CMM (*.cor)",
    u"VQ-7000 (*.cmr; *.imc; *.csv)",
    u"Pixora Project",
    u"Field Orientation (*.OCC; *.PIR)",
    u"CSV (Comma delimited) (.csv)",
    u"Text report (*.txt)",
    u"Autodesk (*.las)",
    u"MMH360 (*.360)",
    u"MML-ETRS (*.mml)",
    u"KOF (*.kof)",
    u"KOF (*.kof)",
    u"Berlin GNSS-Messprotokoll (*.txt)",
    u"Varnel (*.ZT)",
    u"APA (*.ZK)",
    u"CSV w/codes (*.csv)",
    u"CSV (*.csv)",
    u"Varnel (*.O1T)",
    u"SIMA (*.SIM)",
    u"SIMA Index (*.SIM)",
    u"Berlin GNSS-Mittelwerte (*.txt)",
    u"MMH360_Z000 (*.360)",
    u"D40 (*.D40)",
    u"Microstation 95/ISFF (*.dgn)",
    u"MicroStation V8 (*.dgn)",
    u"MX GENIO (*.txt)",
    u"Custom (*.cxs)",
    u"SBG (*.LIN)",
    u"SBG Pxy (*.PXY)",
    u"SBG Geo (*.Geo)",
    u"Sokkia SDR33 (*.sdr)",
    u"Carlson (*.loc)",
    u"GeoPAK (*.gen)",
    u"Varnel Text Custom (*.txt)",
    u"Carlson (*.FCL)",
    u"CSV Report (*.CSV)",
    u"Varnel Custom TS(*.txt)",
    u"Varnel Custom GPS(*.txt)",
};

TEST_F(DefaultCatalogue, SizeAndNamesInCatalogueOrder) {
  const auto formats = Formats();
  ASSERT_EQ(111u, formats.size());
  for (size_t i = 0; i < formats.size(); ++i) EXPECT_EQ(Std(kNames[i]), Std(formats[i]->GetName())) << i;
  EXPECT_EQ(u"Varnel Custom GPS(*.txt)", Catalogue().GetFormatByInd(110)->GetName());
  EXPECT_EQ(nullptr, Catalogue().GetFormatByInd(111));
  EXPECT_EQ(nullptr, Catalogue().GetFormatByInd(~0u));
  // Names are not unique; the GUID is.
  EXPECT_EQ(formats[83]->GetName(), formats[84]->GetName());
  std::set<std::u16string> guids;
  for (const CIEFormat* format : formats) guids.insert(Std(format->GetGUIDAsString()));
  EXPECT_EQ(111u, guids.size());
}

TEST_F(DefaultCatalogue, DataTypeTable) {
  const TIEMask rojc = Bits(C::REGULAR, C::ONBOARD, C::JAPAN, C::CONTRACTOR);
  const TIEMask roj = Bits(C::REGULAR, C::ONBOARD, C::JAPAN);
  const TIEMask roc = Bits(C::REGULAR, C::ONBOARD, C::CONTRACTOR);
  const TIEMask ro = Bits(C::REGULAR, C::ONBOARD);
  const TIEMask japan = Bits(C::EXPORT_IN_JAPAN);
  const struct {
    const char16_t* name;
    EIEDataType type;
    C::EDataDirections direction;
    TIEMask configurations, modes;
  } expected[] = {
      {u"Points", POINTS, C::DIRECTION_IMPORT_EXPORT, rojc, 0},
      {u"Lines", LINES, C::DIRECTION_IMPORT_EXPORT, roj, japan},
      {u"Areas", AREAS, C::DIRECTION_IMPORT_EXPORT, roj, japan},
      {u"Point Lists", POINT_LISTS, C::DIRECTION_IMPORT_EXPORT, rojc, japan},
      {u"Code Library", CODES, C::DIRECTION_IMPORT_EXPORT, rojc, 0},
      {u"Raw Data", RAW_DATA, C::DIRECTION_IMPORT_EXPORT, rojc, 0},
      {u"Horizontal Alignments", H_ALIGNMENTS, C::DIRECTION_IMPORT_EXPORT, roc, 0},
      {u"Vertical Alignments", V_ALIGNMENTS, C::DIRECTION_IMPORT_EXPORT, roc, 0},
      {u"X-Section Sets", X_SECTIONS, C::DIRECTION_IMPORT_EXPORT, roc, 0},
      {u"Roads", ROADS, C::DIRECTION_IMPORT_EXPORT, roc, 0},
      {u"Parcels", PARCELS, C::DIRECTION_IMPORT, roc, 0},
      {u"X-Section Templates", X_SECTION_TEMPLATES, C::DIRECTION_IMPORT_EXPORT, roc, 0},
      {u"Localization", LOCALIZATION, C::DIRECTION_IMPORT_EXPORT, ro, 0},
      {u"Scanning Data", SCANNING_DATA, C::DIRECTION_EXPORT, roj, Bits(C::ONBOARD_WITH_SCANNING)},
      {u"Roads Survey", ROAD_SURVEY, C::DIRECTION_EXPORT, roc, 0},
      {u"Job History", JOB_HISTORY, C::DIRECTION_EXPORT, ro, 0},
      {u"TINs", SURFACES, C::DIRECTION_IMPORT_EXPORT, rojc, 0},
      {u"Layer States", LAYER_STATES, C::DIRECTION_IMPORT_EXPORT, roc, 0},
      {u"Stakeout Reports", STAKE_REPORTS, C::DIRECTION_EXPORT, roc, 0},
      {u"Multiple", MULTIPLE, C::DIRECTION_IMPORT_EXPORT, roc, 0},
  };
  qel_templ::CQelArray<const CIEDataType*> types;
  Catalogue().GetDataTypes(types, static_cast<C::EDataDirections>(3), 0,
                           Bits(C::EXPORT_IN_JAPAN, C::ONBOARD_WITH_SCANNING));
  ASSERT_EQ(20, types.GetSize());
  for (int i = 0; i < types.GetSize(); ++i) {
    const CIEDataType& type = *types[i];
    EXPECT_EQ(Std(expected[i].name), Std(type.GetName())) << i;
    EXPECT_EQ(expected[i].type, type.GetTypeID()) << i;
    EXPECT_EQ(expected[i].direction, type.GetDataDirections()) << i;
    EXPECT_EQ(expected[i].configurations, CollectMask(type, IEKeywords::MASK_CONFIGURATIONS)) << i;
    EXPECT_EQ(expected[i].modes, CollectMask(type, IEKeywords::MASK_USING_MODES)) << i;
    EXPECT_EQ(&type, Catalogue().GetDataTypeById(expected[i].type));
  }
  EXPECT_EQ(nullptr, Catalogue().GetDataTypeById(ROAD_STRINGS));
}

TEST_F(DefaultCatalogue, RowsGivenInFull) {
  const TIEMask r = Bits(C::REGULAR), ro = Bits(C::REGULAR, C::ONBOARD);
  const TIEMask roc = Bits(C::REGULAR, C::ONBOARD, C::CONTRACTOR);
  const TIEMask rojc = Bits(C::REGULAR, C::ONBOARD, C::JAPAN, C::CONTRACTOR);
  const TIEMask drawingParameters =
      Bits(F::CODE_STYLE_EXP, F::AUTODESK_SETTINGS_EXP, F::DRAW_DATA_EXP, F::CODE_WITH_ATTRS_EXP);
  TIEMask allButChains = 0;
  for (int unit = static_cast<int>(D::METERS); unit <= static_cast<int>(D::PARSECS); ++unit)
    if (unit != static_cast<int>(D::USCHAINS) && unit != static_cast<int>(D::ICHAINS))
      allButChains |= IEUtils::ToFlag(unit);

  const struct {
    int index;
    const char16_t *guid, *exportLibrary, *importLibrary, *title, *extension, *filter;
    C::EDataDirections direction;
    TIEMask configurations, modes, types, dist, angle, parameters;
  } rows[] = {
      {0, u"{35A07CA2-548D-43A6-8DCA-6282A6E20A3E}", u"stdwriters", u"stdreaders", u"Text", u"txt",
       u"Text Files (*.txt)|", C::DIRECTION_IMPORT_EXPORT, roc, 0, Bits(POINTS, LINES, POINT_LISTS, MULTIPLE),
       Bits(D::ANY_UNITS), 0,
       Bits(F::ABILITY_TO_ADD_ATTR_TYPE_TO_ATTR_EXP, F::ABILITY_TO_HAVE_ATTR_VALUES_IN_QUOTES_EXP,
            F::CUSTOM_FIELDS, F::CODE_WITH_ATTRS_EXP, F::PTL_POINTS_EXP, F::PTL_SIGN_IN_POINT_NAME_EXP)},
      {18, u"{E1EE3440-4E57-491C-B580-2CC94DFDCD82}", u"drawingplug", u"drawingplug", u"DWG", u"dwg",
       u"AutoCAD Drawing (*.dwg)|", C::DIRECTION_IMPORT, rojc, 0,
       Bits(POINTS, LINES, SURFACES, POINT_LISTS, MULTIPLE), allButChains, Bits(A::DECDEG),
       drawingParameters},
      {19, u"{79241EB7-2DDB-4FBF-A677-8E0DB4DF8204}", u"shapeplug", u"shapeplug", u"SHP", u"shp",
       u"SHP Files (*.shp)|", C::DIRECTION_IMPORT_EXPORT, ro, 0,
       Bits(POINTS, LINES, AREAS, POINT_LISTS, MULTIPLE), Bits(D::METERS, D::USFEET, D::IFEET), 0,
       Bits(F::ABILITY_TO_USE_DESCRIPTION_AS_ATTR_EXP, F::CS_IS_STORED_IN_THE_FILE, F::PHOTO_NOTES,
            F::MULTIPLE_FILES_EXP, F::CODE_WITH_ATTRS_EXP)},
      {23, u"{11246CDA-812F-45DC-81D4-35173C9A9FE8}", u"stdwriters", u"stdreaders", u"LandXML", u"xml",
       u"XML Files (*.xml)|", C::DIRECTION_IMPORT_EXPORT, rojc, Bits(C::EXPORT_IN_JAPAN),
       Bits(POINTS, LINES, PARCELS, ROAD_STRINGS, ROADS, SURFACES, POINT_LISTS, RAW_DATA, MULTIPLE),
       Bits(D::METERS, D::USFEET, D::IFEET, D::MILE, D::INCHES, D::MILLIMETERS, D::CENTIMETERS,
            D::KILOMETERS),
       Bits(A::RADIANS, A::GRADS_GONS, A::DECDEG, A::DDDMMSSS),
       Bits(F::ABILITY_TO_USE_ZONES_FOR_XSECTIONS_EXP, F::PHOTO_NOTES, F::CODE_WITH_ATTRS_EXP,
            F::GPS_RAWDATA_EXP, F::TS_RAWDATA_EXP, F::PLANE_COORDS_FOR_GPS_POINTS_EXP,
            F::COMPOSITE_LINES_FOR_LINEWORK, F::SUPPORT_POINT_LISTS, F::V_ALIGNMENT_SUPPORT_ARCS,
            F::V_ALIGNMENT_SUPPORT_LONG_SECTIONS, F::H_ALIGNMENT_SUPPORT_COMPOUND_SPIRALS)},
      {30, u"{E61D009F-1968-4B92-80C2-CF2559B7E614}", u"corridorlink", u"drawingplug", u"MAP Exchange", u"",
       u"", C::DIRECTION_IMPORT_EXPORT, r, 0, Bits(POINTS, LINES, SURFACES, POINT_LISTS, MULTIPLE), 0, 0,
       drawingParameters},
      {35, u"{9553C767-BBEE-4C65-B718-91FCE66965B9}", u"stdwriters", u"stdreaders", u"SSS Roads", u"",
       u"SSS H.Alignments (*.hal)| SSS V.Alignments (*.val)| SSS X-Sections (*.rd)|",
       C::DIRECTION_IMPORT_EXPORT, ro, 0, Bits(ROADS), Bits(D::ANY_UNITS), Bits(A::DECDEG),
       Bits(F::MULTIPLE_FILES_EXP, F::V_ALIGNMENT_SUPPORT_LONG_SECTIONS,
            F::H_ALIGNMENT_DOESNT_SUPPORT_FIXED_AZ_FOR_ARCS)},
      {68, u"{807BD698-C95A-4BC3-A607-D2E715AE15AE}", u"", u"stdreaders", u"Trimble DC", u"dc",
       u"Trimble DC Files (*.dc)|", C::DIRECTION_IMPORT, roc, 0, Bits(LOCALIZATION),
       Bits(D::METERS, D::USFEET, D::IFEET), Bits(A::GRADS_GONS, A::MILS, A::DDDMMSSS), 0},
      {73, u"{B4C2FC07-523D-4192-B518-585367AE93B5}", u"shapeplug", u"shapeplug", u"DBF", u"dbf",
       u"DBF Files (*.dbf)|", C::DIRECTION_IMPORT_EXPORT, roc, 0, Bits(CODES), 0, 0,
       Bits(F::MULTIPLE_FILES_EXP, F::CODE_WITH_ATTRS_EXP)},
      {108, u"{5B1E51B1-F49B-4A99-A859-657A7D3B0E29}", u"stdwriters", u"", u"CSV", u"CSV",
       u"CSV Report (*.CSV)|", C::DIRECTION_EXPORT, rojc, 0, Bits(STAKE_REPORTS), 0, 0, 0},
  };
  for (const auto& row : rows) {
    const CIEFormat* format = Catalogue().GetFormatByInd(row.index);
    ASSERT_NE(nullptr, format) << row.index;
    EXPECT_EQ(Std(row.guid), Std(format->GetGUIDAsString())) << row.index;
    EXPECT_EQ(row.direction, format->GetDataDirections()) << row.index;
    EXPECT_EQ(Std(row.exportLibrary), Std(format->GetDLLName(true))) << row.index;
    EXPECT_EQ(Std(row.importLibrary), Std(format->GetDLLName(false))) << row.index;
    EXPECT_EQ(Std(row.title), Std(format->GetTitle())) << row.index;
    EXPECT_EQ(Std(row.extension), Std(format->GetExtension(false))) << row.index;
    EXPECT_EQ(Std(row.filter), Std(format->GetFilterExtension())) << row.index;
    EXPECT_EQ(row.configurations, CollectMask(*format, IEKeywords::MASK_CONFIGURATIONS)) << row.index;
    EXPECT_EQ(row.modes, CollectMask(*format, IEKeywords::MASK_USING_MODES)) << row.index;
    EXPECT_EQ(row.types, CollectMask(*format, IEKeywords::MASK_DATA_TYPES)) << row.index;
    EXPECT_EQ(row.dist, CollectMask(*format, IEKeywords::MASK_DISTANCE_UNITS)) << row.index;
    EXPECT_EQ(row.angle, CollectMask(*format, IEKeywords::MASK_ANGLE_UNITS)) << row.index;
    EXPECT_EQ(row.parameters, CollectMask(*format, IEKeywords::MASK_PARAMETERS)) << row.index;
    EXPECT_EQ(row.dist != 0, format->AreDistUnitsUsed()) << row.index;
    EXPECT_EQ(row.angle != 0, format->AreAngleUnitsUsed()) << row.index;
  }
}

TEST_F(DefaultCatalogue, DirectionsAndLibraries) {
  std::map<C::EDataDirections, int> directions;
  std::map<std::pair<std::u16string, std::u16string>, int> libraries;  // (import, export)
  const auto formats = Formats();
  for (size_t row = 0; row < formats.size(); ++row) {
    const CIEFormat& format = *formats[row];
    ++directions[format.GetDataDirections()];
    const std::u16string import = Std(format.GetDLLName(false)), exportLib = Std(format.GetDLLName(true));
    ++libraries[{import, exportLib}];
    // A library alone belongs to a format of that one direction.
    if (exportLib.empty()) {
      EXPECT_EQ(C::DIRECTION_IMPORT, format.GetDataDirections()) << row;
    }
    if (import.empty()) {
      EXPECT_EQ(C::DIRECTION_EXPORT, format.GetDataDirections()) << row;
    }
  }
  EXPECT_EQ(81, directions[C::DIRECTION_IMPORT_EXPORT]);
  EXPECT_EQ(23, directions[C::DIRECTION_EXPORT]);
  EXPECT_EQ(7, directions[C::DIRECTION_IMPORT]);

  const std::map<std::pair<std::u16string, std::u16string>, int> expected = {
      {{u"stdreaders", u"stdwriters"}, 71},
      {{u"", u"stdwriters"}, 22},
      {{u"stdreaders", u""}, 6},
      {{u"gradeplugs", u"gradeplugs"}, 5},
      {{u"shapeplug", u"shapeplug"}, 2},
      {{u"legacydrawingplug", u"legacydrawingplug"}, 1},
      {{u"drawingplug", u"drawingplug"}, 1},
      {{u"isffplug", u"isffplug"}, 1},
      {{u"drawingplug", u"corridorlink"}, 1},
      {{u"", u"corridorlink"}, 1},
  };
  EXPECT_EQ(expected, libraries);
  EXPECT_EQ((std::set<int>{19, 73}),
            Rows([](const CIEFormat& f) { return f.GetDLLName(false) == u"shapeplug"; }));
  EXPECT_EQ((std::set<int>{18, 30}),
            Rows([](const CIEFormat& f) { return f.GetDLLName(false) == u"drawingplug"; }));
}

TEST_F(DefaultCatalogue, ExtensionsAndFilters) {
  const std::set<int> fileSets = {35, 40, 44, 49, 75, 77};
  const auto formats = Formats();
  for (size_t i = 0; i < formats.size(); ++i) {
    const int row = static_cast<int>(i);
    const std::u16string extension = Std(formats[i]->GetExtension(false));
    const std::u16string filter = Std(formats[i]->GetFilterExtension());
    if (row == 30 || row == 31) {
      EXPECT_TRUE(extension.empty() && filter.empty()) << row;
      continue;
    }
    ASSERT_FALSE(filter.empty()) << row;
    EXPECT_EQ(u'|', filter.back()) << row;
    // Segments "description (pattern)|" joined by exactly one blank.
    size_t segments = 0;
    for (size_t at = filter.find(u'|'); at != std::u16string::npos; at = filter.find(u'|', at + 1)) {
      ++segments;
      if (at + 1 < filter.size()) {
        EXPECT_EQ(u' ', filter[at + 1]) << row;
        EXPECT_NE(u' ', filter[at + 2]) << row;
      }
    }
    EXPECT_EQ(extension.empty(), fileSets.count(row) == 1) << row;
    EXPECT_FALSE(!extension.empty() && extension[0] == u'.') << row;
    if (fileSets.count(row)) {
      EXPECT_GE(segments, 2u) << row;
    } else {
      EXPECT_EQ(row == 27 ? 2u : 1u, segments) << row;
      EXPECT_NE(std::u16string::npos, filter.find(u"(*." + extension + u")")) << row;
    }
  }
  EXPECT_EQ(u"Text Files (*.txt)| CSV Files (*.csv)|", formats[27]->GetFilterExtension());
  EXPECT_EQ(u"txt", formats[27]->GetExtension(false));
}

TEST_F(DefaultCatalogue, ModesAndConfigurations) {
  EXPECT_EQ((std::set<int>{12, 13, 16, 23, 88, 89, 96, 97}),
            Rows([](const CIEFormat& f) { return f.IsUsingModeApplied(C::EXPORT_IN_JAPAN); }));
  EXPECT_EQ(std::set<int>{},
            Rows([](const CIEFormat& f) { return f.IsUsingModeApplied(C::ONBOARD_WITH_SCANNING); }));
  EXPECT_EQ((std::set<int>{86, 87, 88, 89, 90, 91, 92}),
            Rows([](const CIEFormat& f) { return !f.IsConfigurationSupported(C::REGULAR); }));
  EXPECT_EQ((std::set<int>{30, 85, 93}), Rows([](const CIEFormat& f) {
              return CollectMask(f, IEKeywords::MASK_CONFIGURATIONS) == Bits(C::REGULAR);
            }));
  // A format that requires the Japanese export mode is offered in the Japanese configuration.
  for (int row : Rows([](const CIEFormat& f) { return f.IsUsingModeApplied(C::EXPORT_IN_JAPAN); }))
    EXPECT_TRUE(Catalogue().GetFormatByInd(row)->IsConfigurationSupported(C::JAPAN)) << row;
}

TEST_F(DefaultCatalogue, FilterFigures) {
  const TIEMask regular = Bits(C::REGULAR);
  EXPECT_EQ(std::vector<int>{108}, Supported(STAKE_REPORTS, C::DIRECTION_EXPORT, regular, 0));

  const std::vector<int> points = Supported(POINTS, C::DIRECTION_EXPORT, regular, 0);
  EXPECT_EQ(35u, points.size());
  std::set<int> leftOut = Rows([](const CIEFormat& f) { return f.IsDataTypeSupported(POINTS); });
  for (int row : points) leftOut.erase(row);
  EXPECT_EQ((std::set<int>{12, 16, 23, 88, 89, 96, 97, 86, 87, 91, 92, 18}), leftOut);

  // ROAD_STRINGS is carried by formats but is no data type of its own.
  EXPECT_FALSE(Rows([](const CIEFormat& f) { return f.IsDataTypeSupported(ROAD_STRINGS); }).empty());
  EXPECT_TRUE(Supported(ROAD_STRINGS, static_cast<C::EDataDirections>(3), 0, 0).empty());

  // The appended indices come in catalogue order, and the array is not cleared first.
  qel_templ::CQelArray<int> indices;
  indices.Add(-7);
  Catalogue().GetSupportedFormatsByDataType(indices, STAKE_REPORTS, C::DIRECTION_EXPORT, regular, 0);
  Catalogue().GetSupportedFormatsByDataType(indices, LAYER_STATES, C::DIRECTION_IMPORT, 0, 0);
  EXPECT_EQ((std::vector<int>{-7, 108, 71, 80}), std::vector<int>(indices.begin(), indices.end()));
}

TEST_F(DefaultCatalogue, DataTypesOfferedInJapan) {
  const TIEMask japan = Bits(C::JAPAN);
  EXPECT_EQ((std::vector<std::u16string>{u"Points", u"Code Library", u"Raw Data", u"TINs"}),
            DataTypeNames(C::DIRECTION_EXPORT, japan, 0));
  EXPECT_EQ((std::vector<std::u16string>{u"Points", u"Lines", u"Areas", u"Point Lists", u"Code Library",
                                         u"Raw Data", u"TINs"}),
            DataTypeNames(C::DIRECTION_EXPORT, japan, Bits(C::EXPORT_IN_JAPAN)));
  EXPECT_EQ((std::vector<std::u16string>{u"Points", u"Code Library", u"Raw Data", u"Scanning Data", u"TINs"}),
            DataTypeNames(C::DIRECTION_EXPORT, japan, Bits(C::ONBOARD_WITH_SCANNING)));
  // Appends without clearing.
  qel_templ::CQelArray<const CIEDataType*> types;
  Catalogue().GetDataTypes(types, C::DIRECTION_EXPORT, japan, 0);
  Catalogue().GetDataTypes(types, C::DIRECTION_EXPORT, japan, 0);
  ASSERT_EQ(8, types.GetSize());
  EXPECT_EQ(types[0], types[4]);
}

TEST_F(DefaultCatalogue, LookupsById) {
  const CIEFormat* dwg = Catalogue().GetFormatByInd(18);
  EXPECT_EQ(dwg, Catalogue().GetFormatById(W(u"{e1ee3440-4e57-491c-b580-2cc94dfdcd82}")));
  EXPECT_EQ(dwg, Catalogue().GetFormatByGUID(dwg->GetGUID()));
  EXPECT_EQ(18, Catalogue().GetIndFormatById(W(u"{E1EE3440-4E57-491C-B580-2CC94DFDCD82}")));
  EXPECT_EQ(73, Catalogue().GetIndFormatById(W(u"{b4c2fc07-523d-4192-b518-585367ae93b5}")));

  EXPECT_EQ(nullptr, Catalogue().GetFormatById(W(u"{00000000-0000-0000-0000-000000000000}")));
  EXPECT_EQ(nullptr, Catalogue().GetFormatById(W(u"E1EE3440-4E57-491C-B580-2CC94DFDCD82")));
  EXPECT_EQ(nullptr, Catalogue().GetFormatById(nullptr));
  EXPECT_EQ(0, Catalogue().GetIndFormatById(W(u"{00000000-0000-0000-0000-000000000000}")));
  EXPECT_EQ(0, Catalogue().GetIndFormatById(W(u"not a guid")));
  _GUID unknown{};
  EXPECT_EQ(nullptr, Catalogue().GetFormatByGUID(unknown));
}

}  // namespace
