#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "IEData.h"
#include "IEDataset.h"
#include "IEDesignPoint.h"
#include "IEFormat.h"
#include "IEParsersLoader.h"
#include "IESettings.h"
#include "TestPluginGuids.h"
#include "WinGuid.h"
#include "WinMessage.h"
#include "WinThread.h"
#include "support/TestSupport.h"

namespace {

using test_plugins::kGuidsA;
using test_plugins::kGuidsB;

enum { OK, NULL_OBJECT, CANNOT_OPEN, STORED_ERROR, STOPS_ITSELF, SLOW };

std::unique_ptr<CIEFormat> MakeFormat(const char16_t* guidText, const char16_t* library,
                                      uint64_t parameters = 0, const char16_t* extension = u"tst") {
  GUID guid{};
  EXPECT_TRUE(GuidFromString(guidText, guid));
  return std::unique_ptr<CIEFormat>(
      new CIEFormat(guid, CQelString(u"Test format"), CIECommonType::DIRECTION_IMPORT_EXPORT,
                    CQelString(library), CQelString(library), CQelString(u"TST"), CQelString(extension),
                    CQelString(u"TST Files (*.tst)|"), 1, 0, IEUtils::ToFlag(POINTS), 0, 0, parameters));
}

CQelString Wide(const std::string& s) { return CQelString(s.c_str()); }

bool FileExists(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f) std::fclose(f);
  return f != nullptr;
}

class ParsersLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("EXCHCORE_PLUGIN_PATH", TEST_PLUGIN_DIR, 1);
    CIEData::m_bStopProcess = false;
    TIESettings settings;
    settings.AddDataType(POINTS);
    loader.InitIEData(settings);
    dir = tmp.Path();
  }
  void TearDown() override { CIEData::m_bStopProcess = false; }
  // Name of the point the last import added: tells which library's importer ran.
  CQelString LastImportedName() {
    CIEDataset* ds = loader.GetIEData()->GetCurDataset();
    int n = ds->GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false);
    return n ? ds->GetObjectAt(n - 1)->GetName() : CQelString();
  }

  TempDir tmp;
  CIEParsersLoader loader;
  std::string dir;
};

TEST_F(ParsersLoaderTest, ImportCreatesImportDatasetAndRuns) {
  auto fa = MakeFormat(kGuidsA[OK], u"testpluga");
  EXPECT_EQ(IE_RESULT_OK, loader.ImportInTheSameThread(u"in.tst", fa.get(), nullptr));
  ASSERT_EQ(1, loader.GetIEData()->GetNumberOfDatasets());
  EXPECT_EQ(u"Import dataset", loader.GetIEData()->GetDatasetAt(0)->GetName());
  EXPECT_EQ(u"from A", LastImportedName());
}

TEST_F(ParsersLoaderTest, MissingLibraryEntryOrObject) {
  auto missing = MakeFormat(kGuidsA[OK], u"nosuchplugin");
  EXPECT_FALSE(loader.LoadImporter(missing.get()));
  EXPECT_FALSE(loader.LoadImporter(nullptr));
  EXPECT_EQ(IE_RESULT_NO_PARSER, loader.ImportInTheSameThread(u"in.tst", missing.get(), nullptr));
  EXPECT_EQ(nullptr, loader.StartExportInSeparateThread(u"out.tst", missing.get(), nullptr));
  auto nullObject = MakeFormat(kGuidsA[NULL_OBJECT], u"testpluga");
  EXPECT_EQ(IE_RESULT_NO_PARSER, loader.ImportInTheSameThread(u"in.tst", nullObject.get(), nullptr));
  EXPECT_EQ(IE_RESULT_NO_PARSER,
            loader.ExportInTheSameThread(Wide(dir + "/x.tst"), nullObject.get(), nullptr));
}

TEST_F(ParsersLoaderTest, ExportResults) {
  struct Case {
    int behaviour;
    EIEResult expected;
  } cases[] = {{OK, IE_RESULT_OK}, {CANNOT_OPEN, IE_RESULT_CANNOT_OPEN}, {STORED_ERROR, IE_RESULT_BAD_FILE}};
  for (const Case& c : cases) {
    auto f = MakeFormat(kGuidsA[c.behaviour], u"testpluga");
    EXPECT_EQ(c.expected, loader.ExportInTheSameThread(Wide(dir + "/out.tst"), f.get(), nullptr))
        << c.behaviour;
  }
}

TEST_F(ParsersLoaderTest, StopEndsExportAndRemovesRegisteredFiles) {
  auto f = MakeFormat(kGuidsA[STOPS_ITSELF], u"testpluga");
  std::string path = dir + "/stopped.tst";
  EXPECT_EQ(IE_RESULT_STOPPED, loader.ExportInTheSameThread(Wide(path), f.get(), nullptr));
  EXPECT_FALSE(FileExists(path));
}

TEST_F(ParsersLoaderTest, RebindingNeverUsesAStaleEntry) {
  auto fa = MakeFormat(kGuidsA[OK], u"testpluga");
  auto fb = MakeFormat(kGuidsB[OK], u"testplugb.dll");
  EXPECT_EQ(IE_RESULT_OK, loader.ImportInTheSameThread(u"in.tst", fa.get(), nullptr));
  EXPECT_EQ(u"from A", LastImportedName());
  EXPECT_EQ(IE_RESULT_OK, loader.ExportInTheSameThread(Wide(dir + "/b.tst"), fb.get(), nullptr));
  EXPECT_EQ(IE_RESULT_OK, loader.ImportInTheSameThread(u"in.tst", fb.get(), nullptr));
  EXPECT_EQ(u"from B", LastImportedName());
  EXPECT_EQ(IE_RESULT_OK, loader.ImportInTheSameThread(u"in.tst", fa.get(), nullptr));
  EXPECT_EQ(u"from A", LastImportedName());
}

