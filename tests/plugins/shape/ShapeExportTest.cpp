// Export of datasets to shapefile sets, read back with shapelib and through the importer.
#include <gtest/gtest.h>

#include <cstring>

#include "CrossLink.h"
#include "IEArc.h"
#include "IEData.h"
#include "IEDataset.h"
#include "IEDesignPoint.h"
#include "IEPolyLine.h"
#include "IESheetPoint.h"
#include "IIEMessageBox.h"
#include "ShapeExporter.h"
#include "ShapeTestSupport.h"

using namespace shape_test;

namespace {

class ShapeExportTest : public ::testing::Test {
 protected:
  void SetUp() override { job.Data().AddDataset(new CIEDataset(u"out")); }

  CIEDesignPoint* AddPoint(const char16_t* name, double x, double y, double z, bool withHeight = true) {
    CIEDesignPoint* point = new CIEDesignPoint;
    point->SetCoords(x, y, z, 0.0);
    point->SetName(name);
    if (!withHeight) {
      CIEStation s = point->GetStation();
      s.SetHeightUndefined();
      point->SetStation(s);
    }
    job.Data().GetCurDataset()->Add(point);
    return point;
  }
  CIEPolyLine* AddLine(CIEPolyLine* line, const char16_t* name, int vertices) {
    line->SetName(name);
    for (int i = 0; i < vertices; ++i) {
      CIEStation s;
      s.SetPosition(100.0 + i, 200.0 + i, 5.0 + i, 0.0);
      line->AddStation(s);
    }
    job.Data().GetCurDataset()->Add(line);
    return line;
  }
  CIECodeDescription* AddCode(
      const char16_t* name,
      std::vector<std::pair<const char16_t*, CIEAttrDescription::EAttributeType>> attrs) {
    CIECodeDescription* code = new CIECodeDescription(name);
    for (auto& a : attrs) {
      CIEAttrDescription* attr = new CIEAttrDescription(a.first);
      attr->SetType(a.second);
      attr->m_nFracLength = 3;
      code->AddAttrDescription(attr);
    }
    job.Data().AddCodeToIEDataDictionary(code);
    return code;
  }
  static void Carry(CIEObject* object, CIECodeDescription* code, std::vector<const char16_t*> values) {
    CIECodeValues* v = new CIECodeValues(code);
    for (const char16_t* value : values) v->AddAttr(value);
    object->AddCode(v);
  }
  std::vector<std::string> FieldNames(const std::string& dbf) {
    std::vector<std::string> names;
    DBFHandle h = DBFOpen(dbf.c_str(), "rb");
    EXPECT_NE(nullptr, h);
    if (!h) return names;
    for (int i = 0; i < DBFGetFieldCount(h); ++i) {
      char name[12] = {};
      DBFGetFieldInfo(h, i, name, nullptr, nullptr);
      names.push_back(name);
    }
    DBFClose(h);
    return names;
  }
  std::string Field(const std::string& dbf, int record, const char* field) {
    DBFHandle h = DBFOpen(dbf.c_str(), "rb");
    std::string value = DBFReadStringAttribute(h, record, DBFGetFieldIndex(h, field));
    DBFClose(h);
    return value;
  }

