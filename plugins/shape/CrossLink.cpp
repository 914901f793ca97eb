#include "CrossLink.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "IEData.h"
#include "IEUtils.h"
#include "ShapeText.h"

namespace {

constexpr char kVersion1[] = "CrossLinkFile_Ver1.0";
constexpr char kVersion2[] = "CrossLinkFile_Ver2.0";
constexpr int kVersion1HeaderSize = 46;
constexpr int kNameBytes = 18;
constexpr double kCoordinateLimit = 1000000000.0;
constexpr int kPayloadWithoutHeight = 38;
constexpr int kPayloadWithUnitCode = 50;
constexpr int kNsPayloadWithUnitCode = 22;

struct TUnitFactor {
  int32_t code;
  double factor;
};

// Units that convert to metres by a factor, applied as value * 100000.0 * factor * 0.00001.
constexpr TUnitFactor kUnitFactors[] = {{9002, 0.3048},
                                        {9003, 0.304800609601219},
                                        {9004, 0.304812252984506},
                                        {9005, 0.3047972651151},
                                        {9006, 0.304799517990042},
                                        {9007, 0.201166194975966},
                                        {9008, 0.201167824943759},
                                        {9009, 0.201167651215526},
                                        {9010, 20.1167824943759},
                                        {9011, 20.1167651215526},
                                        {9012, 0.914398414616029},
                                        {9013, 0.941398553970127},
                                        {9014, 1.8288},
                                        {9030, 1852.0},
                                        {9031, 1.0000013597},
                                        {9032, 0.304799471538676},
                                        {9033, 20.1168402336805},
                                        {9034, 0.201168402336805},
                                        {9035, 1609.34721869444},
                                        {9036, 1000.0},
                                        {9093, 1609.344},
                                        {109001, 0.9144},
                                        {109002, 0.914401829},
                                        {109003, 20.1168},
                                        {109004, 0.201168},
                                        {109005, 0.1},
                                        {109006, 0.01},
                                        {109007, 0.001},
                                        {109008, 0.0254},
                                        {109009, 0.025400051},
                                        {109010, 5.0292},
                                        {109011, 5.029210058},
                                        {109012, 1853.248},
                                        {109013, 1853.184}};

template <class T>
bool ReadValue(CBufferedFile& file, T& value) {
  unsigned char bytes[sizeof(T)];
  if (file.Read(bytes, 1, sizeof bytes) != sizeof bytes) return false;
  // Little-endian in the file, as on every machine the system runs on; assembled byte by byte
  // so that the order does not depend on the host.
  uint64_t raw = 0;
  for (size_t i = sizeof(T); i-- > 0;) raw = (raw << 8) | bytes[i];
  if constexpr (sizeof(T) == 8) {
    std::memcpy(&value, &raw, 8);
  } else {
    typename std::make_unsigned<T>::type narrow = static_cast<typename std::make_unsigned<T>::type>(raw);
    std::memcpy(&value, &narrow, sizeof(T));
  }
  return true;
}

template <class T>
void PutValue(unsigned char* out, T value) {
  uint64_t raw = 0;
  if constexpr (sizeof(T) == 8) {
    std::memcpy(&raw, &value, 8);
  } else {
    typename std::make_unsigned<T>::type narrow;
    std::memcpy(&narrow, &value, sizeof(T));
    raw = narrow;
  }
  for (size_t i = 0; i < sizeof(T); ++i) out[i] = static_cast<unsigned char>(raw >> (8 * i));
}

bool ReadBoundedDouble(CBufferedFile& file, double& value) {
  return ReadValue(file, value) && IEUtils::IsInBorders(value, -kCoordinateLimit, kCoordinateLimit);
}

bool ReadHexLength(const char* digits, int& length) {
  length = 0;
  for (int i = 0; i < 3; ++i) {
    char c = digits[i];
    int v;
    if (c >= '0' && c <= '9')
      v = c - '0';
    else if (c >= 'a' && c <= 'f')
      v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      v = c - 'A' + 10;
    else
      return false;
    length = length * 16 + v;
  }
  return true;
}

// The name field: up to 18 bytes, ending at the first zero byte if there is one.
bool ReadName(CBufferedFile& file, CQelString& name) {
  char bytes[kNameBytes];
  if (file.Read(bytes, 1, kNameBytes) != static_cast<size_t>(kNameBytes)) return false;
  int n = 0;
  while (n < kNameBytes && bytes[n]) ++n;
  name = AnsiBytesToText(bytes, n);
  return true;
}

// The body that versions 1 and 2 share: name, flags and the two coordinates.
bool ReadStationHead(CBufferedFile& file, TCrossLinkRecord& record, int16_t& heightFlag) {
  CQelString name;
  int16_t typeFlag = 0;
  double x = 0.0, y = 0.0;
  if (!ReadName(file, name) || !ReadValue(file, typeFlag) || !ReadValue(file, heightFlag)) return false;
  if (!ReadBoundedDouble(file, x) || !ReadBoundedDouble(file, y)) return false;
  record.station.SetName(name);
  record.station.SetStationType(static_cast<CIEStation::EStationType>(typeFlag == 1 ? 2 : 3));
  record.station.x = x;
  record.station.y = y;
  return true;
}

}  // namespace

