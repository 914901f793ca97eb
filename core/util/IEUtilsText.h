// Text helpers of IEUtils: rules for point, code and file names, value lists, colour text, file
// and folder names, line reading from text files, the framed block format for sending text in
// fixed blocks, and conversion between UTF-16 and the system's ANSI code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "IIEMessageBox.h"
#include "WinFile.h"
#include "WinFind.h"
#include "WinTypes.h"
#include "qel_templ.h"
#include "qel_text.h"

namespace IEUtils {

typedef qel_templ::CQelArray<CQelString, const CQelString&> CIEStringArray;
typedef qel_templ::CQelArray<WIN32_FIND_DATAW, const WIN32_FIND_DATAW&> CIEFindDataArray;

// Which entries FindAllFilesInFolder takes; FIND_FILES | FIND_FOLDERS takes both.
enum EFindFolder { FIND_FILES = 1, FIND_FOLDERS = 2 };

constexpr int kMaxNameLength = 50;

// Name checks.
bool IsAdmisiblePointNameCharacter(unsigned short ch);
bool IsAdmisibleCodeNameCharacter(unsigned short ch);
bool IsValidName(const CQelString& text);
bool IsValidCodeName(const CQelString& text);
// True when the text holds no character forbidden in code names; no length limit.
bool CheckName(const CQelString& text);
bool IsValidFileName(const CQelString& text);

// Value lists. The arrays are appended to, not cleared.
// Splits at the delimiter, trims the tokens and drops CR and LF; false as soon as a token holds
// a forbidden character.
bool ParseValues(const CQelString& text, CIEStringArray& values, unsigned short delimiter,
                 const CQelString& forbidden);
// Split at ',' whatever the character and string are: at most 5 (APA) or 6 (SIMA) tokens.
bool ParseValuesForAPAFormat(const CQelString& text, CIEStringArray& values, unsigned short ch,
                             const CQelString& str);
bool ParseValuesForSIMAFormat(const CQelString& text, CIEStringArray& values, unsigned short ch,
                              const CQelString& str);
// Splits at the delimiter, keeping delimiters that stand inside double quotes in the token.
void ParseValuesInQuotes(const CQelString& text, CIEStringArray& values, unsigned short delimiter);
CQelString StringArrayToString(const CIEStringArray& values);
bool IsStringInStringArray(const CIEStringArray& values, const CQelString& text);
void RemoveBorderQuotes(CQelString& text);
void RemoveUnnecessaryDelimiters(CQelString& text, unsigned short delimiter);
CQelString GetStringOfSpaces(int count);
// Exactly width characters for column reports; see the implementation for cutting and padding.
CQelString GetReportString(unsigned short fill, int width, bool alignRight, const CQelString& text,
                           bool reserveOne);

// Colours laid out 0x00BBGGRR as "#RRGGBB".
CQelString RGB2HTML(const uint32_t& colour);
bool HTML2RGB(const CQelString& text, uint32_t& colour);

// File and folder names.
int GetFileExtStart(const CQelString& path);
CQelString GetNameFromFileName(const CQelString& path);
CQelString CreateNameFromFile(const CQelString& path);
CQelString ExtractFileNameWithoutExtFromPathName(const CQelString& path);
CQelString CreateFileName(const CQelString& base, const CQelString& name, bool asFolder);
int IsDots(const unsigned short* name);
// flags: EFindFolder bits; pattern follows the '*' of the search (for example ".shp"), or null.
void FindAllFilesInFolder(CIEFindDataArray& found, int flags, const CQelString& folder,
                          const unsigned short* pattern);
CQelString GetRootDir();
// May the export write this file: true when it does not exist or someone agreed to overwrite it.
bool IsExportFileWithSameName(const CQelString& fileName, IIEMessageBox* messageBox, HWND parent);

// Text files.
// One line of UTF-16 units into buffer (|count| characters plus a terminator); null at the end
// of the file, for an empty line with a positive count, and for count 0.
unsigned short* ReadUnicodeString(CFile& file, unsigned short* buffer, int count, bool skipEmptyLines);
// One whole line of any length, without its line end; empty at the end of the file.
void ReadLine(CFile& file, CQelString& text, bool utf16, bool skipEmptyLines);
void ReadLineAndTrim(CFile& file, CQelString& text, bool utf16, bool skipEmptyLines);
// One 8-bit line of at most 128 bytes ending at a carriage return.
void Read1Line(CFile& file, CQelString& text);
// The encoding tests of the text file class: a byte-order mark or, without one, the content.
bool IsUTF8File(const CQelString& fileName);
bool IsUTF16File(const CQelString& fileName);
// UTF-16 little-endian units, no terminator and no byte-order mark.
void WriteUnicodeString(CFile& file, const CQelString& text);

// Block frames: 0x02, 128 data characters, counter digit, checksum, 0x03, CR LF. pending holds
// the counter of the block being filled followed by the data not yet framed.
bool CreateBlockString(const CQelString& data, CQelString& pending, CQelString& output, bool pad);
bool WriteBlockString(FILE* file, const CQelString& data, CQelString& pending, bool pad);

// The ANSI code page.
int GetMBCSLength(const CQelString& text);
// A zero-terminated copy in the ANSI code page, freed with DeAllocMBCString; null when memory
// runs out.
char* AllocateMBCString(const CQelString& text);
void DeAllocMBCString(char* bytes);
// Removes and returns the longest leading part whose bytes fit in the budget, never cutting a
// character; bytesLeft receives the budget minus the part's bytes.
CQelString StrExtractToFitMBCSBytes(CQelString& text, int budget, int& bytesLeft);
// At most limit characters into dest, which holds at least limit bytes; the zero is written only
// when it fits in limit bytes, and no character is cut in half.
void String2char(const CQelString& text, char* dest, int limit);
// The low byte of each of the first min(limit, length) characters and a zero: dest holds at
// least limit + 1 bytes.
void String2ASCII(const CQelString& text, char* dest, int limit);
// The whole text with its zero; dest holds at least GetMBCSLength + 1 bytes.
void ts_tchar2char(const unsigned short* text, char* dest);
// Converts the zero-terminated text into at most count bytes of dest, whole characters only,
// with a zero when it fits; returns the bytes written without the zero. With a null dest
// returns the bytes the whole text needs.
size_t tcs2mbs(char* dest, const unsigned short* text, size_t count);
// Copies of zero-terminated UTF-16 text, the system's text type being UTF-16.
void ts_wchar2tchar(const unsigned short* source, unsigned short* dest);
void ts_tchar2wchar(const unsigned short* source, unsigned short* dest);

}  // namespace IEUtils
