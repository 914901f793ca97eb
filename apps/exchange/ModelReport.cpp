#include "ModelReport.h"

#include <map>
#include <string>

#include "HostText.h"
#include "IECatalogue.h"
#include "IEModel.h"

namespace {

using Json = nlohmann::ordered_json;

const char* const kKindNames[] = {"IE_DESIGN_POINT", "IE_PTL_POINT", "IE_GPS_POINT", "IE_SHEET_POINT",
                                  "IE_POLYLINE",     "IE_AREA",      "IE_BREAKLINE", "IE_ARC",
                                  "IE_SURFACE",      "IE_ALIGNMENT", "IE_PARCEL",    "IE_UNKNOWN"};
constexpr int kUnknownKind = static_cast<int>(sizeof kKindNames / sizeof *kKindNames) - 1;

// The kind's place in kKindNames; kUnknownKind for a value outside the known kinds.
int KindIndex(EIEObjectsType kind) {
  const int i = static_cast<int>(kind);
  return i >= 0 && i < kUnknownKind ? i : kUnknownKind;
}

const char* KindName(EIEObjectsType kind) { return kKindNames[KindIndex(kind)]; }

const char* StateName(IIEStateInterface::ECurrentState state) {
  switch (state) {
    case IIEStateInterface::STATE_INACTIVE:
      return "STATE_INACTIVE";
    case IIEStateInterface::STATE_ACTIVE:
      return "STATE_ACTIVE";
    default:
      return "STATE_ANY";
  }
}

const char* CodeTypeName(CIECodeDescription::EIECodeType type) {
  switch (type) {
    case CIECodeDescription::CODE_POINT:
      return "CODE_POINT";
    case CIECodeDescription::CODE_LINE:
      return "CODE_LINE";
    case CIECodeDescription::CODE_AREA:
      return "CODE_AREA";
    default:
      return "CODE_UNDEFINED";
  }
}

std::string DistUnitsName(EDIST_UNITS units) {
  const char16_t* keyword = IEKeywords::GetKeyword(IEKeywords::MASK_DISTANCE_UNITS, static_cast<int>(units));
  return keyword ? ToUtf8(CQelString(keyword)) : std::to_string(static_cast<int>(units));
}

Json StationToJson(const CIEStation& station) {
  return Json{{"name", ToUtf8(station.GetName())},
              {"type", static_cast<int>(station.GetStationType())},
              {"x", station.x},
              {"y", station.y},
              {"z", station.z},
              {"heightDefined", station.IsHeightDefined()},
              {"geoidHeight", station.GetGeoidHeight()},
              {"bulge", station.GetBulge()}};
}

Json StationsOf(const CIEObject& object) {
  Json stations = Json::array();
  if (const auto* point = dynamic_cast<const CIEDesignPoint*>(&object)) {
    stations.push_back(StationToJson(point->GetStation()));
  } else if (const auto* line = dynamic_cast<const CIEPolyLine*>(&object)) {
    for (int i = 0; i < line->GetNumberOfStations(); ++i)
      stations.push_back(StationToJson(line->GetStation(i)));
  } else if (const auto* sheet = dynamic_cast<const CIESheetPoint*>(&object)) {
    for (int i = 0; i < sheet->GetNumberOfStations(); ++i)
      if (const CIEOffsetStation* station = sheet->GetStation(i)) stations.push_back(StationToJson(*station));
  } else if (const auto* arc = dynamic_cast<const CIEArc*>(&object)) {
    stations.push_back(StationToJson(arc->GetStation()));
  }
  return stations;
}

Json CodesOf(const CIEObject& object) {
  Json codes = Json::array();
  for (int i = 0; i < object.GetNumberOfCodes(); ++i) {
    const CIECodeValues* code = object.GetCode(i);
    if (!code) continue;
    Json attributes = Json::array();
    for (int a = 0; a < code->GetNumberOfAttrs(); ++a) attributes.push_back(ToUtf8(code->GetAttrAt(a)));
    const CIECodeDescription* desc = code->GetDescription();
    codes.push_back(
        Json{{"code", desc ? ToUtf8(desc->GetName()) : std::string()}, {"attributes", attributes}});
  }
  return codes;
}

Json PhotoNotesOf(const CIEObject& object) {
  Json notes = Json::array();
  const CIEPhotoNotes* all = object.GetPhotoNotes();
  for (int i = 0; all && i < all->GetNumberOfPhotoNotes(); ++i) {
    const CIEPhotoNote* note = all->GetPhotoNote(i);
    if (!note) continue;
    notes.push_back(Json{{"file", ToUtf8(note->GetFileName())},
                         {"azimuth", note->GetData(CIEPhotoNote::PHOTO_AZIMUTH)},
                         {"tiltX", note->GetData(CIEPhotoNote::PHOTO_TILT_X)},
                         {"tiltY", note->GetData(CIEPhotoNote::PHOTO_TILT_Y)}});
  }
  return notes;
}

Json ObjectToJson(const CIEObject& object) {
  const auto* line = dynamic_cast<const CIEPolyLine*>(&object);
  return Json{{"kind", KindName(object.GetType())},
              {"name", ToUtf8(object.GetName())},
              {"state", StateName(object.GetStateType())},
              {"closed", line ? line->IsClosed() : false},
              {"layer", object.GetLayer() ? Json(ToUtf8(object.GetLayer()->GetName())) : Json()},
              {"stations", StationsOf(object)},
              {"codes", CodesOf(object)},
              {"photoNotes", PhotoNotesOf(object)}};
}

// Calls visit for each code description in the dictionary's order.
template <class F>
void ForEachCode(const CIEData& data, F visit) {
  const CIEDataDictionary* dictionary = data.GetIEDataDictionary();
  if (!dictionary) return;
  dictionary->Reset();
  while (const CIECodeDescription* code = dictionary->GetNextCodeDescription()) visit(*code);
}

template <class F>
void ForEachLayer(const CIEData& data, F visit) {
  const CIEDrawDictionary* layers = data.GetIEDrawDictionary();
  for (int i = 0; layers && i < layers->GetNumberOfLayers(); ++i)
    if (const CIELayer* layer = layers->GetLayerAt(i)) visit(*layer);
}

// Every entry of the main list that holds an object; empty entries are passed over.
template <class F>
void ForEachObject(const CIEDataset& dataset, F visit) {
  const int entries = dataset.GetNumberOfElements(-1, IIEStateInterface::STATE_ANY, false, false);
  for (int i = 0; i < entries; ++i)
    if (const CIEObject* object = dataset.GetObjectAt(i)) visit(*object);
}

}  // namespace

