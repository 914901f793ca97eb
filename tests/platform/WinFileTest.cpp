#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "CodePage.h"
#include "ExeDir.h"
#include "SystemPath.h"
#include "WinCodePage.h"
#include "WinFile.h"
#include "WinFind.h"
#include "WinMessageBox.h"
#include "support/TestSupport.h"

TEST(WinFile, OpenModes) {
  TempDir folder;
  const CQelString path = folder.WPath("f.bin");
  CFile file;
  CFileException error;
  EXPECT_FALSE(file.Open(path, CFile::modeRead, &error));
  EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
  EXPECT_EQ(path, error.m_strFileName);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(CFile::hFileNull, file.m_hFile);

  ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite));
  EXPECT_NE(CFile::hFileNull, file.m_hFile);
  EXPECT_EQ(path, file.GetFilePath());
  EXPECT_TRUE(file.Write("hello", 5));
  file.Close();
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ("hello", folder.Read("f.bin"));

  ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite));
  EXPECT_EQ(5u, file.GetLength());
  EXPECT_EQ(5, file.SeekToEnd());
  EXPECT_TRUE(file.Write("!", 1));
  file.SeekToBegin();
  char buffer[8] = {};
  EXPECT_EQ(6u, file.Read(buffer, 8));
  EXPECT_EQ(std::string("hello!"), buffer);
  file.Close();

  ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));  // truncates
  EXPECT_EQ(0u, file.GetLength());
  EXPECT_EQ(0u, file.Read(buffer, 8));  // opened for writing only
  file.Close();

  EXPECT_FALSE(file.Open(folder.WPath(), CFile::modeRead, &error));  // a folder is no file
  EXPECT_EQ(CFileException::accessDenied, error.m_cause);
  EXPECT_FALSE(file.Open(nullptr, CFile::modeRead));
  EXPECT_FALSE(file.Open(folder.WPath("missing/f.bin"), CFile::modeCreate | CFile::modeWrite));
}

TEST(WinFile, ReadSeekAndPosition) {
  TempDir folder;
  folder.Write("data.bin", "0123456789");
  CFile file;
  ASSERT_TRUE(file.Open(folder.WPath("data.bin"), CFile::modeRead));
  struct Step {
    int64_t offset;
    unsigned from;
    int64_t position;  // -1: the seek fails and the position stays
  } steps[] = {
      {4, CFile::begin, 4},    {2, CFile::current, 6},    {-3, CFile::end, 7},
      {-1, CFile::current, 6}, {-20, CFile::current, -1}, {0, 7, -1},
      {12, CFile::begin, 12},
  };
  int64_t expected = 0;
  for (const Step& s : steps) {
    EXPECT_EQ(s.position, file.Seek(s.offset, s.from)) << s.offset << " " << s.from;
    if (s.position >= 0) expected = s.position;
    EXPECT_EQ(static_cast<uint64_t>(expected), file.GetPosition());
  }
  char c = 0;
  EXPECT_EQ(0u, file.Read(&c, 1));  // beyond the end
  file.Seek(9, CFile::begin);
  EXPECT_EQ(1u, file.Read(&c, 1));
  EXPECT_EQ('9', c);
  EXPECT_EQ(10u, file.GetLength());
  EXPECT_EQ(0u, file.Read(nullptr, 3));
}

TEST(WinFile, ClosedFileIsHarmless) {
  CFile file;
  char buffer[4] = {};
  EXPECT_EQ(0u, file.Read(buffer, 4));
  EXPECT_FALSE(file.Write("abc", 3));
  EXPECT_EQ(-1, file.Seek(0, CFile::begin));
  EXPECT_EQ(0u, file.GetPosition());
  EXPECT_EQ(0u, file.GetLength());
  file.Flush();
  file.Close();
  file.Close();
}

