#include "WinThread.h"

#include <chrono>
#include <new>
#include <system_error>

CWinThread::CWinThread(AFX_THREADPROC proc, void* param) : m_proc(proc), m_param(param) {}

CWinThread::~CWinThread() {
  if (m_thread.joinable()) {
    if (m_thread.get_id() == std::this_thread::get_id())
      m_thread.detach();
    else
      m_thread.join();
  }
}

unsigned CWinThread::ResumeThread() {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (m_started) return 0;
  try {
    m_thread = std::thread(&CWinThread::Run, this);
  } catch (const std::system_error&) {
    return kResumeFailed;
  }
  m_started = true;
  return 1;
}

void CWinThread::Run(CWinThread* self) {
  unsigned code = self->m_proc ? self->m_proc(self->m_param) : 0;
  bool autoDelete;
  {
    std::lock_guard<std::mutex> lock(self->m_mutex);
    self->m_exitCode = code;
    self->m_finished = true;
    autoDelete = self->m_bAutoDelete;
    self->m_done.notify_all();
  }
  if (autoDelete) {
    self->m_thread.detach();
    delete self;
  }
}

bool CWinThread::Wait(unsigned milliseconds) {
  std::unique_lock<std::mutex> lock(m_mutex);
  if (milliseconds == INFINITE_WAIT) {
    m_done.wait(lock, [this] { return m_finished; });
    return true;
  }
  return m_done.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return m_finished; });
}

bool CWinThread::GetExitCodeThread(unsigned* code) const {
  if (!code) return false;
  std::lock_guard<std::mutex> lock(m_mutex);
  *code = m_finished ? m_exitCode : STILL_ACTIVE;
  return true;
}

CWinThread* AfxBeginThread(AFX_THREADPROC proc, void* param, int, unsigned, unsigned flags) {
  CWinThread* t = new CWinThread(proc, param);
  if (!t) return nullptr;
  if (!(flags & CREATE_SUSPENDED) && t->ResumeThread() == kResumeFailed) {
    delete t;
    return nullptr;
  }
  return t;
}