double UnitCodeToMeters(double value, int32_t code) {
  switch (code) {
    case 1:
      return IEUtils::USFeet2Meter(value);
    case 2:
      return IEUtils::IFeet2Meter(value);
    case 3:
      return IEUtils::FFFII2Meter(value, true);
    case 4:
      return IEUtils::FFFII2Meter(value, false);
    default:
      break;
  }
  for (const TUnitFactor& unit : kUnitFactors)
    if (unit.code == code) return value * 100000.0 * unit.factor * 0.00001;
  return value;
}

int32_t JobUnitsToUnitCode(EDIST_UNITS units) {
  switch (units) {
    case EDIST_UNITS::USFEET:
      return 1;
    case EDIST_UNITS::IFEET:
      return 2;
    case EDIST_UNITS::USFEETINCHES:
      return 3;
    case EDIST_UNITS::IFEETINCHES:
      return 4;
    case EDIST_UNITS::MILE:
      return 9035;
    default:
      return 0;
  }
}

double MetersToUnitCode(double meters, int32_t code) {
  switch (code) {
    case 1:
      return IEUtils::Meter2USFeet(meters);
    case 2:
      return IEUtils::Meter2IFeet(meters);
    case 3:
      return IEUtils::Meter2FFFII(meters, true);
    case 4:
      return IEUtils::Meter2FFFII(meters, false);
    case 9035:
      return meters * 100000.0 * 0.000621371 * 0.00001;
    default:
      return meters;
  }
}

bool CCrossLinkReader::Read(const CQelString& importFileName) {
  m_records.clear();
  m_index.clear();
  CQelString name = importFileName;
  int dot = name.ReverseFind('.');
  if (dot >= 0) name = name.Left(dot);
  name += u".clf";
  CBufferedFile file;
  if (!file.Open(qel_path::ToSystemPath(name).c_str(), "rb")) {
    name = name.Left(name.GetLength() - 4) + CQelString(u".idx");
    if (!file.Open(qel_path::ToSystemPath(name).c_str(), "rb")) return false;
  }
  if (!file.Seek(0, CBufferedFile::SEEK_FROM_END)) return false;
  uint64_t length = file.Tell();
  if (length == UINT64_MAX || !file.Seek(0, CBufferedFile::SEEK_FROM_BEGIN)) return false;
  ReadFrom(file, length);
  return !m_records.empty();
}

void CCrossLinkReader::ReadFrom(CBufferedFile& file, uint64_t length) {
  ReadRecords(file, length);
  m_index.clear();
  m_index.reserve(m_records.size());
  for (size_t i = 0; i < m_records.size(); ++i)
    m_index.push_back({m_records[i]->station.x, m_records[i]->station.y, static_cast<int>(i)});
  std::sort(m_index.begin(), m_index.end(), [](const TPlace& a, const TPlace& b) {
    if (a.x != b.x) return a.x < b.x;
    if (a.y != b.y) return a.y < b.y;
    return a.record < b.record;
  });
}

void CCrossLinkReader::ReadRecords(CBufferedFile& file, uint64_t length) {
  char head[kVersion1HeaderSize + 1] = {};
  size_t got = file.Read(head, 1, kVersion1HeaderSize);
  size_t textLength = strnlen(head, got);
  std::string text(head, textLength);
  bool version1 = text == kVersion1;
  uint64_t start = kVersion1HeaderSize;
  if (!version1) {
    int headerPayload = 0;
    if (text.size() <= 2 || text.compare(0, 2, "FS") != 0 || text.find(kVersion2) == std::string::npos ||
        text.size() < 5 || !ReadHexLength(text.c_str() + 2, headerPayload))
      return;
    start = 5 + static_cast<uint64_t>(headerPayload);
  }
  if (!file.Seek(start, CBufferedFile::SEEK_FROM_BEGIN)) return;
  for (;;) {
    if (CIEData::m_bStopProcess.load()) return;
    uint64_t pos = file.Tell();
    if (pos == UINT64_MAX || pos >= length) return;
    auto record = std::make_unique<TCrossLinkRecord>();
    bool skipped = false;
    bool ok = version1 ? ReadVersion1Record(file, *record) : ReadVersion2Record(file, *record, skipped);
    if (!ok) return;
    if (!skipped) m_records.push_back(std::move(record));
  }
}