TEST_F(ParsersLoaderTest, NoDataRootGivesNoParser) {
  CIEParsersLoader empty;
  auto fa = MakeFormat(kGuidsA[OK], u"testpluga");
  EXPECT_EQ(IE_RESULT_NO_PARSER, empty.ImportInTheSameThread(u"in.tst", fa.get(), nullptr));
  EXPECT_EQ(nullptr, empty.StartImportInSeparateThread(u"in.tst", fa.get(), nullptr));
}

// Waits for a completion message on the window and returns its result.
long WaitResult(HWND window, unsigned message) {
  MSG msg;
  while (WaitForMessage(window, &msg, 10000)) {
    if (msg.message == message) return static_cast<long>(msg.lParam);
  }
  return 0;
}

TEST_F(ParsersLoaderTest, WorkerThreadPostsResultToNotifyWindowOrBroadcasts) {
  unsigned importDone = RegisterWindowMessage(u"IMPORT_DATA_FINISHED");
  unsigned exportDone = RegisterWindowMessage(u"EXPORT_DATA_FINISHED");
  HWND mine = CreateMessageWindow();
  HWND other = CreateMessageWindow();

  // No notify window: broadcast, so both windows hear of the null importer.
  auto nullObject = MakeFormat(kGuidsA[NULL_OBJECT], u"testpluga");
  std::unique_ptr<CWinThread> t(loader.StartImportInSeparateThread(u"in.tst", nullObject.get(), nullptr));
  ASSERT_TRUE(t);
  EXPECT_EQ(IE_RESULT_NO_PARSER, WaitResult(mine, importDone));
  EXPECT_EQ(IE_RESULT_NO_PARSER, WaitResult(other, importDone));
  ASSERT_TRUE(t->Wait());
  unsigned code = 0;
  ASSERT_TRUE(t->GetExitCodeThread(&code));
  EXPECT_EQ(IE_RESULT_NO_PARSER, static_cast<int>(code));

  // With a notify window only that window hears.
  TIESettings settings = loader.GetIEData()->GetSettings();
  settings.m_hNotifyWnd = mine;
  loader.GetIEData()->SetSettings(settings);
  auto ok = MakeFormat(kGuidsA[OK], u"testpluga");
  t.reset(loader.StartExportInSeparateThread(Wide(dir + "/t.tst"), ok.get(), nullptr));
  ASSERT_TRUE(t);
  EXPECT_EQ(IE_RESULT_OK, WaitResult(mine, exportDone));
  t->Wait();
  MSG msg;
  EXPECT_FALSE(WaitForMessage(other, &msg, 50));
  DestroyMessageWindow(mine);
  DestroyMessageWindow(other);
}

TEST_F(ParsersLoaderTest, StopFromHostEndsWorkerExport) {
  unsigned exportDone = RegisterWindowMessage(u"EXPORT_DATA_FINISHED");
  HWND window = CreateMessageWindow();
  auto slow = MakeFormat(kGuidsA[SLOW], u"testpluga");
  std::string path = dir + "/slow.tst";
  std::unique_ptr<CWinThread> t(loader.StartExportInSeparateThread(Wide(path), slow.get(), nullptr));
  ASSERT_TRUE(t);
  CIEData::m_bStopProcess = true;
  EXPECT_EQ(IE_RESULT_STOPPED, WaitResult(window, exportDone));
  t->Wait();
  EXPECT_FALSE(FileExists(path));
  DestroyMessageWindow(window);
}

class MultiFileTest : public ParsersLoaderTest {
 protected:
  // Three datasets of uncoded points; the middle one has a name no file can carry.
  void AddDatasets() {
    const char16_t* names[] = {u"first", u"bad|name", u"third"};
    for (const char16_t* name : names) {
      CIEDataset* ds = new CIEDataset(CQelString(name), 0, false);
      CIEDesignPoint* p = new CIEDesignPoint;
      p->SetName(u"P1");
      ds->Add(p);
      loader.GetIEData()->AddDataset(ds);
    }
  }
};

TEST_F(MultiFileTest, InvalidDatasetNameIsSkippedAndReported) {
  AddDatasets();
  auto f = MakeFormat(kGuidsA[OK], u"testpluga", IEUtils::ToFlag(CIEFormat::MULTIPLE_FILES_EXP));
  EXPECT_EQ(IE_RESULT_INVALID_NAMES, loader.ExportInTheSameThread(Wide(dir), f.get(), nullptr));
  EXPECT_TRUE(FileExists(dir + "/first.tst"));
  EXPECT_TRUE(FileExists(dir + "/third.tst"));
  EXPECT_EQ(2, loader.GetIEData()->GetExportedFileNames().GetSize());
}

TEST_F(MultiFileTest, StopDuringFirstDatasetLeavesNoFiles) {
  AddDatasets();
  auto f = MakeFormat(kGuidsA[STOPS_ITSELF], u"testpluga", IEUtils::ToFlag(CIEFormat::MULTIPLE_FILES_EXP));
  EXPECT_EQ(IE_RESULT_STOPPED, loader.ExportInTheSameThread(Wide(dir), f.get(), nullptr));
  EXPECT_FALSE(FileExists(dir + "/first.tst"));
  EXPECT_FALSE(FileExists(dir + "/third.tst"));
}

}  // namespace
