// The plug-in's only door to the shapefile library. File access goes through the platform's
// buffered files, numbers are read without the process locale, and the library's messages go to
// the job that runs on the calling thread. Calls that touch the library's process-wide state are
// serialised, so that jobs on several threads can use it at once.
#pragma once

#include <shapefil.h>

#include <string>
#include <vector>

namespace shape_lib {

// Collects the library's messages on this thread while it lives; scopes nest.
class CMessageScope {
 public:
  CMessageScope();
  CMessageScope(const CMessageScope&) = delete;
  CMessageScope& operator=(const CMessageScope&) = delete;
  ~CMessageScope();

  const std::vector<std::string>& GetMessages() const { return m_messages; }
  void Add(const char* message);

 private:
  CMessageScope* m_pOuter;
  std::vector<std::string> m_messages;
};

// Paths are UTF-8 base names or file names as the library takes them.
// A shapefile opened for reading gives records that must be destroyed before the next is read.
SHPHandle OpenShapes(const char* path);
SHPHandle CreateShapes(const char* path, int shapeType);
// Null when the record cannot be read.
SHPObject* ReadShape(SHPHandle handle, int index);
// The record number written, or -1.
int AppendShape(SHPHandle handle, SHPObject* shape);
void CloseShapes(SHPHandle handle);

DBFHandle OpenTable(const char* path, bool update);
DBFHandle CreateTable(const char* path, const char* codePage);

// True when every count and index of the object lies inside what it holds, so that its arrays
// can be walked without reading outside them.
bool IsShapeConsistent(const SHPObject* shape);

}  // namespace shape_lib
