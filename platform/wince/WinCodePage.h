// WideCharToMultiByte / MultiByteToWideChar: the platform's conversions between UTF-16 and an
// 8-bit code page. CP_ACP is the process-wide ANSI code page of CodePage.h, CP_UTF8 UTF-8.
#pragma once

constexpr unsigned CP_ACP = 0;
constexpr unsigned CP_UTF8 = 65001;

// wideCount -1 converts up to and including the zero terminator. With mbSize 0 returns the
// bytes needed; otherwise writes at most mbSize bytes, whole characters only, and returns the
// bytes written, or 0 when the result does not fit (the bytes that fit are written). Characters
// the code page cannot hold become '?'. Flags and the default-character arguments are accepted
// for the original signature; usedDefault, when given, is set to 0.
int WideCharToMultiByte(unsigned codePage, unsigned long flags, const unsigned short* wide, int wideCount,
                        char* mb, int mbSize, const char* defaultChar, int* usedDefault);
// mbCount -1 converts up to and including the zero terminator. With wideSize 0 returns the units
// needed; otherwise the units written, or 0 when the result does not fit.
int MultiByteToWideChar(unsigned codePage, unsigned long flags, const char* mb, int mbCount,
                        unsigned short* wide, int wideSize);