TEST(WinFile, BackslashesSeparateFolders) {
  TempDir folder;
  folder.MakeFolder("sub");
  CQelString path = folder.WPath("sub/x.txt");
  path.Replace(u'/', u'\\');
  CFile file;
  ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
  file.Close();
  EXPECT_TRUE(std::filesystem::exists(folder.Path("sub/x.txt")));
  EXPECT_TRUE(qel_path::PathExists(path));
  EXPECT_FALSE(qel_path::PathExists(nullptr));
}

TEST(WinFile, RemoveThrowsOnFailure) {
  TempDir folder;
  const std::string path = folder.Write("gone.txt", "x");
  EXPECT_NO_THROW(CFile::Remove(TempDir::Wide(path)));
  EXPECT_FALSE(std::filesystem::exists(path));
  try {
    CFile::Remove(TempDir::Wide(path));
    ADD_FAILURE() << "no exception";
  } catch (const CFileException& e) {
    EXPECT_EQ(CFileException::fileNotFound, e.m_cause);
    EXPECT_EQ(TempDir::Wide(path), e.m_strFileName);
  }
  EXPECT_THROW(CFile::Remove(nullptr), CFileException);
}

TEST(WinFile, UnicodeFileNames) {
  TempDir folder;
  const CQelString path = folder.WPath() + u"/Stra\u00DFe \u20AC.txt";
  CFile file;
  ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
  file.Close();
  EXPECT_TRUE(
      std::filesystem::exists(folder.Path("Stra\xC3\x9F"
                                          "e \xE2\x82\xAC.txt")));

  WIN32_FIND_DATAW data;
  HANDLE h = FindFirstFileW(folder.WPath() + u"/*.txt", &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, h);
  EXPECT_EQ(u"Stra\u00DFe \u20AC.txt", CQelString(data.cFileName));
  EXPECT_FALSE(FindNextFileW(h, &data));
  EXPECT_TRUE(FindClose(h));
}

TEST(WinFind, SearchPatterns) {
  TempDir folder;
  folder.Write("a.txt", "");
  folder.Write("B.TXT", "");
  folder.Write("readme", "");
  folder.MakeFolder("sub");
  struct Row {
    std::u16string pattern;
    std::set<std::string> names;
  } rows[] = {
      {u"/*", {".", "..", "a.txt", "B.TXT", "readme", "sub"}},
      {u"/*.*", {".", "..", "a.txt", "B.TXT", "readme", "sub"}},
      {u"/*.txt", {"a.txt", "B.TXT"}},
      {u"/?.TXT", {"a.txt", "B.TXT"}},
      {u"/read*", {"readme"}},
      {u"/*.shp", {}},
      {u"/", {}},
      {u"/missing/*", {}},
  };
  for (const Row& r : rows) {
    const CQelString pattern =
        folder.WPath() + CQelString(reinterpret_cast<const unsigned short*>(r.pattern.c_str()));
    std::set<std::string> names;
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW(pattern, &data);
    if (h != INVALID_HANDLE_VALUE) {
      do names.insert(CQelStringA(CQelString(data.cFileName)).c_str());
      while (FindNextFileW(h, &data));
      EXPECT_FALSE(FindNextFileW(h, &data));
      FindClose(h);
    }
    EXPECT_EQ(r.names, names) << CQelStringA(pattern).c_str();
  }
  EXPECT_FALSE(FindClose(INVALID_HANDLE_VALUE));
  EXPECT_FALSE(FindNextFileW(INVALID_HANDLE_VALUE, nullptr));
  WIN32_FIND_DATAW data;
  EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileW(nullptr, &data));
}

TEST(WinFind, LongNamesAreCut) {
  TempDir folder;
  const std::string name(250, 'n');
  folder.Write(name, "");
  WIN32_FIND_DATAW data;
  HANDLE h = FindFirstFileW(folder.WPath() + u"/n*", &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, h);
  FindClose(h);
  EXPECT_EQ(250, CQelString(data.cFileName).GetLength());
  EXPECT_EQ(0, data.cFileName[MAX_PATH - 1]);
}

