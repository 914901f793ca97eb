// CQelStringT: the string with value semantics used in every interface. The unsigned short form
// holds UTF-16, the char form 8-bit text in the ANSI code page. One pointer wide: the length and
// capacity sit in a header in front of the characters, and an empty string allocates nothing.
#pragma once

#include <climits>
#include <cstdarg>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <type_traits>
#include <utility>

#include "QelAlloc.h"

namespace qel_text {

namespace detail {
struct StringHeader {
  int length;
  int capacity;
};
// Shared header of every empty string: length and capacity 0, followed by a zero terminator.
extern const StringHeader* const g_emptyHeader;

template <class T>
size_t Length(const T* s) {
  if (!s) return 0;
  size_t n = 0;
  while (s[n]) ++n;
  return n;
}

}  // namespace detail

template <class T>
class CQelStringT;

namespace detail {
void ConvertToWide(const char* src, size_t n, CQelStringT<unsigned short>& out);
void ConvertToNarrow(const unsigned short* src, size_t n, CQelStringT<char>& out);
template <class T>
void FormatInto(CQelStringT<T>& out, const T* fmt, va_list args);
bool IsSpace(unsigned c);
unsigned FoldCase(unsigned c);
}  // namespace detail

template <class T>
class CQelStringT {
 public:
  typedef T XCHAR;
  typedef typename std::conditional<sizeof(T) == 1, unsigned short, char>::type YCHAR;
  // char16_t for the wide form; a type nobody can name for the 8-bit form.
  typedef typename std::conditional<sizeof(T) == 2, char16_t, struct NoUtf16Literal>::type U16;

  CQelStringT() noexcept : m_pData(EmptyData()) {}
  CQelStringT(const CQelStringT& other) : m_pData(EmptyData()) { Assign(other.m_pData, other.GetLength()); }
  CQelStringT(CQelStringT&& other) noexcept : m_pData(other.m_pData) { other.m_pData = EmptyData(); }
  CQelStringT(const T* s) : m_pData(EmptyData()) { Assign(s, detail::Length(s)); }
  CQelStringT(const T* s, int n) : m_pData(EmptyData()) { Assign(s, n > 0 && s ? n : 0); }
  // From text of the other form, converted through the ANSI code page.
  CQelStringT(const YCHAR* s) : m_pData(EmptyData()) { AssignOther(s, detail::Length(s)); }
  CQelStringT(const YCHAR* s, int n) : m_pData(EmptyData()) { AssignOther(s, n > 0 && s ? n : 0); }
  // A character repeated count times.
  CQelStringT(T ch, int count) : m_pData(EmptyData()) {
    if (count > 0) {
      T* p = Prepare(count);
      for (int i = 0; i < count; ++i) p[i] = ch;
      SetLength(count);
    }
  }
  // UTF-16 literals (u"...") are accepted wherever the wide form takes text.
  CQelStringT(const U16* s) : CQelStringT(reinterpret_cast<const T*>(s)) {}
  ~CQelStringT() { Release(); }

  CQelStringT& operator=(const CQelStringT& other) {
    if (this != &other) Assign(other.m_pData, other.GetLength());
    return *this;
  }
  CQelStringT& operator=(CQelStringT&& other) noexcept {
    if (this != &other) {
      Release();
      m_pData = other.m_pData;
      other.m_pData = EmptyData();
    }
    return *this;
  }
  CQelStringT& operator=(const T* s) {
    if (s >= m_pData && s <= m_pData + GetLength() && GetLength() > 0) {
      CQelStringT copy(s);
      return *this = std::move(copy);
    }
    Assign(s, detail::Length(s));
    return *this;
  }
  CQelStringT& operator=(const YCHAR* s) {
    AssignOther(s, detail::Length(s));
    return *this;
  }
  CQelStringT& operator=(T ch) {
    Assign(&ch, 1);
    return *this;
  }

  CQelStringT& operator+=(const CQelStringT& s) {
    Append(s.m_pData, s.GetLength());
    return *this;
  }
  CQelStringT& operator+=(const T* s) {
    Append(s, detail::Length(s));
    return *this;
  }
  CQelStringT& operator+=(T ch) {
    Append(&ch, 1);
    return *this;
  }

