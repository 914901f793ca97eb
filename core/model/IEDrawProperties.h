// How objects are drawn: IIEDrawProperties and its three classes for points, lines and areas.
// Every property carries a defined flag; a getter answers false while its property is not set.
#pragma once

#include "QelAlloc.h"
#include "qel_text.h"

class IIEDrawProperties {
 public:
  enum EIEDrawType : int { DRAW_POINT = 0, DRAW_LINE = 1, DRAW_AREA = 2 };
  static constexpr int DRAW_TYPES_COUNT = 3;

  virtual ~IIEDrawProperties() = default;
  // A new object of the same class with the same defined properties; the caller owns it.
  virtual IIEDrawProperties* clone() const = 0;
  virtual EIEDrawType GetType() const = 0;
  // "Point", "Line" or "Area".
  virtual CQelString GetObjTypeAsString() const = 0;
  // Colours are laid out 0x00BBGGRR.
  virtual bool GetColor(unsigned long& color) const = 0;
  virtual void SetColor(unsigned long color) = 0;
  // True when any property of the object is defined.
  virtual bool IsDefined() const = 0;

  // New default properties of the class named exactly "Point", "Line" or "Area"; null for any
  // other text. The caller owns the result.
  static IIEDrawProperties* CreateFromTypeName(const CQelString& name);

  QEL_DECLARE_SHARED_ALLOCATION()

 protected:
  IIEDrawProperties() = default;
  IIEDrawProperties(const IIEDrawProperties&) = default;
  IIEDrawProperties& operator=(const IIEDrawProperties&) = default;
};

class CIEDrawPointProperties : public IIEDrawProperties {
 public:
  enum EMarkStyleType : int {
    MARK_DOT,
    MARK_FILLED_RECT,
    MARK_FILLED_DIAMOND,
    MARK_FILLED_CIRCLE,
    MARK_FILLED_TRIANGLE,
    MARK_RECT,
    MARK_DIAMOND,
    MARK_CIRCLE,
    MARK_TRIANGLE,
    MARK_CROSS,
    MARK_TREE,
    MARK_SMALL_CROSS
  };

  CIEDrawPointProperties() = default;
  CIEDrawPointProperties(const CIEDrawPointProperties&) = default;
  CIEDrawPointProperties& operator=(const CIEDrawPointProperties&) = default;
  ~CIEDrawPointProperties() override = default;

  IIEDrawProperties* clone() const override;
  EIEDrawType GetType() const override { return DRAW_POINT; }
  CQelString GetObjTypeAsString() const override;
  bool GetColor(unsigned long& color) const override;
  void SetColor(unsigned long color) override;
  bool IsDefined() const override { return m_bColorDefined || m_bMarkStyleDefined; }

  bool GetMarkStyle(EMarkStyleType& style) const;
  void SetMarkStyle(EMarkStyleType style);
  // False while the style is not defined; a stored value without a keyword leaves text as it is.
  bool GetMarkStyleAsString(CQelString& text) const;
  // Case-insensitive keyword; an unknown text leaves the style not defined and answers false.
  bool SetMarkStyleFromString(const CQelString& text);

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  unsigned long m_nColor = 0;
  bool m_bColorDefined = false;
  EMarkStyleType m_eMarkStyle = MARK_DOT;
  bool m_bMarkStyleDefined = false;
};

class CIEDrawLineProperties : public IIEDrawProperties {
 public:
  enum EDashStyleType : int { DASH_SOLID, DASH_DASH, DASH_DOT, DASH_DASH_DOT, DASH_DASH_DOT_DOT };

  CIEDrawLineProperties() = default;
  CIEDrawLineProperties(const CIEDrawLineProperties&) = default;
  CIEDrawLineProperties& operator=(const CIEDrawLineProperties&) = default;
  ~CIEDrawLineProperties() override = default;

  IIEDrawProperties* clone() const override;
  EIEDrawType GetType() const override { return DRAW_LINE; }
  CQelString GetObjTypeAsString() const override;
  bool GetColor(unsigned long& color) const override;
  void SetColor(unsigned long color) override;
  bool IsDefined() const override { return m_bColorDefined || m_bDashStyleDefined || m_bWidthDefined; }

  bool GetDashStyle(EDashStyleType& style) const;
  void SetDashStyle(EDashStyleType style);
  bool GetDashStyleTypeAsString(CQelString& text) const;
  bool SetDashStyleFromString(const CQelString& text);
  // Width in pixels.
  bool GetWidth(int& width) const;
  // A width outside 1..100 becomes 1; the width counts as defined either way.
  void SetWidth(int width);

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  unsigned long m_nColor = 0;
  bool m_bColorDefined = false;
  EDashStyleType m_eDashStyle = DASH_SOLID;
  bool m_bDashStyleDefined = false;
  int m_nWidth = 1;
  bool m_bWidthDefined = false;
};

class CIEDrawAreaProperties : public IIEDrawProperties {
 public:
  enum EFillStyleType : int {
    FILL_NONE,
    FILL_SOLID,
    FILL_GRID,
    FILL_CHECKERED,
    FILL_HORZ_LINES,
    FILL_VERT_LINES
  };

  CIEDrawAreaProperties() = default;
  CIEDrawAreaProperties(const CIEDrawAreaProperties&) = default;
  CIEDrawAreaProperties& operator=(const CIEDrawAreaProperties&) = default;
  ~CIEDrawAreaProperties() override = default;

  IIEDrawProperties* clone() const override;
  EIEDrawType GetType() const override { return DRAW_AREA; }
  CQelString GetObjTypeAsString() const override;
  bool GetColor(unsigned long& color) const override;
  void SetColor(unsigned long color) override;
  bool IsDefined() const override { return m_bColorDefined || m_bFillStyleDefined || m_bTransparencyDefined; }

  bool GetFillStyleType(EFillStyleType& style) const;
  void SetFillStyleType(EFillStyleType style);
  bool GetFillStyleTypeAsString(CQelString& text) const;
  bool SetFillStyleFromString(const CQelString& text);
  // Stored as given; no unit or limit is applied.
  bool GetFillTransparency(int& transparency) const;
  void SetFillTransparency(int transparency);

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  unsigned long m_nColor = 0;
  bool m_bColorDefined = false;
  EFillStyleType m_eFillStyle = FILL_NONE;
  bool m_bFillStyleDefined = false;
  int m_nTransparency = 0;
  bool m_bTransparencyDefined = false;
};

// The three owned draw properties that a layer and a code description keep, one slot per draw
// type. Copies are deep (each held object is cloned).
class CIEDrawPropertiesSlots {
 public:
  CIEDrawPropertiesSlots() noexcept = default;
  CIEDrawPropertiesSlots(const CIEDrawPropertiesSlots& other);
  CIEDrawPropertiesSlots& operator=(const CIEDrawPropertiesSlots& other);
  ~CIEDrawPropertiesSlots();

  // For a type below 3 deletes the held properties and keeps the given ones (null clears the
  // slot); a larger type changes nothing.
  void Set(IIEDrawProperties::EIEDrawType type, IIEDrawProperties* props);
  IIEDrawProperties* Get(IIEDrawProperties::EIEDrawType type) const;
  bool IsAnySet() const;
  bool IsAnyDefined() const;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  static bool IsValid(IIEDrawProperties::EIEDrawType type) {
    return type >= 0 && type < IIEDrawProperties::DRAW_TYPES_COUNT;
  }
  IIEDrawProperties* m_pProps[IIEDrawProperties::DRAW_TYPES_COUNT] = {nullptr, nullptr, nullptr};
};
