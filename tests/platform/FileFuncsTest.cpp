#include <gtest/gtest.h>

#include "FileFuncs.h"
#include "support/TestSupport.h"

TEST(FileFuncs, ExtractNameParts) {
  struct Case {
    const char16_t* path;
    const char16_t* nameWithExt;
    const char16_t* withoutExt;
  } cases[] = {
      {u"/data/job/points.csv", u"points.csv", u"/data/job/points"},
      {u"C:\\data\\road.east.txt", u"road.east.txt", u"C:\\data\\road.east"},
      {u"/data.old/job", u"job", u"/data.old/job"},
      {u"C:\\data.old\\job", u"job", u"C:\\data.old\\job"},
      {u"mixed\\sep/x.shp", u"x.shp", u"mixed\\sep/x"},
      {u"mixed/sep\\x.shp", u"x.shp", u"mixed/sep\\x"},
      {u"plain.txt", u"plain.txt", u"plain"},
      {u"noext", u"noext", u"noext"},
      {u"folder/", u"", u"folder/"},
      {u"", u"", u""},
      {u"/a/.hidden", u".hidden", u"/a/"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(CQelString(c.path)));
    EXPECT_EQ(CQelString(c.nameWithExt), FileFuncs::ExtractFileNameWithExtFromPathName(c.path));
    EXPECT_EQ(CQelString(c.withoutExt), FileFuncs::ExtractPathNameWithoutExtFromPathName(c.path));
  }
}

TEST(FileFuncs, CreateDirMakesMissingParents) {
  TempDir dir;
  EXPECT_FALSE(FileFuncs::IsDirExist(dir.WPath("a")));
  EXPECT_TRUE(FileFuncs::CreateDir(dir.WPath("a/b\\c/")));
  EXPECT_TRUE(FileFuncs::IsDirExist(dir.WPath("a/b/c")));
  EXPECT_TRUE(FileFuncs::CreateDir(dir.WPath("a/b/c")));  // already there
  EXPECT_TRUE(FileFuncs::CreateDir(dir.WPath("Größe")));
  EXPECT_TRUE(dir.Exists("Größe"));

  dir.Write("file", "x");
  EXPECT_FALSE(FileFuncs::IsDirExist(dir.WPath("file")));
  EXPECT_FALSE(FileFuncs::CreateDir(dir.WPath("file")));
  EXPECT_FALSE(FileFuncs::CreateDir(dir.WPath("file/sub")));
  EXPECT_FALSE(FileFuncs::CreateDir(CQelString()));
  EXPECT_FALSE(FileFuncs::IsDirExist(CQelString()));
}

TEST(FileFuncsEx, CopyFromTo) {
  TempDir dir;
  std::string content(200000, '\0');
  for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7);
  dir.Write("src.bin", content);
  EXPECT_TRUE(FileFuncsEx::CopyFromTo(dir.WPath("src.bin"), dir.WPath("dst.bin")));
  EXPECT_EQ(content, dir.Read("dst.bin"));

  dir.Write("small", "new");
  EXPECT_TRUE(FileFuncsEx::CopyFromTo(dir.WPath("small"), dir.WPath("dst.bin"), FileFuncsEx::COPY_OVERWRITE));
  EXPECT_EQ("new", dir.Read("dst.bin"));
  EXPECT_FALSE(FileFuncsEx::CopyFromTo(dir.WPath("src.bin"), dir.WPath("dst.bin"), 0));
  EXPECT_EQ("new", dir.Read("dst.bin"));
  EXPECT_TRUE(FileFuncsEx::CopyFromTo(dir.WPath("src.bin"), dir.WPath("fresh.bin"), 0));
  EXPECT_EQ(content, dir.Read("fresh.bin"));

  // Failures leave no target and no temporary file behind.
  EXPECT_FALSE(FileFuncsEx::CopyFromTo(dir.WPath("missing"), dir.WPath("never")));
  EXPECT_FALSE(dir.Exists("never"));
  EXPECT_FALSE(FileFuncsEx::CopyFromTo(dir.WPath("src.bin"), dir.WPath("no/folder/x")));
  EXPECT_FALSE(FileFuncsEx::CopyFromTo(dir.WPath("src.bin"), dir.WPath("src.bin")));
  EXPECT_EQ(content, dir.Read("src.bin"));
  EXPECT_FALSE(FileFuncsEx::CopyFromTo(TempDir::Wide(dir.Path()), dir.WPath("dirc")));
  ASSERT_TRUE(FileFuncs::CreateDir(dir.WPath("sub")));
  EXPECT_FALSE(FileFuncsEx::CopyFromTo(dir.WPath("small"), dir.WPath("sub")));
  EXPECT_TRUE(FileFuncsEx::CopyFromTo(dir.WPath("small"), dir.WPath("sub\\copy")));
  EXPECT_EQ("new", dir.Read("sub/copy"));

  int entries = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
    EXPECT_EQ(std::string::npos, e.path().filename().string().find(".copy-")) << e.path();
    ++entries;
  }
  EXPECT_EQ(5, entries);  // src.bin, dst.bin, small, fresh.bin, sub
}

TEST(FileFuncsEx, CopyFailsWhereNoTemporaryFileCanBeMade) {
  // /proc takes no new files: the copy fails instead of writing into the existing target.
  TempDir dir;
  dir.Write("src", "x");
  EXPECT_FALSE(FileFuncsEx::CopyFromTo(dir.WPath("src"), u"/proc/version"));
}