  int GetLength() const noexcept { return Header()->length; }
  // Characters the string holds room for without growing (the terminator not counted); 0 when it
  // holds no memory.
  int GetAllocLength() const noexcept { return Header()->capacity; }
  bool IsEmpty() const noexcept { return GetLength() == 0; }
  void Empty() noexcept {
    Release();
    m_pData = EmptyData();
  }
  operator const T*() const noexcept { return m_pData; }
  const T* c_str() const noexcept { return m_pData; }

  // Out-of-range positions give 0 instead of reading outside the text.
  T GetAt(int i) const noexcept { return i >= 0 && i < GetLength() ? m_pData[i] : T(0); }
  T operator[](int i) const noexcept { return GetAt(i); }
  void SetAt(int i, T ch) {
    if (i >= 0 && i < GetLength()) m_pData[i] = ch;
  }

  int Compare(const T* s) const noexcept {
    const T* a = m_pData;
    const T* b = s ? s : m_pData + GetLength();
    for (;; ++a, ++b) {
      unsigned ca = static_cast<typename std::make_unsigned<T>::type>(*a);
      unsigned cb = static_cast<typename std::make_unsigned<T>::type>(*b);
      if (ca != cb) return ca < cb ? -1 : 1;
      if (!ca) return 0;
    }
  }
  int CompareNoCase(const T* s) const noexcept {
    const T* a = m_pData;
    const T* b = s ? s : m_pData + GetLength();
    for (;; ++a, ++b) {
      unsigned ca = detail::FoldCase(static_cast<typename std::make_unsigned<T>::type>(*a));
      unsigned cb = detail::FoldCase(static_cast<typename std::make_unsigned<T>::type>(*b));
      if (ca != cb) return ca < cb ? -1 : 1;
      if (!ca) return 0;
    }
  }

  int Find(T ch, int start = 0) const noexcept {
    for (int i = start < 0 ? 0 : start; i < GetLength(); ++i)
      if (m_pData[i] == ch) return i;
    return -1;
  }
  int Find(const T* sub, int start = 0) const noexcept {
    int n = static_cast<int>(detail::Length(sub));
    int len = GetLength();
    if (start < 0) start = 0;
    if (start > len) return -1;
    if (n == 0) return start;
    for (int i = start; i + n <= len; ++i)
      if (std::memcmp(m_pData + i, sub, n * sizeof(T)) == 0) return i;
    return -1;
  }
  int ReverseFind(T ch) const noexcept {
    for (int i = GetLength() - 1; i >= 0; --i)
      if (m_pData[i] == ch) return i;
    return -1;
  }
  int FindOneOf(const T* set) const noexcept {
    if (!set) return -1;
    for (int i = 0; i < GetLength(); ++i)
      for (const T* p = set; *p; ++p)
        if (*p == m_pData[i]) return i;
    return -1;
  }

  CQelStringT Left(int n) const { return Mid(0, n); }
  CQelStringT Right(int n) const {
    int len = GetLength();
    if (n <= 0) return CQelStringT();
    if (n >= len) return *this;
    return CQelStringT(m_pData + len - n, n);
  }
  CQelStringT Mid(int first) const { return Mid(first, GetLength()); }
  CQelStringT Mid(int first, int count) const {
    int len = GetLength();
    if (first < 0) first = 0;
    if (first > len) first = len;
    if (count < 0) count = 0;
    if (count > len - first) count = len - first;
    return CQelStringT(m_pData + first, count);
  }

  int Insert(int index, T ch) { return Insert(index, &ch, 1); }
  int Insert(int index, const T* s) { return Insert(index, s, static_cast<int>(detail::Length(s))); }
  int Delete(int index, int count = 1) {
    int len = GetLength();
    if (index < 0) index = 0;
    if (count <= 0 || index >= len) return len;
    if (count > len - index) count = len - index;
    std::memmove(m_pData + index, m_pData + index + count, (len - index - count) * sizeof(T));
    SetLength(len - count);
    return len - count;
  }
  // Removes every occurrence of ch; returns how many were removed.
  int Remove(T ch) {
    int len = GetLength(), w = 0;
    for (int r = 0; r < len; ++r)
      if (m_pData[r] != ch) m_pData[w++] = m_pData[r];
    if (w != len) SetLength(w);
    return len - w;
  }
  int Replace(T oldCh, T newCh) {
    int n = 0;
    for (int i = 0; i < GetLength(); ++i)
      if (m_pData[i] == oldCh) {
        m_pData[i] = newCh;
        ++n;
      }
    return n;
  }
  int Replace(const T* oldText, const T* newText) {
    int on = static_cast<int>(detail::Length(oldText));
    if (on == 0) return 0;
    int nn = static_cast<int>(detail::Length(newText));
    CQelStringT out;
    int count = 0, pos = 0, hit;
    while ((hit = Find(oldText, pos)) >= 0) {
      out.Append(m_pData + pos, hit - pos);
      out.Append(newText, nn);
      pos = hit + on;
      ++count;
    }
    if (count) {
      out.Append(m_pData + pos, GetLength() - pos);
      *this = std::move(out);
    }
    return count;
  }

