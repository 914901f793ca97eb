// The small abstract interfaces every item of the survey data model is assembled from (name,
// state, time, object kind) and the enumerations that travel with them. Enumerations of the model
// are based on int: formats store values beyond the named ones, and those must stay valid values.
#pragma once

#include "QelAlloc.h"
#include "WinTime.h"
#include "qel_text.h"

// The kind of a dataset object. Dataset queries also take -1 as "every kind".
enum EIEObjectsType : int {
  IE_DESIGN_POINT = 0,
  IE_PTL_POINT = 1,
  IE_GPS_POINT = 2,
  IE_SHEET_POINT = 3,
  IE_POLYLINE = 4,
  IE_AREA = 5,
  IE_BREAKLINE = 6,
  IE_ARC = 7,
  IE_SURFACE = 8,
  IE_ALIGNMENT = 9,
  IE_PARCEL = 10
};

class IIENameInterface {
 public:
  virtual ~IIENameInterface() = default;
  virtual void SetName(const CQelString& name) = 0;
  virtual const CQelString& GetName() const = 0;

  QEL_DECLARE_SHARED_ALLOCATION()

 protected:
  IIENameInterface() = default;
  IIENameInterface(const IIENameInterface&) = default;
  IIENameInterface& operator=(const IIENameInterface&) = default;
};

class IIEStateInterface {
 public:
  enum ECurrentState : int {
    STATE_INACTIVE = 0,  // kept in its dataset but left out of the per-layer counts
    STATE_ACTIVE = 1,    // the state of every new object
    STATE_ANY = 2        // a query filter only: matches every state
  };

  virtual ~IIEStateInterface() = default;
  virtual void SetStateType(ECurrentState state) = 0;
  virtual ECurrentState GetStateType() const = 0;

  QEL_DECLARE_SHARED_ALLOCATION()

 protected:
  IIEStateInterface() = default;
  IIEStateInterface(const IIEStateInterface&) = default;
  IIEStateInterface& operator=(const IIEStateInterface&) = default;
};

class IIETimeInterface {
 public:
  virtual ~IIETimeInterface() = default;
  virtual void SetTime(const CTime& time) = 0;
  virtual const CTime& GetTime() const = 0;

  QEL_DECLARE_SHARED_ALLOCATION()

 protected:
  IIETimeInterface() = default;
  IIETimeInterface(const IIETimeInterface&) = default;
  IIETimeInterface& operator=(const IIETimeInterface&) = default;
};

class IIEObjInterface {
 public:
  virtual ~IIEObjInterface() = default;
  virtual EIEObjectsType GetType() const = 0;

  QEL_DECLARE_SHARED_ALLOCATION()

 protected:
  IIEObjInterface() = default;
  IIEObjInterface(const IIEObjInterface&) = default;
  IIEObjInterface& operator=(const IIEObjInterface&) = default;
};
