// CWinThread: a worker thread in the manner of the platform's thread objects. It is created
// suspended, runs one routine whose return value becomes the exit code, and deletes itself at the
// end unless m_bAutoDelete is turned off (then its owner waits on it and deletes it).
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

#include "QelAlloc.h"

typedef unsigned (*AFX_THREADPROC)(void* param);

constexpr unsigned STILL_ACTIVE = 259;
constexpr int THREAD_PRIORITY_NORMAL = 3;
constexpr unsigned CREATE_SUSPENDED = 4;
constexpr unsigned INFINITE_WAIT = 0xFFFFFFFFu;
constexpr unsigned kResumeFailed = 0xFFFFFFFFu;

class CWinThread {
 public:
  CWinThread(AFX_THREADPROC proc, void* param);
  CWinThread(const CWinThread&) = delete;
  CWinThread& operator=(const CWinThread&) = delete;
  // Joins the thread when it was started and is not detached, so that no thread outlives its object.
  virtual ~CWinThread();

  // Starts a thread that was created suspended; later calls do nothing. Returns the previous
  // suspend count (1 the first time, 0 afterwards), or kResumeFailed when no thread could be made.
  unsigned ResumeThread();
  // Waits until the routine has returned; true when it did within the time (milliseconds,
  // INFINITE_WAIT for no limit).
  bool Wait(unsigned milliseconds = INFINITE_WAIT);
  // The routine's return value once it has returned, else STILL_ACTIVE.
  bool GetExitCodeThread(unsigned* code) const;
  // Priorities are accepted and ignored.
  bool SetThreadPriority(int) { return true; }

  bool m_bAutoDelete = true;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  static void Run(CWinThread* self);

  AFX_THREADPROC m_proc;
  void* m_param;
  std::thread m_thread;
  mutable std::mutex m_mutex;
  std::condition_variable m_done;
  bool m_started = false;
  bool m_finished = false;
  unsigned m_exitCode = STILL_ACTIVE;
};

// Creates a worker thread for proc(param). With CREATE_SUSPENDED in flags it waits for
// ResumeThread; otherwise it starts at once. Returns null when the thread cannot be created.
CWinThread* AfxBeginThread(AFX_THREADPROC proc, void* param, int priority = THREAD_PRIORITY_NORMAL,
                           unsigned stackSize = 0, unsigned flags = 0);
