#include "IEDrawProperties.h"

namespace {

const char16_t* const kMarkStyles[] = {
    u"Dot",    u"Filled Rect", u"Filled Diamond", u"Filled Circle", u"Filled Triangle", u"Rect", u"Diamond",
    u"Circle", u"Triangle",    u"Cross",          u"Tree",          u"SmallCross"};
const char16_t* const kDashStyles[] = {u"Solid", u"Dash", u"Dot", u"Dash Dot", u"Dash Dot Dot"};
const char16_t* const kFillStyles[] = {u"None",      u"Solid",       u"Grid",
                                       u"Checkered", u"Horz. Lines", u"Vert. Lines"};

template <int N>
int FindKeyword(const char16_t* const (&table)[N], const CQelString& text) {
  for (int i = 0; i < N; ++i)
    if (text.CompareNoCase(table[i]) == 0) return i;
  return -1;
}

template <int N>
bool KeywordOf(const char16_t* const (&table)[N], bool defined, int value, CQelString& text) {
  if (!defined) return false;
  if (value >= 0 && value < N) text = table[value];
  return true;
}

// Style from its keyword: the defined flag follows whether the keyword was known; the stored
// value changes only when it was.
template <int N, class E>
bool StyleFromKeyword(const char16_t* const (&table)[N], const CQelString& text, E& style, bool& defined) {
  const int found = FindKeyword(table, text);
  defined = found >= 0;
  if (defined) style = static_cast<E>(found);
  return defined;
}

template <class T>
bool GetIfDefined(bool defined, const T& value, T& out) {
  if (defined) out = value;
  return defined;
}

}  // namespace

IIEDrawProperties* IIEDrawProperties::CreateFromTypeName(const CQelString& name) {
  if (name == u"Point") return new CIEDrawPointProperties();
  if (name == u"Line") return new CIEDrawLineProperties();
  if (name == u"Area") return new CIEDrawAreaProperties();
  return nullptr;
}

// Point properties.

IIEDrawProperties* CIEDrawPointProperties::clone() const {
  auto* copy = new CIEDrawPointProperties();
  if (!copy) return nullptr;
  if (m_bColorDefined) copy->SetColor(m_nColor);
  if (m_bMarkStyleDefined) copy->SetMarkStyle(m_eMarkStyle);
  return copy;
}

CQelString CIEDrawPointProperties::GetObjTypeAsString() const { return u"Point"; }

bool CIEDrawPointProperties::GetColor(unsigned long& color) const {
  return GetIfDefined(m_bColorDefined, m_nColor, color);
}

void CIEDrawPointProperties::SetColor(unsigned long color) {
  m_nColor = color;
  m_bColorDefined = true;
}

bool CIEDrawPointProperties::GetMarkStyle(EMarkStyleType& style) const {
  return GetIfDefined(m_bMarkStyleDefined, m_eMarkStyle, style);
}

void CIEDrawPointProperties::SetMarkStyle(EMarkStyleType style) {
  m_eMarkStyle = style;
  m_bMarkStyleDefined = true;
}

bool CIEDrawPointProperties::GetMarkStyleAsString(CQelString& text) const {
  return KeywordOf(kMarkStyles, m_bMarkStyleDefined, m_eMarkStyle, text);
}

bool CIEDrawPointProperties::SetMarkStyleFromString(const CQelString& text) {
  return StyleFromKeyword(kMarkStyles, text, m_eMarkStyle, m_bMarkStyleDefined);
}

// Line properties.

IIEDrawProperties* CIEDrawLineProperties::clone() const {
  auto* copy = new CIEDrawLineProperties();
  if (!copy) return nullptr;
  if (m_bColorDefined) copy->SetColor(m_nColor);
  if (m_bDashStyleDefined) copy->SetDashStyle(m_eDashStyle);
  if (m_bWidthDefined) copy->SetWidth(m_nWidth);
  return copy;
}

CQelString CIEDrawLineProperties::GetObjTypeAsString() const { return u"Line"; }

bool CIEDrawLineProperties::GetColor(unsigned long& color) const {
  return GetIfDefined(m_bColorDefined, m_nColor, color);
}

void CIEDrawLineProperties::SetColor(unsigned long color) {
  m_nColor = color;
  m_bColorDefined = true;
}

bool CIEDrawLineProperties::GetDashStyle(EDashStyleType& style) const {
  return GetIfDefined(m_bDashStyleDefined, m_eDashStyle, style);
}

