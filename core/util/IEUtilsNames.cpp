#include "IEUtilsText.h"

namespace IEUtils {
namespace {

const char16_t kPointNameForbidden[] = u"! ,?%*@#$^&'\"\\/|~;[]{}()<>`\t\r\n+=";
const char16_t kCodeNameForbidden[] = u",|{}\t\r\n";
const char16_t kFileNameForbidden[] = u"?*'\"\\/|<>`:";

bool InSet(const char16_t* set, unsigned short ch) {
  for (const char16_t* p = set; *p; ++p)
    if (*p == ch) return true;
  return false;
}

bool AllCharacters(const CQelString& text, bool (*admissible)(unsigned short)) {
  for (int i = 0; i < text.GetLength(); ++i)
    if (!admissible(text[i])) return false;
  return true;
}

bool IsAdmisibleFileNameCharacter(unsigned short ch) { return !InSet(kFileNameForbidden, ch); }

bool IsValidLimitedName(const CQelString& text, bool (*admissible)(unsigned short)) {
  if (text.IsEmpty() || text.GetLength() > kMaxNameLength) return false;
  return AllCharacters(text, admissible);
}

}  // namespace

bool IsAdmisiblePointNameCharacter(unsigned short ch) { return !InSet(kPointNameForbidden, ch); }

bool IsAdmisibleCodeNameCharacter(unsigned short ch) { return !InSet(kCodeNameForbidden, ch); }

bool IsValidName(const CQelString& text) { return IsValidLimitedName(text, IsAdmisiblePointNameCharacter); }

bool IsValidCodeName(const CQelString& text) {
  return IsValidLimitedName(text, IsAdmisibleCodeNameCharacter);
}

bool CheckName(const CQelString& text) { return AllCharacters(text, IsAdmisibleCodeNameCharacter); }

bool IsValidFileName(const CQelString& text) { return AllCharacters(text, IsAdmisibleFileNameCharacter); }

}  // namespace IEUtils