  CQelStringT& TrimLeft() {
    return TrimLeftIf([](T c) { return detail::IsSpace(static_cast<unsigned>(c)); });
  }
  CQelStringT& TrimRight() {
    return TrimRightIf([](T c) { return detail::IsSpace(static_cast<unsigned>(c)); });
  }
  CQelStringT& TrimLeft(T ch) {
    return TrimLeftIf([ch](T c) { return c == ch; });
  }
  CQelStringT& TrimRight(T ch) {
    return TrimRightIf([ch](T c) { return c == ch; });
  }
  CQelStringT& TrimLeft(const T* set) {
    return TrimLeftIf([set](T c) { return InSet(set, c); });
  }
  CQelStringT& TrimRight(const T* set) {
    return TrimRightIf([set](T c) { return InSet(set, c); });
  }
  CQelStringT& Trim() { return TrimLeft().TrimRight(); }

  void MakeUpper() {
    for (int i = 0; i < GetLength(); ++i)
      if (m_pData[i] >= 'a' && m_pData[i] <= 'z') m_pData[i] = static_cast<T>(m_pData[i] - 32);
  }
  void MakeLower() {
    for (int i = 0; i < GetLength(); ++i)
      if (m_pData[i] >= 'A' && m_pData[i] <= 'Z') m_pData[i] = static_cast<T>(m_pData[i] + 32);
  }

  // A writable buffer of at least minLength characters (plus terminator); the content is kept.
  // Call ReleaseBuffer before using the string again.
  T* GetBuffer(int minLength = 0) {
    int len = GetLength();
    if (minLength < len) minLength = len;
    T* p = Prepare(minLength, true);
    // Zeros after the text, so that ReleaseBuffer() without a length never meets stale memory.
    for (int i = len; i <= minLength; ++i) p[i] = 0;
    return p;
  }
  T* GetBufferSetLength(int length) {
    if (length < 0) length = 0;
    T* p = GetBuffer(length);
    SetLength(length);
    return p;
  }
  // Ends buffer access; a negative length measures up to the first zero, within the capacity.
  void ReleaseBuffer(int newLength = -1) {
    if (m_pData == EmptyData()) return;
    int cap = Header()->capacity;
    if (newLength < 0) {
      newLength = 0;
      while (newLength < cap && m_pData[newLength]) ++newLength;
    }
    if (newLength > cap) newLength = cap;
    SetLength(newLength);
  }
  void Preallocate(int n) {
    if (n > GetLength()) Prepare(n, true);
  }

  // printf-style formatting that never depends on the process locale. %s takes a zero-terminated
  // string of this form, %S (or %ls/%hs) one of the other form; %c a character of this form.
  // String objects of either form may be passed as they are: they go on as their text pointers
  // (an object passed through a C "..." would not). Other class types do not compile.
  template <class... A>
  void Format(const T* fmt, const A&... args) {
    FormatC(fmt, FormatArg(args)...);
  }
  template <class... A>
  void Format(const U16* fmt, const A&... args) {
    FormatC(reinterpret_cast<const T*>(fmt), FormatArg(args)...);
  }
  void FormatV(const T* fmt, va_list args) { detail::FormatInto(*this, fmt, args); }

  void Append(const T* s, int n) {
    if (!s || n <= 0) return;
    int len = GetLength();
    if (s >= m_pData && s < m_pData + len) {
      CQelStringT copy(s, n);
      Append(copy.m_pData, n);
      return;
    }
    T* p = Prepare(len + n, true);
    std::memcpy(p + len, s, n * sizeof(T));
    SetLength(len + n);
  }