void CIEDrawLineProperties::SetDashStyle(EDashStyleType style) {
  m_eDashStyle = style;
  m_bDashStyleDefined = true;
}

bool CIEDrawLineProperties::GetDashStyleTypeAsString(CQelString& text) const {
  return KeywordOf(kDashStyles, m_bDashStyleDefined, m_eDashStyle, text);
}

bool CIEDrawLineProperties::SetDashStyleFromString(const CQelString& text) {
  return StyleFromKeyword(kDashStyles, text, m_eDashStyle, m_bDashStyleDefined);
}

bool CIEDrawLineProperties::GetWidth(int& width) const {
  return GetIfDefined(m_bWidthDefined, m_nWidth, width);
}

void CIEDrawLineProperties::SetWidth(int width) {
  m_nWidth = width <= 0 || width > 100 ? 1 : width;
  m_bWidthDefined = true;
}

// Area properties.

IIEDrawProperties* CIEDrawAreaProperties::clone() const {
  auto* copy = new CIEDrawAreaProperties();
  if (!copy) return nullptr;
  if (m_bColorDefined) copy->SetColor(m_nColor);
  if (m_bFillStyleDefined) copy->SetFillStyleType(m_eFillStyle);
  if (m_bTransparencyDefined) copy->SetFillTransparency(m_nTransparency);
  return copy;
}

CQelString CIEDrawAreaProperties::GetObjTypeAsString() const { return u"Area"; }

bool CIEDrawAreaProperties::GetColor(unsigned long& color) const {
  return GetIfDefined(m_bColorDefined, m_nColor, color);
}

void CIEDrawAreaProperties::SetColor(unsigned long color) {
  m_nColor = color;
  m_bColorDefined = true;
}

bool CIEDrawAreaProperties::GetFillStyleType(EFillStyleType& style) const {
  return GetIfDefined(m_bFillStyleDefined, m_eFillStyle, style);
}

void CIEDrawAreaProperties::SetFillStyleType(EFillStyleType style) {
  m_eFillStyle = style;
  m_bFillStyleDefined = true;
}

bool CIEDrawAreaProperties::GetFillStyleTypeAsString(CQelString& text) const {
  return KeywordOf(kFillStyles, m_bFillStyleDefined, m_eFillStyle, text);
}

bool CIEDrawAreaProperties::SetFillStyleFromString(const CQelString& text) {
  return StyleFromKeyword(kFillStyles, text, m_eFillStyle, m_bFillStyleDefined);
}

bool CIEDrawAreaProperties::GetFillTransparency(int& transparency) const {
  return GetIfDefined(m_bTransparencyDefined, m_nTransparency, transparency);
}

void CIEDrawAreaProperties::SetFillTransparency(int transparency) {
  m_nTransparency = transparency;
  m_bTransparencyDefined = true;
}

// The three slots of a layer or code description.

CIEDrawPropertiesSlots::CIEDrawPropertiesSlots(const CIEDrawPropertiesSlots& other) { *this = other; }

CIEDrawPropertiesSlots& CIEDrawPropertiesSlots::operator=(const CIEDrawPropertiesSlots& other) {
  if (this != &other) {
    for (int i = 0; i < IIEDrawProperties::DRAW_TYPES_COUNT; ++i) {
      IIEDrawProperties* copy = other.m_pProps[i] ? other.m_pProps[i]->clone() : nullptr;
      delete m_pProps[i];
      m_pProps[i] = copy;
    }
  }
  return *this;
}

CIEDrawPropertiesSlots::~CIEDrawPropertiesSlots() {
  for (IIEDrawProperties* props : m_pProps) delete props;
}

void CIEDrawPropertiesSlots::Set(IIEDrawProperties::EIEDrawType type, IIEDrawProperties* props) {
  if (!IsValid(type) || m_pProps[type] == props) return;
  delete m_pProps[type];
  m_pProps[type] = props;
}

IIEDrawProperties* CIEDrawPropertiesSlots::Get(IIEDrawProperties::EIEDrawType type) const {
  return IsValid(type) ? m_pProps[type] : nullptr;
}

bool CIEDrawPropertiesSlots::IsAnySet() const {
  for (const IIEDrawProperties* props : m_pProps)
    if (props) return true;
  return false;
}

bool CIEDrawPropertiesSlots::IsAnyDefined() const {
  for (const IIEDrawProperties* props : m_pProps)
    if (props && props->IsDefined()) return true;
  return false;
}
