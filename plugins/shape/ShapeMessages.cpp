#include "ShapeMessages.h"

#include <cstdio>
#include <string>

#include "ShapeText.h"

EIEResult CShapeMessages::Finish(EIEResult result) {
  if (GetMessages().empty()) return result;
  std::string file = qel_path::ToSystemPath(m_strFileName);
  for (const std::string& message : GetMessages())
    std::fprintf(stderr, "shapeplug: %s: %s\n", file.c_str(), message.c_str());
  return result;
}
