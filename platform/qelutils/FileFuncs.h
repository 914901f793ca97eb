// File and folder helpers of the utility library. Both '/' and '\' separate folders in paths
// given to them; paths are handed to the system as UTF-8.
#pragma once

#include "qel_text.h"

namespace FileFuncs {

// Creates the folder and any missing parent folders. True when the folder exists afterwards,
// also when it existed before.
bool CreateDir(const CQelString& path);
// True when path names an existing folder (a symbolic link to one counts).
bool IsDirExist(const CQelString& path);
// The part after the last separator: "a/b\c.txt" -> "c.txt"; the whole text when it has none.
CQelString ExtractFileNameWithExtFromPathName(const CQelString& path);
// The path without the extension of its last component: "dir/x.shp" -> "dir/x". A '.' that is
// not in the last component is not an extension: "dir.old/x" stays as it is.
CQelString ExtractPathNameWithoutExtFromPathName(const CQelString& path);

}  // namespace FileFuncs

namespace FileFuncsEx {

// Flag of CopyFromTo: replace an existing target.
constexpr int COPY_OVERWRITE = 1;

// Copies the file from to the file to. The bytes go to a temporary file in the target's folder
// that is renamed over the target only when everything was written and flushed, so a failed copy
// never leaves a partial target. Without COPY_OVERWRITE in flags an existing target makes the
// copy fail. Copying a file onto itself fails. True on success.
bool CopyFromTo(const CQelString& from, const CQelString& to, int flags = COPY_OVERWRITE);

}  // namespace FileFuncsEx
