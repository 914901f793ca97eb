// Fuzz target: projection-file text and the name dictionary. The input is read as a dictionary
// and as a projection file, the latter checked against a catalogue that accepts every name.
#include "CsDictionary.h"
#include "FuzzSupport.h"
#include "IIECoordinateSystemCatalog.h"
#include "ProjectionFile.h"

namespace {

class CAcceptingCatalog : public IIECoordinateSystemCatalog {
 public:
  IIECoordinateSystemCatalog* clone() const override { return new CAcceptingCatalog; }
  bool GetDatumEllipsoid(const CQelString&, CQelString& ellipsoid, double& a, double& f) const override {
    ellipsoid = u"WGS84";
    a = 6378137.0;
    f = 298.257223563;
    return true;
  }
  bool GetProjectionParameters(const CQelString&, TProjectionParameters& params) const override {
    params.typeCode = u"LC";
    params.count = 16;
    return true;
  }
  bool AcceptDatum(const CQelString&) const override { return true; }
  bool AcceptProjection(const CQelString&, const CQelString&) const override { return true; }
  CQelString GetProjectionFilesFolder() const override { return CQelString(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string folder = fuzz_support::ScratchFolder();
  fuzz_support::WriteFile(folder + "/in.prj", data, size);
  CQelString prj((folder + "/in.prj").c_str());
  CCsDictionary dictionary;
  dictionary.Load(prj);
  CAcceptingCatalog catalog;
  EDIST_UNITS unit = EDIST_UNITS::METERS;
  int kind = 0;
  CQelString datum, projection;
  if (ReadProjectionFile(dictionary, &catalog, prj, unit, kind, datum, projection))
    WriteProjectionFile(dictionary, &catalog, kind == 2, datum, projection, unit,
                        CQelString((folder + "/out.prj").c_str()));
  ReadProjectionFile(CCsDictionary::Get(), &catalog, prj, unit, kind, datum, projection);
  return 0;
}
