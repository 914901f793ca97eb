// Cost of the data model for design points that each carry a name, a station and one code with
// three attribute values: building a dataset through CIEDataset::Add, finding points by name
// with and without the name index, cloning, splitting by codes and destroying. Prints time per
// object and heap and resident memory per object for 10k, 100k and 1M points (or the counts
// given as arguments). Each count runs in a process of its own, so that memory freed by one run
// does not hide the resident memory of the next.
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

// Names and attribute texts made before the clock starts, so that the figures show the model's
// cost rather than number formatting.
struct TTexts {
  explicit TTexts(int n) {
    names.reserve(n);
    for (int i = 0; i < n; ++i) {
      CQelString name;
      name.Format(u"P%07d", i);
      names.push_back(name);
    }
    for (const char16_t* kind : {u"Oak", u"Ash", u"Beech", u"Lime"}) kinds.push_back(kind);
    for (int i = 0; i < 300; ++i) heights.push_back(qel_formats::DoubleToString(5.0 + i * 0.1, 1));
    for (int i = 0; i < 90; ++i) girths.push_back(qel_formats::DoubleToString(0.5 + i * 0.01, 2));
  }
  std::vector<CQelString> names, kinds, heights, girths;
};

CIECodeDescription* MakeTreeCode() {
  auto* tree = new CIECodeDescription(u"TREE");
  for (const char16_t* attr : {u"KIND", u"HEIGHT", u"GIRTH"})
    tree->AddAttrDescription(new CIEAttrDescription(attr));
  return tree;
}

void Fill(CIEDataset& ds, CIECodeDescription* tree, const TTexts& texts) {
  const int n = static_cast<int>(texts.names.size());
  for (int i = 0; i < n; ++i) {
    auto* point = new CIEDesignPoint();
    point->SetName(texts.names[i]);
    point->SetCoords(500000.0 + i * 0.25, 5200000.0 + (i % 1000), 400.0 + (i % 37), 0.0);
    auto* code = new CIECodeValues(tree);
    code->AddAttr(texts.kinds[i % 4]);
    code->AddAttr(texts.heights[i % 300]);
    code->AddAttr(texts.girths[i % 90]);
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
  const TTexts texts(n);
  TIESettings settings;
  settings.AddDataType(POINTS);
  auto* data = new CIEData(settings);
  CIECodeDescription* tree = MakeTreeCode();
  data->AddCodeToIEDataDictionary(tree);

  Memory before;
  auto* plain = new CIEDataset(u"PLAIN", 0, false);
  auto start = Clock::now();
  Fill(*plain, tree, texts);
  Report("Add", Seconds(start), n);
  ReportMemory("memory without name index", before, n);
  data->AddDataset(plain);

  Memory beforeIndexed;
  auto* indexed = new CIEDataset(u"INDEXED", 0, true);
  start = Clock::now();
  Fill(*indexed, tree, texts);
  Report("Add with name index", Seconds(start), n);
  ReportMemory("memory with name index", beforeIndexed, n);

  start = Clock::now();
  int found = 0;
  for (int i = 0; i < n; ++i) found += indexed->FindObject(texts.names[i], IE_DESIGN_POINT) != nullptr;
  Report("FindObject, name index", Seconds(start), n);

  // Without the index every lookup scans the list, so a sample stands for all n lookups.
  const int samples = n < 2000 ? n : 2000;
  start = Clock::now();
  for (int s = 0; s < samples; ++s)
    found += plain->FindObject(texts.names[s * (n / samples)], IE_DESIGN_POINT) != nullptr;
  const double scan = Seconds(start) / samples;
  std::printf("  %-34s %10.1f ns/lookup (%d sampled), %.3f ns per scanned object\n",
              "FindObject, linear scan", scan * 1e9, samples, scan * 1e9 / (n / 2.0));
  if (found != n + samples) std::printf("  !! %d of %d lookups failed\n", n + samples - found, n + samples);

  Memory beforeClone;
  start = Clock::now();
  auto* clones = new CIEDataset(u"CLONES", 0, false);
  for (int i = 0; i < n; ++i) clones->Add(plain->GetObjectAt(i)->clone());
  Report("clone", Seconds(start), n);
  ReportMemory("memory of the clones", beforeClone, n);
  start = Clock::now();
  delete clones;
  Report("destroy clones", Seconds(start), n);
  delete indexed;

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
  if (counts.size() > 1) {
    int failed = 0;
    for (int n : counts) {
      std::fflush(stdout);
      failed |= std::system(("'" + std::string(argv[0]) + "' " + std::to_string(n)).c_str());
    }
    return failed ? 1 : 0;
  }
  std::printf("sizeof: CIEDesignPoint %zu, CIEStation %zu, CIECodeValues %zu, CQelString %zu\n",
              sizeof(CIEDesignPoint), sizeof(CIEStation), sizeof(CIECodeValues), sizeof(CQelString));
  if (counts[0] > 0) Run(counts[0]);
  return 0;
}
