// Runs the built command-line host (build/bin/exchange, next to the test program) through the
// shell and collects its exit code and output.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace exchange_test {

struct TRun {
  int exitCode = -1;
  std::string out, err;
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
};

inline std::string Quote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string ExchangePath() {
  return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "exchange").string();
}

// Runs "exchange ARGS" with its output in files of folder; prefix goes before the command (for
// example environment settings).
inline TRun Run(const std::string& folder, const std::vector<std::string>& args,
                const std::string& prefix = "") {
  std::string command = prefix + Quote(ExchangePath());
  for (const std::string& arg : args) command += " " + Quote(arg);
  const std::string out = folder + "/out", err = folder + "/err", rc = folder + "/rc";
  command += " >" + Quote(out) + " 2>" + Quote(err) + " </dev/null; echo $? >" + Quote(rc);
  EXPECT_EQ(0, std::system(command.c_str()));
  TRun run;
  run.out = Slurp(out);
  run.err = Slurp(err);
  run.exitCode = std::stoi(Slurp(rc));
  return run;
}

}  // namespace exchange_test
