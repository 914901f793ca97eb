// Handle types of the platform that interfaces pass through without looking inside: a window
// handle for dialogs and notifications, and the generic handle of searches and waitable objects.
#pragma once

typedef void* HWND;
typedef void* HANDLE;
