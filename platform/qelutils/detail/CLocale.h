// Internal to the platform layer: the C locale for number text, independent of the process locale.
#pragma once

#include <locale.h>

namespace qel_detail {

// The "C" locale object, created once.
locale_t CLocale();

// Switches the calling thread to the C locale for its lifetime, so that printf and scanf family
// calls print and read '.' as the decimal point whatever LC_NUMERIC the process has.
class CLocaleScope {
 public:
  CLocaleScope() : m_old(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(m_old); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t m_old;
};

}  // namespace qel_detail
