// A round trip through the host: each bundled sample set converted into a new folder and read
// back must describe the same model (coordinates to the last bit, names, codes, attribute values,
// coordinate system), apart from where its photos now lie.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "ExchangeRun.h"
#include "support/TestSupport.h"

namespace {

nlohmann::json Info(const TempDir& dir, const std::string& path) {
  const exchange_test::TRun run = exchange_test::Run(dir.Path(), {"info", path, "--json"});
  EXPECT_EQ(0, run.exitCode) << run.err;
  return nlohmann::json::parse(run.out);
}

// The photo file names differ by folder only; keep the file's own name.
void StripPhotoFolders(nlohmann::json& model) {
  for (auto& dataset : model["datasets"])
    for (auto& object : dataset["objects"])
      for (auto& note : object["photoNotes"]) {
        const std::string file = note["file"];
        note["file"] = file.substr(file.find_last_of("/\\") + 1);
      }
}

TEST(ShapeRoundTrip, SampleSetsComeBackUnchanged) {
  for (const char* kind : {"POINTS", "POLYLINES", "POLYGONS"}) {
    TempDir dir;
    const std::string input = std::string(EXCHCORE_SAMPLE_DIR) + "/site_" + kind + ".shp";
    const exchange_test::TRun run = exchange_test::Run(
        dir.Path(), {"convert", input, dir.Path("converted"), "--to", "SHP", "--code-desc"});
    ASSERT_EQ(0, run.exitCode) << kind << run.err;
    nlohmann::json before = Info(dir, input);
    nlohmann::json after = Info(dir, dir.Path("converted/site.shp"));
    ASSERT_FALSE(before["datasets"][0]["objects"].empty()) << kind;
    StripPhotoFolders(before);
    StripPhotoFolders(after);
    EXPECT_EQ(before, after) << kind << "\nbefore: " << before.dump(1) << "\nafter: " << after.dump(1);
  }
}

}  // namespace
