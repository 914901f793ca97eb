#include "CsDictionary.h"

#include <map>
#include <string>
#include <utility>

#include "ExeDir.h"
#include "TextFile.h"
#include "qel_formats.h"

namespace {

constexpr int kMaxLineLength = 1023;
constexpr int kMaxFamilySize = 60;

// Section names in the order they are taken from the file; the first one missing ends loading.
const char16_t* const kLoadOrder[] = {u"SPHEROIDS", u"DATUMS", u"PROJECTION_TYPE", u"UNITS", u"PROJECTIONS"};

bool Matches(CCsDictionary::ESection section, const CQelString& a, const CQelString& b) {
  return section == CCsDictionary::DATUMS ? a.Compare(b) == 0 : a.CompareNoCase(b) == 0;
}

bool HasPlaceholder(const CQelString& text) { return text.Find(u"##") >= 0 || text.Find(u"$$") >= 0; }
bool HasBothPlaceholders(const CQelString& text) { return text.Find(u"##") >= 0 && text.Find(u"$$") >= 0; }

CQelString Numbered(CQelString text, int i) {
  CQelString plain = qel_formats::IntToString(i);
  CQelString twoDigits = i <= 9 ? CQelString(u"0") + plain : plain;
  text.Replace(CQelString(u"##"), plain);
  text.Replace(CQelString(u"$$"), twoDigits);
  return text;
}

CCsDictionary::TEntry MakeEntry(const CQelString& key, const CQelString& value) {
  CCsDictionary::TEntry entry;
  entry.key = key;
  entry.key.Trim();
  CQelString rest = value;
  rest.Trim();
  int comma = rest.Find(',');
  if (comma < 0) {
    entry.value = rest;
    return entry;
  }
  entry.value = rest.Left(comma);
  entry.value.Trim();
  rest = rest.Mid(comma + 1);
  for (;;) {
    comma = rest.Find(',');
    CQelString part = comma < 0 ? rest : rest.Left(comma);
    part.Trim();
    entry.extras.push_back(part);
    if (comma < 0) break;
    rest = rest.Mid(comma + 1);
  }
  return entry;
}

}  // namespace

const CCsDictionary& CCsDictionary::Get() {
  static CCsDictionary dictionary;
  static const bool loaded = dictionary.Load(GetExeDir() + CQelString(u"/Geo/dictionary.ini"));
  static_cast<void>(loaded);
  return dictionary;
}

bool CCsDictionary::Load(const CQelString& path) {
  for (auto& section : m_sections) section.clear();
  CTextFile file;
  if (!file.OpenRead(path)) return false;
  // Lines of each section as read; a later header of the same name starts it afresh.
  std::map<std::u16string, std::vector<std::pair<CQelString, CQelString>>> lines;
  std::vector<std::pair<CQelString, CQelString>>* current = nullptr;
  CQelString line;
  while (file.ReadLine(line)) {
    if (line.GetLength() > kMaxLineLength) line = line.Left(kMaxLineLength);
    if (line.GetLength() < 2) continue;
    unsigned short first = line[0];
    if (first == '#' || first == '/' || first == ';') continue;
    if (first == '[') {
      CQelString name = line.Mid(1, line.GetLength() - 2);
      std::u16string key(reinterpret_cast<const char16_t*>(name.c_str()),
                         static_cast<size_t>(name.GetLength()));
      current = &lines[key];
      current->clear();
      continue;
    }
    int equals = line.Find('=');
    if (!current || equals < 0) continue;
    current->emplace_back(line.Left(equals), line.Mid(equals + 1));
  }
  for (int s = 0; s < static_cast<int>(sizeof kLoadOrder / sizeof kLoadOrder[0]); ++s) {
    auto found = lines.find(kLoadOrder[s]);
    if (found == lines.end()) break;
    for (const auto& keyValue : found->second) {
      TEntry entry = MakeEntry(keyValue.first, keyValue.second);
      if (s == PROJECTIONS)
        AddProjection(std::move(entry));
      else
        m_sections[s].push_back(std::move(entry));
    }
  }
  auto aliases = lines.find(u"DATUM_ALIAS");
  if (aliases != lines.end())
    for (const auto& keyValue : aliases->second)
      m_sections[DATUM_ALIAS].push_back(MakeEntry(keyValue.first, keyValue.second));
  return true;
}

// A key and value holding "##" and "$$" with a count as first extra value stand for a numbered
// family of 1 to 60 entries.
void CCsDictionary::AddProjection(TEntry entry) {
  const CQelString& k = entry.key;
  const CQelString& v = entry.value;
  if (!HasBothPlaceholders(k) && !HasBothPlaceholders(v) && entry.extras.empty()) {
    m_sections[PROJECTIONS].push_back(std::move(entry));
    return;
  }
  if (!HasPlaceholder(k) || !HasPlaceholder(v) || entry.extras.empty()) return;
  const CQelString& countText = entry.extras[0];
  if (countText.IsEmpty()) return;
  long n = qel_formats::WideToLong(countText);
  if (n < 1 || n > kMaxFamilySize) return;
  for (int i = 1; i <= n; ++i) {
    TEntry member;
    member.key = Numbered(k, i);
    member.value = Numbered(v, i);
    m_sections[PROJECTIONS].push_back(std::move(member));
  }
}

const CCsDictionary::TEntry* CCsDictionary::FindByKey(ESection section, const CQelString& key) const {
  for (const TEntry& entry : m_sections[section])
    if (Matches(section, entry.key, key)) return &entry;
  return nullptr;
}

const CCsDictionary::TEntry* CCsDictionary::FindByValue(ESection section, const CQelString& value) const {
  for (const TEntry& entry : m_sections[section]) {
    if (!Matches(section, entry.value, value)) continue;
    if (section == DATUMS && entry.extras.size() >= 3 && entry.extras[2].Compare(u"True") != 0) continue;
    return &entry;
  }
  if (section == DATUMS) return FindByValue(DATUM_ALIAS, value);
  return nullptr;
}
