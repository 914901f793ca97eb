// Helpers of the fuzz targets: the input is laid out as files in a scratch folder of this process
// (in memory where the system offers /dev/shm), and the shapefile target's input holds several
// files one after the other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz_support {

// Separates the files of one shapefile set in a fuzz input: .shp, .shx, .dbf, .prj, .clf.
constexpr char kFileSeparator[] = "|NEXTFILE|";

// A folder for this process, created at the first call.
const std::string& ScratchFolder();
void WriteFile(const std::string& path, const uint8_t* data, size_t size);
std::vector<std::string> SplitFiles(const uint8_t* data, size_t size);

}  // namespace fuzz_support