const char* ResultName(EIEResult result) {
  switch (result) {
    case IE_RESULT_OK:
      return "IE_RESULT_OK";
    case IE_RESULT_INVALID_NAMES:
      return "IE_RESULT_INVALID_NAMES";
    case IE_RESULT_NOTHING_DONE:
      return "IE_RESULT_NOTHING_DONE";
    case IE_RESULT_BAD_FILE:
      return "IE_RESULT_BAD_FILE";
    case IE_RESULT_NO_ENGINE:
      return "IE_RESULT_NO_ENGINE";
    case IE_RESULT_CANNOT_OPEN:
      return "IE_RESULT_CANNOT_OPEN";
    case IE_RESULT_NO_PARSER:
      return "IE_RESULT_NO_PARSER";
    case IE_RESULT_NO_JOB_HISTORY:
      return "IE_RESULT_NO_JOB_HISTORY";
    case IE_RESULT_STOPPED:
      return "IE_RESULT_STOPPED";
    case IE_RESULT_OUT_OF_MEMORY:
      return "IE_RESULT_OUT_OF_MEMORY";
    case IE_RESULT_FAILED:
      return "IE_RESULT_FAILED";
  }
  return "IE_RESULT_UNKNOWN";
}

Json ModelToJson(const CIEData& data, EIEResult result) {
  const auto& cs = data.GetCoordinateSystem();
  Json codes = Json::array();
  ForEachCode(data, [&codes](const CIECodeDescription& code) {
    Json attributes = Json::array();
    for (int i = 0; i < code.GetSize(); ++i)
      if (const CIEAttrDescription* attr = code.GetAttrDescriptionAt(i))
        attributes.push_back(Json{{"name", ToUtf8(attr->m_strName)},
                                  {"type", ToUtf8(attr->GetTypeAsString())},
                                  {"fraction", attr->GetMaxFracLength()}});
    codes.push_back(Json{{"name", ToUtf8(code.GetName())},
                         {"type", CodeTypeName(code.GetCodeType())},
                         {"description", ToUtf8(code.GetDescCodeName())},
                         {"attributes", attributes}});
  });
  Json layers = Json::array();
  ForEachLayer(data, [&layers](const CIELayer& layer) {
    layers.push_back(
        Json{{"name", ToUtf8(layer.GetName())}, {"active", layer.IsActive()}, {"plot", layer.IsPlot()}});
  });
  Json datasets = Json::array();
  for (int d = 0; d < data.GetNumberOfDatasets(); ++d) {
    const CIEDataset* dataset = data.GetDatasetAt(d);
    if (!dataset) continue;
    Json objects = Json::array();
    ForEachObject(*dataset, [&objects](const CIEObject& object) { objects.push_back(ObjectToJson(object)); });
    datasets.push_back(Json{{"name", ToUtf8(dataset->GetName())}, {"objects", objects}});
  }
  return Json{{"result", ResultName(result)},
              {"resultCode", static_cast<int>(result)},
              {"distanceUnits", DistUnitsName(data.GetJobInfo().GetDistUnits())},
              {"coordinateSystem", Json{{"kind", cs.m_nKind},
                                        {"datum", ToUtf8(cs.m_strDatumName)},
                                        {"projection", ToUtf8(cs.m_strProjectionName)}}},
              {"codes", codes},
              {"layers", layers},
              {"datasets", datasets}};
}

