#include "ShapeLibAccess.h"

#include <mutex>

#include "BufferedFile.h"
#include "ShapeText.h"

namespace shape_lib {
namespace {

thread_local CMessageScope* t_pScope = nullptr;

// The library keeps the machine's byte order in a variable of its own that opening and creating
// write and that reading and writing records read: all of those calls hold this lock.
std::mutex& LibraryLock() {
  static std::mutex lock;
  return lock;
}

CBufferedFile* AsFile(SAFile file) { return reinterpret_cast<CBufferedFile*>(file); }

SAFile HookOpen(const char* name, const char* access) {
  CBufferedFile* file = new CBufferedFile;
  if (!file) return nullptr;
  if (!file->Open(name, access)) {
    delete file;
    return nullptr;
  }
  return reinterpret_cast<SAFile>(file);
}

SAOffset HookRead(void* buffer, SAOffset size, SAOffset count, SAFile file) {
  return AsFile(file)->Read(buffer, size, count);
}

SAOffset HookWrite(void* buffer, SAOffset size, SAOffset count, SAFile file) {
  return AsFile(file)->Write(buffer, size, count);
}

SAOffset HookSeek(SAFile file, SAOffset offset, int whence) {
  CBufferedFile::ESeek from = whence == SEEK_SET   ? CBufferedFile::SEEK_FROM_BEGIN
                              : whence == SEEK_CUR ? CBufferedFile::SEEK_FROM_CURRENT
                                                   : CBufferedFile::SEEK_FROM_END;
  return AsFile(file)->Seek(offset, from) ? 0 : static_cast<SAOffset>(-1);
}

SAOffset HookTell(SAFile file) {
  uint64_t pos = AsFile(file)->Tell();
  return pos == UINT64_MAX ? static_cast<SAOffset>(-1) : static_cast<SAOffset>(pos);
}

int HookFlush(SAFile file) { return AsFile(file)->Flush() ? 0 : -1; }

int HookClose(SAFile file) {
  CBufferedFile* f = AsFile(file);
  bool ok = f->Close();
  delete f;
  return ok ? 0 : -1;
}

int HookRemove(const char* name) { return CBufferedFile::Remove(name) ? 0 : -1; }

void HookError(const char* message) {
  if (t_pScope) t_pScope->Add(message);
}

double HookAtof(const char* text) {
  double value = 0.0;
  ParseLeadingDouble(text, value);
  return value;
}

SAHooks* Hooks() {
  static SAHooks hooks = {HookOpen,  HookRead,  HookWrite,  HookSeek,  HookTell,
                          HookFlush, HookClose, HookRemove, HookError, HookAtof};
  return &hooks;
}

}  // namespace

CMessageScope::CMessageScope() : m_pOuter(t_pScope) { t_pScope = this; }

CMessageScope::~CMessageScope() { t_pScope = m_pOuter; }

void CMessageScope::Add(const char* message) {
  if (message) m_messages.emplace_back(message);
}

SHPHandle OpenShapes(const char* path) {
  std::lock_guard<std::mutex> guard(LibraryLock());
  SHPHandle handle = SHPOpenLL(path, "rb", Hooks());
  // Records are read one at a time and released before the next: the library may keep one object
  // and one buffer for all of them instead of allocating five blocks per record.
  if (handle) SHPSetFastModeReadObject(handle, 1);
  return handle;
}

SHPHandle CreateShapes(const char* path, int shapeType) {
  std::lock_guard<std::mutex> guard(LibraryLock());
  return SHPCreateLL(path, shapeType, Hooks());
}

SHPObject* ReadShape(SHPHandle handle, int index) {
  if (!handle) return nullptr;
  std::lock_guard<std::mutex> guard(LibraryLock());
  return SHPReadObject(handle, index);
}

int AppendShape(SHPHandle handle, SHPObject* shape) {
  if (!handle || !shape) return -1;
  std::lock_guard<std::mutex> guard(LibraryLock());
  return SHPWriteObject(handle, -1, shape);
}

void CloseShapes(SHPHandle handle) {
  if (!handle) return;
  std::lock_guard<std::mutex> guard(LibraryLock());
  SHPClose(handle);
}

DBFHandle OpenTable(const char* path, bool update) { return DBFOpenLL(path, update ? "rb+" : "rb", Hooks()); }

DBFHandle CreateTable(const char* path, const char* codePage) { return DBFCreateLL(path, codePage, Hooks()); }

bool IsShapeConsistent(const SHPObject* shape) {
  if (!shape || shape->nVertices < 0 || shape->nParts < 0) return false;
  if (shape->nVertices > 0 && (!shape->padfX || !shape->padfY)) return false;
  if (shape->nParts > shape->nVertices) return false;
  if (shape->nParts > 0 && !shape->panPartStart) return false;
  for (int i = 0; i < shape->nParts; ++i) {
    int start = shape->panPartStart[i];
    if (start < 0 || start >= shape->nVertices) return false;
    if (i > 0 && start < shape->panPartStart[i - 1]) return false;
  }
  return true;
}

}  // namespace shape_lib
