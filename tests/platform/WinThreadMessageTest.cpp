#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "WinMessage.h"
#include "WinThread.h"

namespace {
std::atomic<int> g_runs{0};

unsigned ReturnParam(void* p) {
  ++g_runs;
  return static_cast<unsigned>(reinterpret_cast<uintptr_t>(p));
}
}  // namespace

TEST(WinThread, SuspendedUntilResumedAndExitCodeIsRoutineResult) {
  g_runs = 0;
  CWinThread* t = AfxBeginThread(ReturnParam, reinterpret_cast<void*>(uintptr_t(42)), THREAD_PRIORITY_NORMAL,
                                 0, CREATE_SUSPENDED);
  ASSERT_NE(nullptr, t);
  t->m_bAutoDelete = false;
  unsigned code = 0;
  ASSERT_TRUE(t->GetExitCodeThread(&code));
  EXPECT_EQ(STILL_ACTIVE, code);
  EXPECT_FALSE(t->Wait(20));
  EXPECT_EQ(0, g_runs.load());
  EXPECT_EQ(1u, t->ResumeThread());
  EXPECT_EQ(0u, t->ResumeThread());
  EXPECT_TRUE(t->Wait());
  ASSERT_TRUE(t->GetExitCodeThread(&code));
  EXPECT_EQ(42u, code);
  EXPECT_EQ(1, g_runs.load());
  delete t;
}

TEST(WinThread, AutoDeleteThreadCleansUpAfterItself) {
  g_runs = 0;
  CWinThread* t = AfxBeginThread(ReturnParam, nullptr);
  ASSERT_NE(nullptr, t);
  for (int i = 0; i < 500 && g_runs.load() == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  EXPECT_EQ(1, g_runs.load());
}

TEST(WinMessage, RegisteredNumbersAreStablePerName) {
  unsigned a = RegisterWindowMessage(u"IMPORT_DATA_FINISHED");
  unsigned b = RegisterWindowMessage(u"EXPORT_DATA_FINISHED");
  EXPECT_GE(a, 0xC000u);
  EXPECT_GE(b, 0xC000u);
  EXPECT_NE(a, b);
  EXPECT_EQ(a, RegisterWindowMessage(u"IMPORT_DATA_FINISHED"));
  EXPECT_EQ(0u, RegisterWindowMessage(u""));
}

TEST(WinMessage, PostToOneWindowOrBroadcast) {
  HWND w1 = CreateMessageWindow();
  HWND w2 = CreateMessageWindow();
  ASSERT_NE(w1, w2);
  MSG m;
  EXPECT_TRUE(PostMessage(w1, 0xC100, 0, -13));
  EXPECT_FALSE(WaitForMessage(w2, &m, 10));
  ASSERT_TRUE(WaitForMessage(w1, &m, 1000));
  EXPECT_EQ(0xC100u, m.message);
  EXPECT_EQ(-13, m.lParam);
  EXPECT_EQ(w1, m.hwnd);

  EXPECT_TRUE(PostMessage(HWND_BROADCAST, 0xC101, 0, 20));
  ASSERT_TRUE(WaitForMessage(w1, &m, 1000));
  EXPECT_EQ(20, m.lParam);
  ASSERT_TRUE(WaitForMessage(w2, &m, 1000));
  EXPECT_EQ(20, m.lParam);

  DestroyMessageWindow(w1);
  EXPECT_FALSE(PostMessage(w1, 0xC100, 0, 0));
  EXPECT_FALSE(WaitForMessage(w1, &m, 0));
  DestroyMessageWindow(w2);
}

TEST(WinMessage, WaiterWakesWhenAnotherThreadPosts) {
  HWND w = CreateMessageWindow();
  std::thread poster([w] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    PostMessage(w, 0xC102, 1, 2);
  });
  MSG m;
  EXPECT_TRUE(WaitForMessage(w, &m, 0xFFFFFFFFu));
  EXPECT_EQ(2, m.lParam);
  poster.join();
  DestroyMessageWindow(w);
}
