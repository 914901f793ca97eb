// CIEHashMapByName: a chained hash map from an exact, case-sensitive name to a value, for the
// lookups whose iteration order does not matter (the dataset's name index and point arrays).
// The bucket count follows a fixed list of primes and keeps the load factor at most 1.0.
#pragma once

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

namespace IEHashDetail {
// Hash of the name's UTF-16 units (FNV-1a).
unsigned HashName(const CQelString& name) noexcept;
// The smallest bucket count of the prime list that is not below count (the largest prime when
// count exceeds it).
unsigned BucketCountFor(unsigned long long count) noexcept;
}  // namespace IEHashDetail

template <class V>
class CIEHashMapByName {
 public:
  CIEHashMapByName() noexcept = default;
  CIEHashMapByName(const CIEHashMapByName&) = delete;
  CIEHashMapByName& operator=(const CIEHashMapByName&) = delete;
  ~CIEHashMapByName() { RemoveAll(); }

  unsigned GetCount() const noexcept { return m_nCount; }
  bool IsEmpty() const noexcept { return m_nCount == 0; }
  unsigned GetBucketCount() const noexcept { return m_nBuckets; }

  // The value stored under key, or null.
  const V* Find(const CQelString& key) const noexcept {
    const Node* node = FindNode(key, IEHashDetail::HashName(key));
    return node ? &node->value : nullptr;
  }
  V* Find(const CQelString& key) noexcept {
    Node* node = FindNode(key, IEHashDetail::HashName(key));
    return node ? &node->value : nullptr;
  }

  // Stores value under key. When key was present its value is replaced and, when replaced is not
  // null, handed back through it; the answer tells whether that happened.
  bool SetAt(const CQelString& key, const V& value, V* replaced = nullptr) {
    const unsigned hash = IEHashDetail::HashName(key);
    if (Node* node = FindNode(key, hash)) {
      if (replaced) *replaced = std::move(node->value);
      node->value = value;
      return true;
    }
    if (static_cast<unsigned long long>(m_nCount) + 1 > m_nBuckets)
      Rehash(IEHashDetail::BucketCountFor(m_nCount + 1ull));
    void* place = dlmalloc(sizeof(Node));
    if (!place) std::abort();
    Node*& head = m_pBuckets[hash % m_nBuckets];
    head = new (place) Node{head, hash, key, value};
    ++m_nCount;
    return false;
  }

  // Removes key; the value it had is handed back through removed when that is not null.
  bool RemoveKey(const CQelString& key, V* removed = nullptr) {
    if (!m_nBuckets) return false;
    const unsigned hash = IEHashDetail::HashName(key);
    for (Node** link = &m_pBuckets[hash % m_nBuckets]; *link; link = &(*link)->next) {
      Node* node = *link;
      if (node->hash == hash && node->key == key) {
        if (removed) *removed = std::move(node->value);
        *link = node->next;
        Destroy(node);
        --m_nCount;
        return true;
      }
    }
    return false;
  }

  void RemoveAll() noexcept {
    for (unsigned b = 0; b < m_nBuckets; ++b) {
      for (Node* node = m_pBuckets[b]; node;) {
        Node* next = node->next;
        Destroy(node);
        node = next;
      }
    }
    dlfree(m_pBuckets);
    m_pBuckets = nullptr;
    m_nBuckets = 0;
    m_nCount = 0;
  }

  // Iteration in unspecified order: the position is null when the map is empty and after the
  // last entry.
  qel_templ::QelTemplPosition GetStartPosition() const noexcept { return ToPosition(FirstFrom(0)); }
  // The entry at pos; pos moves to the next entry. pos must not be null.
  const V& GetNextAssoc(qel_templ::QelTemplPosition& pos, const CQelString** key = nullptr) const noexcept {
    const Node* node = reinterpret_cast<const Node*>(pos);
    const Node* next = node->next ? node->next : FirstFrom(node->hash % m_nBuckets + 1);
    pos = ToPosition(next);
    if (key) *key = &node->key;
    return node->value;
  }

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  struct Node {
    Node* next;
    unsigned hash;
    CQelString key;
    V value;
  };

  Node** m_pBuckets = nullptr;
  unsigned m_nBuckets = 0;
  unsigned m_nCount = 0;

  static qel_templ::QelTemplPosition ToPosition(const Node* node) noexcept {
    return reinterpret_cast<qel_templ::QelTemplPosition>(const_cast<Node*>(node));
  }
  static void Destroy(Node* node) noexcept {
    node->~Node();
    dlfree(node);
  }
  Node* FindNode(const CQelString& key, unsigned hash) const noexcept {
    if (!m_nBuckets) return nullptr;
    for (Node* node = m_pBuckets[hash % m_nBuckets]; node; node = node->next)
      if (node->hash == hash && node->key == key) return node;
    return nullptr;
  }
  const Node* FirstFrom(unsigned bucket) const noexcept {
    for (unsigned b = bucket; b < m_nBuckets; ++b)
      if (m_pBuckets[b]) return m_pBuckets[b];
    return nullptr;
  }
  void Rehash(unsigned buckets) {
    if (buckets <= m_nBuckets) return;
    auto** fresh = static_cast<Node**>(dlmalloc(sizeof(Node*) * static_cast<size_t>(buckets)));
    if (!fresh) std::abort();
    std::memset(fresh, 0, sizeof(Node*) * static_cast<size_t>(buckets));
    for (unsigned b = 0; b < m_nBuckets; ++b) {
      for (Node* node = m_pBuckets[b]; node;) {
        Node* next = node->next;
        Node*& head = fresh[node->hash % buckets];
        node->next = head;
        head = node;
        node = next;
      }
    }
    dlfree(m_pBuckets);
    m_pBuckets = fresh;
    m_nBuckets = buckets;
  }
};
