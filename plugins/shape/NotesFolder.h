// The folder of a shapefile set's photo images. It is written as "notes" and read as "Notes";
// on a file system that tells case apart, an existing folder of either spelling is the one used.
#pragma once

#include "qel_text.h"

// parent + "/" + the name of an existing sub-folder that equals "notes" but for case, or
// parent + "/" + preferred when there is none.
CQelString FindNotesFolder(const CQelString& parent, const char16_t* preferred);
