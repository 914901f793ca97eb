// Run-time binding of plug-in and engine libraries by base name, and lookup of their entries.
//
// A base name "name", "name.dll" or "name.DLL" (the extension is ignored in any case) is the file
// "libname.so". It is searched, by full path only, in this order:
//   1. each folder of the environment variable EXCHCORE_PLUGIN_PATH (colon-separated; empty
//      parts are skipped),
//   2. the folder that holds libqelutils.so, which is the build's one output folder and so also
//      the folder of libexchcore.so,
//   3. the folder of the running executable.
// The first candidate that loads wins (dlopen with RTLD_NOW | RTLD_LOCAL). The system's own
// library search is never used, and a base name holding a folder separator is refused.
#pragma once

#include "QelErrorCode.h"
#include "qel_text.h"

// Binds the library into an empty handle, or resolves in the library that handle already holds
// (libraryBaseName is then not used), and stores the address of the entry named entryName.
// Returns true when entry is set. On failure entry is null and GetLastError() tells why:
// ERROR_NOT_ENOUGH_MEMORY (8) when loading ran out of memory, ERROR_MOD_NOT_FOUND (126) when no
// candidate file exists or loads, ERROR_PROC_NOT_FOUND (127) when the entry is missing. A library
// bound by this call is unloaded again when its entry is missing, so that handle stays empty.
mandatory_error::QelErrorCode<bool> GetLibraryFunction(void*& handle, void*& entry, const char* entryName,
                                                       const CQelString& libraryBaseName);
// entryName is converted to ASCII/UTF-8 for the lookup.
mandatory_error::QelErrorCode<bool> GetLibraryFunction(void*& handle, void*& entry,
                                                       const CQelString& entryName,
                                                       const CQelString& libraryBaseName);

// Unloads the library of handle (nothing when null) and sets handle to null.
void FreeLibraryFunction(void*& handle);

// The file name a base name maps to ("shapeplug.dll" -> "libshapeplug.so"); empty for an empty
// name or one holding '/' or '\'.
CQelStringA LibraryFileName(const CQelString& libraryBaseName);
