// The platform's "last error" of the calling thread, kept by the layer after failed library loads
// and other platform calls, with the error numbers that callers test.
#pragma once

#include <cstdint>

constexpr uint32_t ERROR_SUCCESS = 0;
constexpr uint32_t ERROR_FILE_NOT_FOUND = 2;
constexpr uint32_t ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr uint32_t ERROR_OUTOFMEMORY = 14;
constexpr uint32_t ERROR_MOD_NOT_FOUND = 126;
constexpr uint32_t ERROR_PROC_NOT_FOUND = 127;

// The calling thread's last error; 0 until something sets it.
uint32_t GetLastError() noexcept;
void SetLastError(uint32_t code) noexcept;
