// The command-line host as users run it: the built program next to this test, its output and exit
// codes, compared with what the catalogue answers in this process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "ExchangeRun.h"
#include "core/catalogue/CatalogueTestSupport.h"

namespace {

using C = CIECommonType;

using exchange_test::TRun;

class ExchangeCommand : public FreshCatalogue {
 protected:
  TempDir m_dir;

  TRun Run(const std::vector<std::string>& args) { return exchange_test::Run(m_dir.Path(), args); }

  static std::string FormatLine(int index) {
    const CIEFormat& format = *GetIEFormatsData().GetFormatByInd(static_cast<unsigned>(index));
    return std::to_string(index) + "\t" + Std8(Std(format.GetGUIDAsString()).c_str()) + "\t" +
           Std8(IEKeywords::GetDirectionKeyword(format.GetDataDirections())) + "\t" +
           Std8(Std(format.GetTitle()).c_str()) + "\t" + Std8(Std(format.GetName()).c_str());
  }
};

TEST_F(ExchangeCommand, FormatsListsTheCatalogue) {
  const TRun run = Run({"formats"});
  ASSERT_EQ(0, run.exitCode) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(111u, lines.size());
  EXPECT_EQ("0\t{35A07CA2-548D-43A6-8DCA-6282A6E20A3E}\tImportExport\tText\tVarnel Text Custom (*.txt)",
            lines[0]);
  for (int i = 0; i < 111; ++i) EXPECT_EQ(FormatLine(i), lines[i]);
  EXPECT_EQ("", run.err);
}

TEST_F(ExchangeCommand, FormatsFilters) {
  const auto any = static_cast<C::EDataDirections>(3);
  const TIEMask regular = Bits(C::REGULAR);
  const struct {
    std::vector<std::string> args;
    int type;  // -1: no --type, filtered by CompareCommonData
    C::EDataDirections direction;
    TIEMask configurations, modes;
  } cases[] = {
      {{"--type", "POINTS", "--direction", "export", "--config", "REGULAR"},
       POINTS,
       C::DIRECTION_EXPORT,
       regular,
       0},
      {{"--type=STAKE_REPORTS", "--direction=export", "--config=REGULAR"},
       STAKE_REPORTS,
       C::DIRECTION_EXPORT,
       regular,
       0},
      {{"--type", "POINTS"}, POINTS, any, 0, 0},
      {{"--type", "points", "--modes", "export_in_japan", "--config", "JAPAN,REGULAR"},
       POINTS,
       any,
       Bits(C::REGULAR, C::JAPAN),
       Bits(C::EXPORT_IN_JAPAN)},
      {{"--type", "ROAD_STRINGS"}, ROAD_STRINGS, any, 0, 0},
      {{"--type", "RAW_DATA", "--direction", "import"}, RAW_DATA, C::DIRECTION_IMPORT, 0, 0},
      {{"--direction", "both"}, -1, C::DIRECTION_IMPORT_EXPORT, 0, 0},
      {{"--config", "CONTRACTOR,ONBOARD"}, -1, any, Bits(C::CONTRACTOR, C::ONBOARD), 0},
      {{"--modes", "EXPORT_IN_JAPAN,ONBOARD_WITH_SCANNING"},
       -1,
       any,
       0,
       Bits(C::EXPORT_IN_JAPAN, C::ONBOARD_WITH_SCANNING)},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"formats"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const TRun run = Run(args);
    ASSERT_EQ(0, run.exitCode) << run.err;
    std::vector<std::string> expected;
    if (c.type >= 0) {
      qel_templ::CQelArray<int> indices;
      GetIEFormatsData().GetSupportedFormatsByDataType(indices, static_cast<EIEDataType>(c.type), c.direction,
                                                       c.configurations, c.modes);
      for (int index : indices) expected.push_back(FormatLine(index));
    } else {
      for (int i = 0; const CIEFormat* format = GetIEFormatsData().GetFormatByInd(i); ++i)
        if (format->CompareCommonData(c.direction, c.configurations, c.modes))
          expected.push_back(FormatLine(i));
    }
    EXPECT_EQ(expected, run.Lines()) << testing::PrintToString(c.args);
  }
  EXPECT_EQ(
      35u,
      Run({"formats", "--type", "POINTS", "--direction", "export", "--config", "REGULAR"}).Lines().size());
  EXPECT_EQ(
      std::vector<std::string>{FormatLine(108)},
      Run({"formats", "--type", "STAKE_REPORTS", "--direction", "export", "--config", "REGULAR"}).Lines());
}

TEST_F(ExchangeCommand, FormatsAsJson) {
  const TRun run = Run({"formats", "--type", "CODES", "--json"});
  ASSERT_EQ(0, run.exitCode) << run.err;
  const nlohmann::json json = nlohmann::json::parse(run.out);
  ASSERT_TRUE(json.is_array());
  const nlohmann::json* dbf = nullptr;
  for (const auto& item : json)
    if (item["index"] == 73) dbf = &item;
  ASSERT_NE(nullptr, dbf);
  const std::vector<std::string> keys = {"index",           "guid",           "name",          "title",
                                         "direction",       "importLibrary",  "exportLibrary", "extension",
                                         "filterExtension", "configurations", "usingModes",    "dataTypes",
                                         "distanceUnits",   "angleUnits",     "parameters"};
  std::vector<std::string> actualKeys;
  for (auto it = dbf->begin(); it != dbf->end(); ++it) actualKeys.push_back(it.key());
  std::sort(actualKeys.begin(), actualKeys.end());
  std::vector<std::string> sortedKeys = keys;
  std::sort(sortedKeys.begin(), sortedKeys.end());
  EXPECT_EQ(sortedKeys, actualKeys);
  EXPECT_EQ("{B4C2FC07-523D-4192-B518-585367AE93B5}", (*dbf)["guid"]);
  EXPECT_EQ("DBF (*.dbf)", (*dbf)["name"]);
  EXPECT_EQ("DBF", (*dbf)["title"]);
  EXPECT_EQ("ImportExport", (*dbf)["direction"]);
  EXPECT_EQ("shapeplug", (*dbf)["importLibrary"]);
  EXPECT_EQ("shapeplug", (*dbf)["exportLibrary"]);
  EXPECT_EQ("dbf", (*dbf)["extension"]);
  EXPECT_EQ("DBF Files (*.dbf)|", (*dbf)["filterExtension"]);
  EXPECT_EQ((std::vector<std::string>{"REGULAR", "ONBOARD", "CONTRACTOR"}), (*dbf)["configurations"]);
  EXPECT_TRUE((*dbf)["usingModes"].empty());
  EXPECT_EQ(std::vector<std::string>{"CODES"}, (*dbf)["dataTypes"]);
  EXPECT_TRUE((*dbf)["distanceUnits"].empty());
  EXPECT_TRUE((*dbf)["angleUnits"].empty());
  EXPECT_EQ((std::vector<std::string>{"MULTIPLE_FILES_EXP", "CODE_WITH_ATTRS_EXP"}), (*dbf)["parameters"]);

  const nlohmann::json all = nlohmann::json::parse(Run({"formats", "--json"}).out);
  ASSERT_EQ(111u, all.size());
  EXPECT_EQ((std::vector<std::string>{"EXPORT_IN_JAPAN"}), all[23]["usingModes"]);
  EXPECT_EQ((std::vector<std::string>{"DECDEG"}), all[35]["angleUnits"]);
}

TEST_F(ExchangeCommand, Types) {
  TRun run = Run({"types", "--direction", "export", "--config", "JAPAN"});
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_EQ(
      (std::vector<std::string>{"0\tPOINTS\tImportExport\tPoints", "1\tCODES\tImportExport\tCode Library",
                                "18\tRAW_DATA\tImportExport\tRaw Data", "10\tSURFACES\tImportExport\tTINs"}),
      run.Lines());
  run = Run({"types", "--direction", "export", "--config", "JAPAN", "--modes",
             "EXPORT_IN_JAPAN,ONBOARD_WITH_SCANNING"});
  EXPECT_EQ(8u, run.Lines().size());
  EXPECT_EQ("15\tSCANNING_DATA\tExport\tScanning Data", run.Lines()[6]);
  // Without modes the types that require one are not offered.
  EXPECT_EQ(16u, Run({"types"}).Lines().size());

  run = Run({"types", "--json", "--modes", "ONBOARD_WITH_SCANNING", "--direction", "export"});
  ASSERT_EQ(0, run.exitCode) << run.err;
  const nlohmann::json json = nlohmann::json::parse(run.out);
  ASSERT_FALSE(json.empty());
  const nlohmann::json* scanning = nullptr;
  for (const auto& item : json)
    if (item["keyword"] == "SCANNING_DATA") scanning = &item;
  ASSERT_NE(nullptr, scanning);
  EXPECT_EQ(6u, scanning->size());
  EXPECT_EQ(15, (*scanning)["id"]);
  EXPECT_EQ("Scanning Data", (*scanning)["name"]);
  EXPECT_EQ("Export", (*scanning)["direction"]);
  EXPECT_EQ((std::vector<std::string>{"REGULAR", "ONBOARD", "JAPAN"}), (*scanning)["configurations"]);
  EXPECT_EQ((std::vector<std::string>{"ONBOARD_WITH_SCANNING"}), (*scanning)["usingModes"]);
}

TEST_F(ExchangeCommand, SettingsFile) {
  // Missing: written with the defaults.
  TRun run = Run({"formats", "--settings", m_dir.Path("s.xml")});
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_EQ(111u, run.Lines().size());
  ASSERT_TRUE(m_dir.Exists("s.xml"));

  // Switched on without its first format: the file decides.
  std::u16string text = ReadUtf16File(m_dir, "s.xml");
  SwitchOnWithoutFirstFormat(text);
  WriteUtf16File(m_dir, "s.xml", text);
  run = Run({"formats", "--settings=" + m_dir.Path("s.xml"), "--type", "POINTS"});
  ASSERT_EQ(0, run.exitCode) << run.err;
  ASSERT_FALSE(run.Lines().empty());
  EXPECT_EQ(0u, run.Lines()[0].find("0\t{"));
  EXPECT_NE(std::string::npos, run.Lines()[0].find("Text Custom Report (*.txt)"));
  EXPECT_EQ(16u, Run({"types", "--settings", m_dir.Path("s.xml")}).Lines().size());

  // A folder that cannot be written: the catalogue is complete and nothing is said.
  m_dir.Write("file", "x");
  run = Run({"formats", "--settings", m_dir.Path("file/s.xml")});
  EXPECT_EQ(0, run.exitCode);
  EXPECT_EQ(111u, run.Lines().size());
  EXPECT_EQ("", run.err);
}

TEST_F(ExchangeCommand, UsageErrors) {
  const struct {
    std::vector<std::string> args;
    const char* named;  // what the one-line message must name
  } cases[] = {
      {{"formats", "--bogus"}, "--bogus"},
      {{"formats", "--type"}, "--type"},
      {{"formats", "--type", "SHAPES"}, "--type"},
      {{"formats", "--direction", "sideways"}, "--direction"},
      {{"formats", "--config", "REGULAR,,JAPAN"}, "--config"},
      {{"formats", "--config", "REGULAR,MARS"}, "--config"},
      {{"formats", "--modes", "FAST"}, "--modes"},
      {{"formats", "--json=yes"}, "--json"},
      {{"formats", "POINTS"}, "POINTS"},
      {{"types", "--type", "POINTS"}, "--type"},
      {{"types", "--settings"}, "--settings"},
      {{"convert"}, "convert"},
      {{}, "verb"},
  };
  for (const auto& c : cases) {
    const TRun run = Run(c.args);
    EXPECT_EQ(2, run.exitCode) << testing::PrintToString(c.args);
    EXPECT_EQ("", run.out) << testing::PrintToString(c.args);
    EXPECT_NE(std::string::npos, run.err.find(c.named)) << run.err;
    EXPECT_EQ(1, std::count(run.err.begin(), run.err.end(), '\n')) << run.err;
  }
}

TEST_F(ExchangeCommand, Help) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"--help"},
                                             {"formats", "--help"},
                                             {"types", "--help"},
                                             {"formats", "--type", "POINTS", "--help"}}) {
    const TRun run = Run(args);
    EXPECT_EQ(0, run.exitCode) << testing::PrintToString(args);
    EXPECT_EQ(0u, run.out.find("Usage: exchange")) << run.out;
    EXPECT_EQ("", run.err);
  }
  EXPECT_NE(std::string::npos, Run({"formats", "--help"}).out.find("--direction"));
}

}  // namespace
