// QelErrorCode: a result value that a caller must look at ([[nodiscard]]). It converts to its
// value, so a QelErrorCode<bool> is tested like a bool, and GetValue reads it explicitly.
#pragma once

namespace mandatory_error {

template <class T>
class [[nodiscard]] QelErrorCode {
 public:
  QelErrorCode(T value) noexcept : m_value(value) {}
  operator T() const noexcept { return m_value; }
  T GetValue() const noexcept { return m_value; }

 private:
  T m_value;
};

}  // namespace mandatory_error