  CQelStringT& operator=(const U16* s) { return *this = reinterpret_cast<const T*>(s); }
  CQelStringT& operator+=(const U16* s) { return *this += reinterpret_cast<const T*>(s); }
  int Compare(const U16* s) const noexcept { return Compare(reinterpret_cast<const T*>(s)); }
  int CompareNoCase(const U16* s) const noexcept { return CompareNoCase(reinterpret_cast<const T*>(s)); }
  int Find(const U16* s, int start = 0) const noexcept { return Find(reinterpret_cast<const T*>(s), start); }
  int FindOneOf(const U16* s) const noexcept { return FindOneOf(reinterpret_cast<const T*>(s)); }
  int Insert(int index, const U16* s) { return Insert(index, reinterpret_cast<const T*>(s)); }
  int Replace(const U16* a, const U16* b) {
    return Replace(reinterpret_cast<const T*>(a), reinterpret_cast<const T*>(b));
  }
  CQelStringT& TrimLeft(const U16* set) { return TrimLeft(reinterpret_cast<const T*>(set)); }
  CQelStringT& TrimRight(const U16* set) { return TrimRight(reinterpret_cast<const T*>(set)); }

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  T* m_pData;

  void FormatC(const T* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    detail::FormatInto(*this, fmt, args);
    va_end(args);
  }
  template <class A>
  static const A& FormatArg(const A& a) {
    static_assert(std::is_arithmetic<A>::value || std::is_enum<A>::value || std::is_pointer<A>::value ||
                      std::is_array<A>::value || std::is_null_pointer<A>::value,
                  "Format takes numbers, characters, pointers and CQelStringT objects");
    return a;
  }
  static const unsigned short* FormatArg(const CQelStringT<unsigned short>& s) { return s.c_str(); }
  static const char* FormatArg(const CQelStringT<char>& s) { return s.c_str(); }

