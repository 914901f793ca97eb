// Writes the benchmark's shapefile sets with a fixed seed: PointZ records (or ArcZ polylines of
// 20 vertices) in a 1 km square around (500000, 4000000), heights 0-100 m, and five attribute
// columns OBJNAME C10, TYPE C20, DIAM N10.0, DEPTH N12.3, OK L1.
//
//   gen_shapes points|lines COUNT BASE      (BASE without extension; writes .shp, .shx, .dbf)
#include <shapefil.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

const char* const kTypes[] = {"Manhole", "Hydrant", "Valve", "Oak tree", "Lamp post", "Survey mark"};

int Usage() {
  std::fprintf(stderr, "usage: gen_shapes points|lines COUNT BASE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Usage();
  const std::string kind = argv[1];
  const long count = std::strtol(argv[2], nullptr, 10);
  const std::string base = argv[3];
  if ((kind != "points" && kind != "lines") || count <= 0) return Usage();
  const bool lines = kind == "lines";

  SHPHandle shp = SHPCreate(base.c_str(), lines ? SHPT_ARCZ : SHPT_POINTZ);
  DBFHandle dbf = DBFCreateEx(base.c_str(), "UTF-8");
  if (!shp || !dbf) {
    std::fprintf(stderr, "gen_shapes: cannot create %s\n", base.c_str());
    return 1;
  }
  const int fName = DBFAddField(dbf, "OBJNAME", FTString, 10, 0);
  const int fType = DBFAddField(dbf, "TYPE", FTString, 20, 0);
  const int fDiam = DBFAddField(dbf, "DIAM", FTDouble, 10, 0);
  const int fDepth = DBFAddField(dbf, "DEPTH", FTDouble, 12, 3);
  const int fOk = DBFAddField(dbf, "OK", FTLogical, 1, 0);

  std::mt19937_64 random(20261211);
  std::uniform_real_distribution<double> offset(-500.0, 500.0), height(0.0, 100.0), step(-5.0, 5.0);
  std::uniform_int_distribution<int> diam(50, 2000), type(0, 5);
  std::uniform_real_distribution<double> depth(0.0, 10.0);
  const int vertices = lines ? 20 : 1;
  std::vector<double> x(vertices), y(vertices), z(vertices);
  char name[24];
  for (long i = 0; i < count; ++i) {
    x[0] = 500000.0 + offset(random);
    y[0] = 4000000.0 + offset(random);
    z[0] = height(random);
    for (int v = 1; v < vertices; ++v) {
      x[v] = x[v - 1] + step(random);
      y[v] = y[v - 1] + step(random);
      z[v] = height(random);
    }
    SHPObject* object =
        SHPCreateSimpleObject(lines ? SHPT_ARCZ : SHPT_POINTZ, vertices, x.data(), y.data(), z.data());
    const bool written = object && SHPWriteObject(shp, -1, object) >= 0;
    SHPDestroyObject(object);
    std::snprintf(name, sizeof name, "P%ld", i + 1);
    if (!written || !DBFWriteStringAttribute(dbf, static_cast<int>(i), fName, name) ||
        !DBFWriteStringAttribute(dbf, static_cast<int>(i), fType, kTypes[type(random)]) ||
        !DBFWriteIntegerAttribute(dbf, static_cast<int>(i), fDiam, diam(random)) ||
        !DBFWriteDoubleAttribute(dbf, static_cast<int>(i), fDepth, depth(random)) ||
        !DBFWriteLogicalAttribute(dbf, static_cast<int>(i), fOk, i % 3 ? 'T' : 'F')) {
      std::fprintf(stderr, "gen_shapes: cannot write record %ld\n", i);
      return 1;
    }
  }
  SHPClose(shp);
  DBFClose(dbf);
  return 0;
}