  TempDir tmp;
  CJob job;
};

TEST_F(ShapeExportTest, FileNamesWithAndWithoutKindSuffix) {
  AddLine(new CIEPolyLine, u"L1", 2);
  ASSERT_EQ(IE_RESULT_OK, job.Export(tmp.Path("lines.shp")));
  for (const char* ext : {".shp", ".shx", ".dbf", ".clf", ".cpg"})
    EXPECT_TRUE(Exists(tmp.Path(std::string("lines") + ext))) << ext;

  CJob mixed;
  mixed.Data().AddDataset(new CIEDataset(u"m"));
  CIEDesignPoint* p = new CIEDesignPoint;
  mixed.Data().GetCurDataset()->Add(p);
  CIEArea* area = new CIEArea;
  area->AddStation(CIEStation());
  mixed.Data().GetCurDataset()->Add(area);
  ASSERT_EQ(IE_RESULT_OK, mixed.Export(tmp.Path("both.shp")));
  EXPECT_TRUE(Exists(tmp.Path("both_POINTS.shp")));
  EXPECT_TRUE(Exists(tmp.Path("both_POLYGONS.dbf")));
  EXPECT_FALSE(Exists(tmp.Path("both_POLYLINES.shp")));
  EXPECT_FALSE(Exists(tmp.Path("both.shp")));
}

TEST_F(ShapeExportTest, NothingToExportCannotOpen) {
  EXPECT_EQ(IE_RESULT_CANNOT_OPEN, job.Export(tmp.Path("empty.shp")));
  job.Data().GetCurDataset()->Add(new CIESheetPoint);
  job.Data().GetCurDataset()->Add(new CIEArc);
  EXPECT_EQ(IE_RESULT_CANNOT_OPEN, job.Export(tmp.Path("others.shp")));
  EXPECT_FALSE(Exists(tmp.Path("others.shp")));
}

TEST_F(ShapeExportTest, ZeroHeightsNameCutAndVertexRecords) {
  AddPoint(u"P100", 1.0, 2.0, 12.5);
  AddPoint(u"ABCDEFGHIJKLMN", 3.0, 4.0, 0.0, false);
  CIEPolyLine* line = AddLine(new CIEPolyLine, u"L", 3);
  CIEStation s = line->GetStation(1);
  s.SetHeightUndefined();
  line->ChangeStation(1, s);
  ASSERT_EQ(IE_RESULT_OK, job.Export(tmp.Path("z.shp")));

  SHPHandle shp = SHPOpen(tmp.Path("z_POINTS").c_str(), "rb");
  SHPObject* first = SHPReadObject(shp, 0);
  SHPObject* second = SHPReadObject(shp, 1);
  EXPECT_EQ(SHPT_POINTZ, first->nSHPType);
  EXPECT_DOUBLE_EQ(2.0, first->padfX[0]);  // the shape's X is the station's y
  EXPECT_DOUBLE_EQ(1.0, first->padfY[0]);
  EXPECT_DOUBLE_EQ(12.5, first->padfZ[0]);
  EXPECT_DOUBLE_EQ(0.0, second->padfZ[0]);
  SHPDestroyObject(first);
  SHPDestroyObject(second);
  SHPClose(shp);
  shp = SHPOpen(tmp.Path("z_POLYLINES").c_str(), "rb");
  SHPObject* zeroed = SHPReadObject(shp, 0);
  EXPECT_EQ(SHPT_ARCZ, zeroed->nSHPType);
  for (int i = 0; i < zeroed->nVertices; ++i) EXPECT_DOUBLE_EQ(0.0, zeroed->padfZ[i]);
  SHPDestroyObject(zeroed);
  SHPClose(shp);

  EXPECT_EQ("ABCDEFGHIJ", Field(tmp.Path("z_POINTS.dbf"), 1, "OBJNAME"));
  std::string clf = tmp.Read("z_POINTS.clf");
  ASSERT_EQ(25u + 55u + 43u, clf.size());
  EXPECT_EQ("FS014CrossLinkFile_Ver2.0VS032P100", clf.substr(0, 34));
  EXPECT_EQ("VS026", clf.substr(80, 5));
  int32_t code = -1;
  double height = 0.0;
  std::memcpy(&height, clf.data() + 25 + 5 + 38, 8);
  std::memcpy(&code, clf.data() + 25 + 5 + 46, 4);
  EXPECT_DOUBLE_EQ(12.5, height);
  EXPECT_EQ(0, code);
}

TEST_F(ShapeExportTest, AttributeColumnsFromTheFirstUsedCode) {
  CIECodeDescription* unused = AddCode(u"AAA", {{u"X", CIEAttrDescription::ATTR_STRING}});
  static_cast<void>(unused);
  CIECodeDescription* road = AddCode(u"ROAD", {{u"ROAD.WIDTH", CIEAttrDescription::ATTR_FLOAT},
                                               {u"#1 width", CIEAttrDescription::ATTR_INTEGER},
                                               {u"Paved", CIEAttrDescription::ATTR_BOOL},
                                               {u"Built", CIEAttrDescription::ATTR_DATE_TIME},
                                               {u"Note", CIEAttrDescription::ATTR_STRING}});
  CIECodeDescription* other = AddCode(u"ZZZ", {{u"OTHER", CIEAttrDescription::ATTR_STRING}});
  road->SetDescCodeName(u"Road centre");
  Carry(AddPoint(u"A", 1, 2, 3), road, {u"7.25", u"12345678901", u"True", u"2012-11-07", u"text"});
  Carry(AddPoint(u"B", 1, 2, 3), other, {u"x"});
  job.Data().GetCurDataset()->Add(nullptr);
  TIESettings settings = job.Data().GetSettings();
  settings.m_bFlags7[TIESettings::FLAG_WRITE_CODE_DESCRIPTION] = true;
  job.Data().SetSettings(settings);
  ASSERT_EQ(IE_RESULT_OK, job.Export(tmp.Path("codes.shp")));
  const std::string dbf = tmp.Path("codes.dbf");
  EXPECT_EQ((std::vector<std::string>{"OBJNAME", "CODEDESC", "WIDTH", "1_width", "Paved", "Built", "Note"}),
            FieldNames(dbf));
  EXPECT_EQ("Road centre", Field(dbf, 0, "CODEDESC"));
  EXPECT_EQ("7.250", Field(dbf, 0, "WIDTH"));
  EXPECT_EQ("12345678901", Field(dbf, 0, "1_width"));
  EXPECT_EQ("T", Field(dbf, 0, "Paved"));
  EXPECT_EQ("20121107", Field(dbf, 0, "Built"));
  EXPECT_EQ("text", Field(dbf, 0, "Note"));
  // An object that does not carry the exported code.
  EXPECT_EQ("0.000", Field(dbf, 1, "WIDTH"));
  EXPECT_EQ("0", Field(dbf, 1, "1_width"));
  EXPECT_EQ("F", Field(dbf, 1, "Paved"));
  EXPECT_EQ("0", Field(dbf, 1, "Note"));
}

TEST_F(ShapeExportTest, MakeDbfFieldNameCleansNames) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {{u"#1 width", u"1_width"},
                                                               {u"!! a.b", u"a_b"},
                                                               {u"plain", u"plain"},
                                                               {u"()", u""},
                                                               {u"a=b+c", u"a_b_c"}};
  for (const auto& c : cases) EXPECT_EQ(c.second, MakeDbfFieldName(c.first));
}

