// Cost of the data model for design points. Two workloads:
// - "five attributes": the shape of a PointZ shapefile with five attribute columns. Each point
//   gets a name, a station with x/y/z and one code with five short attribute values; the values
//   are handed over as temporaries, as an importer that converts table fields does. Prints time
//   and page faults per point for a first build on new memory and a second one on memory the
//   process touched before, and heap bytes per point with and without the attribute text (the
//   attribute text being the heap that making the five value strings took: their allocator blocks).
// - "three attributes": building a dataset through CIEDataset::Add with a name, a station and one
//   code with three attribute values, finding points by name with and without the name index,
//   cloning, splitting by codes and destroying.
// Counts are 10k, 100k and 1M points (or those given as arguments). Each count and workload runs
// in a process of its own, so that memory freed by one run does not hide the resident memory or
// the page faults of the next.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "IEModel.h"
#include "QelAlloc.h"
#include "qel_formats.h"

namespace {

// Processor time of this process (page faults included), so that other programs sharing the
// machine's cores do not inflate the figures the way wall-clock time would.
struct Clock {
  static std::clock_t now() { return std::clock(); }
};

double Seconds(std::clock_t since) { return static_cast<double>(Clock::now() - since) / CLOCKS_PER_SEC; }

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

// Page faults of the process so far (minor ones: first touches of memory).
double PageFaults() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // Fields after the command name in parentheses: state, ppid, pgrp, session, tty, tpgid, flags,
  // minflt.
  std::istringstream fields(text.substr(text.rfind(')') + 1));
  std::string field;
  for (int i = 0; i < 8; ++i) fields >> field;
  return std::atof(field.c_str());
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

void RunThreeAttributes(int n) {
  std::printf("%d design points, three attributes\n", n);
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

// Attribute texts of the five-column table: an identifier, a kind, an integer, a number with three
// decimals and a logical, like "A12", "Oak tree", "123", "4.560" and "T".
struct TFiveColumnTexts {
  TFiveColumnTexts() {
    for (int i = 0; i < 1000; ++i) ids.push_back(u"A" + qel_formats::IntToString(i));
    for (const char16_t* kind : {u"Oak tree", u"Ash", u"Beech hedge", u"Lime tree"}) kinds.push_back(kind);
    for (int i = 0; i < 500; ++i) counts.push_back(qel_formats::IntToString(i));
    for (int i = 0; i < 5000; ++i) numbers.push_back(qel_formats::DoubleToString(i * 0.001, 3));
    for (const char16_t* flag : {u"T", u"F"}) flags.push_back(flag);
  }
  // Value k of point i, a copy of its own as the importer's conversion would give.
  CQelString Value(int i, int k) const {
    switch (k) {
      case 0:
        return ids[i % 1000];
      case 1:
        return kinds[i % 4];
      case 2:
        return counts[i % 500];
      case 3:
        return numbers[i % 5000];
      default:
        return flags[i % 2];
    }
  }
  std::vector<CQelString> ids, kinds, counts, numbers, flags;
};

// Builds the points the way a shapefile importer does.
__attribute__((noinline)) void FillFive(CIEDataset& dataset, CIECodeDescription* code,
                                        const std::vector<CQelString>& names,
                                        std::vector<CQelString>& values) {
  const int n = static_cast<int>(names.size());
  for (int i = 0; i < n; ++i) {
    auto* point = new CIEDesignPoint();
    // Through the name interface, as an importer sets the name of any object it reads.
    static_cast<IIENameInterface*>(point)->SetName(names[i]);
    point->SetCoords(500000.0 + i * 0.25, 5200000.0 + (i % 1000), 400.0 + (i % 37), 0.0);
    auto* codeValues = new CIECodeValues(code);
    for (int k = 0; k < 5; ++k) codeValues->AddAttr(std::move(values[static_cast<size_t>(i) * 5 + k]));
    point->AddCode(codeValues);
    dataset.Add(point);
  }
}

// Names and values of n points, made before the clock starts and before the heap is measured,
// so that the figures show the model's own cost. Returns the heap that the values took.
double MakeFiveColumnTexts(const TFiveColumnTexts& columns, std::vector<CQelString>& names,
                           std::vector<CQelString>& values) {
  const int n = static_cast<int>(names.size());
  for (int i = 0; i < n; ++i) names[i].Format(u"P%07d", i);
  const double before = HeapInUse();
  for (int i = 0; i < n; ++i)
    for (int k = 0; k < 5; ++k) values[static_cast<size_t>(i) * 5 + k] = columns.Value(i, k);
  return HeapInUse() - before;
}

void RunFiveAttributes(int n) {
  std::printf("%d design points, five attributes\n", n);
  const TFiveColumnTexts columns;
  auto* code = new CIECodeDescription(u"SITE");
  for (const char16_t* attr : {u"ID", u"KIND", u"COUNT", u"SIZE", u"CHECKED"})
    code->AddAttrDescription(new CIEAttrDescription(attr));

  std::vector<CQelString> names(n), values(static_cast<size_t>(n) * 5);
  const double start = HeapInUse();
  // The attribute text is what the allocator handed out for the five value strings.
  const double attributeText = MakeFiveColumnTexts(columns, names, values) / n;

  auto* dataset = new CIEDataset(u"SHAPE", 0, false);
  double faults = PageFaults();
  auto begin = Clock::now();
  FillFive(*dataset, code, names, values);
  Report("Add (create, name, code, Add)", Seconds(begin), n);
  std::printf("  %-34s %10.3f page faults/point\n", "first touch of new memory", (PageFaults() - faults) / n);
  // What the texts left behind (copies the model did not take) is not the model's.
  for (CQelString& name : names) name.Empty();
  for (CQelString& value : values) value.Empty();
  const double model = (HeapInUse() - start) / n;
  std::printf("  %-34s %10.1f B/point heap, %.1f B/point without the attribute text\n",
              "memory of the dataset", model, model - attributeText);
  std::printf("  %-34s %10.1f B/point (allocator blocks of the five value strings)\n", "attribute text",
              attributeText);

  // A block above the dataset keeps the allocator from handing the dataset's memory back to the
  // system when it is deleted, so that a second dataset is built on memory the process touched
  // before: its time is the model's own work without the first-touch page faults.
  auto* guard = new CQelString(u"keeps the heap");
  begin = Clock::now();
  delete dataset;
  Report("destroy dataset", Seconds(begin), n);
  MakeFiveColumnTexts(columns, names, values);
  dataset = new CIEDataset(u"SHAPE", 0, false);
  faults = PageFaults();
  begin = Clock::now();
  FillFive(*dataset, code, names, values);
  Report("Add again, memory touched before", Seconds(begin), n);
  std::printf("  %-34s %10.3f page faults/point\n", "", (PageFaults() - faults) / n);
  delete dataset;
  delete guard;
  delete code;
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  // One child process per count and workload: "bench_model N five" or "bench_model N three".
  if (argc == 3) {
    const int n = std::atoi(argv[1]);
    if (n <= 0) return 0;
    if (std::string(argv[2]) == "five")
      RunFiveAttributes(n);
    else
      RunThreeAttributes(n);
    return 0;
  }
  std::vector<int> counts;
  for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
  if (counts.empty()) counts = {10000, 100000, 1000000};
  std::printf("sizeof: CIEDesignPoint %zu, CIEStation %zu, CIECodeValues %zu, CQelString %zu\n\n",
              sizeof(CIEDesignPoint), sizeof(CIEStation), sizeof(CIECodeValues), sizeof(CQelString));
  int failed = 0;
  for (const char* workload : {"five", "three"}) {
    for (int n : counts) {
      std::fflush(stdout);
      failed |= std::system(("'" + std::string(argv[0]) + "' " + std::to_string(n) + " " + workload).c_str());
    }
  }
  return failed ? 1 : 0;
}
