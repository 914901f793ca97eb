// CIEStation: a surveyed position with its descriptive data (name, notes, heights, bulge), the
// vertex type of points, lines and arcs. CIEOffsetStation adds the offset values of sheet points.
#pragma once

#include "IEInterfaces.h"
#include "IEPositions.h"
#include "QelAlloc.h"
#include "qel_text.h"

class CIEStation : public CIEPosition3D, public IIENameInterface {
 public:
  // 0 is used by every constructor of the library; 1 marks a keyed-in point. Other values are
  // carried unchanged.
  enum EStationType : int { STATION_DEFAULT = 0, STATION_ENTERED = 1 };

  explicit CIEStation(EStationType type = STATION_DEFAULT);
  CIEStation(const CIEStation& other);
  CIEStation& operator=(const CIEStation& other);
  ~CIEStation() override = default;

  // Returns notes, time stamps, name and heights to their defaults; the position, the station
  // type and the scale factor stay.
  virtual void reset();
  // The similarity transformation of the position; the geoid height is scaled by sz and moved by
  // the origin's z as well.
  virtual void ShiftCoords(const CIEPosition3D& origin, double sx, double sy, double sz, double angle);

  // Copies the descriptive data, but neither the position nor the scale factor.
  void Copy(const CIEStation& other);

  // Exact comparison of position and descriptive data; the scale factor is not compared.
  bool operator==(const CIEStation& other) const;
  bool operator!=(const CIEStation& other) const { return !(*this == other); }

  void SetPosition(const CIEPosition3D& pos);
  void SetPosition(double px, double py, double pz, double geoidHeight);
  // The geoid height when it is not 0, otherwise z.
  double GetHeight() const { return m_dGeoidHeight != 0.0 ? m_dGeoidHeight : z; }

  void SetHeightUndefined() { m_bHeightDefined = false; }
  bool IsHeightDefined() const { return m_bHeightDefined; }
  void SetGeoidHeight(double h) { m_dGeoidHeight = h; }
  double GetGeoidHeight() const { return m_dGeoidHeight; }
  void SetStationType(EStationType type) { m_eStationType = type; }
  EStationType GetStationType() const { return m_eStationType; }
  void SetBulge(double bulge) { m_dBulge = bulge; }
  double GetBulge() const { return m_dBulge; }
  void SetScaleFactor(double f) { m_dScaleFactor = f; }
  double GetScaleFactor() const { return m_dScaleFactor; }
  void SetNotes(const CQelString& notes) { m_strNotes = notes; }
  const CQelString& GetNotes() const { return m_strNotes; }
  void SetTimeStamps(const CQelString& stamps) { m_strTimeStamps = stamps; }
  const CQelString& GetTimeStamps() const { return m_strTimeStamps; }
  void SetName(const CQelString& name) override { m_strName = name; }
  const CQelString& GetName() const override { return m_strName; }

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  EStationType m_eStationType;
  CQelString m_strNotes;
  CQelString m_strTimeStamps;
  CQelString m_strName;
  bool m_bHeightDefined = true;
  double m_dGeoidHeight = 0.0;
  double m_dBulge = 0.0;
  // Nothing in the library reads it; 1.0 is the neutral value until a caller sets it.
  double m_dScaleFactor = 1.0;
};

// A station with offset data whose meaning belongs to the formats that fill it.
class CIEOffsetStation : public CIEStation {
 public:
  explicit CIEOffsetStation(EStationType type = STATION_DEFAULT);
  CIEOffsetStation(const CIEOffsetStation& other);
  CIEOffsetStation& operator=(const CIEOffsetStation& other);
  ~CIEOffsetStation() override = default;

  using CIEStation::Copy;
  // Copies the seven offset members only.
  void Copy(const CIEOffsetStation& other);

  double value1 = 0.0;
  CQelString text1;
  double value2 = 0.0;
  CQelString text2;
  double value3 = 0.0;
  double vector3[3] = {0.0, 0.0, 0.0};
  double values5[5] = {0.0, 0.0, 0.0, 0.0, 0.0};

  QEL_DECLARE_SHARED_ALLOCATION()
};
