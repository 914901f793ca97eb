#include "WinError.h"

namespace {
thread_local uint32_t t_lastError = ERROR_SUCCESS;
}

uint32_t GetLastError() noexcept { return t_lastError; }

void SetLastError(uint32_t code) noexcept { t_lastError = code; }
