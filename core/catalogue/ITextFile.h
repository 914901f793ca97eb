// CITextFile: the utility library's text file as exchcore exports it, for the XML readers of the
// catalogue and the job history.
#pragma once

#include "TextFile.h"

class CITextFile : public CTextFile {
 public:
  explicit CITextFile(int bufferSize = 512);
  ~CITextFile() override;
  CITextFile(const CITextFile&) = delete;
  CITextFile& operator=(const CITextFile&) = delete;
  CITextFile(CITextFile&&) = delete;
  CITextFile& operator=(CITextFile&&) = delete;

  QEL_DECLARE_SHARED_ALLOCATION()
};