bool CCrossLinkReader::ReadVersion1Record(CBufferedFile& file, TCrossLinkRecord& record) {
  int16_t heightFlag = 0;
  double z = 0.0;
  if (!ReadStationHead(file, record, heightFlag) || !ReadBoundedDouble(file, z)) return false;
  if (heightFlag == 1)
    record.station.z = z;
  else
    record.heightDefined = false;
  return true;
}

bool CCrossLinkReader::ReadVersion2Record(CBufferedFile& file, TCrossLinkRecord& record, bool& skipped) {
  char head[5];
  int payload = 0;
  if (file.Read(head, 1, 5) != 5 || !ReadHexLength(head + 2, payload)) return false;
  if (head[0] == 'N' && head[1] == 'S') {
    char unused[2];
    double x = 0.0, y = 0.0;
    if (file.Read(unused, 1, 2) != 2 || !ReadBoundedDouble(file, x) || !ReadBoundedDouble(file, y))
      return false;
    record.station.x = x;
    record.station.y = y;
    if (payload == kNsPayloadWithUnitCode && !ReadValue(file, record.unitCode)) return false;
    return true;
  }
  if (head[0] == 'V' && head[1] == 'S') {
    int16_t heightFlag = 0;
    if (!ReadStationHead(file, record, heightFlag)) return false;
    if (heightFlag == 1) {
      double z = 0.0;
      if (!ReadBoundedDouble(file, z)) return false;
      record.station.z = z;
    } else {
      record.heightDefined = false;
    }
    if (payload == kPayloadWithUnitCode) {
      if (!ReadValue(file, record.unitCode)) return false;
      record.hasUnitCode = true;
    }
    return true;
  }
  // A record of a kind this reader does not know is passed over whole, by its length.
  skipped = true;
  return file.Seek(static_cast<uint64_t>(payload), CBufferedFile::SEEK_FROM_CURRENT);
}

const TCrossLinkRecord* CCrossLinkReader::Find(double x, double y, double z, bool hasZ) const {
  // Records hold no NaN: a NaN position matches nothing.
  if (std::isnan(x) || std::isnan(y)) return nullptr;
  const auto samePlaceBefore = [](const TPlace& a, const TPlace& b) {
    return a.x < b.x || (a.x == b.x && a.y < b.y);
  };
  const auto range = std::equal_range(m_index.begin(), m_index.end(), TPlace{x, y, 0}, samePlaceBefore);
  const TCrossLinkRecord* unnamed = nullptr;
  for (auto place = range.first; place != range.second; ++place) {
    const TCrossLinkRecord* record = m_records[static_cast<size_t>(place->record)].get();
    if (hasZ && record->hasUnitCode && record->station.z != z) continue;
    if (!record->station.GetName().IsEmpty()) return record;
    unnamed = record;
  }
  return unnamed;
}

const TCrossLinkRecord* CCrossLinkReader::GetAt(int index) const {
  return index >= 0 && index < GetCount() ? m_records[static_cast<size_t>(index)].get() : nullptr;
}

bool CCrossLinkWriter::Create(const CQelString& path) {
  if (!m_file.Open(qel_path::ToSystemPath(path).c_str(), "wb", 64 * 1024)) return false;
  static const char kHeader[] = "FS014CrossLinkFile_Ver2.0";
  return m_file.Write(kHeader, 1, sizeof kHeader - 1) == sizeof kHeader - 1;
}

void CCrossLinkWriter::WriteStation(const CIEStation& station, double shapeX, double shapeY, bool withHeight,
                                    EDIST_UNITS jobUnits) {
  if (!m_file.IsOpen()) return;
  unsigned char record[5 + kPayloadWithUnitCode] = {};
  const int payload = withHeight ? kPayloadWithUnitCode : kPayloadWithoutHeight;
  static const char kHexDigits[] = "0123456789abcdef";
  record[0] = 'V';
  record[1] = 'S';
  for (int i = 0; i < 3; ++i)
    record[2 + i] = static_cast<unsigned char>(kHexDigits[(payload >> (8 - 4 * i)) & 15]);
  unsigned char* body = record + 5;
  // Whole characters only: a name is cut before a character that would not fit in 18 bytes.
  TextToAnsi(station.GetName(), reinterpret_cast<char*>(body), kNameBytes);
  PutValue<int16_t>(body + 18, station.GetStationType() == 3 ? 0 : 1);
  PutValue<int16_t>(body + 20, withHeight ? 1 : 0);
  PutValue(body + 22, shapeX);
  PutValue(body + 30, shapeY);
  if (withHeight) {
    int32_t code = JobUnitsToUnitCode(jobUnits);
    PutValue(body + 38, MetersToUnitCode(station.GetHeight(), code));
    PutValue(body + 46, code);
  }
  m_file.Write(record, 1, static_cast<size_t>(5 + payload));
}

bool CCrossLinkWriter::Close() { return m_file.Close(); }
