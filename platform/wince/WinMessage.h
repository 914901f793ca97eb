// Window messages as an in-process service: registered message numbers, message windows that
// are queues, posting to one window or to all of them, and waiting on a window with a timeout.
#pragma once

#include <cstdint>

#include "WinTypes.h"

// Posting to this handle appends the message to every message window.
#define HWND_BROADCAST (reinterpret_cast<HWND>(static_cast<uintptr_t>(0xFFFF)))

typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;

struct MSG {
  HWND hwnd = nullptr;
  unsigned message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// The same number (0xC000 or above) for the same name, for the life of the process; 0 for an
// empty or null name.
unsigned RegisterWindowMessage(const unsigned short* name);
unsigned RegisterWindowMessage(const char16_t* name);

// A new message window with an empty queue; null when none can be made.
HWND CreateMessageWindow();
// Removes the window and drops what its queue holds; later posts to it fail.
void DestroyMessageWindow(HWND window);
// Appends the message to the window's queue (or to every queue for HWND_BROADCAST). False for an
// unknown window; a broadcast succeeds even when no window exists.
bool PostMessage(HWND window, unsigned message, WPARAM wParam, LPARAM lParam);
// Takes the oldest message of the window's queue, waiting up to timeoutMs milliseconds
// (0xFFFFFFFF: no limit). False on time-out or for an unknown window.
bool WaitForMessage(HWND window, MSG* out, unsigned timeoutMs);