void PrintSummary(std::ostream& out, const CIEData& data, EIEResult result) {
  out << "result: " << ResultName(result) << " (" << static_cast<int>(result) << ")\n";
  out << "distance units: " << DistUnitsName(data.GetJobInfo().GetDistUnits()) << '\n';
  const auto& cs = data.GetCoordinateSystem();
  if (cs.m_nKind == qel_ie_cs_utils::CCoordinateSystemInfo::NOT_SET)
    out << "coordinate system: none\n";
  else
    out << "coordinate system: "
        << (cs.m_nKind == qel_ie_cs_utils::CCoordinateSystemInfo::GEOGRAPHIC ? "geographic" : "projected")
        << ", datum '" << ToUtf8(cs.m_strDatumName) << "', projection '" << ToUtf8(cs.m_strProjectionName)
        << "'\n";

  const CIEDataDictionary* dictionary = data.GetIEDataDictionary();
  out << "codes: " << (dictionary ? dictionary->GetSize() : 0) << '\n';
  ForEachCode(data, [&out](const CIECodeDescription& code) {
    out << "  " << ToUtf8(code.GetName()) << " (" << CodeTypeName(code.GetCodeType()) << ")";
    for (int i = 0; i < code.GetSize(); ++i)
      if (const CIEAttrDescription* attr = code.GetAttrDescriptionAt(i))
        out << (i ? ", " : ": ") << ToUtf8(attr->m_strName) << " " << ToUtf8(attr->GetTypeAsString());
    out << '\n';
  });
  const CIEDrawDictionary* layers = data.GetIEDrawDictionary();
  out << "layers: " << (layers ? layers->GetNumberOfLayers() : 0) << '\n';
  ForEachLayer(data, [&out](const CIELayer& layer) { out << "  " << ToUtf8(layer.GetName()) << '\n'; });

  out << "datasets: " << data.GetNumberOfDatasets() << '\n';
  for (int d = 0; d < data.GetNumberOfDatasets(); ++d) {
    const CIEDataset* dataset = data.GetDatasetAt(d);
    if (!dataset) continue;
    int counts[kUnknownKind + 1] = {};
    int total = 0;
    ForEachObject(*dataset, [&](const CIEObject& object) {
      ++counts[KindIndex(object.GetType())];
      ++total;
    });
    // Kinds in the order of their names.
    std::map<std::string, int> perKind;
    for (int k = 0; k <= kUnknownKind; ++k)
      if (counts[k] > 0) perKind[kKindNames[k]] = counts[k];
    out << "  " << ToUtf8(dataset->GetName()) << ": " << total << " objects";
    for (const auto& kind : perKind)
      out << (kind.first == perKind.begin()->first ? " (" : ", ") << kind.first << " " << kind.second;
    out << (perKind.empty() ? "" : ")") << '\n';
  }
}
