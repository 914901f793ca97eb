// Cost of the data model for design points that each carry a name, a station and one code with
// three attribute values: building a dataset through CIEDataset::Add, finding points by name
// with and without the name index, cloning, splitting by codes and destroying. Prints time per
// object and heap and resident memory per object for 10k, 100k and 1M points (or the counts
// given as arguments).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "IEModel.h"
#include "QelAlloc.h"
#include "qel_formats.h"

namespace {

typedef std::chrono::steady_clock Clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// Bytes handed out by the shared allocator, chunk overhead included.
double HeapInUse() {
  unsigned maxSystem = 0, system = 0, inUse = 0;
  dlmalloc_stats2(&maxSystem, &system, &inUse);
  return inUse;
}

// Resident set of the process in bytes.
double Resident() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.compare(0, 6, "VmRSS:") == 0) return std::atof(line.c_str() + 6) * 1024.0;
  return 0.0;
}

CQelString PointName(int i) {
  CQelString name;
  name.Format(u"P%07d", i);
  return name;
}

CIECodeDescription* MakeTreeCode() {
  auto* tree = new CIECodeDescription(u"TREE");
  for (const char16_t* attr : {u"KIND", u"HEIGHT", u"GIRTH"})
    tree->AddAttrDescription(new CIEAttrDescription(attr));
  return tree;
}

void Fill(CIEDataset& ds, CIECodeDescription* tree, int n) {
  const char16_t* kinds[] = {u"Oak", u"Ash", u"Beech", u"Lime"};
  for (int i = 0; i < n; ++i) {
    auto* point = new CIEDesignPoint();
    point->SetName(PointName(i));
    point->SetCoords(500000.0 + i * 0.25, 5200000.0 + (i % 1000), 400.0 + (i % 37), 0.0);
    auto* code = new CIECodeValues(tree);
    code->AddAttr(kinds[i % 4]);
    code->AddAttr(qel_formats::DoubleToString(5.0 + (i % 300) * 0.1, 1));
    code->AddAttr(qel_formats::DoubleToString(0.5 + (i % 90) * 0.01, 2));
    point->AddCode(code);
    ds.Add(point);
  }
}

struct Memory {
  double heap = HeapInUse();
  double resident = Resident();
};

void Report(const char* what, double seconds, int count) {
  std::printf("  %-34s %10.1f ns/object\n", what, seconds * 1e9 / count);
}

void ReportMemory(const char* what, const Memory& before, int count) {
  const Memory after;
  std::printf("  %-34s %10.1f B/object heap, %10.1f B/object resident\n", what,
              (after.heap - before.heap) / count, (after.resident - before.resident) / count);
}

void Run(int n) {
  std::printf("%d design points\n", n);
  TIESettings settings;
  settings.AddDataType(POINTS);
  auto* data = new CIEData(settings);
  CIECodeDescription* tree = MakeTreeCode();
  data->AddCodeToIEDataDictionary(tree);

  Memory before;
  auto* plain = new CIEDataset(u"PLAIN", 0, false);
  auto start = Clock::now();
  Fill(*plain, tree, n);
  Report("Add", Seconds(start), n);
  ReportMemory("memory without name index", before, n);
  data->AddDataset(plain);

  Memory beforeIndexed;
  auto* indexed = new CIEDataset(u"INDEXED", 0, true);
  start = Clock::now();
  Fill(*indexed, tree, n);
  Report("Add with name index", Seconds(start), n);
  ReportMemory("memory with name index", beforeIndexed, n);

  start = Clock::now();
  int found = 0;
  for (int i = 0; i < n; ++i) found += indexed->FindObject(PointName(i), IE_DESIGN_POINT) != nullptr;
  Report("FindObject, name index", Seconds(start), n);

  // Without the index every lookup scans the list, so a sample stands for all n lookups.
  const int samples = n < 2000 ? n : 2000;
  start = Clock::now();
  for (int s = 0; s < samples; ++s)
    found += plain->FindObject(PointName(s * (n / samples)), IE_DESIGN_POINT) != nullptr;
  const double scan = Seconds(start) / samples;
  std::printf("  %-34s %10.1f ns/lookup (%d sampled), %.3f ns per scanned object\n",
              "FindObject, linear scan", scan * 1e9, samples, scan * 1e9 / (n / 2.0));
  if (found != n + samples) std::printf("  !! %d of %d lookups failed\n", n + samples - found, n + samples);
  delete indexed;

  Memory beforeClone;
  start = Clock::now();
  auto* clones = new CIEDataset(u"CLONES", 0, false);
  for (int i = 0; i < n; ++i) clones->Add(plain->GetObjectAt(i)->clone());
  Report("clone", Seconds(start), n);
  ReportMemory("memory of the clones", beforeClone, n);
  start = Clock::now();
  delete clones;
  Report("destroy clones", Seconds(start), n);

  start = Clock::now();
  data->SplitDatasetsByCodes(true);
  Report("SplitDatasetsByCodes", Seconds(start), n);

  start = Clock::now();
  delete data;
  Report("destroy data root", Seconds(start), n);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> counts;
  for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
  if (counts.empty()) counts = {10000, 100000, 1000000};
  std::printf("sizeof: CIEDesignPoint %zu, CIEStation %zu, CIECodeValues %zu, CQelString %zu\n\n",
              sizeof(CIEDesignPoint), sizeof(CIEStation), sizeof(CIECodeValues), sizeof(CQelString));
  for (int n : counts)
    if (n > 0) Run(n);
  return 0;
}
