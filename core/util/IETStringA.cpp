#include "IETStringA.h"

#include <cstring>

#include "IEUtilsText.h"

namespace IEUtils {

TStringA::TStringA() { m_bytes.Add(0); }

void TStringA::Insert(int at, const char* bytes, int n) {
  if (!bytes || n <= 0) return;
  const int old = m_bytes.GetSize();
  m_bytes.SetSize(old + n);
  char* p = m_bytes.GetData();
  std::memmove(p + at + n, p + at, static_cast<size_t>(old - at));
  std::memcpy(p + at, bytes, static_cast<size_t>(n));
}

void TStringA::Add(const CQelString& text) {
  char* bytes = AllocateMBCString(text);
  Add(bytes);
  DeAllocMBCString(bytes);
}

void TStringA::Add(const char* bytes) {
  if (bytes) Insert(length(), bytes, static_cast<int>(std::strlen(bytes)));
}

void TStringA::AddLeft(char byte) { Insert(0, &byte, 1); }

void TStringA::AddLeft(const char* bytes) {
  if (bytes) Insert(0, bytes, static_cast<int>(std::strlen(bytes)));
}

int TStringA::Extract(TStringA& out, int count) {
  int k = count < length() ? count : length();
  if (k < 0) k = 0;
  if (&out == this) return k;
  out = TStringA();
  out.Insert(0, data(), k);
  m_bytes.RemoveAt(0, k);
  return k;
}

void TStringA::FillWith(int count, char byte) {
  while (length() < count) Insert(length(), &byte, 1);
}

}  // namespace IEUtils