  static T* EmptyData() noexcept {
    return const_cast<T*>(reinterpret_cast<const T*>(detail::g_emptyHeader + 1));
  }
  detail::StringHeader* Header() const noexcept {
    return reinterpret_cast<detail::StringHeader*>(m_pData) - 1;
  }
  void SetLength(int n) noexcept {
    if (m_pData == EmptyData()) return;
    Header()->length = n;
    m_pData[n] = 0;
  }
  void Release() noexcept {
    if (m_pData != EmptyData()) dlfree(Header());
  }
  static bool InSet(const T* set, T c) {
    for (const T* p = set; p && *p; ++p)
      if (*p == c) return true;
    return false;
  }
  template <class P>
  CQelStringT& TrimLeftIf(P pred) {
    int len = GetLength(), i = 0;
    while (i < len && pred(m_pData[i])) ++i;
    if (i) Delete(0, i);
    return *this;
  }
  template <class P>
  CQelStringT& TrimRightIf(P pred) {
    int len = GetLength(), i = len;
    while (i > 0 && pred(m_pData[i - 1])) --i;
    if (i != len) SetLength(i);
    return *this;
  }
  // Makes room for n characters plus terminator and returns the data; with keep the old text
  // stays. Grows by half again so that repeated appends stay linear. Aborts on exhaustion, as
  // any failed allocation of the standard containers would.
  T* Prepare(int n, bool keep = false) {
    if (n <= 0 && !keep) {
      Empty();
      return m_pData;
    }
    if (m_pData != EmptyData() && Header()->capacity >= n) return m_pData;
    int oldCap = m_pData != EmptyData() ? Header()->capacity : 0;
    int cap = n;
    if (keep && oldCap) {
      int grown = oldCap + oldCap / 2;
      if (grown > cap) cap = grown;
    }
    auto* h = static_cast<detail::StringHeader*>(
        dlmalloc(sizeof(detail::StringHeader) + (static_cast<size_t>(cap) + 1) * sizeof(T)));
    if (!h) std::abort();
    h->capacity = cap;
    T* data = reinterpret_cast<T*>(h + 1);
    int len = 0;
    if (keep && m_pData != EmptyData()) {
      len = GetLength();
      std::memcpy(data, m_pData, len * sizeof(T));
    }
    h->length = len;
    data[len] = 0;
    Release();
    m_pData = data;
    return data;
  }
  void Assign(const T* s, size_t n) {
    // Lengths are ints throughout; text beyond that size is as fatal as a failed allocation.
    if (n > static_cast<size_t>(INT_MAX - 1)) std::abort();
    const int len = static_cast<int>(n);
    if (!s || len <= 0) {
      Empty();
      return;
    }
    T* p = Prepare(len);
    std::memmove(p, s, static_cast<size_t>(len) * sizeof(T));
    SetLength(len);
  }
  void AssignOther(const YCHAR* s, size_t n);
  int Insert(int index, const T* s, int n) {
    int len = GetLength();
    if (index < 0) index = 0;
    if (index > len) index = len;
    if (n <= 0) return len;
    CQelStringT copy(s, n);
    T* p = Prepare(len + n, true);
    std::memmove(p + index + n, p + index, (len - index) * sizeof(T));
    std::memcpy(p + index, copy.m_pData, n * sizeof(T));
    SetLength(len + n);
    return len + n;
  }
};

template <>
inline void CQelStringT<unsigned short>::AssignOther(const char* s, size_t n) {
  detail::ConvertToWide(s, n, *this);
}
template <>
inline void CQelStringT<char>::AssignOther(const unsigned short* s, size_t n) {
  detail::ConvertToNarrow(s, n, *this);
}

template <class T>
CQelStringT<T> operator+(const CQelStringT<T>& a, const CQelStringT<T>& b) {
  CQelStringT<T> r(a);
  r += b;
  return r;
}
template <class T>
CQelStringT<T> operator+(CQelStringT<T>&& a, const CQelStringT<T>& b) {
  a += b;
  return std::move(a);
}
template <class T>
CQelStringT<T> operator+(const CQelStringT<T>& a, const T* b) {
  CQelStringT<T> r(a);
  r += b;
  return r;
}
template <class T>
CQelStringT<T> operator+(const T* a, const CQelStringT<T>& b) {
  CQelStringT<T> r(a);
  r += b;
  return r;
}
template <class T>
CQelStringT<T> operator+(const CQelStringT<T>& a, T b) {
  CQelStringT<T> r(a);
  r += b;
  return r;
}
inline CQelStringT<unsigned short> operator+(const CQelStringT<unsigned short>& a, const char16_t* b) {
  CQelStringT<unsigned short> r(a);
  r += reinterpret_cast<const unsigned short*>(b);
  return r;
}
inline CQelStringT<unsigned short> operator+(const char16_t* a, const CQelStringT<unsigned short>& b) {
  CQelStringT<unsigned short> r(a);
  r += b;
  return r;
}

template <class T>
bool operator==(const CQelStringT<T>& a, const CQelStringT<T>& b) noexcept {
  return a.GetLength() == b.GetLength() && a.Compare(b) == 0;
}
template <class T>
bool operator!=(const CQelStringT<T>& a, const CQelStringT<T>& b) noexcept {
  return !(a == b);
}
template <class T>
bool operator<(const CQelStringT<T>& a, const CQelStringT<T>& b) noexcept {
  return a.Compare(b) < 0;
}
template <class T>
bool operator==(const CQelStringT<T>& a, const T* b) noexcept {
  return a.Compare(b) == 0;
}
template <class T>
bool operator!=(const CQelStringT<T>& a, const T* b) noexcept {
  return a.Compare(b) != 0;
}
inline bool operator==(const CQelStringT<unsigned short>& a, const char16_t* b) noexcept {
  return a.Compare(reinterpret_cast<const unsigned short*>(b)) == 0;
}
inline bool operator!=(const CQelStringT<unsigned short>& a, const char16_t* b) noexcept { return !(a == b); }
inline bool operator==(const char16_t* a, const CQelStringT<unsigned short>& b) noexcept { return b == a; }
inline bool operator!=(const char16_t* a, const CQelStringT<unsigned short>& b) noexcept { return !(b == a); }
template <class T>
bool operator==(const T* a, const CQelStringT<T>& b) noexcept {
  return b.Compare(a) == 0;
}

}  // namespace qel_text

typedef qel_text::CQelStringT<unsigned short> CQelString;
typedef qel_text::CQelStringT<char> CQelStringA;
