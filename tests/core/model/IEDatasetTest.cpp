#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "IEArc.h"
#include "IECodeDescription.h"
#include "IEDataset.h"
#include "IEDesignPoint.h"
#include "IELayer.h"
#include "IEPolyLine.h"
#include "IESheetPoint.h"

namespace {

CIEDesignPoint* Point(const char16_t* name, CIECodeDescription* code = nullptr) {
  auto* p = new CIEDesignPoint();
  p->SetName(name);
  if (code) p->AddCode(new CIECodeValues(code));
  return p;
}

CIEArc* Arc(CIELayer* layer, double start, double end) {
  auto* arc = new CIEArc();
  arc->SetLayer(layer);
  arc->SetData(CIEArc::ARC_START_ANGLE, start);
  arc->SetData(CIEArc::ARC_END_ANGLE, end);
  return arc;
}

TEST(IEDatasetTest, InitialSizeGivesNullEntries) {
  CIEDataset ds(u"D", 3, false);
  EXPECT_EQ(3, ds.GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false));
  EXPECT_EQ(nullptr, ds.GetObjectAt(0));
  EXPECT_EQ(nullptr, ds.GetObjectAt(3));
  EXPECT_EQ(nullptr, ds.GetObjectAt(-1));
  EXPECT_EQ(0, ds.GetNumberOfElements(IE_DESIGN_POINT, IIEStateInterface::STATE_ANY, false, false));
  EXPECT_TRUE(ds.GetName() == u"D");
  EXPECT_EQ(EDIST_UNITS::ANY_UNITS, ds.GetImportedFileSettings().GetDistUnits());
  // Room for more entries adds none.
  ds.Reserve(5000);
  ds.Reserve(-1);
  EXPECT_EQ(3, ds.GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false));
  CIEDesignPoint* point = Point(u"P");
  ds.Add(point);
  EXPECT_EQ(point, ds.GetObjectAt(3));
}

