#include "WinMessageBox.h"

#include <mutex>

namespace {
std::mutex g_handlerMutex;
QelQuestionHandler g_handler = nullptr;
void* g_context = nullptr;
}  // namespace

void SetQuestionHandler(QelQuestionHandler handler, void* context) {
  std::lock_guard<std::mutex> lock(g_handlerMutex);
  g_handler = handler;
  g_context = context;
}

int AfxMessageBox(const unsigned short* text, unsigned style) {
  QelQuestionHandler handler;
  void* context;
  {
    std::lock_guard<std::mutex> lock(g_handlerMutex);
    handler = g_handler;
    context = g_context;
  }
  if (handler) return handler(context, text, style);
  return (style & 0x0F) == MB_YESNO ? IDNO : IDOK;
}
