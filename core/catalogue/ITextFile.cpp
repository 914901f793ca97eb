#include "ITextFile.h"

CITextFile::CITextFile(int bufferSize) : CTextFile(bufferSize) {}

CITextFile::~CITextFile() = default;
