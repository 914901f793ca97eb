// The host's answer before an export overwrites a file: yes with --overwrite, the user's answer
// on a terminal, no otherwise.
#pragma once

#include "IIEMessageBox.h"

class CHostMessageBox : public IIEMessageBox {
 public:
  explicit CHostMessageBox(bool overwrite) : m_bOverwrite(overwrite) {}
  IIEMessageBox* Duplicate() const override { return new CHostMessageBox(*this); }
  int AskQuestion(HWND parent, const CQelString& fileName) override;

 private:
  bool m_bOverwrite;
};
