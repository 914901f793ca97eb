#include "JobCommands.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>

#include "CommandLine.h"
#include "Console.h"
#include "CoordinateSystemCatalog.h"
#include "FileFuncs.h"
#include "FormatChoice.h"
#include "HostMessageBox.h"
#include "HostOptions.h"
#include "HostText.h"
#include "IECatalogue.h"
#include "IEFramework.h"
#include "IEModel.h"
#include "ModelReport.h"
#include "WinMessage.h"
#include "WinThread.h"

namespace {

const char kConvertHelp[] =
    "Usage: exchange convert INPUT OUTPUT [--from FMT] [--to FMT] [--types LIST] [--units UNIT]\n"
    "                        [--job-units UNIT] [--overwrite] [--code-desc] [--same-thread]\n"
    "                        [--settings FILE] [--quiet]\n"
    "\n"
    "Imports INPUT and exports what was read to OUTPUT, both through the format plug-ins.\n"
    "\n"
    "  --from FMT        format of INPUT: catalogue index, GUID or title (SHP, DBF, DWG, ...);\n"
    "                    by default the one format that imports INPUT's extension\n"
    "  --to FMT          format of OUTPUT, likewise among the formats that export; a format that\n"
    "                    writes one file set per dataset (SHP) takes a folder as OUTPUT, made\n"
    "                    when missing\n"
    "  --types LIST      data types to exchange (POINTS,LINES,...); default: those of the input format\n"
    "  --units UNIT      distance unit for the plug-ins (METERS, USFEET, ...); default ANY_UNITS\n"
    "  --job-units UNIT  distance unit of the job; default METERS\n"
    "  --overwrite       overwrite existing output files without asking\n"
    "  --code-desc       write the code description where the format can\n"
    "  --same-thread     run the jobs on this thread instead of worker threads\n"
    "  --settings FILE   read the formats settings file FILE first\n"
    "  --quiet           no progress display\n"
    "  --help            show this help\n";

const char kInfoHelp[] =
    "Usage: exchange info INPUT [--from FMT] [--types LIST] [--units UNIT] [--job-units UNIT]\n"
    "                     [--settings FILE] [--json]\n"
    "\n"
    "Imports INPUT and describes what was read: datasets, objects per kind, codes with their\n"
    "attributes, layers, coordinate system and units. --json prints the whole model.\n"
    "\n"
    "  --from FMT        format of INPUT: catalogue index, GUID or title; by default by extension\n"
    "  --types LIST      data types to import; default: those of the format\n"
    "  --units UNIT      distance unit for the plug-in; default ANY_UNITS\n"
    "  --job-units UNIT  distance unit of the job; default METERS\n"
    "  --settings FILE   read the formats settings file FILE first\n"
    "  --json            print the model as JSON\n"
    "  --help            show this help\n";

// Reads the formats settings file, picks the format of INPUT, and fills the job settings and job
// info that the options ask for.
const CIEFormat* PrepareImport(const CCommandLine& line, const std::string& input, TIESettings& settings,
                               TIEJobInfo& jobInfo) {
  ReadSettingsOption(line);
  const CIEFormat* from = ChooseFormat("from", line.Value("from"), input, false);
  if (line.Has("types")) {
    settings.m_nDataTypes = ParseKeywordList(line, "types", IEKeywords::MASK_DATA_TYPES);
  } else {
    for (int type = 0; type < EIEDataType_COUNT; ++type)
      if (from->IsDataTypeSupported(static_cast<EIEDataType>(type)))
        settings.AddDataType(static_cast<EIEDataType>(type));
  }
  if (line.Has("units"))
    settings.m_eDistUnits =
        static_cast<EDIST_UNITS>(ParseKeyword("units", IEKeywords::MASK_DISTANCE_UNITS, line.Value("units")));
  jobInfo.SetDistUnits(line.Has("job-units")
                           ? static_cast<EDIST_UNITS>(ParseKeyword(
                                 "job-units", IEKeywords::MASK_DISTANCE_UNITS, line.Value("job-units")))
                           : EDIST_UNITS::METERS);
  settings.m_bFlags7[TIESettings::FLAG_WRITE_CODE_DESCRIPTION] = line.Has("code-desc");
  // Without the catalogue beside the program, projection files are neither read nor written.
  InstallCoordinateSystemCatalog(settings);
  return from;
}

// Runs the jobs of one verb through one loader and one data root, on worker threads announced by
// the completion messages, or on this thread.
class CJobHost {
 public:
  CJobHost(bool sameThread, bool progress)
      : m_bSameThread(sameThread), m_bProgress(progress), m_hWindow(CreateMessageWindow()) {
    CIEData::m_bStopProcess = false;
    qel_console::SetInterruptFlag(&CIEData::m_bStopProcess);
  }
  CJobHost(const CJobHost&) = delete;
  CJobHost& operator=(const CJobHost&) = delete;
  ~CJobHost() {
    qel_console::SetInterruptFlag(nullptr);
    DestroyMessageWindow(m_hWindow);
  }