TEST(WinMessageBox, HandlerOrNo) {
  SetQuestionHandler(nullptr, nullptr);
  EXPECT_EQ(IDNO, AfxMessageBox(reinterpret_cast<const unsigned short*>(u"Overwrite?"),
                                MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(IDOK, AfxMessageBox(reinterpret_cast<const unsigned short*>(u"Note")));
  QuestionRecorder asked;
  EXPECT_EQ(IDYES, AfxMessageBox(reinterpret_cast<const unsigned short*>(u"Overwrite?"),
                                 MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(1, asked.calls);
  EXPECT_EQ(u"Overwrite?", asked.text);
  EXPECT_EQ(0x24u, asked.style);
  SetQuestionHandler(nullptr, nullptr);
  EXPECT_EQ(IDNO, AfxMessageBox(reinterpret_cast<const unsigned short*>(u"Again?"), MB_YESNO));
  EXPECT_EQ(1, asked.calls);
}

namespace {

const unsigned short* U(const char16_t* s) { return reinterpret_cast<const unsigned short*>(s); }

}  // namespace

TEST(WinCodePage, WideToMultiByte) {
  AnsiCodePageScope cp1252("CP1252");
  ASSERT_TRUE(cp1252.Ok());
  struct Row {
    unsigned codePage;
    int count;
    std::string bytes;
  } rows[] = {
      {CP_ACP, 3, "a\xE9\x80"},
      {CP_ACP, -1, std::string("a\xE9\x80\0", 4)},
      {CP_UTF8, 3, "a\xC3\xA9\xE2\x82\xAC"},
      {1252, 3, "a\xE9\x80"},
      {CP_ACP, 0, ""},
  };
  for (const Row& r : rows) {
    const int needed =
        WideCharToMultiByte(r.codePage, 0, U(u"a\u00E9\u20AC"), r.count, nullptr, 0, nullptr, nullptr);
    EXPECT_EQ(static_cast<int>(r.bytes.size()), needed) << r.codePage;
    std::vector<char> out(r.bytes.size() + 1, 'Z');
    int used = 7;
    EXPECT_EQ(needed, WideCharToMultiByte(r.codePage, 0, U(u"a\u00E9\u20AC"), r.count, out.data(),
                                          static_cast<int>(r.bytes.size()), nullptr, &used));
    EXPECT_EQ(r.bytes, std::string(out.data(), r.bytes.size()));
    EXPECT_EQ('Z', out.back());
    EXPECT_EQ(0, used);
  }
  // Too small: 0, and only whole characters are written.
  char small[4] = {'Z', 'Z', 'Z', 'Z'};
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 0, U(u"a\u20AC"), 2, small, 3, nullptr, nullptr));
  EXPECT_EQ(std::string("aZZZ"), std::string(small, 4));
  EXPECT_EQ(0, WideCharToMultiByte(CP_ACP, 0, nullptr, 3, small, 3, nullptr, nullptr));

  unsigned short wide[8] = {};
  EXPECT_EQ(3, MultiByteToWideChar(CP_ACP, 0, "a\xE9\x80", 3, nullptr, 0));
  EXPECT_EQ(3, MultiByteToWideChar(CP_ACP, 0, "a\xE9\x80", 3, wide, 8));
  EXPECT_EQ(u"a\u00E9\u20AC", CQelString(wide));
  EXPECT_EQ(3, MultiByteToWideChar(CP_UTF8, 0, "a\xC3\xA9", -1, wide, 8));  // with the zero
  EXPECT_EQ(u"a\u00E9", CQelString(wide));
  EXPECT_EQ(0, MultiByteToWideChar(CP_UTF8, 0, "abc", 3, wide, 2));
}

TEST(ExeDir, IsTheFolderOfTheProgram) {
  const CQelString dir = GetExeDir();
  ASSERT_FALSE(dir.IsEmpty());
  EXPECT_NE(u'/', dir[dir.GetLength() - 1]);
  EXPECT_EQ(std::filesystem::canonical("/proc/self/exe").parent_path().string(),
            std::string(qel_path::ToSystemPath(dir)));
}
