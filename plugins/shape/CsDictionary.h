// CCsDictionary: the name dictionary between the host's coordinate-system names and the names of
// projection files, read once per process from "Geo/dictionary.ini" beside the program.
#pragma once

#include <vector>

#include "qel_text.h"

class CCsDictionary {
 public:
  enum ESection { SPHEROIDS, DATUMS, PROJECTION_TYPE, UNITS, PROJECTIONS, DATUM_ALIAS, SECTION_COUNT };

  struct TEntry {
    CQelString key;
    CQelString value;
    std::vector<CQelString> extras;
  };

  CCsDictionary() = default;
  CCsDictionary(const CCsDictionary&) = delete;
  CCsDictionary& operator=(const CCsDictionary&) = delete;
  ~CCsDictionary() = default;

  // The process-wide dictionary, loaded at the first call.
  static const CCsDictionary& Get();

  // Replaces the content with the file's; a missing file leaves every section empty.
  bool Load(const CQelString& path);

  // The first entry in section order whose key (or value) matches; null when none does. Matching
  // ignores case except in "DATUMS". By value, a "DATUMS" entry with three or more extra values
  // is found only when its third is "True"; when no entry of "DATUMS" matches, the entries of
  // "DATUM_ALIAS" are searched by value.
  const TEntry* FindByKey(ESection section, const CQelString& key) const;
  const TEntry* FindByValue(ESection section, const CQelString& value) const;
  int GetCount(ESection section) const { return static_cast<int>(m_sections[section].size()); }

 private:
  void AddProjection(TEntry entry);

  std::vector<TEntry> m_sections[SECTION_COUNT];
};
