// A fresh folder under the system's temporary folder for one test, removed with everything in it
// when the object goes.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace test_support {

class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    do {
      m_path = base / ("exchcore-test-" + std::to_string(rd()));
    } while (!std::filesystem::create_directory(m_path));
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  std::string Path() const { return m_path.string(); }
  std::string File(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

}  // namespace test_support
