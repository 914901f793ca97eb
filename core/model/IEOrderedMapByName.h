// CIEOrderedMapByName: a map from a name to a value that iterates in ascending order of the
// string's case-sensitive Compare (the code library, the road templates). Positions are opaque
// and null past the last entry, so callers can walk it step by step.
#pragma once

#include <map>

#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

template <class V>
class CIEOrderedMapByName {
 public:
  CIEOrderedMapByName() = default;
  CIEOrderedMapByName(const CIEOrderedMapByName&) = delete;
  CIEOrderedMapByName& operator=(const CIEOrderedMapByName&) = delete;
  ~CIEOrderedMapByName() = default;

  int GetCount() const noexcept { return static_cast<int>(m_map.size()); }
  bool IsEmpty() const noexcept { return m_map.empty(); }

  const V* Find(const CQelString& key) const {
    auto it = m_map.find(key);
    return it == m_map.end() ? nullptr : &it->second;
  }
  V* Find(const CQelString& key) {
    auto it = m_map.find(key);
    return it == m_map.end() ? nullptr : &it->second;
  }

  // Stores value under key; a value held under key before is handed back through replaced when
  // that is not null. True when key was present.
  bool SetAt(const CQelString& key, const V& value, V* replaced = nullptr) {
    auto res = m_map.emplace(key, value);
    if (res.second) return false;
    if (replaced) *replaced = res.first->second;
    res.first->second = value;
    return true;
  }
  bool RemoveKey(const CQelString& key, V* removed = nullptr) {
    auto it = m_map.find(key);
    if (it == m_map.end()) return false;
    if (removed) *removed = it->second;
    m_map.erase(it);
    return true;
  }
  void RemoveAll() { m_map.clear(); }

  // Position of the first entry in name order; null when the map is empty.
  qel_templ::QelTemplPosition GetStartPosition() const {
    return m_map.empty() ? nullptr : ToPosition(&*m_map.begin());
  }
  // The entry at pos (which must not be null); pos moves to the next entry in name order, null
  // after the last.
  const V& GetNextAssoc(qel_templ::QelTemplPosition& pos, const CQelString** key = nullptr) const {
    const Entry* entry = reinterpret_cast<const Entry*>(pos);
    auto next = m_map.upper_bound(entry->first);
    pos = next == m_map.end() ? nullptr : ToPosition(&*next);
    if (key) *key = &entry->first;
    return entry->second;
  }

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  typedef std::map<CQelString, V> Map;
  typedef typename Map::value_type Entry;
  Map m_map;

  static qel_templ::QelTemplPosition ToPosition(const Entry* entry) {
    return reinterpret_cast<qel_templ::QelTemplPosition>(const_cast<Entry*>(entry));
  }
};
