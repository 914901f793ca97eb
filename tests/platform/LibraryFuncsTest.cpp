#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "LibraryFuncs.h"
#include "WinError.h"
#include "support/TestSupport.h"

#ifndef QEL_TEST_PLUGIN_DIR
#error "the build names the folder of the test library"
#endif

namespace {

// Sets EXCHCORE_PLUGIN_PATH for one test and restores the previous value afterwards.
class PluginPathScope {
 public:
  explicit PluginPathScope(const std::string& value) {
    const char* old = std::getenv("EXCHCORE_PLUGIN_PATH");
    m_hadOld = old != nullptr;
    if (old) m_old = old;
    setenv("EXCHCORE_PLUGIN_PATH", value.c_str(), 1);
  }
  ~PluginPathScope() {
    if (m_hadOld)
      setenv("EXCHCORE_PLUGIN_PATH", m_old.c_str(), 1);
    else
      unsetenv("EXCHCORE_PLUGIN_PATH");
  }
  PluginPathScope(const PluginPathScope&) = delete;
  PluginPathScope& operator=(const PluginPathScope&) = delete;
  PluginPathScope(PluginPathScope&&) = delete;
  PluginPathScope& operator=(PluginPathScope&&) = delete;

 private:
  bool m_hadOld = false;
  std::string m_old;
};

typedef int (*AnswerFn)();

int CallAnswer(void* entry) { return reinterpret_cast<AnswerFn>(entry)(); }

}  // namespace

TEST(LibraryFuncs, FileNameOfABaseName) {
  EXPECT_EQ(CQelStringA("libshapeplug.so"), LibraryFileName(u"shapeplug"));
  EXPECT_EQ(CQelStringA("libshapeplug.so"), LibraryFileName(u"shapeplug.dll"));
  EXPECT_EQ(CQelStringA("libshapeplug.so"), LibraryFileName(u"shapeplug.DLL"));
  EXPECT_EQ(CQelStringA("libshapeplug.so"), LibraryFileName(u"shapeplug.Dll"));
  EXPECT_EQ(CQelStringA("libx.dat.so"), LibraryFileName(u"x.dat"));
  EXPECT_EQ(CQelStringA(), LibraryFileName(u""));
  EXPECT_EQ(CQelStringA(), LibraryFileName(u".dll"));
  EXPECT_EQ(CQelStringA(), LibraryFileName(u"../evil"));
  EXPECT_EQ(CQelStringA(), LibraryFileName(u"dir\\evil.dll"));
}

TEST(LibraryFuncs, BindsByBaseNameThroughThePluginPath) {
  PluginPathScope path(std::string("/nonexistent::") + QEL_TEST_PLUGIN_DIR);
  for (const char16_t* name : {u"qeltestplugin", u"qeltestplugin.dll", u"qeltestplugin.DLL"}) {
    SCOPED_TRACE(::testing::PrintToString(CQelString(name)));
    void* handle = nullptr;
    void* entry = nullptr;
    mandatory_error::QelErrorCode<bool> result = GetLibraryFunction(handle, entry, "QelTestAnswer", name);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result.GetValue());
    ASSERT_NE(nullptr, handle);
    ASSERT_NE(nullptr, entry);
    EXPECT_EQ(42, CallAnswer(entry));

    // A bound handle is reused: the name no longer matters.
    void* held = handle;
    void* other = nullptr;
    EXPECT_TRUE(GetLibraryFunction(handle, other, CQelString(u"QelTestOther"), u"unrelated"));
    EXPECT_EQ(held, handle);
    EXPECT_EQ(7, CallAnswer(other));

    // A missing entry in a held library keeps the library.
    EXPECT_FALSE(GetLibraryFunction(handle, other, "NoSuchEntry", name));
    EXPECT_EQ(nullptr, other);
    EXPECT_EQ(held, handle);
    EXPECT_EQ(ERROR_PROC_NOT_FOUND, GetLastError());

    FreeLibraryFunction(handle);
    EXPECT_EQ(nullptr, handle);
  }
}

TEST(LibraryFuncs, FailuresLeaveNothingBound) {
  PluginPathScope path(QEL_TEST_PLUGIN_DIR);
  void* handle = nullptr;
  void* entry = reinterpret_cast<void*>(1);
  EXPECT_FALSE(GetLibraryFunction(handle, entry, "QelTestAnswer", u"nosuchplugin"));
  EXPECT_EQ(nullptr, handle);
  EXPECT_EQ(nullptr, entry);
  EXPECT_EQ(ERROR_MOD_NOT_FOUND, GetLastError());

  // The entry is missing: the library bound for it is let go again.
  SetLastError(0);
  EXPECT_FALSE(GetLibraryFunction(handle, entry, "NoSuchEntry", u"qeltestplugin"));
  EXPECT_EQ(nullptr, handle);
  EXPECT_EQ(nullptr, entry);
  EXPECT_EQ(ERROR_PROC_NOT_FOUND, GetLastError());
  EXPECT_FALSE(GetLibraryFunction(handle, entry, "", u"qeltestplugin"));
  EXPECT_FALSE(GetLibraryFunction(handle, entry, static_cast<const char*>(nullptr), u"qeltestplugin"));
  EXPECT_EQ(nullptr, handle);

  // A file of the right name that is no library.
  TempDir dir;
  dir.Write("libbroken.so", "not an ELF file");
  PluginPathScope brokenPath(dir.Path());
  EXPECT_FALSE(GetLibraryFunction(handle, entry, "QelTestAnswer", u"broken"));
  EXPECT_EQ(ERROR_MOD_NOT_FOUND, GetLastError());
  EXPECT_EQ(nullptr, handle);

  // No search in the system's library folders: a system library is not found by base name.
  EXPECT_FALSE(GetLibraryFunction(handle, entry, "malloc", u"c"));

  FreeLibraryFunction(handle);  // nothing bound: harmless
  EXPECT_EQ(nullptr, handle);
}

TEST(LibraryFuncs, SearchesTheFolderOfTheUtilityLibrary) {
  PluginPathScope path("");
  Dl_info info;
  ASSERT_NE(0, dladdr(reinterpret_cast<void*>(&FreeLibraryFunction), &info));
  std::filesystem::path folder = std::filesystem::canonical(info.dli_fname).parent_path();
  std::string base = "qeltestcopy" + std::to_string(getpid());
  std::filesystem::path copy = folder / ("lib" + base + ".so");
  std::filesystem::copy_file(std::filesystem::path(QEL_TEST_PLUGIN_DIR) / "libqeltestplugin.so", copy);
  void* handle = nullptr;
  void* entry = nullptr;
  bool ok = GetLibraryFunction(handle, entry, "QelTestAnswer", TempDir::Wide(base + ".dll"));
  std::filesystem::remove(copy);
  ASSERT_TRUE(ok);
  EXPECT_EQ(42, CallAnswer(entry));
  FreeLibraryFunction(handle);
}

// Jobs bind libraries on worker threads: each thread keeps its own last error.
TEST(LibraryFuncs, LastErrorBelongsToTheThread) {
  SetLastError(ERROR_MOD_NOT_FOUND);
  uint32_t seen = 99;
  std::thread([&seen] {
    seen = GetLastError();
    SetLastError(ERROR_OUTOFMEMORY);
  }).join();
  EXPECT_EQ(ERROR_SUCCESS, seen);
  EXPECT_EQ(ERROR_MOD_NOT_FOUND, GetLastError());
}
