// CQelArray: the contiguous growable array of every interface, with value semantics. Elements are
// appended at the end and erased by shifting. When it must grow it grows to its size plus the
// larger of its size and the number of elements needed. QelTemplPosition: an opaque iteration
// position over a keyed collection, null before the first and after the last element.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>

#include "QelAlloc.h"

namespace qel_templ {

struct QelTemplPositionTag;
typedef QelTemplPositionTag* QelTemplPosition;

template <class T, class ARG = const T&>
class CQelArray {
 public:
  CQelArray() noexcept = default;
  CQelArray(const CQelArray& other) { Copy(other); }
  CQelArray(CQelArray&& other) noexcept
      : m_pData(other.m_pData), m_nSize(other.m_nSize), m_nMaxSize(other.m_nMaxSize) {
    other.m_pData = nullptr;
    other.m_nSize = other.m_nMaxSize = 0;
  }
  ~CQelArray() { FreeAll(); }
  CQelArray& operator=(const CQelArray& other) {
    if (this != &other) Copy(other);
    return *this;
  }
  CQelArray& operator=(CQelArray&& other) noexcept {
    if (this != &other) {
      FreeAll();
      std::swap(m_pData, other.m_pData);
      std::swap(m_nSize, other.m_nSize);
      std::swap(m_nMaxSize, other.m_nMaxSize);
    }
    return *this;
  }

  int GetSize() const noexcept { return m_nSize; }
  int GetCount() const noexcept { return m_nSize; }
  int GetUpperBound() const noexcept { return m_nSize - 1; }
  bool IsEmpty() const noexcept { return m_nSize == 0; }
  int GetCapacity() const noexcept { return m_nMaxSize; }

  // Indexed access; callers keep the index inside 0..GetSize()-1.
  const T& GetAt(int i) const { return m_pData[i]; }
  T& GetAt(int i) { return m_pData[i]; }
  T& ElementAt(int i) { return m_pData[i]; }
  const T& ElementAt(int i) const { return m_pData[i]; }
  const T& operator[](int i) const { return m_pData[i]; }
  T& operator[](int i) { return m_pData[i]; }
  void SetAt(int i, ARG value) { m_pData[i] = value; }
  const T* GetData() const noexcept { return m_pData; }
  T* GetData() noexcept { return m_pData; }
  // True when i is a valid index; a negative index is outside the array.
  bool IsValidIndex(int i) const noexcept { return i >= 0 && i < m_nSize; }

  T* begin() noexcept { return m_pData; }
  T* end() noexcept { return m_pData + m_nSize; }
  const T* begin() const noexcept { return m_pData; }
  const T* end() const noexcept { return m_pData + m_nSize; }

  int Add(ARG value) {
    if (m_nSize < m_nMaxSize) {
      new (m_pData + m_nSize) T(value);
      return m_nSize++;
    }
    // value may live inside this array: copy it before the storage moves.
    T copy(value);
    Grow(1);
    new (m_pData + m_nSize) T(std::move(copy));
    return m_nSize++;
  }
  // Moves an rvalue in when elements are passed by reference.
  template <class A = ARG, typename std::enable_if<std::is_reference<A>::value, int>::type = 0>
  int Add(T&& value) {
    if (m_nSize == m_nMaxSize) {
      T moved(std::move(value));
      Grow(1);
      new (m_pData + m_nSize) T(std::move(moved));
    } else {
      new (m_pData + m_nSize) T(std::move(value));
    }
    return m_nSize++;
  }
  int Append(const CQelArray& src) {
    int old = m_nSize;
    if (&src == this) {
      CQelArray copy(src);
      return Append(copy);
    }
    Grow(src.m_nSize);
    for (int i = 0; i < src.m_nSize; ++i) new (m_pData + m_nSize++) T(src.m_pData[i]);
    return old;
  }
  void Copy(const CQelArray& src) {
    if (&src == this) return;
    RemoveAll();
    Append(src);
  }

  // Inserts count copies of value before index (at the end when index >= size).
  void InsertAt(int index, ARG value, int count = 1) {
    if (count <= 0) return;
    if (index < 0) index = 0;
    if (index > m_nSize) index = m_nSize;
    T copy(value);
    Grow(count);
    for (int i = m_nSize - 1; i >= index; --i) {
      new (m_pData + i + count) T(std::move(m_pData[i]));
      m_pData[i].~T();
    }
    for (int i = 0; i < count; ++i) new (m_pData + index + i) T(copy);
    m_nSize += count;
  }
  // Removes count elements from index, shifting the rest down; out-of-range parts are ignored.
  void RemoveAt(int index, int count = 1) {
    if (index < 0 || index >= m_nSize || count <= 0) return;
    if (count > m_nSize - index) count = m_nSize - index;
    for (int i = index; i + count < m_nSize; ++i) m_pData[i] = std::move(m_pData[i + count]);
    for (int i = m_nSize - count; i < m_nSize; ++i) m_pData[i].~T();
    m_nSize -= count;
  }
  void RemoveAll() noexcept {
    for (int i = 0; i < m_nSize; ++i) m_pData[i].~T();
    m_nSize = 0;
  }
  // Sets the element count: new elements are value-initialised, surplus ones destroyed.
  void SetSize(int n) {
    if (n < 0) n = 0;
    if (n < m_nSize) {
      for (int i = n; i < m_nSize; ++i) m_pData[i].~T();
      m_nSize = n;
      return;
    }
    Grow(n - m_nSize);
    for (int i = m_nSize; i < n; ++i) new (m_pData + i) T();
    m_nSize = n;
  }
  // Makes room for exactly n elements (when there is less) without changing the count.
  void Reserve(int n) {
    if (n > m_nMaxSize) Reallocate(n);
  }
  void FreeExtra() {
    if (m_nSize < m_nMaxSize) Reallocate(m_nSize);
  }

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  T* m_pData = nullptr;
  int m_nSize = 0;
  int m_nMaxSize = 0;

  void Grow(int needed) {
    if (m_nSize + needed <= m_nMaxSize) return;
    int step = m_nSize > needed ? m_nSize : needed;
    Reallocate(m_nSize + step);
  }
  void Reallocate(int capacity) {
    T* fresh = nullptr;
    if (capacity > 0) {
      fresh = static_cast<T*>(dlmalloc(sizeof(T) * static_cast<size_t>(capacity)));
      if (!fresh) std::abort();
    }
    for (int i = 0; i < m_nSize; ++i) {
      new (fresh + i) T(std::move_if_noexcept(m_pData[i]));
      m_pData[i].~T();
    }
    dlfree(m_pData);
    m_pData = fresh;
    m_nMaxSize = capacity;
  }
  void FreeAll() noexcept {
    RemoveAll();
    dlfree(m_pData);
    m_pData = nullptr;
    m_nMaxSize = 0;
  }
};

}  // namespace qel_templ
