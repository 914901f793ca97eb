// Keywords of the formats settings file: the words that name each value of the enumerations behind
// the capability masks, and the directions. The enumerators bear the same words, so the settings
// file, the code and the command-line host all speak one vocabulary.
#pragma once

#include "IECommonType.h"
#include "IEFormat.h"

namespace IEKeywords {

// The six capability masks, in the order the settings file writes their sections.
enum EMaskKind : int {
  MASK_CONFIGURATIONS,
  MASK_USING_MODES,
  MASK_DATA_TYPES,
  MASK_DISTANCE_UNITS,
  MASK_ANGLE_UNITS,
  MASK_PARAMETERS
};
constexpr int MASK_KIND_COUNT = 6;

// Number of values that have a keyword: 4, 2, 21, 27, 6 and 48.
int GetKeywordCount(EMaskKind kind);
// The keyword of value, or null when value has none.
const char16_t* GetKeyword(EMaskKind kind, int value);
// The value whose keyword equals text (case-sensitive), or -1.
int FindKeyword(EMaskKind kind, const unsigned short* text);
// Element name of the mask's section in the settings file.
const char16_t* GetSectionName(EMaskKind kind);

// "Import", "Export" or "ImportExport"; a value outside the three reads as both directions.
const char16_t* GetDirectionKeyword(CIECommonType::EDataDirections direction);

// The mask of an entry restricted to the values that have a keyword, read through the entry's
// getters. Formats have all six masks, other entries only configurations and using modes (0 for
// the other kinds).
TIEMask CollectMask(const CIECommonType& entry, EMaskKind kind);
TIEMask CollectMask(const CIEFormat& format, EMaskKind kind);

}  // namespace IEKeywords
