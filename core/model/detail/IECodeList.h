// CIECodeList: the code values of one object in a single pointer. Nearly every object carries
// exactly one code, and that one needs no block of its own; more codes move into a block.
#pragma once

#include <cstdint>

#include "QelAlloc.h"

class CIECodeValues;

namespace IEModelDetail {

// An array of code-value pointers; it does not own the code values. The pointer is null for no
// code, the code itself for one code, and a block (marked by its lowest bit, which no code-value
// address has) holding count, capacity and the codes once more than one code was wanted.
class CIECodeList {
 public:
  CIECodeList() noexcept = default;
  CIECodeList(const CIECodeList&) = delete;
  CIECodeList& operator=(const CIECodeList&) = delete;
  ~CIECodeList() { RemoveAll(); }

  int GetSize() const noexcept { return !m_pData ? 0 : IsBlock() ? Block()->size : 1; }
  bool IsValidIndex(int i) const noexcept { return i >= 0 && i < GetSize(); }
  CIECodeValues* operator[](int i) const noexcept { return begin()[i]; }
  CIECodeValues* const* begin() const noexcept { return IsBlock() ? Codes(Block()) : &m_pData; }
  CIECodeValues* const* end() const noexcept { return begin() + GetSize(); }

  // Appends code, which must not be null.
  void Add(CIECodeValues* code) {
    if (!m_pData) {
      m_pData = code;
      return;
    }
    const int size = GetSize();
    if (size == Capacity()) Reserve(size * 2);
    THeader* block = Block();
    Codes(block)[block->size++] = code;
  }
  // Makes room for exactly count codes in all when there is less.
  void Reserve(int count);
  void RemoveAt(int index);
  // Forgets every code and frees the block.
  void RemoveAll() noexcept;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  struct THeader {
    int size;
    int capacity;
  };

  int Capacity() const noexcept { return IsBlock() ? Block()->capacity : 1; }
  bool IsBlock() const noexcept { return reinterpret_cast<std::uintptr_t>(m_pData) & 1u; }
  THeader* Block() const noexcept {
    return reinterpret_cast<THeader*>(reinterpret_cast<std::uintptr_t>(m_pData) & ~std::uintptr_t(1));
  }
  static CIECodeValues** Codes(THeader* block) noexcept {
    return reinterpret_cast<CIECodeValues**>(block + 1);
  }

  CIECodeValues* m_pData = nullptr;
};

}  // namespace IEModelDetail
