// A fresh folder under the system's temporary folder for one test, removed with everything in it
// when the test ends; helpers write small fixture files into it.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "qel_text.h"

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "exchcore-";
    if (info) name += std::string(info->test_suite_name()) + "-" + info->name() + "-";
    for (char& c : name)
      if (c == '/') c = '_';
    m_path = std::filesystem::temp_directory_path() /
             (name + std::to_string(std::random_device()()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder(TempFolder&&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  TempFolder& operator=(TempFolder&&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }

  std::string Path(const std::string& name = std::string()) const {
    return name.empty() ? m_path.string() : (m_path / name).string();
  }
  // The path as the UTF-16 text the system's interfaces take.
  CQelString WidePath(const std::string& name = std::string()) const { return Wide(Path(name)); }

  // Writes the bytes as they stand into a file of the folder and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(Path(name), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return Path(name);
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void MakeFolder(const std::string& name) const { std::filesystem::create_directories(m_path / name); }

  // ASCII or UTF-8 text as UTF-16.
  static CQelString Wide(const std::string& utf8) {
    CQelString out;
    for (size_t i = 0; i < utf8.size();) {
      unsigned char c = static_cast<unsigned char>(utf8[i]);
      unsigned cp = c;
      int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
      if (extra) cp = c & (0x3F >> extra);
      for (int k = 1; k <= extra && i + k < utf8.size(); ++k) cp = (cp << 6) | (utf8[i + k] & 0x3F);
      i += 1 + extra;
      if (cp >= 0x10000) {
        cp -= 0x10000;
        out += static_cast<unsigned short>(0xD800 + (cp >> 10));
        out += static_cast<unsigned short>(0xDC00 + (cp & 0x3FF));
      } else {
        out += static_cast<unsigned short>(cp);
      }
    }
    return out;
  }

 private:
  std::filesystem::path m_path;
};
