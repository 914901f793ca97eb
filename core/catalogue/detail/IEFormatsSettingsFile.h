// The formats settings file: the catalogue's formats as XML in UTF-16, which a site may edit and
// switch on to replace the built-in formats.
#pragma once

#include "IEFormat.h"
#include "qel_templ.h"

namespace IEFormatsSettingsFile {

// The oldest file version that is read; older files are replaced.
constexpr double kMinimumVersion = 1.6;

// Appends the formats of the file at path when the file is current and switched on. True when at
// least one format was loaded (nothing is appended otherwise). rewrite tells the caller whether
// the file should be replaced by the defaults: true when the file is missing, unreadable, outdated
// or switched on without a usable format; false when it is switched off.
bool Load(const CQelString& path, qel_templ::CQelArray<CIEFormat*>& formats, bool& rewrite);

// Writes the formats to the file at path, replacing it, switched off. False when the file could
// not be created or written completely.
bool Store(const CQelString& path, const qel_templ::CQelArray<CIEFormat*>& formats);

}  // namespace IEFormatsSettingsFile
