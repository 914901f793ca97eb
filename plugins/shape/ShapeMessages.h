// The messages of one shapefile job: the shapefile library's and the plug-in's own. They are
// written to the standard error stream, naming the job's file, when the job ends.
#pragma once

#include "IEDefs.h"
#include "ShapeLibAccess.h"
#include "qel_text.h"

class CShapeMessages : public shape_lib::CMessageScope {
 public:
  explicit CShapeMessages(const CQelString& fileName) : m_strFileName(fileName) {}
  CShapeMessages(const CShapeMessages&) = delete;
  CShapeMessages& operator=(const CShapeMessages&) = delete;
  ~CShapeMessages() = default;

  // Writes what was collected and passes the result through.
  EIEResult Finish(EIEResult result);

 private:
  CQelString m_strFileName;
};