  void Init(TIESettings settings, const TIEJobInfo& jobInfo) {
    settings.m_hNotifyWnd = m_hWindow;
    m_loader.InitIEData(settings);
    m_loader.GetIEData()->SetJobInfo(jobInfo);
  }
  const CIEData& Data() const { return *m_loader.GetIEData(); }

  EIEResult Run(bool exporting, const std::string& path, const CIEFormat* format) {
    const CQelString file = FromUtf8(path);
    const char* what = exporting ? "exporting" : "importing";
    if (m_bSameThread) {
      if (m_bProgress) std::cerr << what << ' ' << path << "...\n";
      return exporting ? m_loader.ExportInTheSameThread(file, format, nullptr)
                       : m_loader.ImportInTheSameThread(file, format, nullptr);
    }
    const unsigned done =
        RegisterWindowMessage(exporting ? u"EXPORT_DATA_FINISHED" : u"IMPORT_DATA_FINISHED");
    std::unique_ptr<CWinThread> thread(exporting
                                           ? m_loader.StartExportInSeparateThread(file, format, nullptr)
                                           : m_loader.StartImportInSeparateThread(file, format, nullptr));
    if (!thread) return IE_RESULT_NO_PARSER;
    const auto start = std::chrono::steady_clock::now();
    EIEResult result = IE_RESULT_FAILED;
    for (;;) {
      MSG msg;
      if (WaitForMessage(m_hWindow, &msg, 100)) {
        if (msg.message != done) continue;
        result = static_cast<EIEResult>(msg.lParam);
        break;
      }
      if (m_bProgress) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::fprintf(stderr, "\r%s %s ... %.1f s%s", what, path.c_str(), seconds,
                     CIEData::m_bStopProcess ? " (stopping)" : "");
        std::fflush(stderr);
      }
    }
    thread->Wait();
    if (m_bProgress) std::fprintf(stderr, "\r\033[K");
    return result;
  }

 private:
  bool m_bSameThread;
  bool m_bProgress;
  HWND m_hWindow;
  CIEParsersLoader m_loader;
};

// One line on stderr for a failed job; true when the job succeeded.
bool Report(const char* what, EIEResult result) {
  if (result > 0) return true;
  std::cerr << "error: " << what << " failed: " << ResultName(result) << " (" << static_cast<int>(result)
            << ")\n";
  return false;
}

}  // namespace

int RunConvertCommand(const std::vector<std::string>& args) {
  const CCommandLine line(args,
                          {{"from", true},
                           {"to", true},
                           {"types", true},
                           {"units", true},
                           {"job-units", true},
                           {"overwrite", false},
                           {"code-desc", false},
                           {"same-thread", false},
                           {"settings", true},
                           {"quiet", false},
                           {"help", false}},
                          2);
  if (line.Has("help")) {
    std::cout << kConvertHelp;
    return 0;
  }
  if (line.Positional().size() != 2) throw CUsageError("needs INPUT and OUTPUT");
  const std::string& input = line.Positional()[0];
  const std::string& output = line.Positional()[1];
  TIESettings settings;
  TIEJobInfo jobInfo;
  const CIEFormat* from = PrepareImport(line, input, settings, jobInfo);
  const CIEFormat* to = ChooseFormat("to", line.Value("to"), output, true);
  settings.m_pMessageBox = new CHostMessageBox(line.Has("overwrite"));

  CJobHost host(line.Has("same-thread"), !line.Has("quiet") && qel_console::IsTerminal(2));
  host.Init(settings, jobInfo);
  if (!Report("import", host.Run(false, input, from))) return 1;
  if (to->IsParameterSupported(CIEFormat::MULTIPLE_FILES_EXP) && !FileFuncs::CreateDir(FromUtf8(output))) {
    std::cerr << "error: cannot make the output folder '" << output << "'\n";
    return 1;
  }
  return Report("export", host.Run(true, output, to)) ? 0 : 1;
}

int RunInfoCommand(const std::vector<std::string>& args) {
  const CCommandLine line(args,
                          {{"from", true},
                           {"types", true},
                           {"units", true},
                           {"job-units", true},
                           {"settings", true},
                           {"json", false},
                           {"help", false}},
                          1);
  if (line.Has("help")) {
    std::cout << kInfoHelp;
    return 0;
  }
  if (line.Positional().size() != 1) throw CUsageError("needs INPUT");
  const std::string& input = line.Positional()[0];
  TIESettings settings;
  TIEJobInfo jobInfo;
  const CIEFormat* from = PrepareImport(line, input, settings, jobInfo);

  CJobHost host(false, false);
  host.Init(settings, jobInfo);
  const EIEResult result = host.Run(false, input, from);
  if (line.Has("json"))
    std::cout << ModelToJson(host.Data(), result).dump(2) << '\n';
  else
    PrintSummary(std::cout, host.Data(), result);
  return Report("import", result) ? 0 : 1;
}
