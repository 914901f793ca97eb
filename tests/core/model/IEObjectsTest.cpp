#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>

#include "IEArc.h"
#include "IECodeDescription.h"
#include "IEDesignPoint.h"
#include "IELayer.h"
#include "IEObjectList.h"
#include "IEPolyLine.h"
#include "IESheetPoint.h"

namespace {

CIEStation Station(double x, double y, double z, const char16_t* name = u"") {
  CIEStation s;
  s.SetPosition(CIEPosition3D(x, y, z));
  s.SetName(name);
  return s;
}

TEST(IEObjectTest, NewObjectsAreActiveAndBare) {
  std::unique_ptr<CIEObject> objects[] = {std::make_unique<CIEDesignPoint>(), std::make_unique<CIEPTLPoint>(),
                                          std::make_unique<CIESheetPoint>(),  std::make_unique<CIEPolyLine>(),
                                          std::make_unique<CIEArea>(),        std::make_unique<CIEArc>()};
  const EIEObjectsType kinds[] = {IE_DESIGN_POINT, IE_PTL_POINT, IE_SHEET_POINT,
                                  IE_POLYLINE,     IE_AREA,      IE_ARC};
  const CIEObject::EGroupType groups[] = {CIEObject::GROUP_POINT,       CIEObject::GROUP_POINT,
                                          CIEObject::GROUP_SHEET_POINT, CIEObject::GROUP_LINE,
                                          CIEObject::GROUP_LINE,        CIEObject::GROUP_LINE};
  for (int i = 0; i < 6; ++i) {
    const CIEObject& o = *objects[i];
    EXPECT_EQ(IIEStateInterface::STATE_ACTIVE, o.GetStateType());
    EXPECT_EQ(nullptr, o.GetLayer());
    EXPECT_EQ(nullptr, o.GetDrawProperties());
    EXPECT_EQ(nullptr, o.GetPhotoNotes());
    EXPECT_EQ(nullptr, o.GetIEObjectListName());
    EXPECT_EQ(0, o.GetNumberOfCodes());
    EXPECT_TRUE(o.GetName().IsEmpty());
    EXPECT_EQ(kinds[i], o.GetType());
    EXPECT_EQ(groups[i], o.GetGroupType());
  }
  EXPECT_TRUE(CIEArea().IsClosed());
  EXPECT_FALSE(CIEPolyLine().IsClosed());
  EXPECT_EQ(CIEPTLPoint::COORD_TYPE_DEFAULT, CIEPTLPoint().GetCoordType());
}

// Every kind of object gets the same shared data; its clone must own copies of it.
TEST(IEObjectTest, CloneCopiesSharedDataAndOwnsItsCopies) {
  CIECodeDescription tree(u"TREE");
  tree.AddAttrDescription(new CIEAttrDescription(u"KIND"));
  CIELayer layer;
  CIEObjectList list;
  std::function<CIEObject*()> makers[] = {
      [] { return new CIEDesignPoint(); },
      [] { return new CIEPTLPoint(u"1,2", u"3", static_cast<CIEPTLPoint::ECOORD_TYPE>(4)); },
      [] { return new CIESheetPoint(); },
      [] { return new CIEPolyLine(); },
      [] { return new CIEArea(true); },
      [] { return new CIEArc(); }};
  for (auto& make : makers) {
    CIEObject* source = make();
    source->SetName(u"OBJ");
    auto* code = new CIECodeValues(&tree);
    code->AddAttr(u"Oak");
    source->AddCode(code);
    source->SetLayer(&layer);
    source->SetIEObjectListName(&list);
    source->SetStateType(IIEStateInterface::STATE_INACTIVE);
    auto* props = new CIEDrawPointProperties();
    props->SetColor(0x123456);
    source->SetDrawProperties(props);
    auto* notes = new CIEPhotoNotes();
    auto* note = new CIEPhotoNote();
    note->SetFileName(u"p.jpg");
    notes->AddPhotoNote(note);
    source->SetPhotoNotes(notes);
    source->SetPhotoNotes(notes);  // the same notes again: kept, not deleted

    CIEObject* copy = source->clone();
    ASSERT_NE(nullptr, copy);
    delete source;
    EXPECT_TRUE(copy->GetName() == u"OBJ");
    EXPECT_EQ(&layer, copy->GetLayer());
    EXPECT_EQ(&list, copy->GetIEObjectListName());
    EXPECT_EQ(IIEStateInterface::STATE_INACTIVE, copy->GetStateType());
    unsigned long color = 0;
    ASSERT_NE(nullptr, copy->GetDrawProperties());
    EXPECT_TRUE(copy->GetDrawProperties()->GetColor(color));
    EXPECT_EQ(0x123456ul, color);
    ASSERT_NE(nullptr, copy->GetPhotoNotes());
    EXPECT_TRUE(copy->GetPhotoNotes()->GetPhotoNote(0)->GetFileName() == u"p.jpg");
    EXPECT_TRUE(copy->GetCodeAttrValue(u"TREE", u"KIND") == u"Oak");
    delete copy;
  }
}

// Exposes the protected copy of the common data so that it can run on a target that already
// carries data of its own.
class CCopyingPoint : public CIEDesignPoint {
 public:
  void CopyCommonDataInto(CIEObject* target) const { copyCommonData(target); }
};

// Layer, object-list name, draw properties and photo notes of a filled object, or none of them.
void Fill(CIEObject& object, CIELayer* layer, IIENameInterface* list, unsigned long color,
          std::initializer_list<const char16_t*> photos) {
  object.SetLayer(layer);
  object.SetIEObjectListName(list);
  if (color) {
    auto* props = new CIEDrawPointProperties();
    props->SetColor(color);
    object.SetDrawProperties(props);
  }
  if (photos.size()) {
    auto* notes = new CIEPhotoNotes();
    for (const char16_t* file : photos) {
      auto* note = new CIEPhotoNote();
      note->SetFileName(file);
      notes->AddPhotoNote(note);
    }
    object.SetPhotoNotes(notes);
  }
}

// The common data of the source replaces the target's, whether either carries any or not.
TEST(IEObjectTest, CommonDataReplacesWhatTheTargetCarried) {
  CIELayer sourceLayer, targetLayer;
  CIEObjectList sourceList, targetList;
  for (bool sourceFilled : {false, true}) {
    for (bool targetFilled : {false, true}) {
      SCOPED_TRACE(testing::Message()
                   << "source filled " << sourceFilled << ", target filled " << targetFilled);
      CCopyingPoint source;
      if (sourceFilled) Fill(source, &sourceLayer, &sourceList, 0x0000FF, {u"s.jpg"});
      CIEDesignPoint target;
      if (targetFilled) Fill(target, &targetLayer, &targetList, 0x00FF00, {u"t1.jpg", u"t2.jpg"});
      source.CopyCommonDataInto(&target);
      EXPECT_EQ(sourceFilled ? &sourceLayer : nullptr, target.GetLayer());
      EXPECT_EQ(sourceFilled ? &sourceList : nullptr, target.GetIEObjectListName());
      if (!sourceFilled) {
        EXPECT_EQ(nullptr, target.GetDrawProperties());
        EXPECT_EQ(nullptr, target.GetPhotoNotes());
        continue;
      }
      unsigned long color = 0;
      ASSERT_NE(nullptr, target.GetDrawProperties());
      EXPECT_TRUE(target.GetDrawProperties()->GetColor(color));
      EXPECT_EQ(0x0000FFul, color);
      EXPECT_NE(source.GetDrawProperties(), target.GetDrawProperties());
      ASSERT_NE(nullptr, target.GetPhotoNotes());
      EXPECT_NE(source.GetPhotoNotes(), target.GetPhotoNotes());
      ASSERT_EQ(1, target.GetPhotoNotes()->GetNumberOfPhotoNotes());
      EXPECT_TRUE(target.GetPhotoNotes()->GetPhotoNote(0)->GetFileName() == u"s.jpg");
    }
  }
}

// Clearing one of the rarely set members leaves the others as they were.
TEST(IEObjectTest, ClearingOneRareMemberKeepsTheOthers) {
  CIEObjectList list;
  CIEArc arc;
  arc.SetPhotoNotes(nullptr);
  arc.SetDrawProperties(nullptr);
  arc.SetIEObjectListName(nullptr);
  EXPECT_EQ(nullptr, arc.GetIEObjectListName());
  Fill(arc, nullptr, &list, 0x123456, {u"a.jpg"});
  arc.SetPhotoNotes(nullptr);
  EXPECT_EQ(nullptr, arc.GetPhotoNotes());
  EXPECT_EQ(&list, arc.GetIEObjectListName());
  ASSERT_NE(nullptr, arc.GetDrawProperties());
  arc.SetIEObjectListName(nullptr);
  arc.SetDrawProperties(new CIEDrawPointProperties());
  EXPECT_EQ(nullptr, arc.GetIEObjectListName());
  unsigned long color = 0;
  ASSERT_NE(nullptr, arc.GetDrawProperties());
  EXPECT_FALSE(arc.GetDrawProperties()->GetColor(color));
}

TEST(IEObjectTest, CloneOfPTLPointKeepsItsParameters) {
  CIEPTLPoint source(u"1,2", u"3", static_cast<CIEPTLPoint::ECOORD_TYPE>(4));
  source.SetStation(Station(1, 2, 3, u"P"));
  source.auxiliaryTexts.Add(u"aux");
  std::unique_ptr<CIEObject> copy(source.clone());
  auto* ptl = dynamic_cast<CIEPTLPoint*>(copy.get());
  ASSERT_NE(nullptr, ptl);
  EXPECT_TRUE(ptl->GetFirstReferencePointIDs() == u"1,2");
  EXPECT_TRUE(ptl->GetSecondReferencePointIDs() == u"3");
  EXPECT_EQ(4, ptl->GetCoordType());
  EXPECT_TRUE(ptl->GetStation() == source.GetStation());
  ASSERT_EQ(1, ptl->auxiliaryTexts.GetSize());
  EXPECT_TRUE(ptl->auxiliaryTexts[0] == u"aux");
}

TEST(IEObjectTest, SetStationKeepsTheNameOnlyForAnUnnamedStation) {
  CIEDesignPoint point;
  point.SetName(u"P1");
  point.SetStation(Station(1, 2, 3));
  EXPECT_TRUE(point.GetName() == u"P1");
  EXPECT_EQ(3.0, point.GetStation().z);
  point.SetStation(Station(4, 5, 6, u"P2"));
  EXPECT_TRUE(point.GetName() == u"P2");

  CIEArc arc;
  arc.SetName(u"C1");
  arc.SetStation(Station(7, 8, 9));
  EXPECT_TRUE(arc.GetName() == u"C1");
  EXPECT_EQ(7.0, arc.GetStation().x);
  arc.SetCenter(1, 1, 1, 2);
  EXPECT_EQ(2.0, arc.GetStation().GetGeoidHeight());
}

TEST(IEObjectTest, PointsBasedPolylineCloneSharesThePoints) {
  auto* a = new CIEDesignPoint();
  auto* b = new CIEDesignPoint();
  auto* line = new CIEPolyLine(true);
  line->AddPoint(a);
  line->AddPoint(b);
  line->AddStation(Station(1, 1, 1));
  line->SetCloseStatus(true);
  std::unique_ptr<CIEObject> copy(line->clone());
  auto* cl = static_cast<CIEPolyLine*>(copy.get());
  EXPECT_TRUE(cl->IsUsingPoints());
  EXPECT_TRUE(cl->IsClosed());
  ASSERT_EQ(2, cl->GetNumberOfPoints());
  EXPECT_EQ(a, cl->GetPoint(0));
  EXPECT_EQ(b, cl->GetPoint(1));
  EXPECT_EQ(nullptr, cl->GetPoint(2));
  EXPECT_EQ(0, cl->GetNumberOfStations());
  delete line;
  copy.reset();
  EXPECT_EQ(IE_DESIGN_POINT, a->GetType());  // still alive: lines never own their points
  delete a;
  delete b;
}

TEST(IEObjectTest, AreaCloneKeepsAClearedClosedFlag) {
  CIEArea area;
  area.AddStation(Station(0, 0, 0));
  area.AddStation(Station(1, 0, 0));
  area.SetCloseStatus(false);
  std::unique_ptr<CIEObject> copy(area.clone());
  EXPECT_EQ(IE_AREA, copy->GetType());
  EXPECT_FALSE(static_cast<CIEArea*>(copy.get())->IsClosed());
  EXPECT_EQ(2, static_cast<CIEArea*>(copy.get())->GetNumberOfStations());
}

TEST(IEObjectTest, PolylineStationEditingStaysInBounds) {
  CIEPolyLine line;
  line.AddStation(Station(1, 0, 0, u"A"));
  EXPECT_FALSE(line.RemoveStation(1));
  EXPECT_FALSE(line.RemoveStation(-1));
  EXPECT_FALSE(line.ChangeStation(1, Station(0, 0, 0)));
  EXPECT_TRUE(line.GetStation(1).GetName().IsEmpty());
  EXPECT_TRUE(line.GetStation(-1).GetName().IsEmpty());
  EXPECT_TRUE(line.ChangeStation(0, Station(2, 0, 0, u"B")));
  EXPECT_TRUE(line.GetStation(0).GetName() == u"B");
  EXPECT_FALSE(line.RemovePoint(0));
  EXPECT_TRUE(line.RemoveStation(0));
  EXPECT_EQ(0, line.GetNumberOfStations());
}

TEST(IEObjectTest, ShiftCoordsOfEachKind) {
  const CIEPosition3D origin(100, 200, 10);
  CIEDesignPoint point;
  point.SetCoords(1, 2, 3, 0);
  point.ShiftCoords(origin, 1, 1, 1, 0);
  EXPECT_EQ(CIEPosition3D(101, 202, 13), static_cast<const CIEPosition3D&>(point.GetStation()));

  CIEPolyLine line(true);
  auto* referenced = new CIEDesignPoint();
  line.AddPoint(referenced);
  line.AddStation(Station(1, 1, 1));
  line.ShiftCoords(origin, 2, 2, 2, 0);
  EXPECT_EQ(CIEPosition3D(102, 202, 12), static_cast<const CIEPosition3D&>(line.GetStation(0)));
  EXPECT_FALSE(referenced->GetStation().IsDefined());
  delete referenced;

  CIESheetPoint sheet;
  auto* st = new CIEOffsetStation();
  st->SetPosition(CIEPosition3D(1, 1, 1));
  st->value1 = 5;
  sheet.AddStation(st);
  sheet.ShiftCoords(origin, 1, 1, 1, 0);
  EXPECT_EQ(101.0, sheet.GetStation(0)->x);
  EXPECT_EQ(5.0, sheet.GetStation(0)->value1);
}

TEST(IEObjectTest, ArcScalesOnlyUniformly) {
  CIEArc arc;
  arc.SetData(CIEArc::ARC_RADIUS, 5);
  arc.SetData(CIEArc::ARC_START_ANGLE, 10);
  arc.SetCenter(1, 1, 1, 0);
  arc.ShiftCoords(CIEPosition3D(), 2, 2, 2, 0);
  EXPECT_EQ(10.0, arc.GetData(CIEArc::ARC_RADIUS));
  EXPECT_EQ(10.0, arc.GetData(CIEArc::ARC_START_ANGLE));
  EXPECT_EQ(2.0, arc.GetStation().x);
  EXPECT_EQ(IIEStateInterface::STATE_ACTIVE, arc.GetStateType());
  arc.ShiftCoords(CIEPosition3D(), 2, 2, 1, 0);
  EXPECT_EQ(10.0, arc.GetData(CIEArc::ARC_RADIUS));
  EXPECT_EQ(2.0, arc.GetStation().x);
  EXPECT_EQ(IIEStateInterface::STATE_INACTIVE, arc.GetStateType());

  const auto outside = static_cast<CIEArc::EADataType>(3);
  arc.SetData(outside, 4);
  EXPECT_EQ(0.0, arc.GetData(outside));
}

TEST(IEObjectTest, ArcCloneCopiesCentreAndData) {
  CIEArc arc;
  arc.SetStation(Station(1, 2, 3, u"C"));
  arc.SetData(CIEArc::ARC_END_ANGLE, 90);
  std::unique_ptr<CIEObject> copy(arc.clone());
  auto* cl = static_cast<CIEArc*>(copy.get());
  EXPECT_TRUE(cl->GetStation() == arc.GetStation());
  EXPECT_EQ(90.0, cl->GetData(CIEArc::ARC_END_ANGLE));
}

TEST(IESheetPointTest, StationsAreOwnedAndBounded) {
  CIESheetPoint sheet;
  sheet.SetName(u"S");
  auto* st = new CIEOffsetStation();
  st->SetName(u"S0");
  st->text2 = u"t";
  sheet.AddStation(st);
  sheet.AddStation(nullptr);
  EXPECT_EQ(1, sheet.GetNumberOfStations());
  EXPECT_EQ(nullptr, sheet.GetStation(1));
  EXPECT_FALSE(sheet.RemoveStation(1));
  CIEOffsetStation replacement;
  replacement.SetName(u"S1");
  EXPECT_FALSE(sheet.ChangeStation(1, replacement));
  EXPECT_TRUE(sheet.ChangeStation(0, replacement));
  EXPECT_TRUE(sheet.GetStation(0)->GetName() == u"S1");
  EXPECT_EQ(st, sheet.GetStation(0));

  std::unique_ptr<CIEObject> copy(sheet.clone());
  auto* cl = static_cast<CIESheetPoint*>(copy.get());
  ASSERT_EQ(1, cl->GetNumberOfStations());
  EXPECT_NE(st, cl->GetStation(0));
  EXPECT_TRUE(*cl->GetStation(0) == *st);
  EXPECT_TRUE(cl->GetName() == u"S");
  EXPECT_TRUE(sheet.RemoveStation(0));
  EXPECT_EQ(0, sheet.GetNumberOfStations());
}

TEST(IEObjectListTest, ListDoesNotOwnItsObjects) {
  CIEDesignPoint point;
  {
    CIEObjectList list;
    list.SetName(u"L");
    list.AddObject(&point);
    EXPECT_EQ(1, list.GetNumberOfObjects());
    EXPECT_EQ(&point, list.GetObjectW(0));
    EXPECT_EQ(nullptr, list.GetObjectW(1));
    EXPECT_EQ(nullptr, list.GetObjectW(-1));
  }
  EXPECT_EQ(IE_DESIGN_POINT, point.GetType());
}

}  // namespace