TEST(IEDatasetTest, CountingByKindGroupAndState) {
  CIEDataset ds(u"D");
  ds.Add(Point(u"1"));
  ds.Add(new CIEPolyLine());
  ds.Add(new CIEArea());
  ds.Add(new CIEArc());
  ds.Add(new CIESheetPoint());
  ds.Add(nullptr);
  auto* inactive = Point(u"2");
  inactive->SetStateType(IIEStateInterface::STATE_INACTIVE);
  ds.Add(inactive);
  const auto ANY = IIEStateInterface::STATE_ANY;
  const auto ACTIVE = IIEStateInterface::STATE_ACTIVE;
  struct Case {
    int kind;
    IIEStateInterface::ECurrentState state;
    bool points, lines;
    int expected;
  } cases[] = {{-1, ANY, false, false, 6},
               {-1, ACTIVE, true, true, 6},
               {99, ANY, true, false, 3},
               {-1, ACTIVE, true, false, 2},
               {-1, ANY, false, true, 2},
               {IE_AREA, ANY, false, false, 1},
               {IE_DESIGN_POINT, ANY, false, false, 2},
               {IE_DESIGN_POINT, ACTIVE, false, false, 1},
               {IE_SHEET_POINT, ANY, false, false, 1},
               {-2, ANY, false, false, 0},
               {11, ANY, false, false, 0},
               {IE_SURFACE, ANY, false, false, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, ds.GetNumberOfElements(c.kind, c.state, c.points, c.lines))
        << c.kind << " " << c.state << " " << c.points << c.lines;
}

TEST(IEDatasetTest, PerLayerCounts) {
  CIELayer layer, other;
  CIEDataset ds(u"D");
  ds.Add(Arc(&layer, 0, 0));
  ds.Add(Arc(&layer, 0, 90));
  ds.Add(Arc(&other, 0, 0));
  CIEArc* inactive = Arc(&layer, 0, 0);
  inactive->SetStateType(IIEStateInterface::STATE_INACTIVE);
  ds.Add(inactive);
  EXPECT_EQ(3, ds.GetNumberOfElementsWithTheLayer(&layer, IE_ARC));
  EXPECT_EQ(0, ds.GetNumberOfElementsWithTheLayer(&layer, IE_POLYLINE));
  int arcs = 5;
  EXPECT_EQ(3, ds.GetNumberOfSeparatedArcsWithTheLayer(&layer, arcs));
  EXPECT_EQ(7, arcs);  // not reset first

  auto addLine = [&](bool closed) {
    auto* line = new CIEPolyLine();
    line->SetLayer(&layer);
    const double bulges[] = {0.0, 0.5, 0.0};
    for (double b : bulges) {
      CIEStation s;
      s.SetBulge(b);
      line->AddStation(s);
    }
    line->SetCloseStatus(closed);
    return line;
  };
  CIEDataset lines(u"L");
  lines.Add(addLine(false));
  int curved = 0;
  EXPECT_EQ(1, lines.GetNumberOfSegmentsWithTheLayer(&layer, curved));
  EXPECT_EQ(1, curved);
  CIEDataset closed(u"C");
  closed.Add(addLine(true));
  closed.Add(new CIEPolyLine());  // no layer, no stations
  curved = 0;
  EXPECT_EQ(2, closed.GetNumberOfSegmentsWithTheLayer(&layer, curved));
  EXPECT_EQ(1, curved);
}

TEST(IEDatasetTest, CodeFlagsFollowWhatWasAdded) {
  CIECodeDescription tree(u"TREE");
  CIEDataset ds(u"D");
  EXPECT_FALSE(ds.IsCodesExist());
  EXPECT_FALSE(ds.IsObjectWithoutCodes());
  ds.Add(Point(u"1", &tree));
  EXPECT_TRUE(ds.IsCodesExist());
  EXPECT_FALSE(ds.IsObjectWithoutCodes());
  ds.Add(Point(u"2"));
  EXPECT_TRUE(ds.IsObjectWithoutCodes());
  EXPECT_TRUE(ds.IsCodeDefinitionUsed(&tree));
  CIECodeDescription wall(u"WALL");
  EXPECT_FALSE(ds.IsCodeDefinitionUsed(&wall));
  EXPECT_FALSE(ds.IsCodeDefinitionUsed(nullptr));
}

// The same queries must give the same answers with and without the name index.
class IEDatasetLookupTest : public ::testing::TestWithParam<bool> {};

TEST_P(IEDatasetLookupTest, FindObjectAndRemoveObject) {
  CIEDataset ds(u"D", 0, GetParam());
  CIEDesignPoint* a = Point(u"A");
  ds.Add(a);
  auto* line = new CIEPolyLine();
  line->SetName(u"L");
  ds.Add(line);
  auto* sheet = new CIESheetPoint();
  sheet->SetName(u"S");
  ds.Add(sheet);
  EXPECT_EQ(a, ds.FindObject(u"A", IE_DESIGN_POINT));
  EXPECT_EQ(a, ds.FindObject(u"A", -1));
  EXPECT_EQ(line, ds.FindObject(u"L", -1));
  EXPECT_EQ(nullptr, ds.FindObject(u"a", -1));
  EXPECT_EQ(sheet, ds.FindObject(u"S", IE_SHEET_POINT));

  EXPECT_FALSE(ds.RemoveObject(3));
  EXPECT_FALSE(ds.RemoveObject(-1));
  EXPECT_TRUE(ds.RemoveObject(0));
  EXPECT_EQ(nullptr, ds.FindObject(u"A", -1));
  EXPECT_EQ(line, ds.GetObjectAt(0));
  delete a;  // the caller owns a removed object

  // A later object of the same name answers; removing it lets the earlier one answer again.
  CIEDesignPoint* first = Point(u"P");
  CIEDesignPoint* second = Point(u"P");
  ds.Add(first);
  ds.Add(second);
  EXPECT_EQ(GetParam() ? second : first, ds.FindObject(u"P", -1));
  EXPECT_TRUE(ds.RemoveObject(3));
  EXPECT_EQ(first, ds.FindObject(u"P", -1));
  delete second;

  // An object renamed after it was added leaves no stale entry behind when removed.
  first->SetName(u"Q");
  EXPECT_TRUE(ds.RemoveObject(2));
  EXPECT_EQ(nullptr, ds.FindObject(u"P", IE_DESIGN_POINT));
  EXPECT_EQ(nullptr, ds.FindObject(u"Q", IE_DESIGN_POINT));
  delete first;
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutNameIndex, IEDatasetLookupTest, ::testing::Bool());

TEST(IEDatasetTest, NameIndexAnswersForEveryKind) {
  CIEDataset ds(u"D", 0, true);
  ds.Add(Point(u"X"));
  EXPECT_NE(nullptr, ds.FindObject(u"X", IE_POLYLINE));
  CIEDataset plain(u"D");
  plain.Add(Point(u"X"));
  EXPECT_EQ(nullptr, plain.FindObject(u"X", IE_POLYLINE));
}

TEST(IEDatasetTest, CopyObjectsWithTheCode) {
  CIECodeDescription a(u"A"), b(u"B");
  CIEDataset ds(u"D");
  CIEDesignPoint* both = Point(u"AB", &a);
  auto* bValues = new CIECodeValues(&b);
  bValues->AddAttr(u"v");
  both->AddCode(bValues);
  ds.Add(Point(u"1", &a));
  ds.Add(both);
  ds.Add(Point(u"3"));
  CIEDataset target(u"T");
  ds.CopyIEObjectsWithTheCodeToTheNewDataset(&target, u"B");
  ASSERT_EQ(1, target.GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false));
  const CIEObject* copy = target.GetObjectAt(0);
  EXPECT_NE(both, copy);
  EXPECT_TRUE(copy->GetName() == u"AB");
  ASSERT_EQ(1, copy->GetNumberOfCodes());
  EXPECT_TRUE(copy->GetCode(0)->GetAttrAt(0) == u"v");
  EXPECT_EQ(2, both->GetNumberOfCodes());
  EXPECT_TRUE(target.IsCodesExist());
}

