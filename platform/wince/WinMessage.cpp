#include "WinMessage.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace {

struct Window {
  std::deque<MSG> queue;
  std::condition_variable ready;
};

struct MessageService {
  std::mutex mutex;
  std::map<std::u16string, unsigned> names;
  unsigned nextMessage = 0xC000;
  std::map<uintptr_t, std::shared_ptr<Window>> windows;
  uintptr_t nextWindow = 1;
};

MessageService& Service() {
  static MessageService* service = new MessageService;  // lives until the process ends
  return *service;
}

}  // namespace

unsigned RegisterWindowMessage(const unsigned short* name) {
  if (!name || !*name) return 0;
  std::u16string key;
  for (const unsigned short* p = name; *p; ++p) key += static_cast<char16_t>(*p);
  MessageService& s = Service();
  std::lock_guard<std::mutex> lock(s.mutex);
  auto it = s.names.find(key);
  if (it != s.names.end()) return it->second;
  if (s.nextMessage > 0xFFFF) return 0;
  unsigned id = s.nextMessage++;
  s.names.emplace(key, id);
  return id;
}

unsigned RegisterWindowMessage(const char16_t* name) {
  return RegisterWindowMessage(reinterpret_cast<const unsigned short*>(name));
}

HWND CreateMessageWindow() {
  MessageService& s = Service();
  std::lock_guard<std::mutex> lock(s.mutex);
  if (s.nextWindow == 0xFFFF) ++s.nextWindow;
  uintptr_t id = s.nextWindow++;
  s.windows.emplace(id, std::make_shared<Window>());
  return reinterpret_cast<HWND>(id);
}

void DestroyMessageWindow(HWND window) {
  MessageService& s = Service();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.windows.erase(reinterpret_cast<uintptr_t>(window));
}

bool PostMessage(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
  MessageService& s = Service();
  std::lock_guard<std::mutex> lock(s.mutex);
  MSG msg;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  if (window == HWND_BROADCAST) {
    for (auto& w : s.windows) {
      msg.hwnd = reinterpret_cast<HWND>(w.first);
      w.second->queue.push_back(msg);
      w.second->ready.notify_all();
    }
    return true;
  }
  auto it = s.windows.find(reinterpret_cast<uintptr_t>(window));
  if (it == s.windows.end()) return false;
  msg.hwnd = window;
  it->second->queue.push_back(msg);
  it->second->ready.notify_all();
  return true;
}

bool WaitForMessage(HWND window, MSG* out, unsigned timeoutMs) {
  MessageService& s = Service();
  std::unique_lock<std::mutex> lock(s.mutex);
  auto it = s.windows.find(reinterpret_cast<uintptr_t>(window));
  if (it == s.windows.end()) return false;
  std::shared_ptr<Window> w = it->second;
  auto hasMessage = [&w] { return !w->queue.empty(); };
  if (timeoutMs == 0xFFFFFFFFu)
    w->ready.wait(lock, hasMessage);
  else if (!w->ready.wait_for(lock, std::chrono::milliseconds(timeoutMs), hasMessage))
    return false;
  if (out) *out = w->queue.front();
  w->queue.pop_front();
  return true;
}
