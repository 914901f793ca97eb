#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fuzz_support {

const std::string& ScratchFolder() {
  static const std::string folder = [] {
    std::filesystem::path base =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::filesystem::path dir = base / ("exchcore-fuzz-" + std::to_string(std::rand()) + "-" +
                                        std::to_string(reinterpret_cast<uintptr_t>(&base) & 0xFFFFFF));
    std::filesystem::create_directories(dir);
    return dir.string();
  }();
  return folder;
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::vector<std::string> SplitFiles(const uint8_t* data, size_t size) {
  std::string all(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> files;
  const std::string separator = kFileSeparator;
  size_t start = 0;
  for (;;) {
    size_t at = all.find(separator, start);
    files.push_back(all.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) break;
    start = at + separator.size();
  }
  return files;
}

}  // namespace fuzz_support