TEST(IEDatasetTest, SheetPointsBecomeDesignPointsAtTheEnd) {
  CIECodeDescription tree(u"TREE");
  CIEDataset ds(u"D", 0, true);
  auto* sheet = new CIESheetPoint();
  sheet->SetName(u"A");
  auto* code = new CIECodeValues(&tree);
  code->AddAttr(u"Oak");
  sheet->AddCode(code);
  sheet->SetStateType(IIEStateInterface::STATE_INACTIVE);
  for (int i = 0; i < 3; ++i) {
    auto* st = new CIEOffsetStation();
    st->SetPosition(CIEPosition3D(i, 0, 0));
    sheet->AddStation(st);
  }
  auto* named = new CIESheetPoint();
  named->SetName(u"B");
  const char16_t* stationNames[] = {u"B", u"B", u"B9"};
  for (const char16_t* n : stationNames) {
    auto* st = new CIEOffsetStation();
    st->SetName(n);
    named->AddStation(st);
  }
  ds.Add(sheet);
  ds.Add(Point(u"P"));
  ds.Add(named);
  ds.TransformStationsToPoints();

  const char16_t* expected[] = {u"P", u"", u"A_st", u"A_st1", u"B", u"B_st", u"B9"};
  ASSERT_EQ(7, ds.GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false));
  for (int i = 0; i < 7; ++i) {
    const CIEObject* o = ds.GetObjectAt(i);
    EXPECT_EQ(IE_DESIGN_POINT, o->GetType());
    EXPECT_TRUE(o->GetName() == expected[i]) << i;
  }
  for (int i = 1; i <= 3; ++i) {
    const auto* p = static_cast<const CIEDesignPoint*>(ds.GetObjectAt(i));
    EXPECT_EQ(i - 1.0, p->GetStation().x);
    EXPECT_TRUE(p->GetCodeAttrValue(u"TREE", u"KIND").IsEmpty());
    ASSERT_EQ(1, p->GetNumberOfCodes());
    EXPECT_TRUE(p->GetCode(0)->GetAttrAt(0) == u"Oak");
    EXPECT_EQ(IIEStateInterface::STATE_ACTIVE, p->GetStateType());
  }
  EXPECT_EQ(ds.GetObjectAt(3), ds.FindObject(u"A_st1", IE_DESIGN_POINT));
}

TEST(IEDatasetTest, ObjectListsKeepUniqueNames) {
  CIEDataset ds(u"D");
  auto* first = new CIEObjectList();
  first->SetName(u"L");
  CIEObjectList duplicate;
  duplicate.SetName(u"L");
  EXPECT_TRUE(ds.AddObjectList(first));
  EXPECT_FALSE(ds.AddObjectList(&duplicate));
  EXPECT_FALSE(ds.AddObjectList(nullptr));
  EXPECT_EQ(1, ds.GetNumberOfObjectLists());
  EXPECT_EQ(first, ds.FindObjectListByName(u"L"));
  EXPECT_EQ(nullptr, ds.FindObjectListByName(u"l"));
  EXPECT_EQ(first, ds.GetObjectListAt(0));
  EXPECT_EQ(nullptr, ds.GetObjectListAt(1));
}

TEST(IEDatasetTest, PointsArraysByName) {
  CIEDataset ds(u"D");
  EXPECT_EQ(nullptr, ds.GetStartPositionOfPointsArrayMap());
  CIEDesignPoint* p = Point(u"1");
  ds.Add(p);
  auto* first = new CIEDesignPointsArray();
  first->Add(p);
  ds.AddPointsArray(u"ROW", first);
  ds.AddPointsArray(u"ROW", first);
  ds.AddPointsArray(u"NULL", nullptr);
  auto* replacement = new CIEDesignPointsArray();
  ds.AddPointsArray(u"ROW", replacement);  // the first array is deleted
  ds.AddPointsArray(u"COL", new CIEDesignPointsArray());
  EXPECT_EQ(2, ds.GetNumberOfPointsArrays());
  EXPECT_EQ(replacement, ds.FindPointsArray(u"ROW"));
  EXPECT_EQ(nullptr, ds.FindPointsArray(u"NULL"));
  std::set<CQelString> names;
  for (auto pos = ds.GetStartPositionOfPointsArrayMap(); pos;) {
    CQelString name;
    EXPECT_NE(nullptr, ds.GetNextPointsArray(pos, name));
    names.insert(name);
  }
  EXPECT_EQ((std::set<CQelString>{u"ROW", u"COL"}), names);
  const CIEDataset& constDs = ds;
  auto pos = constDs.GetStartPositionOfPointsArrayMap();
  int seen = 0;
  while (constDs.GetNextPointsArray(pos)) ++seen;
  EXPECT_EQ(2, seen);
}

