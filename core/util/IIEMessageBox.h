// IIEMessageBox: the host's question dialog, asked before an export overwrites a file.
#pragma once

#include "WinTypes.h"
#include "qel_text.h"

class IIEMessageBox {
 public:
  IIEMessageBox() = default;
  IIEMessageBox(const IIEMessageBox&) = default;
  IIEMessageBox& operator=(const IIEMessageBox&) = default;
  virtual ~IIEMessageBox() = default;

  // A new copy of this object; the caller owns it.
  virtual IIEMessageBox* Duplicate() const = 0;
  // Asks whether the file may be overwritten; 6 (IDYES) means yes.
  virtual int AskQuestion(HWND parent, const CQelString& fileName) = 0;
};
