#include "NotesFolder.h"

#include "FileFuncs.h"
#include "IEUtils.h"

CQelString FindNotesFolder(const CQelString& parent, const char16_t* preferred) {
  const CQelString prefix = parent + CQelString(u"/");
  CQelString wanted(preferred);
  if (FileFuncs::IsDirExist(prefix + wanted)) return prefix + wanted;
  IEUtils::CIEFindDataArray found;
  IEUtils::FindAllFilesInFolder(found, IEUtils::FIND_FOLDERS, parent, nullptr);
  for (int i = 0; i < found.GetSize(); ++i) {
    CQelString name(found[i].cFileName);
    if (name.CompareNoCase(u"notes") == 0) return prefix + name;
  }
  return prefix + wanted;
}
