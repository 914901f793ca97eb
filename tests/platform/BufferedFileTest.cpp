#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "BufferedFile.h"
#include "support/TestSupport.h"

TEST(BufferedFile, ReadsWritesAndSeeksThroughItsBuffer) {
  TempDir tmp;
  const std::string path = tmp.Path("data.bin");
  CBufferedFile file;
  ASSERT_TRUE(file.Open(path.c_str(), "w+b", 16));
  std::string block(100000, 'x');
  EXPECT_EQ(1u, file.Write(block.data(), block.size(), 1));
  ASSERT_TRUE(file.Seek(10, CBufferedFile::SEEK_FROM_BEGIN));
  EXPECT_EQ(3u, file.Write("abc", 1, 3));
  ASSERT_TRUE(file.Seek(0, CBufferedFile::SEEK_FROM_END));
  EXPECT_EQ(100000u, file.Tell());
  ASSERT_TRUE(file.Seek(static_cast<uint64_t>(-99990), CBufferedFile::SEEK_FROM_CURRENT));
  char read[4] = {};
  EXPECT_EQ(3u, file.Read(read, 1, 3));
  EXPECT_STREQ("abc", read);
  EXPECT_EQ(0u, file.Read(read, 1, 0));
  EXPECT_TRUE(file.Close());
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(0u, file.Read(read, 1, 1));
  EXPECT_EQ(UINT64_MAX, file.Tell());
}

TEST(BufferedFile, ModesPathsAndRemoval) {
  TempDir tmp;
  tmp.Write("f.txt", "content");
  CBufferedFile file;
  for (const char* mode : {"a", "ab", "r++", "rbb", "x", "", "wx"})
    EXPECT_FALSE(file.Open(tmp.Path("f.txt").c_str(), mode)) << mode;
  EXPECT_FALSE(file.Open(nullptr, "rb"));
  EXPECT_FALSE(file.Open(tmp.Path("missing").c_str(), "rb"));
  // A '\' separates folders like '/'.
  std::string backslashed = tmp.Path() + "\\f.txt";
  ASSERT_TRUE(file.Open(backslashed.c_str(), "rb"));
  char buffer[8] = {};
  EXPECT_EQ(7u, file.Read(buffer, 1, sizeof buffer));
  EXPECT_EQ(0u, file.Write("x", 1, 1));
  file.Close();
  ASSERT_TRUE(file.Open(tmp.Path("f.txt").c_str(), "rb+"));
  EXPECT_EQ(1u, file.Write("C", 1, 1));
  EXPECT_TRUE(file.Close());
  EXPECT_EQ("Content", tmp.Read("f.txt"));
  EXPECT_TRUE(CBufferedFile::Remove(backslashed.c_str()));
  EXPECT_FALSE(CBufferedFile::Remove(backslashed.c_str()));
}

// Random reads, writes and seeks at changing positions, checked step by step against the same
// operations on a copy of the file in memory, for buffers smaller and larger than the moves.
TEST(BufferedFile, AgreesWithAPlainFileUnderRandomAccess) {
  TempDir tmp;
  for (size_t bufferSize : {16u, 37u, 4096u}) {
    SCOPED_TRACE(bufferSize);
    const std::string path = tmp.Path("random.bin");
    std::string model(5000, '\0');
    for (size_t i = 0; i < model.size(); ++i) model[i] = static_cast<char>(i * 7);
    tmp.Write("random.bin", model);
    CBufferedFile file;
    ASSERT_TRUE(file.Open(path.c_str(), "r+b", bufferSize));
    std::mt19937 random(static_cast<unsigned>(bufferSize));
    uint64_t pos = 0;
    for (int step = 0; step < 3000; ++step) {
      SCOPED_TRACE(step);
      const size_t length = random() % (step % 50 == 0 ? 3 * bufferSize + 100 : 60);
      switch (random() % 6) {
        case 0: {
          pos = random() % (model.size() + 40);
          ASSERT_TRUE(file.Seek(pos, CBufferedFile::SEEK_FROM_BEGIN));
          break;
        }
        case 1: {
          const int64_t delta = static_cast<int64_t>(random() % 200) - 100;
          if (static_cast<int64_t>(pos) + delta < 0) {
            EXPECT_FALSE(file.Seek(static_cast<uint64_t>(delta), CBufferedFile::SEEK_FROM_CURRENT));
          } else {
            ASSERT_TRUE(file.Seek(static_cast<uint64_t>(delta), CBufferedFile::SEEK_FROM_CURRENT));
            pos = static_cast<uint64_t>(static_cast<int64_t>(pos) + delta);
          }
          break;
        }
        case 2: {
          const uint64_t back = random() % 30;
          ASSERT_TRUE(
              file.Seek(static_cast<uint64_t>(-static_cast<int64_t>(back)), CBufferedFile::SEEK_FROM_END));
          pos = model.size() - back;
          break;
        }
        case 3:
        case 4: {
          // Items of 4 bytes: a partial item at the end is read but not counted.
          const size_t item = step % 3 == 0 ? 4 : 1;
          std::string got(length, '?');
          const size_t items = file.Read(&got[0], item, length / item);
          const size_t available = pos < model.size() ? model.size() - pos : 0;
          const size_t bytes = std::min(available, length / item * item);
          EXPECT_EQ(bytes / item, items);
          EXPECT_EQ(model.substr(pos < model.size() ? pos : model.size(), bytes), got.substr(0, bytes));
          pos += bytes;
          break;
        }
        default: {
          std::string data(length, '\0');
          for (char& c : data) c = static_cast<char>('a' + random() % 26);
          EXPECT_EQ(length, file.Write(data.data(), 1, length));
          if (length > 0) {
            if (pos > model.size()) model.resize(pos, '\0');
            model.replace(pos, std::min(length, model.size() - pos), data);
            pos += length;
          }
          if (step % 97 == 0) {
            EXPECT_TRUE(file.Flush());
          }
          break;
        }
      }
      ASSERT_EQ(pos, file.Tell());
    }
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(model, tmp.Read("random.bin"));
  }
}

TEST(BufferedFile, WriteOnlyFilesAndSeeksBeforeTheStart) {
  TempDir tmp;
  const std::string path = tmp.Path("w.bin");
  CBufferedFile file;
  ASSERT_TRUE(file.Open(path.c_str(), "wb", 16));
  EXPECT_EQ(2u, file.Write("0123456789abcdef0123", 10, 2));
  char read[4] = {};
  EXPECT_EQ(0u, file.Read(read, 1, 1));
  EXPECT_FALSE(file.Seek(static_cast<uint64_t>(-21), CBufferedFile::SEEK_FROM_END));
  EXPECT_FALSE(file.Seek(static_cast<uint64_t>(-1), CBufferedFile::SEEK_FROM_BEGIN));
  EXPECT_EQ(20u, file.Tell());
  // A write past the end leaves zero bytes in the gap, as the system does.
  ASSERT_TRUE(file.Seek(25, CBufferedFile::SEEK_FROM_BEGIN));
  EXPECT_EQ(1u, file.Write("Z", 1, 1));
  ASSERT_TRUE(file.Seek(0, CBufferedFile::SEEK_FROM_BEGIN));
  EXPECT_EQ(1u, file.Write("X", 1, 1));
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(std::string("X123456789abcdef0123") + std::string(5, '\0') + "Z", tmp.Read("w.bin"));
}
