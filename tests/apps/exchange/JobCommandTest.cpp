// The host's convert and info verbs end to end: the built program, a settings file whose formats
// are served by the test plug-ins, and the files and output that result.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "ExchangeRun.h"
#include "IECatalogue.h"
#include "IERounding.h"
#include "TestPluginGuids.h"
#include "WinGuid.h"
#include "core/catalogue/CatalogueTestSupport.h"
#include "detail/IEFormatsSettingsFile.h"

namespace {

using exchange_test::TRun;
using test_plugins::kGuidsA;

class JobCommand : public FreshCatalogue {
 protected:
  void SetUp() override {
    FreshCatalogue::SetUp();
    WriteSettings();
    m_dir.Write("in.tsa", "any content: the test importer does not read it\n");
  }

  // A switched-on settings file whose formats the test library serves, one extension for each
  // behaviour of its exporter.
  void WriteSettings() {
    const struct {
      int behaviour;
      const char16_t* title;
      const char16_t* extension;
    } rows[] = {{0, u"TSA", u"tsa"}, {1, u"TSN", u"tsn"}, {2, u"TSC", u"tsc"}, {5, u"TSS", u"tss"}};
    qel_templ::CQelArray<CIEFormat*> formats;
    for (const auto& row : rows) {
      GUID guid{};
      ASSERT_TRUE(GuidFromString(kGuidsA[row.behaviour], guid));
      formats.Add(new CIEFormat(guid, CQelString(u"Test ") + row.title,
                                CIECommonType::DIRECTION_IMPORT_EXPORT, u"testpluga", u"testpluga", row.title,
                                row.extension, u"Test (*.t)|", Bits(CIECommonType::REGULAR), 0, Bits(POINTS),
                                0, 0, 0));
    }
    ASSERT_TRUE(IEFormatsSettingsFile::Store(m_dir.WPath("formats.xml"), formats));
    for (CIEFormat* format : formats) delete format;
    std::u16string text = ReadUtf16File(m_dir, "formats.xml");
    ReplaceFirst(text, u"useDataFromFile=\"false\"", u"useDataFromFile=\"true\"");
    WriteUtf16File(m_dir, "formats.xml", text);
  }

  TRun Exchange(std::vector<std::string> args, const std::string& prefix = "") {
    args.push_back("--settings");
    args.push_back(m_dir.Path("formats.xml"));
    return exchange_test::Run(m_dir.Path(), args,
                              "EXCHCORE_PLUGIN_PATH=" + exchange_test::Quote(TEST_PLUGIN_DIR) + " " + prefix);
  }

  TempDir m_dir;
};

TEST_F(JobCommand, ConvertRunsBothJobsOnWorkerThreadsOrThisThread) {
  for (const char* mode : {"", "--same-thread"}) {
    std::vector<std::string> args = {"convert", m_dir.Path("in.tsa"), m_dir.Path("out.tsa")};
    if (*mode) args.push_back(mode);
    const TRun run = Exchange(args);
    EXPECT_EQ(0, run.exitCode) << mode << run.err;
    EXPECT_EQ("", run.err) << mode;
    EXPECT_TRUE(m_dir.Exists("out.tsa")) << mode;
    std::filesystem::remove(m_dir.Path("out.tsa"));
  }
}

TEST_F(JobCommand, FailedJobsNameTheirResult) {
  const struct {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"convert", "IN", "OUT.tsc"}, "error: export failed: IE_RESULT_CANNOT_OPEN (-12)\n"},
      {{"convert", "IN", "OUT.tsn"}, "error: export failed: IE_RESULT_NO_PARSER (-13)\n"},
      {{"convert", "IN", "OUT.tsa", "--from", "TSN"}, "error: import failed: IE_RESULT_NO_PARSER (-13)\n"},
      {{"info", "IN", "--from", "{A0000000-0000-4000-8000-000000000002}"},
       "error: import failed: IE_RESULT_NO_PARSER (-13)\n"},
  };
  for (auto c : cases) {
    for (std::string& arg : c.args) {
      if (arg == "IN") arg = m_dir.Path("in.tsa");
      if (arg.rfind("OUT", 0) == 0) arg = m_dir.Path("out" + arg.substr(3));
    }
    const TRun run = Exchange(c.args);
    EXPECT_EQ(1, run.exitCode) << c.args[2];
    EXPECT_EQ(c.error, run.err) << c.args[2];
  }
}

