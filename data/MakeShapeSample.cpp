// Writes the bundled sample shapefile set: points, a line and an area of the code "site" with
// attributes of every kind, named vertices, a projection file and a photo note. Run from the
// build's output folder (it needs Geo/ beside it): make_shape_sample FOLDER
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "CoordinateSystemCatalog.h"
#include "IEData.h"
#include "IEDesignPoint.h"
#include "IEPolyLine.h"
#include "IESettings.h"
#include "ShapeExporter.h"

namespace {

// A 1x1 grey JPEG image.
const unsigned char kTinyJpeg[] = {
    0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x01, 0x00, 0x48,
    0x00, 0x48, 0x00, 0x00, 0xFF, 0xDB, 0x00, 0x43, 0x00, 0x03, 0x02, 0x02, 0x02, 0x02, 0x02, 0x03,
    0x02, 0x02, 0x02, 0x03, 0x03, 0x03, 0x03, 0x04, 0x06, 0x04, 0x04, 0x04, 0x04, 0x04, 0x08, 0x06,
    0x06, 0x05, 0x06, 0x09, 0x08, 0x0A, 0x0A, 0x09, 0x08, 0x09, 0x09, 0x0A, 0x0C, 0x0F, 0x0C, 0x0A,
    0x0B, 0x0E, 0x0B, 0x09, 0x09, 0x0D, 0x11, 0x0D, 0x0E, 0x0F, 0x10, 0x10, 0x11, 0x10, 0x0A, 0x0C,
    0x12, 0x13, 0x12, 0x10, 0x13, 0x0F, 0x10, 0x10, 0x10, 0xFF, 0xC9, 0x00, 0x0B, 0x08, 0x00, 0x01,
    0x00, 0x01, 0x01, 0x01, 0x11, 0x00, 0xFF, 0xCC, 0x00, 0x06, 0x00, 0x10, 0x10, 0x05, 0xFF, 0xDA,
    0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00, 0xD2, 0xCF, 0x20, 0xFF, 0xD9};

CIECodeValues* Values(CIECodeDescription* code, std::initializer_list<const char16_t*> texts) {
  CIECodeValues* values = new CIECodeValues(code);
  for (const char16_t* text : texts) values->AddAttr(text);
  return values;
}

CIEStation Station(const char16_t* name, double north, double east, double height) {
  CIEStation station(static_cast<CIEStation::EStationType>(2));
  station.SetName(name);
  station.SetPosition(north, east, height, 0.0);
  return station;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_shape_sample FOLDER\n");
    return 2;
  }
  std::filesystem::create_directories(argv[1]);
  if (chdir(argv[1]) != 0) return 1;
  std::filesystem::create_directories("photos");
  std::ofstream("photos/P1.jpg", std::ios::binary)
      .write(reinterpret_cast<const char*>(kTinyJpeg), sizeof kTinyJpeg);

  TIESettings settings;
  settings.AddDataType(POINTS);
  settings.AddDataType(LINES);
  settings.AddDataType(AREAS);
  settings.m_bFlags7[TIESettings::FLAG_WRITE_CODE_DESCRIPTION] = true;
  if (!InstallCoordinateSystemCatalog(settings)) {
    std::fprintf(stderr, "make_shape_sample: Geo/catalogue.ini not found beside the program\n");
    return 1;
  }
  CIEData data(settings);
  TIEJobInfo info;
  info.SetDistUnits(EDIST_UNITS::METERS);
  data.SetJobInfo(info);
  qel_ie_cs_utils::CCoordinateSystemInfo cs;
  cs.m_nKind = qel_ie_cs_utils::CCoordinateSystemInfo::PROJECTED;
  cs.m_strDatumName = u"WGS84";
  cs.m_strProjectionName = u"UTM Zone 33N";
  data.SetCoordinateSystem(cs);
  data.AddDataset(new CIEDataset(u"site"));

  CIECodeDescription* code = new CIECodeDescription(u"site");
  code->SetDescCodeName(u"Site survey");
  const std::pair<const char16_t*, CIEAttrDescription::EAttributeType> attrs[] = {
      {u"Kind", CIEAttrDescription::ATTR_STRING},        {u"Checked", CIEAttrDescription::ATTR_BOOL},
      {u"Count", CIEAttrDescription::ATTR_INTEGER},      {u"Depth", CIEAttrDescription::ATTR_FLOAT},
      {u"Surveyed", CIEAttrDescription::ATTR_DATE_TIME}, {u"Parcel", CIEAttrDescription::ATTR_INTEGER}};
  for (const auto& a : attrs) {
    CIEAttrDescription* attr = new CIEAttrDescription(a.first);
    attr->SetType(a.second);
    attr->m_nFracLength = 3;
    code->AddAttrDescription(attr);
  }
  data.AddCodeToIEDataDictionary(code);
  CIEDataset* dataset = data.GetCurDataset();

  const double points[][3] = {
      {5400010.125, 500020.25, 101.5}, {5400030.5, 500025.75, 102.25}, {5400045.375, 500060.5, 99.875}};
  for (int i = 0; i < 3; ++i) {
    CIEDesignPoint* point = new CIEDesignPoint;
    point->SetStation(Station(i == 0   ? u"P1"
                              : i == 1 ? u"P2"
                                       : u"P3",
                              points[i][0], points[i][1], points[i][2]));
    point->AddCode(Values(code, {i == 0 ? u"Manhole" : u"Marker", i == 0 ? u"True" : u"False", u"3", u"1.250",
                                 u"2012-11-07", u"12345678901"}));
    if (i == 0) {
      CIEPhotoNotes* notes = new CIEPhotoNotes;
      CIEPhotoNote* note = new CIEPhotoNote;
      note->SetFileName(u"photos/P1.jpg");
      note->SetData(CIEPhotoNote::PHOTO_AZIMUTH, 45.5);
      notes->AddPhotoNote(note);
      point->SetPhotoNotes(notes);
    }
    dataset->Add(point);
  }
  CIEPolyLine* fence = new CIEPolyLine;
  fence->SetName(u"Fence");
  fence->AddStation(Station(u"F1", 5400000.0, 500000.0, 100.0));
  fence->AddStation(Station(u"F2", 5400050.0, 500000.0, 100.5));
  fence->AddStation(Station(u"F3", 5400050.0, 500080.0, 101.0));
  fence->AddCode(Values(code, {u"Fence", u"True", u"12", u"0.800", u"2013-01-15", u"7"}));
  dataset->Add(fence);
  CIEArea* shed = new CIEArea;
  shed->SetName(u"Shed");
  shed->AddStation(Station(u"S1", 5400020.0, 500040.0, 100.2));
  shed->AddStation(Station(u"S2", 5400020.0, 500046.0, 100.2));
  shed->AddStation(Station(u"S3", 5400026.0, 500046.0, 100.3));
  shed->AddStation(Station(u"S4", 5400026.0, 500040.0, 100.3));
  shed->AddCode(Values(code, {u"Shed", u"False", u"1", u"0.000", u"2014-06-30", u"8"}));
  dataset->Add(shed);

  CShapeExporter* exporter = new CShapeExporter(&data, u"site.shp", nullptr);
  EIEResult result = exporter->Export();
  delete exporter;
  std::filesystem::remove_all("photos");
  if (result != IE_RESULT_OK) {
    std::fprintf(stderr, "make_shape_sample: export failed (%d)\n", static_cast<int>(result));
    return 1;
  }
  return 0;
}
