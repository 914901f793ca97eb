#include "ExeDir.h"
#include "IEUtilsText.h"
#include "SystemPath.h"
#include "WinMessageBox.h"

namespace IEUtils {
namespace {

bool IsSeparator(unsigned short c) { return c == u'\\' || c == u'/'; }

// Index of the last '\' or '/', or -1.
int LastSeparator(const CQelString& path) {
  for (int i = path.GetLength() - 1; i >= 0; --i)
    if (IsSeparator(path[i])) return i;
  return -1;
}

CQelString NameWithoutLastExtension(const CQelString& path) {
  CQelString name = path.Mid(LastSeparator(path) + 1);
  const int dot = name.ReverseFind(u'.');
  return dot >= 0 ? name.Left(dot) : name;
}

}  // namespace

int GetFileExtStart(const CQelString& path) {
  const int dot = path.ReverseFind(u'.');
  return dot >= 0 ? dot : path.GetLength();
}

CQelString GetNameFromFileName(const CQelString& path) { return NameWithoutLastExtension(path); }

CQelString CreateNameFromFile(const CQelString& path) { return NameWithoutLastExtension(path); }

CQelString ExtractFileNameWithoutExtFromPathName(const CQelString& path) {
  const int start = LastSeparator(path) + 1;
  const int dot = path.ReverseFind(u'.');
  if (dot < 0) return path.Mid(start);
  if (dot < start) return CQelString();
  return path.Mid(start, dot - start);
}

CQelString CreateFileName(const CQelString& base, const CQelString& name, bool asFolder) {
  if (asFolder) {
    CQelString path(base);
    if (path.IsEmpty() || !IsSeparator(path[path.GetLength() - 1])) path += u'/';
    return path + name;
  }
  return base.Left(LastSeparator(base) + 1) + name;
}

int IsDots(const unsigned short* name) {
  if (!name || name[0] != u'.') return 0;
  return name[1] == 0 || (name[1] == u'.' && name[2] == 0);
}

void FindAllFilesInFolder(CIEFindDataArray& found, int flags, const CQelString& folder,
                          const unsigned short* pattern) {
  found.RemoveAll();
  CQelString search = folder + u"/*";
  if (pattern) search += pattern;
  WIN32_FIND_DATAW data;
  HANDLE handle = FindFirstFileW(search, &data);
  if (handle == INVALID_HANDLE_VALUE) return;
  do {
    const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (isFolder ? (flags & FIND_FOLDERS) && !IsDots(data.cFileName) : (flags & FIND_FILES) != 0)
      found.Add(data);
  } while (FindNextFileW(handle, &data));
  FindClose(handle);
}

CQelString GetRootDir() { return GetExeDir(); }

bool IsExportFileWithSameName(const CQelString& fileName, IIEMessageBox* messageBox, HWND parent) {
  if (!qel_path::PathExists(fileName)) return true;
  if (messageBox) return messageBox->AskQuestion(parent, fileName) == IDYES;
  CQelString question;
  question.Format(u"File %s already exists. Overwrite?", static_cast<const unsigned short*>(fileName));
  return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace IEUtils
