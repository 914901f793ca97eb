// A plug-in for the loader's tests, built twice (libtestpluga.so and libtestplugb.so) with a
// different TEST_PLUGIN_TAG. Each format GUID selects one behaviour; the imported point is named
// after the library, so that a test can tell which library's entry ran.
#include <chrono>
#include <cstdio>
#include <thread>

#include "IEData.h"
#include "IEDataset.h"
#include "IEDesignPoint.h"
#include "IEExporterImpl.h"
#include "IEFormat.h"
#include "IEImporterImpl.h"
#include "TestPluginGuids.h"

#define TEST_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

enum Behaviour { OK, NULL_OBJECT, CANNOT_OPEN, STORED_ERROR, STOPS_ITSELF, SLOW, UNKNOWN };

Behaviour Lookup(const CIEFormat* format) {
  if (!format) return UNKNOWN;
  const auto& guids = TEST_PLUGIN_TAG == 'A' ? test_plugins::kGuidsA : test_plugins::kGuidsB;
  for (int i = 0; i < static_cast<int>(UNKNOWN); ++i)
    if (guids[i] && format->IsIdEqual(reinterpret_cast<const unsigned short*>(guids[i]))) return Behaviour(i);
  return UNKNOWN;
}

class TestImporter : public CImporterImpl {
 public:
  TestImporter(CIEData* data, const CQelString& fileName, const CIEFormat* format)
      : CImporterImpl(data, fileName, format) {}
  EIEResult Import() const override {
    CIEDesignPoint* point = new CIEDesignPoint;
    point->SetName(CQelString(TEST_PLUGIN_TAG == 'A' ? u"from A" : u"from B"));
    point->SetCoords(1.0, 2.0, 3.0, 0.0);
    m_pData->GetCurDataset()->Add(point);
    return IE_RESULT_OK;
  }
  // The core deletes the importer, so it comes from the shared allocator.
  QEL_DECLARE_SHARED_ALLOCATION()
};

// Writes a small file per step after opening it; behaviour decides how it ends.
class TestExporter : public CExporterImpl {
 public:
  TestExporter(CIEData* data, const CQelString& fileName, const CIEFormat* format, Behaviour behaviour)
      : CExporterImpl(data, fileName, format), m_behaviour(behaviour) {}
  ~TestExporter() override {
    if (m_file) std::fclose(m_file);
  }
  int GetNumberOfSteps() override { return m_behaviour == SLOW ? 201 : 4; }
  bool SingleStep() override {
    if (m_nCurrentStep < 0) {
      if (m_behaviour == CANNOT_OPEN) return false;
      CQelStringA path(static_cast<const unsigned short*>(m_strFileName), m_strFileName.GetLength());
      m_file = std::fopen(path, "wb");
      if (!m_file) return false;
      m_pData->AddFileNameToExported(m_strFileName);
      m_nCurrentStep = 0;
      return true;
    }
    ++m_nCurrentStep;
    std::fprintf(m_file, "step %d\n", m_nCurrentStep);
    if (m_behaviour == STORED_ERROR) m_eResult = IE_RESULT_BAD_FILE;
    if (m_behaviour == STOPS_ITSELF) CIEData::m_bStopProcess = true;
    if (m_behaviour == SLOW) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return m_nCurrentStep < GetNumberOfSteps() - 1;
  }

 private:
  Behaviour m_behaviour;
  FILE* m_file = nullptr;
};

}  // namespace

TEST_PLUGIN_EXPORT CImporterImpl* MakeImporter(CIEData* data, const CQelString& fileName,
                                               const CIEFormat* format) {
  Behaviour b = Lookup(format);
  if (b == UNKNOWN || b == NULL_OBJECT) return nullptr;
  return new TestImporter(data, fileName, format);
}

TEST_PLUGIN_EXPORT CExporterImpl* MakeExporter(CIEData* data, const CQelString& fileName,
                                               const CIEFormat* format) {
  Behaviour b = Lookup(format);
  if (b == UNKNOWN || b == NULL_OBJECT) return nullptr;
  return new TestExporter(data, fileName, format, b);
}