class CAnswer : public IIEMessageBox {
 public:
  explicit CAnswer(int answer) : m_answer(answer) {}
  IIEMessageBox* Duplicate() const override { return new CAnswer(m_answer); }
  int AskQuestion(HWND, const CQelString&) override { return m_answer; }
  static void* operator new(std::size_t n) noexcept { return dlmalloc(n); }
  static void operator delete(void* p) noexcept { dlfree(p); }

 private:
  int m_answer;
};

TEST_F(ShapeExportTest, DeclinedOverwriteSkipsTheKind) {
  AddPoint(u"P", 1, 2, 3);
  AddLine(new CIEPolyLine, u"L", 2);
  tmp.Write("keep_POINTS.shp", "old");
  TIESettings settings = job.Data().GetSettings();
  settings.m_pMessageBox = new CAnswer(7);
  job.Data().SetSettings(settings);
  ASSERT_EQ(IE_RESULT_OK, job.Export(tmp.Path("keep.shp")));
  EXPECT_EQ("old", tmp.Read("keep_POINTS.shp"));
  EXPECT_TRUE(Exists(tmp.Path("keep_POLYLINES.shp")));
}

TEST_F(ShapeExportTest, PhotoColumnsAndCopies) {
  tmp.Write("img1.jpg", "one");
  tmp.Write("img2.jpg", "two");
  CIEDesignPoint* a = AddPoint(u"A", 1, 2, 3);
  CIEDesignPoint* b = AddPoint(u"B", 1, 2, 3);
  CIEPhotoNotes* three = new CIEPhotoNotes;
  for (const char* file : {"img1.jpg", "img2.jpg", "missing.jpg"}) {
    CIEPhotoNote* note = new CIEPhotoNote;
    note->SetFileName(Wide(tmp.Path(file)));
    three->AddPhotoNote(note);
  }
  CIEPhotoNote* second = const_cast<CIEPhotoNote*>(three->GetPhotoNote(1));
  second->SetData(CIEPhotoNote::PHOTO_AZIMUTH, 123.7);
  a->SetPhotoNotes(three);
  CIEPhotoNotes* one = new CIEPhotoNotes;
  CIEPhotoNote* note = new CIEPhotoNote;
  note->SetFileName(Wide(tmp.Path("img2.jpg")));
  one->AddPhotoNote(note);
  b->SetPhotoNotes(one);
  ASSERT_EQ(IE_RESULT_OK, job.Export(tmp.Path("ph.shp")));
  const std::string dbf = tmp.Path("ph.dbf");
  EXPECT_EQ((std::vector<std::string>{"OBJNAME", "IMAGECAP1", "IMAGECAP2", "AZMVAL2", "IMAGECAP3"}),
            FieldNames(dbf));
  EXPECT_EQ(tmp.Path("img2.jpg"), Field(dbf, 0, "IMAGECAP2"));
  EXPECT_EQ("", Field(dbf, 1, "IMAGECAP2"));
  EXPECT_EQ("", Field(dbf, 1, "IMAGECAP3"));
  EXPECT_EQ("two", tmp.Read("ph/notes/img2.jpg"));
  EXPECT_EQ("one", tmp.Read("ph/notes/img1.jpg"));

  CJob back;
  ASSERT_EQ(IE_RESULT_OK, back.Import(tmp.Path("ph.shp")));
  const CIEPhotoNotes* read = back.At(0)->GetPhotoNotes();
  ASSERT_EQ(3, read->GetNumberOfPhotoNotes());
  for (int i = 0; i < 2; ++i) EXPECT_TRUE(Exists(Narrow(read->GetPhotoNote(i)->GetFileName()))) << i;
  EXPECT_DOUBLE_EQ(123.7, read->GetPhotoNote(1)->GetData(CIEPhotoNote::PHOTO_AZIMUTH));
}

}  // namespace
