#include <gtest/gtest.h>

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
