// IEUtils::TStringA: a byte string for fixed-width 8-bit fields. The bytes always end with one
// zero byte, so an empty string holds exactly that byte.
#pragma once

#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

namespace IEUtils {

class TStringA {
 public:
  TStringA();
  TStringA(const TStringA&) = default;
  TStringA(TStringA&&) = default;
  TStringA& operator=(const TStringA&) = default;
  TStringA& operator=(TStringA&&) = default;
  ~TStringA() = default;

  const char* data() const { return m_bytes.GetData(); }
  int length() const { return m_bytes.GetSize() - 1; }
  bool empty() const { return length() <= 0; }

  // Appends the text in the ANSI code page.
  void Add(const CQelString& text);
  // Appends zero-terminated bytes; null adds nothing.
  void Add(const char* bytes);
  void AddLeft(char byte);
  void AddLeft(const char* bytes);
  // Moves the first min(count, length()) bytes into out (replacing its content) and returns how
  // many; a negative count moves nothing.
  int Extract(TStringA& out, int count);
  // Appends the byte until the length is count; a longer string is left as it is.
  void FillWith(int count, char byte);

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  void Insert(int at, const char* bytes, int n);

  qel_templ::CQelArray<char, char> m_bytes;
};

}  // namespace IEUtils