TEST(IEDatasetTest, PropertiesAndExtent) {
  CIEDataset ds(u"D");
  const CIEDataset& constDs = ds;
  EXPECT_EQ(nullptr, constDs.GetIEDatasetProperties());
  ds.UpdateMinMax(CIEPosition3D(10, 5, 1));
  ds.UpdateMinMax(CIEPosition3D(110, 25, -1));
  const CIEDatasetProperties* props = constDs.GetIEDatasetProperties();
  ASSERT_NE(nullptr, props);
  EXPECT_EQ(CIEPosition3D(10, 5, -1), props->GetBorder(CIEDatasetProperties::MIN));
  EXPECT_EQ(CIEPosition3D(110, 25, 1), props->GetBorder(CIEDatasetProperties::MAX));
  ds.SetIEDatasetProperties(ds.GetIEDatasetProperties());
  ds.SetIEDatasetProperties(new CIEDatasetProperties());
  EXPECT_FALSE(ds.GetIEDatasetProperties()->IsMinMaxDefined());
}

TEST(IEDatasetPropertiesTest, AutomaticSizes) {
  struct Case {
    double w, h;
    double dash, gap, dot, symbol, text;
  } cases[] = {{100, 20, 1.0, 2.0 / 3, -1.0 / 3, 1.5, 120.0 / 150},
               {10, 5, 0.5, 1.0 / 3, -1.0 / 6, 0.15, 15.0 / 150}};
  for (const Case& c : cases) {
    CIEDatasetProperties props;
    props.UpdateBorders(CIEPosition3D(-c.w / 2, 1000, 0));
    props.UpdateBorders(CIEPosition3D(c.w / 2, 1000 + c.h, 0));
    double dash = 0, gap = 0, dot = 0, symbol = 0;
    props.CalcAutoDashSize(dash, gap, dot);
    props.CalcAutoSymbolSize(symbol);
    EXPECT_DOUBLE_EQ(c.dash, dash);
    EXPECT_DOUBLE_EQ(c.gap, gap);
    EXPECT_DOUBLE_EQ(c.dot, dot);
    EXPECT_DOUBLE_EQ(c.symbol, symbol);
    EXPECT_DOUBLE_EQ(c.text, props.CalcAutoTextSize());
  }
  CIEDatasetProperties undefined;
  double dash = 7, gap = 8, dot = 9, symbol = 3;
  undefined.CalcAutoDashSize(dash, gap, dot);
  undefined.CalcAutoSymbolSize(symbol);
  EXPECT_EQ(7.0, dash);
  EXPECT_EQ(3.0, symbol);
  EXPECT_EQ(0.2, undefined.CalcAutoTextSize());

  // A side beyond 1e10 counts as 0 for the dash and symbol sizes.
  CIEDatasetProperties huge;
  huge.UpdateBorders(CIEPosition3D(0, 0, 0));
  huge.UpdateBorders(CIEPosition3D(2e10, 4, 0));
  huge.CalcAutoSymbolSize(symbol);
  EXPECT_DOUBLE_EQ(0.06, symbol);
}

TEST(IEDatasetPropertiesTest, ResetKeepsCornersAndCloneCopiesAll) {
  CIEDatasetProperties props;
  props.UpdateBorders(CIEPosition3D(1, 2, 3));
  props.m_nExtra[1] = 5;
  CIEDatasetProperties copy(props);
  EXPECT_TRUE(copy.IsMinMaxDefined());
  EXPECT_EQ(5u, copy.m_nExtra[1]);
  props.reset();
  EXPECT_FALSE(props.IsMinMaxDefined());
  EXPECT_EQ(0u, props.m_nExtra[1]);
  EXPECT_EQ(CIEPosition3D(1, 2, 3), props.GetBorder(CIEDatasetProperties::MAX));
  props.UpdateBorders(CIEPosition3D(-1, -1, -1));
  EXPECT_EQ(CIEPosition3D(-1, -1, -1), props.GetBorder(CIEDatasetProperties::MAX));
}

}  // namespace
