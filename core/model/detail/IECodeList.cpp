#include "detail/IECodeList.h"

#include <cstdlib>
#include <cstring>

namespace IEModelDetail {

void CIECodeList::Reserve(int count) {
  if (count <= Capacity()) return;
  auto* block =
      static_cast<THeader*>(dlmalloc(sizeof(THeader) + sizeof(CIECodeValues*) * static_cast<size_t>(count)));
  // Out of memory while growing is as fatal here as in any container of the model.
  if (!block) std::abort();
  block->size = GetSize();
  block->capacity = count;
  if (block->size)
    std::memcpy(Codes(block), begin(), sizeof(CIECodeValues*) * static_cast<size_t>(block->size));
  if (IsBlock()) dlfree(Block());
  m_pData = reinterpret_cast<CIECodeValues*>(reinterpret_cast<std::uintptr_t>(block) | 1u);
}

void CIECodeList::RemoveAt(int index) {
  if (!IsValidIndex(index)) return;
  if (!IsBlock()) {
    m_pData = nullptr;
    return;
  }
  THeader* block = Block();
  CIECodeValues** codes = Codes(block);
  std::memmove(codes + index, codes + index + 1,
               sizeof(CIECodeValues*) * static_cast<size_t>(block->size - index - 1));
  --block->size;
}

void CIECodeList::RemoveAll() noexcept {
  if (IsBlock()) dlfree(Block());
  m_pData = nullptr;
}

}  // namespace IEModelDetail
