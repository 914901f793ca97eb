// Cross-link files: the names, station types and height units of exported vertices, kept in a
// small binary file beside a shapefile set so that an import can give them back to the vertices
// whose coordinates match.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "BufferedFile.h"
#include "IEDefs.h"
#include "IEStation.h"
#include "qel_text.h"

// One record as read. The station's x holds the file's first coordinate (the shape's X) and y
// the second: unlike a model station, the two are not swapped.
struct TCrossLinkRecord {
  TCrossLinkRecord() = default;
  TCrossLinkRecord(const TCrossLinkRecord&) = delete;
  TCrossLinkRecord& operator=(const TCrossLinkRecord&) = delete;
  ~TCrossLinkRecord() = default;

  CIEStation station;
  int32_t unitCode = 0;
  bool hasUnitCode = false;
  // False when the record said that its vertex had no height.
  bool heightDefined = true;
};

// Linear-unit codes of heights: conversions to metres for every code a file may hold, and the
// codes the writer uses for the job's distance unit.
double UnitCodeToMeters(double value, int32_t code);
int32_t JobUnitsToUnitCode(EDIST_UNITS units);
double MetersToUnitCode(double meters, int32_t code);

// Reads the cross-link file that belongs to a shapefile and finds the record of a vertex.
class CCrossLinkReader {
 public:
  CCrossLinkReader() = default;
  CCrossLinkReader(const CCrossLinkReader&) = delete;
  CCrossLinkReader& operator=(const CCrossLinkReader&) = delete;
  CCrossLinkReader(CCrossLinkReader&&) = default;
  CCrossLinkReader& operator=(CCrossLinkReader&&) = default;
  ~CCrossLinkReader() = default;

  // Opens "<name without extension>.clf", else the same name ending in ".idx", and reads every
  // record up to the first damaged one or until the stop flag is raised. A missing file or an
  // unknown header leaves no records; false then.
  bool Read(const CQelString& importFileName);
  // Reads records from an open file positioned at its start.
  void ReadFrom(CBufferedFile& file, uint64_t length);

  // The first matching record with a name, else the last matching one without a name, else null.
  // Z takes part only when the shape has Z and the record carries a unit code.
  const TCrossLinkRecord* Find(double x, double y, double z, bool hasZ) const;
  int GetCount() const { return static_cast<int>(m_records.size()); }
  const TCrossLinkRecord* GetAt(int index) const;

 private:
  // A record's position, for the index.
  struct TPlace {
    double x;
    double y;
    int record;
  };

  void ReadRecords(CBufferedFile& file, uint64_t length);
  bool ReadVersion1Record(CBufferedFile& file, TCrossLinkRecord& record);
  bool ReadVersion2Record(CBufferedFile& file, TCrossLinkRecord& record, bool& skipped);

  std::vector<std::unique_ptr<TCrossLinkRecord>> m_records;
  // Every record by position, then in file order: a lookup visits the records of one position only.
  std::vector<TPlace> m_index;
};

// Writes a cross-link file of version 2 while a shapefile set is written.
class CCrossLinkWriter {
 public:
  CCrossLinkWriter() = default;
  CCrossLinkWriter(const CCrossLinkWriter&) = delete;
  CCrossLinkWriter& operator=(const CCrossLinkWriter&) = delete;
  ~CCrossLinkWriter() { Close(); }

  // Creates the file (replacing one that exists) and writes the header.
  bool Create(const CQelString& path);
  // One "VS" record: shapeX and shapeY exactly as written to the shapefile. withHeight false
  // writes the record without height, as for a station whose height is undefined.
  void WriteStation(const CIEStation& station, double shapeX, double shapeY, bool withHeight,
                    EDIST_UNITS jobUnits);
  bool Close();

 private:
  CBufferedFile m_file;
};