TEST_F(JobCommand, UsageErrorsNameTheProblem) {
  const struct {
    std::vector<std::string> args;
    std::string fragment;
  } cases[] = {
      {{"convert", "a.tsa"}, "needs INPUT and OUTPUT"},
      {{"convert", "a.unknown", "b.tsa"}, "use --from"},
      {{"convert", "a.tsa", "b.tsa", "--to", "99"}, "option '--to'"},
      {{"convert", "a.tsa", "b.tsa", "--types", "NOT_A_TYPE"}, "option '--types'"},
      {{"convert", "a.tsa", "b.tsa", "--units", "FURLONGS"}, "option '--units'"},
      {{"info", "a.tsa", "--bogus"}, "unknown option '--bogus'"},
  };
  for (const auto& c : cases) {
    const TRun run = Exchange(c.args);
    EXPECT_EQ(2, run.exitCode) << c.fragment;
    EXPECT_NE(std::string::npos, run.err.find(c.fragment)) << run.err;
  }
}

TEST_F(JobCommand, InfoPrintsTheImportedModel) {
  TRun run = Exchange({"info", m_dir.Path("in.tsa"), "--json"});
  ASSERT_EQ(0, run.exitCode) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ("IE_RESULT_OK", json["result"]);
  EXPECT_EQ(20, json["resultCode"]);
  EXPECT_EQ("METERS", json["distanceUnits"]);
  ASSERT_EQ(1u, json["datasets"].size());
  EXPECT_EQ("Import dataset", json["datasets"][0]["name"]);
  const auto& point = json["datasets"][0]["objects"][0];
  EXPECT_EQ("IE_DESIGN_POINT", point["kind"]);
  EXPECT_EQ("from A", point["name"]);
  EXPECT_EQ(1.0, point["stations"][0]["x"]);
  EXPECT_EQ(3.0, point["stations"][0]["z"]);

  run = Exchange({"info", m_dir.Path("in.tsa"), "--job-units", "usfeet"});
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_NE(std::string::npos, run.out.find("distance units: USFEET")) << run.out;
  EXPECT_NE(std::string::npos, run.out.find("Import dataset: 1 objects (IE_DESIGN_POINT 1)")) << run.out;
}

TEST_F(JobCommand, CtrlCStopsTheExportAndRemovesItsFiles) {
  // The exporter of .tss files takes four seconds; the host is interrupted after half a second.
  const std::string out = m_dir.Path("slow.tss");
  const std::string command = "EXCHCORE_PLUGIN_PATH=" + exchange_test::Quote(TEST_PLUGIN_DIR) + " " +
                              exchange_test::Quote(exchange_test::ExchangePath()) + " convert " +
                              exchange_test::Quote(m_dir.Path("in.tsa")) + " " + exchange_test::Quote(out) +
                              " --settings " + exchange_test::Quote(m_dir.Path("formats.xml")) + " 2>" +
                              exchange_test::Quote(m_dir.Path("err")) +
                              " & pid=$!; sleep 0.5; kill -INT $pid; " + "wait $pid; echo $? >" +
                              exchange_test::Quote(m_dir.Path("rc"));
  ASSERT_EQ(0, std::system(command.c_str()));
  EXPECT_EQ(1, std::stoi(exchange_test::Slurp(m_dir.Path("rc"))));
  EXPECT_EQ("error: export failed: IE_RESULT_STOPPED (-16)\n", exchange_test::Slurp(m_dir.Path("err")));
  EXPECT_FALSE(m_dir.Exists("slow.tss"));
}

}  // namespace
