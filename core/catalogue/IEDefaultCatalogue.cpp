#include "detail/IEDefaultCatalogue.h"

#include <cstddef>

#include "IERounding.h"

namespace IEDefaultCatalogue {
namespace {

using C = CIECommonType;
using F = CIEFormat;
using D = EDIST_UNITS;
using A = EANGLE_UNITS;

template <class... E>
constexpr TIEMask Bits(E... values) {
  return (TIEMask(0) | ... | IEUtils::ToFlag(static_cast<uint64_t>(values)));
}

constexpr C::EDataDirections kImport = C::DIRECTION_IMPORT;
constexpr C::EDataDirections kExport = C::DIRECTION_EXPORT;
constexpr C::EDataDirections kBoth = C::DIRECTION_IMPORT_EXPORT;

// Configurations and using modes.
constexpr TIEMask kR = Bits(C::REGULAR);
constexpr TIEMask kRO = Bits(C::REGULAR, C::ONBOARD);
constexpr TIEMask kROC = Bits(C::REGULAR, C::ONBOARD, C::CONTRACTOR);
constexpr TIEMask kROJ = Bits(C::REGULAR, C::ONBOARD, C::JAPAN);
constexpr TIEMask kROJC = Bits(C::REGULAR, C::ONBOARD, C::JAPAN, C::CONTRACTOR);
constexpr TIEMask kJ = Bits(C::JAPAN);
constexpr TIEMask kInJapan = Bits(C::EXPORT_IN_JAPAN);

// Units.
constexpr TIEMask kMeters = Bits(D::METERS);
constexpr TIEMask kMetersFeet = Bits(D::METERS, D::USFEET, D::IFEET);
constexpr TIEMask kAnyDist = Bits(D::ANY_UNITS);
// Drawings are written in any unit from METERS to PARSECS except the two chains.
constexpr TIEMask kDrawingUnits = (Bits(D::ANY_UNITS) - 1) & ~Bits(D::USCHAINS, D::ICHAINS);
constexpr TIEMask kDecDeg = Bits(A::DECDEG);
constexpr TIEMask kGons = Bits(A::GRADS_GONS);
constexpr TIEMask kDms = Bits(A::DDDMMSSS);
constexpr TIEMask kAnyAngle = Bits(A::ANY_UNITS);
constexpr TIEMask kDrawingParameters =
    Bits(F::CODE_STYLE_EXP, F::AUTODESK_SETTINGS_EXP, F::DRAW_DATA_EXP, F::CODE_WITH_ATTRS_EXP);

// Plug-in libraries.
constexpr const char16_t* kNone = u"";
constexpr const char16_t* kStdReaders = u"stdreaders";
constexpr const char16_t* kStdWriters = u"stdwriters";
constexpr const char16_t* kShapePlug = u"shapeplug";
constexpr const char16_t* kDrawingPlug = u"drawingplug";
constexpr const char16_t* kLegacyDrawingPlug = u"legacydrawingplug";
constexpr const char16_t* kIsffPlug = u"isffplug";
constexpr const char16_t* kGradePlugs = u"gradeplugs";
constexpr const char16_t* kCorridorLink = u"corridorlink";

struct TDataTypeRow {
  EIEDataType type;
  const char16_t* name;
  C::EDataDirections direction;
  TIEMask configurations;
  TIEMask usingModes;
};

// clang-format off
constexpr TDataTypeRow kDataTypes[] = {
    {POINTS,              u"Points",                kBoth,   kROJC, 0},
    {LINES,               u"Lines",                 kBoth,   kROJ,  kInJapan},
    {AREAS,               u"Areas",                 kBoth,   kROJ,  kInJapan},
    {POINT_LISTS,         u"Point Lists",           kBoth,   kROJC, kInJapan},
    {CODES,               u"Code Library",          kBoth,   kROJC, 0},
    {RAW_DATA,            u"Raw Data",              kBoth,   kROJC, 0},
    {H_ALIGNMENTS,        u"Horizontal Alignments", kBoth,   kROC,  0},
    {V_ALIGNMENTS,        u"Vertical Alignments",   kBoth,   kROC,  0},
    {X_SECTIONS,          u"X-Section Sets",        kBoth,   kROC,  0},
    {ROADS,               u"Roads",                 kBoth,   kROC,  0},
    {PARCELS,             u"Parcels",               kImport, kROC,  0},
    {X_SECTION_TEMPLATES, u"X-Section Templates",   kBoth,   kROC,  0},
    {LOCALIZATION,        u"Localization",          kBoth,   kRO,   0},
    {SCANNING_DATA,       u"Scanning Data",         kExport, kROJ,  Bits(C::ONBOARD_WITH_SCANNING)},
    {ROAD_SURVEY,         u"Roads Survey",          kExport, kROC,  0},
    {JOB_HISTORY,         u"Job History",           kExport, kRO,   0},
    {SURFACES,            u"TINs",                  kBoth,   kROJC, 0},
    {LAYER_STATES,        u"Layer States",          kBoth,   kROC,  0},
    {STAKE_REPORTS,       u"Stakeout Reports",      kExport, kROC,  0},
    {MULTIPLE,            u"Multiple",              kBoth,   kROC,  0},
};
// clang-format on

struct TFormatRow {
  const char16_t* guid;
  const char16_t* name;
  C::EDataDirections direction;
  const char16_t* exportLibrary;
  const char16_t* importLibrary;
  const char16_t* title;
  const char16_t* extension;
  const char16_t* filterExtension;
  TIEMask configurations;
  TIEMask usingModes;
  TIEMask dataTypes;
  TIEMask distUnits;
  TIEMask angleUnits;
  TIEMask parameters;
};

// One row per format, in catalogue order; the comment is the row's catalogue index. Each row:
// GUID, name, direction, export and import library, title, extension, filter extension, then the
// masks of configurations, using modes, data types, distance units, angle units and parameters.
// clang-format off
constexpr TFormatRow kFormats[] = {
    // 0
    {u"{35A07CA2-548D-43a6-8DCA-6282A6E20A3E}", u"Varnel Text Custom (*.txt)", kBoth, kStdWriters, kStdReaders,
     u"Text", u"txt", u"Text Files (*.txt)|",
     kROC, 0, Bits(POINTS, LINES, POINT_LISTS, MULTIPLE), kAnyDist, 0,
     Bits(F::ABILITY_TO_ADD_ATTR_TYPE_TO_ATTR_EXP, F::ABILITY_TO_HAVE_ATTR_VALUES_IN_QUOTES_EXP, F::CUSTOM_FIELDS,
          F::CODE_WITH_ATTRS_EXP, F::PTL_POINTS_EXP, F::PTL_SIGN_IN_POINT_NAME_EXP)},
    // 1
    {u"{E6B0A93E-C964-4914-8964-D6B11EB657A2}", u"Text Custom Report (*.txt)", kExport, kStdWriters, kNone,
     u"Report", u"txt", u"Text Files (*.txt)|",
     kROC, 0, Bits(POINTS), kAnyDist, kAnyAngle, Bits(F::CUSTOM_FIELDS, F::STAKEOUT_POINTS_FOR_REPORTS_EXP)},
    // 2
    {u"{860F58CF-7850-49FB-9B63-533678B208A2}", u"Varnel Text Custom QC (*.txt)", kExport, kStdWriters, kNone,
     u"Text QC", u"txt", u"Text Files (*.txt)|",
     kROC, 0, Bits(POINTS, RAW_DATA), kAnyDist, kAnyAngle,
     Bits(F::CUSTOM_FIELDS, F::GPS_RAWDATA_EXP, F::TS_RAWDATA_EXP)},
    // 3
    {u"{D2B515D0-2845-4C45-875A-A2F11931FE6E}", u"Varnel QP-4 (*.qp4)", kBoth, kStdWriters, kStdReaders,
     u"QP-4", u"qp4", u"QP-4 Files (*.qp4)|",
     kROC, 0, Bits(POINTS), kMetersFeet, 0, Bits(F::ABILITY_TO_USE_NUMERIC_POINT_NAMES_EXP)},
    // 4
    {u"{245B36EB-19E9-494E-9194-DC3F14D15FA2}", u"Varnel QP-5 (*.qp5)", kBoth, kStdWriters, kStdReaders,
     u"QP-5", u"qp5", u"QP-5 Files (*.qp5)|",
     kROJC, 0, Bits(POINTS, POINT_LISTS), kMetersFeet, 0, Bits(F::CODE_WITH_ATTRS_EXP, F::SUPPORT_POINT_LISTS)},
    // 5
    {u"{2361BBB1-AFBC-4692-827F-45CAD9132837}", u"Varnel KRT210/310/10 (*.xyz)", kBoth, kStdWriters, kStdReaders,
     u"KRT XYZ", u"xyz", u"XYZ Files (*.xyz)|",
     kROC, 0, Bits(POINTS), kMetersFeet, 0, Bits(F::ABILITY_TO_USE_NUMERIC_POINT_NAMES_EXP)},
    // 6
    {u"{90E1D76B-4917-46BD-9744-EDBB3EB6B37C}", u"Varnel KRT-6 (*.krt6)", kBoth, kStdWriters, kStdReaders,
     u"KRT-6", u"krt6", u"KRT-6 Files (*.krt6)|",
     kROC, 0, Bits(POINTS), kMetersFeet, 0, Bits(F::NUMERIC_POINTS_ARE_GENERATED_EXP)},
    // 7
    {u"{E7FA6800-A18B-4ECB-BC3A-E98D0D6CE74F}", u"Varnel QP-6/KRT-7 (*.pnt)", kBoth, kStdWriters, kStdReaders,
     u"QP-6/KRT-7", u"pnt", u"PNT Files (*.pnt)|",
     kROC, 0, Bits(POINTS, POINT_LISTS), kMetersFeet, 0, Bits(F::CODE_WITH_ATTRS_EXP, F::SUPPORT_POINT_LISTS)},
    // 8
    {u"{B6FCC3EC-7FAB-464C-B185-A4F50AFD215C}", u"Varnel KRT-7 w/strings (*.txt)", kBoth, kStdWriters, kStdReaders,
     u"KRT-7 Str", u"txt", u"Text Files (*.txt)|",
     kROC, 0, Bits(POINTS, LINES, MULTIPLE), kMetersFeet, 0,
     Bits(F::CODE_STRING_POINTS_ARRAY_EXP, F::COMPOSITE_LINES_FOR_LINEWORK)},
    // 9
    {u"{7A45BFD0-D3EA-419A-B3FA-9BE5848C6744}", u"Varnel RZ (*.pnt)", kBoth, kStdWriters, kStdReaders,
     u"RZ", u"pnt", u"RZ Files (*.pnt)|",
     kROC, 0, Bits(POINTS), kMeters, 0, Bits(F::ABILITY_TO_USE_NUMERIC_POINT_NAMES_EXP)},
    // 10
    {u"{9E0ED002-C879-4A7A-AF7B-C18585EE3354}", u"Varnel RZ Finland (*.rz)", kBoth, kStdWriters, kStdReaders,
     u"RZ FIN", u"rz", u"RZ Files (*.rz)|",
     kROC, 0, Bits(POINTS), kMeters, kGons, Bits(F::ABILITY_TO_USE_NUMERIC_POINT_NAMES_EXP)},
    // 11
    {u"{67302B1A-7E3C-461B-8F48-26B92563E60D}", u"Varnel GRDX (*.gc3)", kBoth, kStdWriters, kStdReaders,
     u"GC3", u"gc3", u"GC3 Files (*.gc3)|",
     kROC, 0, Bits(CODES), 0, 0, Bits(F::CODE_STYLE_EXP, F::CODE_WITH_ATTRS_EXP)},
    // 12
    {u"{A21E9E3F-7C9E-48F2-952A-15FA6F0AA595}", u"Varnel GRDX (*.pt3)", kBoth, kStdWriters, kStdReaders,
     u"PT3", u"pt3", u"PT3 Files (*.pt3)|",
     kROJC, kInJapan, Bits(POINTS), kMetersFeet, 0, Bits(F::CODE_WITH_ATTRS_EXP)},
    // 13
    {u"{DD36694C-FF9F-4386-8902-2A5BE440F695}", u"Varnel GRDX (*.ln3)", kBoth, kStdWriters, kStdReaders,
     u"LN3", u"ln3", u"LN3 Files (*.ln3)|",
     kROJC, kInJapan, Bits(LINES, AREAS), kMetersFeet, 0, Bits(F::COMPOSITE_LINES_FOR_LINEWORK)},
    // 14
    {u"{684C9CA3-671C-431D-807E-B6FDBBD09392}", u"Varnel GRDX (*.rd3)", kBoth, kStdWriters, kStdReaders,
     u"RD3", u"rd3", u"RD3 Files (*.rd3)|",
     kROC, 0, Bits(H_ALIGNMENTS, V_ALIGNMENTS, X_SECTIONS, ROADS), kMetersFeet, kDecDeg,
     Bits(F::V_ALIGNMENT_SUPPORT_ARCS, F::V_ALIGNMENT_SUPPORT_VERTICAL_ELEMENTS,
          F::H_ALIGNMENT_SUPPORT_COMPOUND_SPIRALS)},
    // 15
    {u"{6610474B-EBBB-42FE-BD3F-F0BBBC22C5C1}", u"Varnel GRDX Project (*.gp3)", kBoth, kStdWriters, kStdReaders,
     u"GP3", u"gp3", u"GP3 Files (*.gp3)|",
     kROC, 0, Bits(POINTS, CODES, LINES, AREAS, ROADS, SURFACES, MULTIPLE), kMetersFeet, kDecDeg,
     Bits(F::PHOTO_NOTES, F::CODE_WITH_ATTRS_EXP, F::COMPOSITE_LINES_FOR_LINEWORK)},
    // 16
    {u"{298FB269-6451-48EF-B04B-6B5C1A9DC3D7}", u"AutoCAD DXF (*.dxf)", kBoth, kStdWriters, kStdReaders,
     u"DXF", u"dxf", u"DXF Files (*.dxf)|",
     kROJC, kInJapan, Bits(POINTS, LINES, AREAS, SURFACES, POINT_LISTS, MULTIPLE), kDrawingUnits, kDecDeg,
     kDrawingParameters},
    // 17
    {u"{9212787E-2E6A-4642-AD37-461BFAAB8008}", u"AutoCAD 2000 Drawing (*.dwg)", kBoth, kLegacyDrawingPlug, kLegacyDrawingPlug,
     u"DWG 2000", u"dwg", u"AutoCAD 2000 Drawing (*.dwg)|",
     kROC, 0, Bits(POINTS, LINES, AREAS, SURFACES, POINT_LISTS, MULTIPLE), kDrawingUnits, kDecDeg,
     kDrawingParameters},
    // 18
    {u"{E1EE3440-4E57-491c-B580-2CC94DFDCD82}", u"AutoCAD 2007 Drawing (*.dwg)", kImport, kDrawingPlug,
     kDrawingPlug, u"DWG", u"dwg", u"AutoCAD Drawing (*.dwg)|",
     kROJC, 0, Bits(POINTS, LINES, SURFACES, POINT_LISTS, MULTIPLE), kDrawingUnits, kDecDeg,
     kDrawingParameters},
    // 19
    {u"{79241EB7-2DDB-4fbf-A677-8E0DB4DF8204}", u"ESRI Shape (*.shp)", kBoth, kShapePlug, kShapePlug,
     u"SHP", u"shp", u"SHP Files (*.shp)|",
     kRO, 0, Bits(POINTS, LINES, AREAS, POINT_LISTS, MULTIPLE), kMetersFeet, 0,
     Bits(F::ABILITY_TO_USE_DESCRIPTION_AS_ATTR_EXP, F::CS_IS_STORED_IN_THE_FILE, F::PHOTO_NOTES,
          F::MULTIPLE_FILES_EXP, F::CODE_WITH_ATTRS_EXP)},
    // 20
    {u"{F2EA6759-A120-41AE-89E5-68DC0D5D4F96}", u"MapInfo (*.mif)", kBoth, kStdWriters, kStdReaders,
     u"MIF", u"mif", u"MIF Files (*.mif)|",
     kROC, 0, Bits(POINTS, LINES, AREAS, MULTIPLE), kMetersFeet, 0,
     Bits(F::CS_IS_STORED_IN_THE_FILE, F::CODE_WITH_ATTRS_EXP)},
    // 21
    {u"{036B2970-33BF-40D9-97DD-0D4037914DB2}", u"MapInfo (*.tab)", kBoth, kStdWriters, kStdReaders,
     u"TAB", u"tab", u"TAB Files (*.tab)|",
     kROC, 0, Bits(POINTS, LINES, AREAS, MULTIPLE), kMetersFeet, 0,
     Bits(F::CS_IS_STORED_IN_THE_FILE, F::CODE_WITH_ATTRS_EXP)},
    // 22
    {u"{A72E7AEC-843D-4D88-8E55-A2AA4DE7CD7C}", u"TDS (*.cr5)", kBoth, kStdWriters, kStdReaders,
     u"CR5", u"cr5", u"CR5 Files (*.cr5)|",
     kROC, 0, Bits(POINTS), kMetersFeet, 0, Bits(F::ABILITY_TO_USE_NUMERIC_POINT_NAMES_EXP)},
    // 23
    {u"{11246CDA-812F-45dc-81D4-35173C9A9FE8}", u"LandXML (*.xml)", kBoth, kStdWriters, kStdReaders,
     u"LandXML", u"xml", u"XML Files (*.xml)|",
     kROJC, kInJapan,
     Bits(POINTS, LINES, PARCELS, ROAD_STRINGS, ROADS, SURFACES, POINT_LISTS, RAW_DATA, MULTIPLE),
     Bits(D::METERS, D::USFEET, D::IFEET, D::MILE, D::INCHES, D::MILLIMETERS, D::CENTIMETERS, D::KILOMETERS),
     Bits(A::RADIANS, A::GRADS_GONS, A::DECDEG, A::DDDMMSSS),
     Bits(F::ABILITY_TO_USE_ZONES_FOR_XSECTIONS_EXP, F::PHOTO_NOTES, F::CODE_WITH_ATTRS_EXP, F::GPS_RAWDATA_EXP,
          F::TS_RAWDATA_EXP, F::PLANE_COORDS_FOR_GPS_POINTS_EXP, F::COMPOSITE_LINES_FOR_LINEWORK,
          F::SUPPORT_POINT_LISTS, F::V_ALIGNMENT_SUPPORT_ARCS, F::V_ALIGNMENT_SUPPORT_LONG_SECTIONS,
          F::H_ALIGNMENT_SUPPORT_COMPOUND_SPIRALS)},
    // 24
    {u"{1C3EAA48-1283-4171-89BB-3357138D3D17}", u"MOSS GENIO (*.mgn)", kBoth, kStdWriters, kStdReaders,
     u"GENIO", u"mgn", u"GENIO Files (*.mgn)|",
     kROC, 0, Bits(POINTS, LINES, ROAD_STRINGS, ROADS, MULTIPLE), kMetersFeet, kDecDeg,
     Bits(F::CODE_STRING_POINTS_ARRAY_EXP, F::ROADS_DEFINED_BY_POINTS_ARRAY)},
    // 25
    {u"{23E1CBBF-C280-40B8-AAEF-1FE02F4461B7}", u"Credo (*.top)", kBoth, kStdWriters, kStdReaders,
     u"Credo", u"top", u"TOP Files (*.top)|",
     kROC, 0, Bits(POINTS, LINES), kMeters, 0, Bits(F::CODE_WITH_ATTRS_EXP)},
    // 26
    {u"{AA44C12C-9A77-4B5D-9FAD-4EC6439D30D1}", u"Cut Sheet Standard (*.txt)", kExport, kStdWriters, kNone,
     u"Cut Sheet", u"txt", u"Text Files (*.txt)|",
     kROC, 0, Bits(POINTS), kMetersFeet, 0, Bits(F::STAKEOUT_POINTS_FOR_REPORTS_EXP)},
    // 27
    {u"{EEE6FE22-5E99-457E-9950-D05FD731DC91}", u"Cut Sheet User Defined (*.txt)", kExport, kStdWriters, kNone,
     u"Cut Sheet UD", u"txt", u"Text Files (*.txt)| CSV Files (*.csv)|",
     kROC, 0, Bits(POINTS), kMetersFeet, 0, Bits(F::CUSTOM_FIELDS, F::STAKEOUT_POINTS_FOR_REPORTS_EXP)},
    // 28
    {u"{2301F298-47F6-4F00-AB6B-2E6A852FE844}", u"Check Sheet (*.txt)", kExport, kStdWriters, kNone,
     u"Check Sheet", u"txt", u"Text Files (*.txt)|",
     kROC, 0, Bits(POINTS), kMetersFeet, 0, Bits(F::STAKEOUT_POINTS_FOR_REPORTS_EXP)},
    // 29
    {u"{ED6B765A-0555-4A94-B334-C72D0E20C009}", u"PTL Sheet(*.txt)", kExport, kStdWriters, kNone,
     u"PTL Sheet", u"txt", u"Text Files (*.txt)|",
     kROC, 0, Bits(POINTS), kMetersFeet, 0, Bits(F::PTL_POINTS_EXP, F::PTL_SIGN_IN_POINT_NAME_EXP)},
    // 30
    {u"{E61D009F-1968-4b92-80C2-CF2559B7E614}", u"MAP Exchange", kBoth, kCorridorLink, kDrawingPlug,
     u"MAP Exchange", u"", u"",
     kR, 0, Bits(POINTS, LINES, SURFACES, POINT_LISTS, MULTIPLE), 0, 0, kDrawingParameters},
    // 31
    {u"{E425D5D9-C641-430F-B082-D408D2A5DCB0}", u"Civil 3D", kExport, kCorridorLink, kNone,
     u"Civil 3D", u"", u"",
     kROC, 0, Bits(POINTS, LINES, ROADS, SURFACES, MULTIPLE), 0, 0,
     Bits(F::AUTODESK_SETTINGS_EXP, F::DRAW_DATA_EXP)},
    // 32
    {u"{BCF50E2D-2DDB-4AAF-B681-8CCBB7CDEEC5}", u"SSS (*.hal)", kBoth, kStdWriters, kStdReaders,
     u"SSS HAL", u"hal", u"SSS H.Alignments (*.hal)|",
     kRO, 0, Bits(H_ALIGNMENTS), kAnyDist, kDecDeg, Bits(F::H_ALIGNMENT_DOESNT_SUPPORT_FIXED_AZ_FOR_ARCS)},
    // 33
    {u"{30C6F86E-B1BF-4569-ABAA-BD5E4CC22ED0}", u"SSS (*.val)", kBoth, kStdWriters, kStdReaders,
     u"SSS VAL", u"val", u"SSS V.Alignments (*.val)|",
     kRO, 0, Bits(V_ALIGNMENTS), kAnyDist, 0, Bits(F::V_ALIGNMENT_SUPPORT_LONG_SECTIONS)},
    // 34
    {u"{BF560CC7-D6AD-4AE6-877E-3D14DA6A3899}", u"SSS (*.rd)", kBoth, kStdWriters, kStdReaders,
     u"SSS RD", u"rd", u"SSS X-Sections (*.rd)|",
     kRO, 0, Bits(X_SECTIONS), kAnyDist, 0, 0},
    // 35
    {u"{9553C767-BBEE-4c65-B718-91FCE66965B9}", u"SSS (*.hal; *.val; *.rd)", kBoth, kStdWriters, kStdReaders,
     u"SSS Roads", u"", u"SSS H.Alignments (*.hal)| SSS V.Alignments (*.val)| SSS X-Sections (*.rd)|",
     kRO, 0, Bits(ROADS), kAnyDist, kDecDeg,
     Bits(F::MULTIPLE_FILES_EXP, F::V_ALIGNMENT_SUPPORT_LONG_SECTIONS, F::H_ALIGNMENT_DOESNT_SUPPORT_FIXED_AZ_FOR_ARCS)},
    // 36
    {u"{791B07F8-1151-46E7-8BD4-518D304E3E2E}", u"TDS (*.rd5)", kBoth, kStdWriters, kStdReaders,
     u"RD5", u"rd5", u"RD5 Files (*.rd5)|",
     kROC, 0, Bits(H_ALIGNMENTS, V_ALIGNMENTS, X_SECTIONS, ROADS), kMetersFeet, kDecDeg,
     Bits(F::ABILITY_TO_USE_ZONES_FOR_XSECTIONS_EXP, F::V_ALIGNMENT_SUPPORT_ARCS)},
    // 37
    {u"{AD08C09E-6AEC-417D-9E51-656404932D4B}", u"Kelmora (*.khl)", kBoth, kStdWriters, kStdReaders,
     u"Kelmora HAL", u"khl", u"Kelmora H.Alignments (*.khl)|",
     kROC, 0, Bits(H_ALIGNMENTS), kMeters, kDecDeg, Bits(F::H_ALIGNMENT_SUPPORT_COMPOUND_SPIRALS)},
    // 38
    {u"{4C9B3498-FC2F-4206-9FC0-594947405D82}", u"Kelmora (*.kvl)", kBoth, kStdWriters, kStdReaders,
     u"Kelmora VAL", u"kvl", u"Kelmora V.Alignments (*.kvl)|",
     kROC, 0, Bits(V_ALIGNMENTS), kMeters, 0, Bits(F::V_ALIGNMENT_SUPPORT_ARCS)},
    // 39
    {u"{14A9C9EF-E339-4913-B61B-232D583017C6}", u"Kelmora (*.krd)", kBoth, kStdWriters, kStdReaders,
     u"Kelmora RD", u"krd", u"Kelmora X-Sections (*.krd)|",
     kROC, 0, Bits(X_SECTIONS), kMeters, 0, Bits(F::XSECTIONS_SLOPES_ARE_STORED_SEPARATELY_IMP)},
    // 40
    {u"{6DEE5204-8F76-4191-B64D-6F7994B52EF9}", u"Kelmora (*.khl; *.kvl; *.krd)", kBoth, kStdWriters, kStdReaders,
     u"Kelmora Roads", u"",
     u"Kelmora H.Alignments (*.khl)| Kelmora V.Alignments (*.kvl)| Kelmora X-Sections (*.krd)|",
     kROC, 0, Bits(ROADS), kMeters, kDecDeg,
     Bits(F::MULTIPLE_FILES_EXP, F::V_ALIGNMENT_SUPPORT_ARCS, F::H_ALIGNMENT_SUPPORT_COMPOUND_SPIRALS,
          F::XSECTIONS_SLOPES_ARE_STORED_SEPARATELY_IMP)},
    // 41
    {u"{A6245AD2-654F-4FD6-B686-DCF418612C04}", u"CLIP (*.PLT)", kBoth, kStdWriters, kStdReaders,
     u"CLIP PLT", u"PLT", u"CLIP H.Alignments (*.PLT)|",
     kROC, 0, Bits(H_ALIGNMENTS), kMeters, kGons, 0},
    // 42
    {u"{111CCBBF-A9E4-45F7-B03D-C37D075E0751}", u"CLIP (*.ALZ)", kBoth, kStdWriters, kStdReaders,
     u"CLIP ALZ", u"ALZ", u"CLIP V.Alignments (*.ALZ)|",
     kROC, 0, Bits(V_ALIGNMENTS), kMeters, 0, Bits(F::V_ALIGNMENT_SUPPORTS_ONLY_ARCS)},
    // 43
    {u"{62535BAD-7114-4C89-BD43-34C12DE7256A}", u"CLIP (*.TRV)", kBoth, kStdWriters, kStdReaders,
     u"CLIP TRV", u"TRV", u"CLIP X-Sections (*.TRV)|",
     kROC, 0, Bits(X_SECTIONS), kMeters, 0, 0},
    // 44
    {u"{08C84C38-FD24-4B7F-959A-69312A56BE28}", u"CLIP (*.PLT; *.ALZ; *.TRV)", kBoth, kStdWriters, kStdReaders,
     u"CLIP Roads", u"", u"CLIP H.Alignments (*.PLT)| CLIP V.Alignments (*.ALZ)| CLIP X-Sections (*.TRV)|",
     kROC, 0, Bits(ROADS), kMeters, kGons, Bits(F::MULTIPLE_FILES_EXP, F::V_ALIGNMENT_SUPPORTS_ONLY_ARCS)},
    // 45
    {u"{6251220E-CB6E-4FB9-9FC6-BD00F10410F3}", u"INROADS (*.ASC)", kImport, kNone, kStdReaders,
     u"INROADS", u"ASC", u"INROADS Files (*.ASC)|",
     kROC, 0, Bits(H_ALIGNMENTS, V_ALIGNMENTS, ROADS), kMetersFeet, kDecDeg, 0},
    // 46
    {u"{A5CA6E19-89F4-4731-B409-89017A8A2ACC}", u"ISPOL (*.ALI)", kBoth, kStdWriters, kStdReaders,
     u"ISPOL ALI", u"ALI", u"ISPOL H.Alignments (*.ALI)|",
     kROC, 0, Bits(H_ALIGNMENTS), kMeters, kGons, Bits(F::H_ALIGNMENT_SUPPORT_COMPOUND_SPIRALS)},
    // 47
    {u"{C60C2BFE-15B4-4F16-871E-0E01907BC061}", u"ISPOL (*.RAS)", kBoth, kStdWriters, kStdReaders,
     u"ISPOL RAS", u"RAS", u"ISPOL V.Alignments (*.RAS)|",
     kROC, 0, Bits(V_ALIGNMENTS), kMeters, 0, Bits(F::V_ALIGNMENT_SUPPORT_ARCS)},
    // 48
    {u"{4059ADF9-4190-489F-A620-383D4C28FEFB}", u"ISPOL (*.SC1)", kBoth, kStdWriters, kStdReaders,
     u"ISPOL SC1", u"SC1", u"ISPOL X-Sections (*.SC1)|",
     kROC, 0, Bits(X_SECTIONS), kMeters, 0, 0},
    // 49
    {u"{1CDA3013-7406-46CE-BAAD-7F8BFE4D73D5}", u"ISPOL (*.ALI; *.RAS; *.SC1)", kBoth, kStdWriters, kStdReaders,
     u"ISPOL Roads", u"", u"ISPOL H.Alignments (*.ALI)| ISPOL V.Alignments (*.RAS)| ISPOL X-Sections (*.SC1)|",
     kROC, 0, Bits(ROADS), kMeters, kGons,
     Bits(F::MULTIPLE_FILES_EXP, F::V_ALIGNMENT_SUPPORT_ARCS, F::H_ALIGNMENT_SUPPORT_COMPOUND_SPIRALS)},
    // 50
    {u"{8EEBD945-FDAF-4148-B546-48175767D85F}", u"Tekla (*.vgp)", kBoth, kStdWriters, kStdReaders,
     u"Tekla", u"vgp", u"VGP Files (*.vgp)|",
     kROC, 0, Bits(V_ALIGNMENTS), kMeters, 0, Bits(F::V_ALIGNMENT_SUPPORT_VERTICAL_ELEMENTS)},
    // 51
    {u"{0A93AF09-3885-4CD8-A518-4788925BC894}", u"Varnel QP-5 (*.qp5)", kBoth, kStdWriters, kStdReaders,
     u"QP-5 Raw", u"qp5", u"QP-5 Files (*.qp5)|",
     kROJC, 0, Bits(RAW_DATA), kMetersFeet, Bits(A::GRADS_GONS, A::DECDEG, A::DDDMMSSS),
     Bits(F::GPS_RAWDATA_EXP, F::TS_RAWDATA_EXP, F::MANUAL_POINTS_WITH_RAW_DATA_EXP)},
    // 52
    {u"{82B47FA9-DAFD-4C0E-A9F4-9A821A6B5AA4}", u"Varnel KRT210/310/10 (*.raw)", kBoth, kStdWriters, kStdReaders,
     u"KRT Raw", u"raw", u"RAW Files (*.raw)|",
     kROC, 0, Bits(RAW_DATA), kMetersFeet, Bits(A::GRADS_GONS, A::DDDMMSSS),
     Bits(F::TS_RAWDATA_EXP, F::REDUCED_TS_RAW_DATA_IS_USED_EXP)},
    // 53
    {u"{5B5C306E-61C9-4ACB-B01D-A461701D0A35}", u"Varnel KRT-6 (*.krt6)", kBoth, kStdWriters, kStdReaders,
     u"KRT-6 Raw", u"krt6", u"KRT-6 Files (*.krt6)|",
     kROC, 0, Bits(RAW_DATA), kMetersFeet, Bits(A::GRADS_GONS, A::DDDMMSSS), Bits(F::TS_RAWDATA_EXP)},
    // 54
    {u"{269B577D-E008-492C-84E7-C6BDC6FB765A}", u"Varnel QP-6/KRT-7 (*.krt7)", kBoth, kStdWriters, kStdReaders,
     u"QP-6/KRT-7 Raw", u"krt7", u"KRT-7 Files (*.krt7)|",
     kROC, 0, Bits(RAW_DATA), kMetersFeet, Bits(A::GRADS_GONS, A::DECDEG, A::DDDMMSSS),
     Bits(F::GPS_RAWDATA_EXP, F::TS_RAWDATA_EXP, F::BS_POINT_MUST_EXIST)},
    // 55
    {u"{710FBDC4-490A-4C60-810D-ADA58C734D52}", u"Varnel KRT-7+ (*.krt7)", kBoth, kStdWriters, kStdReaders,
     u"KRT-7+ Raw", u"krt7", u"KRT-7 Files (*.krt7)|",
     kROC, 0, Bits(RAW_DATA), kMetersFeet, Bits(A::GRADS_GONS, A::MILS, A::DECDEG, A::DDDMMSSS),
     Bits(F::GPS_RAWDATA_EXP, F::TS_RAWDATA_EXP, F::DL_RAWDATA_EXP, F::RAW_POINTS_ARE_USED_EXP)},
    // 56
    {u"{FEEFD434-7488-4C65-BCE3-A05F42C72951}", u"SurvCE (*.RW5)", kImport, kNone, kStdReaders,
     u"RW5", u"RW5", u"RW5 Files (*.RW5)|",
     kROC, 0, Bits(RAW_DATA), kMetersFeet, Bits(A::DECDEG, A::DDDMMSSS), 0},
    // 57
    {u"{5AD08E76-9632-4A8B-9637-66A142ACDF13}", u"TDS (*.RAW)", kImport, kNone, kStdReaders,
     u"TDS Raw", u"RAW", u"TDS Raw Files (*.RAW)|",
     kROC, 0, Bits(RAW_DATA), kMetersFeet, kDms, 0},
    // 58
    {u"{9D6CFFA6-AC0C-49E0-AFBD-45CAC847B00D}", u"MOSS Survey (*.txt)", kBoth, kStdWriters, kStdReaders,
     u"MOSS Survey", u"txt", u"Text Files (*.txt)|",
     kROC, 0, Bits(RAW_DATA), kMeters, Bits(A::GRADS_GONS, A::DDDMMSSS),
     Bits(F::TS_RAWDATA_EXP, F::MULTIPLE_STAION_POINTS)},
    // 59
    {u"{BD21E500-E14B-421C-A1C3-27DCF9EAC4A4}", u"Field Book (*.fbk)", kBoth, kStdWriters, kStdReaders,
     u"FBK", u"fbk", u"Field Book Files (*.fbk)|",
     kROC, 0, Bits(RAW_DATA), kMetersFeet, kDms,
     Bits(F::GPS_RAWDATA_EXP, F::TS_RAWDATA_EXP, F::XYZ_COORDS_IN_GPS_RAW_DATA_EXP)},
    // 60
    {u"{E14EBCFE-CEA8-45EA-8C47-061C525CFDF9}", u"VVF (*.vvf)", kExport, kStdWriters, kNone,
     u"VVF", u"vvf", u"VVF Files (*.vvf)|",
     kROC, 0, Bits(CODES), 0, 0, Bits(F::CODE_WITH_ATTRS_EXP)},
    // 61
    {u"{FF134BB6-8730-4D0B-8DBF-A540C65A7047}", u"VVF with Code Style (*.vvf)", kExport, kStdWriters, kNone,
     u"VVF Style", u"vvf", u"VVF Files (*.vvf)|",
     kROC, 0, Bits(CODES), 0, 0, Bits(F::CODE_STYLE_EXP, F::CODE_WITH_ATTRS_EXP)},
    // 62
    {u"{C04893FE-0C8B-4953-ADF9-0DE7D57DC835}", u"Kelmora X-Section Survey (*.xss)", kExport, kStdWriters, kNone,
     u"Kelmora XSS", u"xss", u"XSS Files (*.xss)|",
     kROC, 0, Bits(ROAD_SURVEY), kMeters, 0, Bits(F::SURVEY_XSECT_ROADS_EXP)},
    // 63
    {u"{D0326CA3-30B4-4DD8-A972-EC5DB883465C}", u"Find Chainage/Station Report (*.txt)", kExport, kStdWriters, kNone,
     u"Find Sta", u"txt", u"Text Files (*.txt)|",
     kROC, 0, Bits(ROAD_SURVEY), kMetersFeet, 0, Bits(F::SURVEY_FIND_STA_ROADS_EXP)},
    // 64
    {u"{E05551FC-18DE-4AE7-BB56-DF79AA034EB9}", u"SSS (*.xtl)", kBoth, kStdWriters, kStdReaders,
     u"SSS XTL", u"xtl", u"SSS Templates (*.xtl)|",
     kRO, 0, Bits(X_SECTION_TEMPLATES), kAnyDist, 0, 0},
    // 65
    {u"{DC729E75-B725-401B-B09A-E1A2EC4634CF}", u"TDS (*.tp5)", kBoth, kStdWriters, kStdReaders,
     u"TP5", u"tp5", u"TP5 Files (*.tp5)|",
     kROC, 0, Bits(X_SECTION_TEMPLATES), kMetersFeet, 0, 0},
    // 66
    {u"{864F3BB5-7729-4D69-A378-BAFF59107592}", u"Kelmora (*.xst)", kBoth, kStdWriters, kStdReaders,
     u"Kelmora XST", u"xst", u"Kelmora Templates (*.xst)|",
     kROC, 0, Bits(X_SECTION_TEMPLATES), kMeters, 0, Bits(F::XSECTIONS_SLOPES_ARE_STORED_SEPARATELY_IMP)},
    // 67
    {u"{48407D85-776D-4308-8456-3AEFDB47500C}", u"TDS (*.RAW)", kExport, kStdWriters, kNone,
     u"TDS Raw", u"RAW", u"TDS Raw Files (*.RAW)|",
     kROC, 0, Bits(RAW_DATA), kMetersFeet, kDms,
     Bits(F::GPS_RAWDATA_EXP, F::TS_RAWDATA_EXP, F::PLANE_COORDS_FOR_GPS_POINTS_EXP)},
    // 68
    {u"{807BD698-C95A-4bc3-A607-D2E715AE15AE}", u"Trimble DC (*.dc)", kImport, kNone, kStdReaders,
     u"Trimble DC", u"dc", u"Trimble DC Files (*.dc)|",
     kROC, 0, Bits(LOCALIZATION), kMetersFeet, Bits(A::GRADS_GONS, A::MILS, A::DDDMMSSS), 0},
    // 69
    {u"{86B1F846-9E2C-4E66-ADDA-CCA9D59380BC}", u"NEZ (*.csv)", kBoth, kStdWriters, kStdReaders,
     u"NEZ", u"csv", u"CSV Files (*.csv)|",
     kROJC, 0, Bits(POINTS), kMetersFeet, 0, Bits(F::ABILITY_TO_USE_DESCRIPTION_AS_ATTR_EXP)},
    // 70
    {u"{57DD00E5-A1AA-4410-B369-388D567324DC}", u"NEZ w/strings (*.csv)", kBoth, kStdWriters, kStdReaders,
     u"NEZ Str", u"csv", u"CSV Files (*.csv)|",
     kROC, 0, Bits(POINTS, LINES, MULTIPLE), kMetersFeet, 0, Bits(F::CODE_STRING_POINTS_ARRAY_EXP)},
    // 71
    {u"{B0041AD6-E840-453F-B5B5-2EF8EAD64C13}", u"Varnel XML (*.xml)", kBoth, kStdWriters, kStdReaders,
     u"Varnel XML", u"xml", u"XML Files (*.xml)|",
     kROJC, 0,
     Bits(POINTS, CODES, LINES, AREAS, SURFACES, POINT_LISTS, LAYER_STATES, RAW_DATA, MULTIPLE),
     kMetersFeet, kDecDeg,
     Bits(F::PHOTO_NOTES, F::CODE_WITH_ATTRS_EXP, F::GPS_RAWDATA_EXP, F::TS_RAWDATA_EXP,
          F::COMPOSITE_LINES_FOR_LINEWORK, F::SUPPORT_POINT_LISTS)},
    // 72
    {u"{07377C51-8DFF-419C-9510-F7B3C018B5E3}", u"Varnel Text (*.vdd)", kBoth, kStdWriters, kStdReaders,
     u"VDD", u"vdd", u"VDD Files (*.vdd)|",
     kROC, 0, Bits(POINTS, LINES, AREAS, MULTIPLE), kMetersFeet, 0,
     Bits(F::ABILITY_TO_DEFINE_ATTRIBUTES_USING_EXP, F::CODE_WITH_ATTRS_EXP)},
    // 73
    {u"{B4C2FC07-523D-4192-B518-585367AE93B5}", u"DBF (*.dbf)", kBoth, kShapePlug, kShapePlug,
     u"DBF", u"dbf", u"DBF Files (*.dbf)|",
     kROC, 0, Bits(CODES), 0, 0, Bits(F::MULTIPLE_FILES_EXP, F::CODE_WITH_ATTRS_EXP)},
    // 74
    {u"{2F10B6E9-922F-4F2D-978E-EC0667760F9D}", u"CMM (*.cor)", kBoth, kStdWriters, kStdReaders,
     u"CMM", u"cor", u"COR Files (*.cor)|",
     kROC, 0, Bits(POINTS), kMeters, 0, Bits(F::ABILITY_TO_APPEND_TO_EXISTED_FILE_EXP)},
    // 75
    {u"{CC93C954-2251-41D6-8702-83FF0FB91B61}", u"VQ-7000 (*.cmr; *.imc; *.csv)", kExport, kStdWriters, kNone,
     u"VQ-7000", u"", u"VQ-7000 Control (*.cmr)| VQ-7000 Images (*.imc)| VQ-7000 Points (*.csv)|",
     kROJ, 0, Bits(SCANNING_DATA), kMeters, 0, Bits(F::PHOTO_NOTES)},
    // 76
    {u"{BCE80B74-B669-46B3-9EFC-883460D1C03B}", u"Pixora Project", kExport, kStdWriters, kNone,
     u"Pixora", u"pxp", u"Pixora Project (*.pxp)|",
     kROJ, 0, Bits(SCANNING_DATA), kMeters, 0, Bits(F::PHOTO_NOTES)},
    // 77
    {u"{E54B50D8-69CB-433F-8CD3-9573208FF847}", u"Field Orientation (*.OCC; *.PIR)", kExport, kStdWriters, kNone,
     u"Orientation", u"", u"Orientation Files (*.OCC)| Image Points (*.PIR)|",
     kRO, 0, Bits(SCANNING_DATA), kMeters, kDecDeg, 0},
    // 78
    {u"{B93349EE-C3DA-4FC9-8A06-3F1ECD3AD22D}", u"CSV (Comma delimited) (.csv)", kExport, kStdWriters, kNone,
     u"CSV", u"csv", u"CSV Files (*.csv)|",
     kROJC, 0, Bits(POINTS), kAnyDist, 0,
     Bits(F::ABILITY_TO_HAVE_ATTR_VALUES_IN_QUOTES_EXP, F::POINTS_IN_ALPHABETICAL_ORDER_EXP)},
    // 79
    {u"{2D5352FF-97C8-4DEA-9CC7-3486252C5140}", u"Text report (*.txt)", kExport, kStdWriters, kNone,
     u"Report", u"txt", u"Text Files (*.txt)|",
     kRO, 0, Bits(JOB_HISTORY), kAnyDist, kAnyAngle, 0},
    // 80
    {u"{603C47F4-1390-4300-B469-349E86F549C2}", u"Autodesk (*.las)", kBoth, kStdWriters, kStdReaders,
     u"LAS", u"las", u"Layer States (*.las)|",
     kROC, 0, Bits(LAYER_STATES), 0, 0, Bits(F::AUTODESK_SETTINGS_EXP)},
    // 81
    {u"{91433F6B-6BB4-483A-8EBF-B44ACFE6958F}", u"MMH360 (*.360)", kBoth, kGradePlugs, kGradePlugs,
     u"MMH360", u"360", u"MMH360 Files (*.360)|",
     kROC, 0, Bits(LINES, SURFACES), kMeters, 0, 0},
    // 82
    {u"{D9D382CB-DD51-4783-9DDA-E0F3C14BD1F7}", u"MML-ETRS (*.mml)", kBoth, kStdWriters, kStdReaders,
     u"MML-ETRS", u"mml", u"MML Files (*.mml)|",
     kRO, 0, Bits(LOCALIZATION), kMeters, kDecDeg, 0},
    // 83
    {u"{D5E6C07E-107B-424E-B154-FF3D8D5B926B}", u"KOF (*.kof)", kBoth, kStdWriters, kStdReaders,
     u"KOF Raw", u"kof", u"KOF Files (*.kof)|",
     kROC, 0, Bits(RAW_DATA), kMeters, Bits(A::GRADS_GONS, A::DECDEG), Bits(F::TS_RAWDATA_EXP)},
    // 84
    {u"{61740D79-AAB0-49E3-9314-2519B0E864A3}", u"KOF (*.kof)", kBoth, kStdWriters, kStdReaders,
     u"KOF", u"kof", u"KOF Files (*.kof)|",
     kROC, 0, Bits(POINTS, LINES, MULTIPLE), kMeters, 0, Bits(F::CODE_WITH_ATTRS_EXP)},
    // 85
    {u"{DF305D11-A221-4209-99F3-D5DF2446145D}", u"Berlin GNSS-Messprotokoll (*.txt)", kExport, kStdWriters, kNone,
     u"GNSS Log", u"txt", u"Text Files (*.txt)|",
     kR, 0, Bits(RAW_DATA), kMeters, 0,
     Bits(F::GPS_RAWDATA_EXP, F::NEZ_COV_MATRIX_IN_GPS_RAW_DATA_EXP, F::ARP_HEIGHT_IS_USED_IN_GPS_RAW_DATA_EXP)},
    // 86
    {u"{F7589003-0404-4A95-9EEC-E11655D90676}", u"Varnel (*.ZT)", kBoth, kStdWriters, kStdReaders,
     u"ZT", u"ZT", u"ZT Files (*.ZT)|",
     kJ, 0, Bits(POINTS), kMeters, 0, Bits(F::ABILITY_TO_USE_NUMERIC_POINT_NAMES_EXP)},
    // 87
    {u"{58441FF3-9E5C-4725-B5CB-6AA98C7A08BE}", u"APA (*.ZK)", kBoth, kStdWriters, kStdReaders,
     u"APA", u"ZK", u"ZK Files (*.ZK)|",
     kJ, 0, Bits(POINTS), kMeters, 0, 0},
    // 88
    {u"{EB0DC012-D2A3-468A-AE8C-64C142C546D5}", u"CSV w/codes (*.csv)", kBoth, kStdWriters, kStdReaders,
     u"CSV Codes", u"csv", u"CSV Files (*.csv)|",
     kJ, kInJapan, Bits(POINTS), kMeters, 0, Bits(F::CODE_WITH_ATTRS_EXP)},
    // 89
    {u"{C2EBBB5B-AC43-4150-B0D8-1B2D2396EBC1}", u"CSV (*.csv)", kBoth, kStdWriters, kStdReaders,
     u"CSV", u"csv", u"CSV Files (*.csv)|",
     kJ, kInJapan, Bits(POINTS), kMeters, 0, 0},
    // 90
    {u"{C5027403-AE38-4814-9714-D92622F02AE3}", u"Varnel (*.O1T)", kBoth, kStdWriters, kStdReaders,
     u"O1T", u"O1T", u"O1T Files (*.O1T)|",
     kJ, 0, Bits(RAW_DATA), kMeters, kDms, Bits(F::TS_RAWDATA_EXP)},
    // 91
    {u"{5574642D-F8FC-47B9-9DB7-E2C75B3320E7}", u"SIMA (*.SIM)", kBoth, kStdWriters, kStdReaders,
     u"SIMA", u"SIM", u"SIMA Files (*.SIM)|",
     kJ, 0, Bits(POINTS, LINES), kMeters, 0, 0},
    // 92
    {u"{8B01F79B-5654-49C8-9267-E4074458A2A2}", u"SIMA Index (*.SIM)", kBoth, kStdWriters, kStdReaders,
     u"SIMA Index", u"SIM", u"SIMA Files (*.SIM)|",
     kJ, 0, Bits(POINTS), kMeters, 0, Bits(F::POINTS_IN_ALPHABETICAL_ORDER_EXP)},
    // 93
    {u"{6AEE797B-4A62-4F45-BF17-6323A440E9E7}", u"Berlin GNSS-Mittelwerte (*.txt)", kExport, kStdWriters, kNone,
     u"GNSS Means", u"txt", u"Text Files (*.txt)|",
     kR, 0, Bits(RAW_DATA), kMeters, 0,
     Bits(F::GPS_RAWDATA_EXP, F::COORDS_IN_DISPLAY_CS_IN_GPS_POSITIONS_EXP)},
    // 94
    {u"{31C93FCD-1758-4993-ABF5-3DC44C1E175C}", u"MMH360_Z000 (*.360)", kBoth, kGradePlugs, kGradePlugs,
     u"MMH360 Z000", u"360", u"MMH360 Files (*.360)|",
     kROC, 0, Bits(SURFACES), kMeters, 0, 0},
    // 95
    {u"{7C62C0ED-6CF6-4F25-9B4F-7301A0D55B39}", u"D40 (*.D40)", kBoth, kStdWriters, kStdReaders,
     u"D40", u"D40", u"D40 Files (*.D40)|",
     kROC, 0, Bits(X_SECTIONS, ROADS), kMeters, kDecDeg, 0},
    // 96
    {u"{6D68D6F2-20AC-4DEA-96F4-106DF8DB917F}", u"Microstation 95/ISFF (*.dgn)", kBoth, kIsffPlug, kIsffPlug,
     u"DGN 95", u"dgn", u"DGN Files (*.dgn)|",
     kROJC, kInJapan, Bits(POINTS, LINES, AREAS, MULTIPLE), kMetersFeet, kDecDeg,
     Bits(F::CODE_STYLE_EXP, F::DRAW_DATA_EXP)},
    // 97
    {u"{C2AAA1CF-842D-4394-BB76-94BA2CF2815D}", u"MicroStation V8 (*.dgn)", kBoth, kStdWriters, kStdReaders,
     u"DGN V8", u"dgn", u"DGN Files (*.dgn)|",
     kROJC, kInJapan, Bits(POINTS, LINES, AREAS, SURFACES, MULTIPLE), kMetersFeet, kDecDeg,
     Bits(F::CODE_STYLE_EXP, F::DRAW_DATA_EXP)},
    // 98
    {u"{D9298772-6A72-4383-ADF2-9597904983F8}", u"MX GENIO (*.txt)", kImport, kNone, kStdReaders,
     u"MX GENIO", u"txt", u"Text Files (*.txt)|",
     kROC, 0, Bits(H_ALIGNMENTS, V_ALIGNMENTS, ROAD_STRINGS, ROADS), kMeters, kDecDeg,
     Bits(F::ROADS_DEFINED_BY_POINTS_ARRAY)},
    // 99
    {u"{A978516F-AC43-4FC9-8E13-D54C0FF62ECD}", u"Custom (*.cxs)", kBoth, kStdWriters, kStdReaders,
     u"CXS", u"cxs", u"CXS Files (*.cxs)|",
     kROC, 0, Bits(X_SECTIONS, X_SECTION_TEMPLATES), kMetersFeet, 0, Bits(F::CUSTOM_FIELDS)},
    // 100
    {u"{902066EC-90FC-4C12-9086-CF0A3608236C}", u"SBG (*.LIN)", kBoth, kGradePlugs, kGradePlugs,
     u"SBG LIN", u"LIN", u"SBG Lines (*.LIN)|",
     kROC, 0, Bits(LINES), kMeters, 0, 0},
    // 101
    {u"{F321DD7F-473E-4DDC-A631-504AAD960C38}", u"SBG Pxy (*.PXY)", kBoth, kGradePlugs, kGradePlugs,
     u"SBG PXY", u"PXY", u"SBG Points (*.PXY)|",
     kROC, 0, Bits(POINTS), kMeters, 0, 0},
    // 102
    {u"{FB2EB7E8-15F3-4EFA-95E8-641ED7046A68}", u"SBG Geo (*.Geo)", kBoth, kGradePlugs, kGradePlugs,
     u"SBG Geo", u"Geo", u"SBG Geometry (*.Geo)|",
     kROC, 0, Bits(H_ALIGNMENTS, V_ALIGNMENTS, ROADS), kMeters, kDecDeg, 0},
    // 103
    {u"{1A1EEA1C-2EDA-4481-9444-700724212291}", u"Sokkia SDR33 (*.sdr)", kBoth, kStdWriters, kStdReaders,
     u"SDR33", u"sdr", u"SDR Files (*.sdr)|",
     kROC, 0, Bits(POINTS, RAW_DATA), kMetersFeet, Bits(A::GRADS_GONS, A::DECDEG, A::DDDMMSSS),
     Bits(F::TS_RAWDATA_EXP, F::MANUAL_POINTS_WITH_RAW_DATA_EXP)},
    // 104
    {u"{E4414E71-A6F6-4D10-A636-6029CAF157E9}", u"Carlson (*.loc)", kBoth, kStdWriters, kStdReaders,
     u"LOC", u"loc", u"LOC Files (*.loc)|",
     kRO, 0, Bits(LOCALIZATION), kMetersFeet, kDms, 0},
    // 105
    {u"{E5FE4EFE-5C47-4C82-AB23-D630106311FB}", u"GeoPAK (*.gen)", kImport, kNone, kStdReaders,
     u"GEN", u"gen", u"GEN Files (*.gen)|",
     kROC, 0, Bits(PARCELS, H_ALIGNMENTS), kMetersFeet, kDecDeg, 0},
    // 106
    {u"{96E05A3F-B62D-40AD-ABA4-679EC72821DA}", u"Varnel Text Custom (*.txt)", kExport, kStdWriters, kNone,
     u"Text Custom", u"txt", u"Text Files (*.txt)|",
     kROC, 0, Bits(POINTS, POINT_LISTS), kAnyDist, kAnyAngle,
     Bits(F::ABILITY_TO_ADD_ATTR_TYPE_TO_ATTR_EXP, F::CUSTOM_FIELDS)},
    // 107
    {u"{4F1CCB88-CD97-47D0-869A-A39EFF56129F}", u"Carlson (*.FCL)", kBoth, kStdWriters, kStdReaders,
     u"FCL", u"FCL", u"FCL Files (*.FCL)|",
     kROC, 0, Bits(CODES), 0, 0, Bits(F::CODE_WITH_ATTRS_EXP)},
    // 108
    {u"{5B1E51B1-F49B-4a99-A859-657A7D3B0E29}", u"CSV Report (*.CSV)", kExport, kStdWriters, kNone,
     u"CSV", u"CSV", u"CSV Report (*.CSV)|",
     kROJC, 0, Bits(STAKE_REPORTS), 0, 0, 0},
    // 109
    {u"{D614600A-E7E9-464A-A0FF-0A6215C25182}", u"Varnel Custom TS(*.txt)", kExport, kStdWriters, kNone,
     u"Custom TS", u"txt", u"Text Files (*.txt)|",
     kROC, 0, Bits(RAW_DATA), kAnyDist, kAnyAngle, Bits(F::CUSTOM_FIELDS, F::TS_RAWDATA_EXP)},
    // 110
    {u"{8654955A-C000-4FF0-AA76-C4CD760119E6}", u"Varnel Custom GPS(*.txt)", kExport, kStdWriters, kNone,
     u"Custom GPS", u"txt", u"Text Files (*.txt)|",
     kROC, 0, Bits(RAW_DATA), kAnyDist, kAnyAngle, Bits(F::CUSTOM_FIELDS, F::GPS_RAWDATA_EXP)},
};
// clang-format on

static_assert(sizeof kDataTypes / sizeof kDataTypes[0] == 20, "twenty data types");
static_assert(sizeof kFormats / sizeof kFormats[0] == 111, "111 formats");

}  // namespace

void AppendDataTypes(qel_templ::CQelArray<CIEDataType*>& types) {
  for (const TDataTypeRow& row : kDataTypes) {
    CIEDataType* type =
        new CIEDataType(row.type, row.name, row.direction, row.configurations, row.usingModes);
    if (type) types.Add(type);
  }
}

void AppendFormats(qel_templ::CQelArray<CIEFormat*>& formats) {
  for (const TFormatRow& row : kFormats) {
    _GUID guid;
    if (!GuidFromString(row.guid, guid)) continue;
    CIEFormat* format =
        new CIEFormat(guid, row.name, row.direction, row.exportLibrary, row.importLibrary, row.title,
                      row.extension, row.filterExtension, row.configurations, row.usingModes, row.dataTypes,
                      row.distUnits, row.angleUnits, row.parameters);
    if (format) formats.Add(format);
  }
}

}  // namespace IEDefaultCatalogue
